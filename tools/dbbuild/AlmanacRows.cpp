// The rows of the almanac table huangdao: one per day of the almanac's span, 1901-01-01 to
// 2050-12-31: the core's computed columns and the four lists of the month table.
#include "tools/dbbuild/AlmanacRows.h"

namespace orlenvo {

std::vector<AlmanacEntry> AlmanacRows(const AlmanacMonthTable &table)
{
    const CalendarDate first = FirstAlmanacDate();
    const CalendarDate last = LastAlmanacDate();
    std::vector<AlmanacEntry> rows;
    rows.reserve(static_cast<std::size_t>(last - first) + 1);
    for (CalendarDate date = first; date <= last; date += 1)
        rows.push_back(AlmanacEntryOf(date, table));
    return rows;
}

std::array<std::string_view, kAlmanacColumnCount> ColumnValues(const AlmanacEntry &row)
{
    return {row.gn, row.nn, row.suici, row.tszf, row.wuhang, row.cong, row.pzbj, row.jsyq, row.yi, row.xsyq, row.ji};
}

}  // namespace orlenvo
