// The rows of the almanac table huangdao: one per day of the almanac's span, 1901-01-01 to
// 2050-12-31: the core's computed columns and the four lists of the month table.
#include "tools/dbbuild/AlmanacRows.h"

#include "calendar/Almanac.h"

namespace orlenvo {

std::vector<AlmanacRow> AlmanacRows(const AlmanacMonthTable &table)
{
    const CalendarDate first = FirstAlmanacDate();
    const CalendarDate last = LastAlmanacDate();
    std::vector<AlmanacRow> rows;
    rows.reserve(static_cast<std::size_t>(last - first) + 1);
    for (CalendarDate date = first; date <= last; date += 1) {
        AlmanacEntry e = AlmanacEntryOf(date, table);
        rows.push_back({std::move(e.gn), std::move(e.nn), std::move(e.suici), std::move(e.tszf),
                        std::move(e.wuhang), std::move(e.cong), std::move(e.pzbj),
                        std::move(e.jsyq), std::move(e.yi), std::move(e.xsyq), std::move(e.ji)});
    }
    return rows;
}

}  // namespace orlenvo
