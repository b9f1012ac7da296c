// The day page over arbitrary doubles, and its rules' reader over arbitrary text: a page or a range
// error, a table or its own error.
#include "calendar/DayPage.h"
#include "calendar/TableLines.h"
#include "tests/fuzz/FuzzSupport.h"

#include <stdexcept>

using namespace orlenvo;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    fuzz::Bytes in(data, size);
    const double date = in.Take<double>();
    const bool inSpan = date >= kFirstTableDate && date < kLastTableDate + 1;
    try {
        const DayPage page = DayPageOf(date);
        fuzz::Check(inSpan, "a page only inside the span");
        int yellow = 0;
        for (int row = 0; row < 13; ++row) {
            const HourRow &hour = page.hours[row];
            fuzz::Check(hour.cycle >= 0 && hour.cycle < 60 && hour.god >= 0 && hour.god < 12,
                        "an hour's 干支 and 值神");
            fuzz::Check(hour.firstHour <= hour.lastHour && HourRowOf(hour.firstHour) == row, "an hour's clock span");
            yellow += row < 12 && hour.yellowPath;
        }
        fuzz::Check(yellow == 6, "six 黄道 hours of twelve");
        fuzz::Check(page.mansion >= 0 && page.mansion < 28, "a mansion is one of 28");
    } catch (const std::out_of_range &) {
        fuzz::Check(!inSpan, "a range error only outside the span");
    }
    try {
        const DayPageRules rules = DayPageRules::Parse(in.Rest());
        for (int branch = 0; branch < 12; ++branch)
            fuzz::Check(!rules.GodName(rules.GodOf(branch, 0)).empty(), "every branch has its 值神");
        fuzz::Check(rules.MansionOf(date) >= 0 && rules.MansionOf(date) < 28, "a mansion of any day");
    } catch (const TableError &) {}
    return 0;
}
