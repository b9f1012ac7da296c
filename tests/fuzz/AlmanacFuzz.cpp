// The almanac entry of a day over arbitrary doubles.
#include "calendar/Almanac.h"
#include "tests/fuzz/FuzzSupport.h"

#include <stdexcept>

using namespace orlenvo;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    fuzz::Bytes in(data, size);
    const double date = in.Take<double>();
    const bool inSpan = date >= FirstAlmanacDate() && date < LastAlmanacDate() + 1;
    try {
        const AlmanacEntry entry = AlmanacEntryOf(date);
        fuzz::Check(inSpan, "an entry only inside the span");
        fuzz::Check(entry.gn.size() == 10 && !entry.nn.empty() && !entry.suici.empty() && !entry.tszf.empty() &&
                        !entry.wuhang.empty() && !entry.cong.empty() && !entry.pzbj.empty(),
                    "an entry fills its computed columns");
        // The four lists come from the month table alone.
        fuzz::Check(entry.jsyq.empty() && entry.yi.empty() && entry.xsyq.empty() && entry.ji.empty(),
                    "an entry without the month table has no lists");
        const AlmanacDay day = AlmanacDayOf(date);
        fuzz::Check(day.officer >= 0 && day.officer < 12, "an officer is one of twelve");
        fuzz::Check(day.pillars.day == DayCycleOf(date), "the day pillar is the day's cycle");
        const int cycle = DayCycleOf(date);
        fuzz::Check(cycle >= 0 && cycle < 60, "a day cycle is one of sixty");
    } catch (const std::out_of_range &) {
        fuzz::Check(!inSpan, "a range error only outside the span");
    }
    return 0;
}
