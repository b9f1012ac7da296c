// The moment of every solar term of 1901-2050 in Beijing time (UTC+8), from the compiled-in
// table content/almanac/solar-terms.txt (generated from lunar-javascript).
#pragma once

#include "calendar/LunarCalendar.h"

#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace orlenvo {

class SolarTermTableError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct TermMoment {
    int term = 0;  // 1 = 小寒 ... 24 = 冬至, as SolarTermName numbers them
    int year = 0;
    int month = 0;
    int day = 0;
    int hour = 0;
    int minute = 0;
    int second = 0;
};

// Reads the table text: '#' lines skipped; 3600 rows "YYYY-MM-DD HH:MM:SS<tab>name", the 24 terms of
// each year from 1901 to 2050 in order. Throws SolarTermTableError naming the line otherwise.
std::vector<TermMoment> ParseSolarTermMoments(std::string_view text);

// The moment of term 1-24 of year; throws std::out_of_range outside 1901-2050 and 1-24.
const TermMoment &SolarTermMoment(int year, int term);

// The moment of the term that SolarTerm(date) names on date, if any. Its date is the labelled day,
// except for three terms whose moment falls minutes after that day's midnight (1917-12-08 大雪,
// 1927-09-09 白露, 1928-06-22 夏至).
std::optional<TermMoment> SolarTermMomentOf(CalendarDate date);

// "立秋 8月7日 11:16": the name, the moment's date and its time to the minute.
std::string TermMomentText(const TermMoment &moment);

}  // namespace orlenvo
