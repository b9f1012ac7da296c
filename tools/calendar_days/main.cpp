// calendar_days: every day of 1901-2050 as the core names it, one line per day:
//   YYYY-MM-DD <tab> lunar date code <tab> solar term of the day, or nothing
// tools/gen_almanac_table --compare-calendar reads it against lunar-javascript (.ci/run).
#include "calendar/CalendarLabels.h"
#include "calendar/LunarCalendar.h"

#include <cstdio>

int main()
{
    using namespace orlenvo;
    for (int year = kFirstTableYear; year <= kLastTableYear; ++year)
        for (int month = 1; month <= 12; ++month)
            for (int day = 1; day <= MonthLength(year, month); ++day) {
                const CalendarDate date = EncodeDate(year, month, day);
                std::printf("%04d-%02d-%02d\t%d\t%s\n", year, month, day, LunarDateCodeOf(date),
                            SolarTerm(date).c_str());
            }
    return 0;
}
