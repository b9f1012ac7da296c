// Gregorian dates as day counts and the lunar date of every day from 1901 to 2050.
#pragma once

#include <utility>  // <compare> for the defaulted comparison; Qt's moc cannot read <compare> itself

namespace orlenvo {

// A day count from 30 December 1899 (day 0); 1 January 1901 is day 367. Only the whole
// part is a date; adding 1.0 gives the next day. Proleptic Gregorian calendar.
using CalendarDate = double;

// First and last Gregorian year covered by the lunar and solar-term tables.
inline constexpr int kFirstTableYear = 1901;
inline constexpr int kLastTableYear = 2050;

// A Gregorian date as its parts, compared in date order.
struct GregorianDate {
    int year = 0;
    int month = 0;  // 1-12
    int day = 0;    // 1-31

    friend auto operator<=>(const GregorianDate &, const GregorianDate &) = default;
};

// The date of year/month/day. A month outside 1-12 carries into the year and a day outside
// the month carries into the neighbouring months (EncodeDate(2001, 2, 29) is 1 March 2001).
CalendarDate EncodeDate(int year, int month, int day);
CalendarDate EncodeDate(const GregorianDate &date);

// Year, month and day of the whole day of date.
GregorianDate GregorianDateOf(CalendarDate date);
void DecodeDate(CalendarDate date, int &year, int &month, int &day);

// Whether date names a day of the proleptic Gregorian calendar in years 1-9999.
bool IsValidDate(const GregorianDate &date);

// 1 = Sunday ... 7 = Saturday.
int DayOfWeek(CalendarDate date);

// The current local date as a whole day.
CalendarDate Today();

// 1 for 1 January ... 365 or 366 for 31 December.
int DayOfYearOf(CalendarDate date);

// Days in the month (28-31); month must be 1-12.
int MonthLength(int year, int month);

// First and last Gregorian year a CalendarDate holds.
inline constexpr int kFirstDateYear = 1;
inline constexpr int kLastDateYear = 9999;

// year/month/day, with day brought down to the month's last day when it is longer and up to
// the first when below 1; a month outside 1-12 carries into the year. Throws std::out_of_range
// when the carried year lies outside kFirstDateYear-kLastDateYear.
CalendarDate ClampedDate(int year, int month, int day);

// 1 January 1901 and 31 December 2050, the first and last day of the tables.
inline constexpr CalendarDate kFirstTableDate = 367.0;
inline constexpr CalendarDate kLastTableDate = 55153.0;

// A day of the lunar calendar, worked out once from a date and passed on as one value.
struct LunarDate {
    int year = 0;       // Gregorian year in which this lunar year began (at the lunar new year)
    int month = 0;      // 1 = 正月 ... 12 = 腊月; 0 for a date outside 1901-2050
    int day = 0;        // 1-30
    bool leap = false;  // a day of the leap month that follows the regular month `month`

    friend bool operator==(const LunarDate &, const LunarDate &) = default;
};

// The lunar date of date; LunarDate{} (month 0) for a date whose Gregorian year lies outside
// 1901-2050.
LunarDate LunarDateOf(CalendarDate date);

// The lunar date code, the external form of a lunar date: lunar month x 100 + lunar day
// (101 = first day of the first month), negated for a day of a leap month (-411 = day 11 of
// the leap fourth month), 0 for a date whose Gregorian year lies outside 1901-2050.
int LunarDateCodeOf(CalendarDate date);
int LunarDateCodeOf(const LunarDate &lunar);

// The Gregorian year in which the lunar year holding date began: the year changes at the
// lunar new year. Meaningful for 1901-2050; outside, the Gregorian year of date.
int LunarYearOf(CalendarDate date);

}  // namespace orlenvo
