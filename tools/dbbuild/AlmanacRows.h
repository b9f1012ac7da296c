// The rows of the almanac table huangdao: the core's computed columns and the lists of the
// month table content/almanac/month-table.txt.
#pragma once

#include "calendar/AlmanacTable.h"

#include <string>
#include <vector>

namespace orlenvo {

// One day of the almanac. gn is the date as ISO text 'YYYY-MM-DD'; the other fields are the
// texts the almanac window shows.
struct AlmanacRow {
    std::string gn, nn, suici, tszf, wuhang, cong, pzbj, jsyq, yi, xsyq, ji;
};

// Every day the almanac table holds, one row per date.
std::vector<AlmanacRow> AlmanacRows(const AlmanacMonthTable &table);

}  // namespace orlenvo
