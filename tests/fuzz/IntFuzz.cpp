// StrToInt64 and StrToInt against a plain reference parser.
#include "core/Text.h"
#include "tests/fuzz/FuzzSupport.h"

#include <limits>
#include <optional>

using namespace orlenvo;

namespace {

// Optional sign, then decimal digits, "$" and hex digits, or "0x"/"0X" and hex digits;
// the value must fit in 64 bits.
std::optional<std::int64_t> Reference(std::string_view s)
{
    std::size_t i = 0;
    bool negative = false;
    if (i < s.size() && (s[i] == '+' || s[i] == '-'))
        negative = s[i++] == '-';
    unsigned base = 10;
    if (i < s.size() && s[i] == '$') {
        base = 16;
        ++i;
    } else if (i + 1 < s.size() && s[i] == '0' && (s[i + 1] == 'x' || s[i + 1] == 'X')) {
        base = 16;
        i += 2;
    }
    if (i == s.size())
        return std::nullopt;
    const unsigned __int128 limit =
        negative ? (static_cast<unsigned __int128>(1) << 63) : (static_cast<unsigned __int128>(1) << 63) - 1;
    unsigned __int128 magnitude = 0;
    for (; i < s.size(); ++i) {
        const char c = s[i];
        unsigned d = 99;
        if (c >= '0' && c <= '9')
            d = static_cast<unsigned>(c - '0');
        else if (base == 16 && c >= 'a' && c <= 'f')
            d = static_cast<unsigned>(c - 'a' + 10);
        else if (base == 16 && c >= 'A' && c <= 'F')
            d = static_cast<unsigned>(c - 'A' + 10);
        if (d >= base)
            return std::nullopt;
        magnitude = magnitude * base + d;
        if (magnitude > limit)
            return std::nullopt;
    }
    if (negative)
        return magnitude == limit ? std::numeric_limits<std::int64_t>::min() : -static_cast<std::int64_t>(magnitude);
    return static_cast<std::int64_t>(magnitude);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string_view text = fuzz::AsText(data, size);
    const std::optional<std::int64_t> expected = Reference(text);
    std::optional<std::int64_t> got;
    try {
        got = StrToInt64(text);
    } catch (const ConvertError &e) {
        // what() ends at a NUL of the text.
        const std::string message = "'" + std::string(text) + "' is not a valid integer value";
        fuzz::Check(std::strcmp(e.what(), message.c_str()) == 0, "the conversion message names the text");
    }
    fuzz::Check(got == expected, "StrToInt64 agrees with the reference parser");

    std::optional<std::int32_t> got32;
    try {
        got32 = StrToInt(text);
    } catch (const ConvertError &) {}
    const bool fits = expected && *expected >= std::numeric_limits<std::int32_t>::min() &&
                      *expected <= std::numeric_limits<std::int32_t>::max();
    fuzz::Check(got32.has_value() == fits && (!fits || *got32 == *expected), "StrToInt is StrToInt64 within 32 bits");
    return 0;
}
