// Chinese names of calendar days: lunar month and day names, festivals, solar terms,
// zodiac animals and constellations. All texts are UTF-8.
#pragma once

#include "calendar/LunarCalendar.h"

#include <string>

namespace orlenvo {

// "正月" ... "腊月"; a leap month is "闰" and its numeral ("闰四", "闰冬").
// Empty outside 1901-2050.
std::string LunarMonthName(CalendarDate date);
std::string LunarMonthName(const LunarDate &lunar);

// "初一" ... "三十". Empty outside 1901-2050.
std::string LunarDayName(CalendarDate date);
std::string LunarDayName(const LunarDate &lunar);

// "春节", "元宵节", "端午节", "七夕节", "中秋节", "重阳节", "腊八节" or "除夕" (last day of the
// lunar year); empty on other days and outside 1901-2050.
std::string LunarFestival(CalendarDate date);
// The same, given the date's lunar date.
std::string LunarFestival(CalendarDate date, const LunarDate &lunar);

// Gregorian festival or memorial day ("元旦节", "母亲节", ...) or empty. Any year.
std::string GregorianFestival(CalendarDate date);

// The solar term that falls on date ("小寒" ... "冬至") or empty; empty outside 1901-2050.
std::string SolarTerm(CalendarDate date);

// Earthly branch and animal of the lunar year the date belongs to ("子鼠" ... "亥猪"); the
// year changes at the lunar new year. Empty outside 1901-2050.
std::string ZodiacAnimalOf(CalendarDate date);
std::string ZodiacAnimalOf(const LunarDate &lunar);

// "星期日" ... "星期六" for DayOfWeek 1 ... 7; "" for another number.
const char *WeekdayName(int dayOfWeek);

// What a day cell of the month grid shows under its number, and which kind of label it is.
enum class DayCellKind { LunarDay, MonthName, GregorianFestival, SolarTerm, LunarFestival };
struct DayCell {
    std::string text;
    DayCellKind kind = DayCellKind::LunarDay;
};
// The lunar festival, else the solar term, else the Gregorian festival, else the lunar
// month's name on its first day, else the lunar day's name.
DayCell DayCellLabel(CalendarDate date);

// Sign of the zodiac by Gregorian month and day ("摩羯座" ...). Any year.
std::string ConstellationOf(CalendarDate date);

// Day of the month of the month's first (which = 0) or second (which = 1) solar term, as
// LabelledTermDay (calendar/SolarTermMoments.h) derives it from the terms' moments; 0 for a year
// outside 1901-2050, a month outside 1-12 or another which.
int SolarTermDay(int year, int month, int which);

// Name of solar term 1-24 (term 2m-1 is the first of Gregorian month m, 2m the second);
// "" for another number.
const char *SolarTermName(int number);

}  // namespace orlenvo
