// The calendar's tables from content/almanac, compiled into the program (cmake/EmbedText.cmake):
// the almanac month table, the solar-term moments and the holidays. The calendar window and the
// database builder read them here, so both work from the same text.
#pragma once

#include "calendar/AlmanacTable.h"

#include <string_view>

namespace orlenvo {

std::string_view MonthTableText();        // content/almanac/month-table.txt
std::string_view SolarTermMomentsText();  // content/almanac/solar-terms.txt
std::string_view HolidayTableText();      // content/almanac/holidays.txt
std::string_view DayPageTableText();      // content/almanac/day-page.txt

// The month table parsed once, on first use.
const AlmanacMonthTable &BuiltInAlmanacMonthTable();

}  // namespace orlenvo
