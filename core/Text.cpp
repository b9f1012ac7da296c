#include "core/Text.h"

#include <iconv.h>

#include <cctype>
#include <cerrno>
#include <limits>
#include <vector>

namespace orlenvo {

ConvertError::ConvertError(std::string_view text)
    : UserError("'" + std::string(text) + "' is not a valid integer value")
{}

std::string Trim(std::string_view text)
{
    std::size_t begin = 0;
    std::size_t end = text.size();
    while (begin < end && static_cast<unsigned char>(text[begin]) <= 32)
        ++begin;
    while (end > begin && static_cast<unsigned char>(text[end - 1]) <= 32)
        --end;
    return std::string(text.substr(begin, end - begin));
}

bool EqualsNoCase(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    }
    return true;
}

namespace {

int DigitValue(char c, int base)
{
    int v = -1;
    if (c >= '0' && c <= '9')
        v = c - '0';
    else if (c >= 'a' && c <= 'f')
        v = c - 'a' + 10;
    else if (c >= 'A' && c <= 'F')
        v = c - 'A' + 10;
    return v < base ? v : -1;
}

}  // namespace

std::int64_t StrToInt64(std::string_view text)
{
    std::string_view rest = text;
    bool negative = false;
    if (!rest.empty() && (rest.front() == '+' || rest.front() == '-')) {
        negative = rest.front() == '-';
        rest.remove_prefix(1);
    }
    int base = 10;
    if (!rest.empty() && rest.front() == '$') {
        base = 16;
        rest.remove_prefix(1);
    } else if (rest.size() > 1 && rest[0] == '0' && (rest[1] == 'x' || rest[1] == 'X')) {
        base = 16;
        rest.remove_prefix(2);
    }
    if (rest.empty())
        throw ConvertError(text);

    // Accumulate as a negative number so that INT64_MIN is reachable.
    constexpr std::int64_t min = std::numeric_limits<std::int64_t>::min();
    std::int64_t value = 0;
    for (char c : rest) {
        const int d = DigitValue(c, base);
        if (d < 0)
            throw ConvertError(text);
        if (value < (min + d) / base)
            throw ConvertError(text);
        value = value * base - d;
    }
    if (!negative) {
        if (value == min)
            throw ConvertError(text);
        value = -value;
    }
    return value;
}

std::int32_t StrToInt(std::string_view text)
{
    const std::int64_t v = StrToInt64(text);
    if (v < std::numeric_limits<std::int32_t>::min() || v > std::numeric_limits<std::int32_t>::max())
        throw ConvertError(text);
    return static_cast<std::int32_t>(v);
}

namespace {

// Converts with iconv; on an unconvertible or invalid sequence, emits `replacement`
// and skips `skip(in)` input bytes.
template <typename Skip>
std::string Convert(const char *to, const char *from, std::string_view input, std::string_view replacement, Skip skip)
{
    iconv_t cd = iconv_open(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1))
        throw std::runtime_error(std::string("iconv cannot convert from ") + from + " to " + to);

    std::string out;
    out.reserve(input.size() * 2);
    std::vector<char> buffer(4096);
    char *in = const_cast<char *>(input.data());
    std::size_t inLeft = input.size();
    while (inLeft > 0) {
        char *o = buffer.data();
        std::size_t oLeft = buffer.size();
        const std::size_t r = iconv(cd, &in, &inLeft, &o, &oLeft);
        out.append(buffer.data(), buffer.size() - oLeft);
        if (r != static_cast<std::size_t>(-1))
            continue;
        if (errno == E2BIG)
            continue;
        // EILSEQ or EINVAL: replace one input character and go on.
        out.append(replacement);
        const std::size_t n = std::min(inLeft, skip(std::string_view(in, inLeft)));
        in += n;
        inLeft -= n;
        iconv(cd, nullptr, nullptr, nullptr, nullptr);
    }
    iconv_close(cd);
    return out;
}

std::size_t Utf8SequenceLength(std::string_view s)
{
    const auto c = static_cast<unsigned char>(s[0]);
    std::size_t n = 1;
    if (c >= 0xF0)
        n = 4;
    else if (c >= 0xE0)
        n = 3;
    else if (c >= 0xC0)
        n = 2;
    // Never skip past a byte that starts a new sequence.
    for (std::size_t i = 1; i < n; ++i) {
        if (i >= s.size() || (static_cast<unsigned char>(s[i]) & 0xC0) != 0x80)
            return i;
    }
    return n;
}

std::size_t GbkSequenceLength(std::string_view s)
{
    const auto c = static_cast<unsigned char>(s[0]);
    if (c >= 0x81 && c <= 0xFE && s.size() > 1 && static_cast<unsigned char>(s[1]) >= 0x40)
        return 2;
    return 1;
}

}  // namespace

std::size_t Utf8Length(std::string_view utf8)
{
    std::size_t count = 0;
    for (const char c : utf8)
        count += (static_cast<unsigned char>(c) & 0xC0U) != 0x80U;
    return count;
}

std::string Utf8ToGbk(std::string_view utf8)
{
    return Convert("CP936", "UTF-8", utf8, "?", Utf8SequenceLength);
}

std::string GbkToUtf8(std::string_view gbk)
{
    return Convert("UTF-8", "CP936", gbk, "\xEF\xBF\xBD", GbkSequenceLength);
}

}  // namespace orlenvo
