// calendar_days: every day of 1901-2050 as the core names it, one line per day, fields separated by tabs:
//   YYYY-MM-DD, lunar date code, solar term of the day or nothing,
//   the moment of that term "YYYY-MM-DD HH:MM" (UTC+8) or nothing,
//   the holiday status "休 国庆节" / "班 春节" or nothing.
// Holiday years the user imported ($XDG_DATA_HOME/orlenvo/holidays.txt) are read over the built-in
// ones, as the program reads them.
// tools/gen_almanac_table --compare-calendar reads it against lunar-javascript and the committed
// tables (.ci/run). `--lang zh_TW|zh_HK` writes the labels in that script's Traditional forms.
#include "calendar/CalendarLabels.h"
#include "calendar/HolidayImport.h"
#include "calendar/Holidays.h"
#include "calendar/LunarCalendar.h"
#include "calendar/SolarTermMoments.h"
#include "core/Script.h"
#include "tools/LangOption.h"

#include <cstdio>

int main(int argc, char **argv)
{
    using namespace orlenvo;
    if (!tools::ReadLangOption(argc, argv, "calendar_days"))
        return 2;
    if (const auto problem = LoadStoredHolidays(HolidayStorePath()))
        std::fprintf(stderr, "calendar_days: stored holidays not used: %s\n", problem->c_str());
    else if (Holidays().lastYear != BuiltInHolidays().lastYear)
        std::fprintf(stderr, "calendar_days: holidays to %d with the years stored in %s\n", Holidays().lastYear,
                     HolidayStorePath().c_str());
    for (CalendarDate date = kFirstTableDate; date <= kLastTableDate; date += 1.0) {
        const GregorianDate day = GregorianDateOf(date);
        char moment[32] = "";
        if (const auto m = SolarTermMomentOf(date))
            std::snprintf(moment, sizeof moment, "%04d-%02d-%02d %02d:%02d", m->year, m->month, m->day, m->hour,
                          m->minute);
        const HolidayStatus holiday = HolidayStatusOf(date);
        const std::string status =
            holiday.kind == HolidayKind::None
                ? ""
                : std::string(Localized(HolidayMark(holiday.kind))) + " " + std::string(Localized(holiday.name));
        std::printf("%04d-%02d-%02d\t%d\t%s\t%s\t%s\n", day.year, day.month, day.day, LunarDateCodeOf(date),
                    std::string(Localized(SolarTerm(date))).c_str(), moment, status.c_str());
    }
    return 0;
}
