// The mainland's public holidays and make-up workdays, from the State Council's yearly notices,
// in the compiled-in table content/almanac/holidays.txt (generated from lunar-javascript and
// chinese-days).
#pragma once

#include "calendar/LunarCalendar.h"

#include <string>
#include <string_view>
#include <vector>

namespace orlenvo {

enum class HolidayKind { None, Rest, Workday };

struct HolidayStatus {
    HolidayKind kind = HolidayKind::None;
    std::string name;  // "国庆节"; empty for None
};

struct HolidayDay : GregorianDate {
    HolidayStatus status;
};

struct HolidayTable {
    int lastYear = 0;              // the last year whose notice the table holds
    std::vector<HolidayDay> days;  // in date order
};

// Reads the table text as TableReader does; `file` is the name errors give. Comment lines are skipped
// save "# last year: YYYY"; rows "YYYY-MM-DD<tab>休|班<tab>name" in increasing date order. A 班 must
// fall on a Saturday or Sunday. Throws TableError (calendar/TableLines.h) otherwise.
HolidayTable ParseHolidayTable(std::string_view text, std::string file = "holidays.txt");

// The table in use: the compiled-in one, or what UseHolidayTable set.
const HolidayTable &Holidays();

// The compiled-in table, parsed once.
const HolidayTable &BuiltInHolidays();

// Makes table the one in use (the built-in table with imported years over it); for the thread of
// the windows, at start and after an import.
void UseHolidayTable(HolidayTable table);

// 休 or 班 of date with the holiday's name, or None.
HolidayStatus HolidayStatusOf(CalendarDate date);

// First and last year the table covers.
int FirstHolidayYear();
int LastHolidayYear();

// "休" or "班"; "" for None.
const char *HolidayMark(HolidayKind kind);

// What the tooltip says of the day's holiday status: "国庆节 放假", "春节 调休上班", for a year
// after the table's last "2027年的放假安排尚未收录（节假日数据至2026年）", else "".
std::string HolidayNote(CalendarDate date);

}  // namespace orlenvo
