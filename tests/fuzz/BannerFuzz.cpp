// The banner list document and its fields, the flag digits and the rotation over them.
#include "banner/BannerCore.h"
#include "core/Text.h"
#include "tests/fuzz/FuzzSupport.h"

using namespace orlenvo;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string_view text = fuzz::AsText(data, size);
    const BannerStore store{std::string(text)};
    fuzz::Check(store.Text() == text, "the store keeps the document as received");
    fuzz::Check(store.LineCount() >= 0 && static_cast<std::size_t>(store.LineCount()) <= size + 1,
                "no more lines than bytes");
    for (int i = -1; i <= store.LineCount(); ++i) {
        const std::string line = store.Line(i);
        fuzz::Check(line.find_first_of("\r\n") == std::string::npos, "a line holds no line break");
        for (int n = -1; n <= 3; ++n) {
            const std::string field = BannerField(store, i, n);
            fuzz::Check(field == BannerLineField(line, n), "a field of the store is the field of its line");
            fuzz::Check(field.size() <= line.size(), "a field is part of its line");
        }
    }
    for (std::size_t pos = 0; pos < 3; ++pos) {
        try {
            const int digit = FlagDigit(text, pos);
            fuzz::Check(digit >= 0 && digit <= 9, "a flag digit is one digit");
        } catch (const ConvertError &) {}
    }

    // The whole start-up and a run of ticks, with the document as list and flag document.
    BannerRotation rotation;
    rotation.Start(FetchBannerDocuments([&](BannerClient, std::string_view) { return std::string(text); }));
    for (int tick = 0; tick < 2 * store.LineCount() + 4 && tick < 400; ++tick) {
        const BannerTick t = rotation.Tick();
        fuzz::Check(t.timer != BannerTick::Timer::SetInterval || t.intervalMs > 0, "a set interval is positive");
        fuzz::Check(rotation.LastIndex() < 0 || (rotation.Index() >= 0 && rotation.Index() <= rotation.LastIndex() + 1),
                    "the banner index stays in the store");
    }
    return 0;
}
