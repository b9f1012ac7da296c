// The rows of the almanac table huangdao: the core's computed columns and the lists of the
// month table content/almanac/month-table.txt.
#pragma once

#include "calendar/Almanac.h"
#include "calendar/AlmanacTable.h"
#include "data/Catalogue.h"

#include <array>
#include <string_view>
#include <vector>

namespace orlenvo {

// Every day the almanac table holds, one row per date.
std::vector<AlmanacEntry> AlmanacRows(const AlmanacMonthTable &table);

// The texts of a row in the order of the table's columns, AlmanacColumns().
std::array<std::string_view, kAlmanacColumnCount> ColumnValues(const AlmanacEntry &row);

}  // namespace orlenvo
