// UTF-8 <-> GBK, the pinyin initials and the net-name trait over arbitrary bytes.
#include "core/Text.h"
#include "numerology/Pinyin.h"
#include "tests/fuzz/FuzzSupport.h"

using namespace orlenvo;

namespace {

// Well-formed as UTF-8 by its lead and continuation bytes (overlong forms are not looked at).
bool IsUtf8(std::string_view s)
{
    for (std::size_t i = 0; i < s.size();) {
        const auto c = static_cast<unsigned char>(s[i]);
        const int extra = c < 0x80 ? 0 : (c >> 5) == 6 ? 1 : (c >> 4) == 14 ? 2 : (c >> 3) == 30 ? 3 : -1;
        if (extra < 0 || i + static_cast<std::size_t>(extra) >= s.size())
            return false;
        for (int k = 1; k <= extra; ++k)
            if ((static_cast<unsigned char>(s[i + static_cast<std::size_t>(k)]) >> 6) != 2)
                return false;
        i += static_cast<std::size_t>(extra) + 1;
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string_view bytes = fuzz::AsText(data, size);

    // Bytes read as GBK always give UTF-8; GBK made from text reads back to the same GBK.
    const std::string utf8 = GbkToUtf8(bytes);
    fuzz::Check(IsUtf8(utf8), "GbkToUtf8 gives UTF-8");
    const std::string gbk = Utf8ToGbk(utf8);
    fuzz::Check(Utf8ToGbk(GbkToUtf8(gbk)) == gbk, "GBK from text survives a round trip");
    if (IsUtf8(bytes))
        fuzz::Check(IsUtf8(GbkToUtf8(Utf8ToGbk(bytes))), "UTF-8 through GBK stays UTF-8");

    for (const std::string_view input : {bytes, std::string_view(gbk)}) {
        try {
            const std::string initials = PinyinInitials(input);
            fuzz::Check(initials.size() <= 4 * input.size(), "initials grow at most fourfold");
        } catch (const UnreadableCodeError &) {}
        try {
            const std::string trait = NetNameTrait(Trim(input));
            fuzz::Check(IsUtf8(trait), "a trait is UTF-8 text");
        } catch (const UnreadableCodeError &) {}
    }
    return 0;
}
