// The moment of every solar term of 1901-2050 in Beijing time (UTC+8), from the compiled-in
// table content/almanac/solar-terms.txt (generated from lunar-javascript), and the day each term
// is labelled on, derived from it.
#pragma once

#include "calendar/LunarCalendar.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orlenvo {

struct TermMoment : GregorianDate {
    int term = 0;  // 1 = 小寒 ... 24 = 冬至, as SolarTermName numbers them
    int hour = 0;
    int minute = 0;
    int second = 0;
};

// Reads the table text as TableReader does; `file` is the name errors give. 3600 rows
// "YYYY-MM-DD HH:MM:SS<tab>name", the 24 terms of each year from 1901 to 2050 in order, each in its
// Gregorian month (term 2m-1 and 2m in month m). Throws TableError (calendar/TableLines.h) otherwise.
std::vector<TermMoment> ParseSolarTermMoments(std::string_view text, std::string file = "solar-terms.txt");

// The moment of term 1-24 of year; throws std::out_of_range outside 1901-2050 and 1-24.
const TermMoment &SolarTermMoment(int year, int term);

// Terms that the calendar labels on the day before the date of their moment. The almanacs up to
// 1928 reckoned in Beijing mean time (116°25'E, UTC+7:45:40; from 1929 the standard time of 120°E,
// UTC+8, the time of the moments), and these moments fall minutes after midnight UTC+8, so before
// midnight of the day before in that time.
struct TermLabelledEarlier {
    int year;
    int term;
    const char *reason;
};
inline constexpr TermLabelledEarlier kTermsLabelledEarlier[] = {
    {1917, 23, "大雪 1917-12-08 00:00:59 UTC+8 is 1917-12-07 23:46:39 Beijing mean time"},
    {1927, 17, "白露 1927-09-09 00:05:25 UTC+8 is 1927-09-08 23:51:05 Beijing mean time"},
    {1928, 12, "夏至 1928-06-22 00:06:23 UTC+8 is 1928-06-21 23:52:03 Beijing mean time"},
};

// The day of the month on which the calendar labels term 1-24 of year: the day of its moment, or the
// day before for kTermsLabelledEarlier. 0 for a year outside 1901-2050 or another term. The built-in
// table is read on first use.
int LabelledTermDay(int year, int term);

// The moment of the term that SolarTerm(date) names on date, if any. Its date is the labelled day,
// save kTermsLabelledEarlier.
std::optional<TermMoment> SolarTermMomentOf(CalendarDate date);

// "立秋 8月7日 11:16": the name, the moment's date and its time to the minute.
std::string TermMomentText(const TermMoment &moment);

}  // namespace orlenvo
