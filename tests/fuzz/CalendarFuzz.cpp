// The lunar engine and the calendar labels over arbitrary doubles, and ClampedDate over
// arbitrary integers.
#include "calendar/CalendarLabels.h"
#include "calendar/LunarCalendar.h"
#include "tests/fuzz/FuzzSupport.h"

#include <stdexcept>

using namespace orlenvo;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    fuzz::Bytes in(data, size);
    const double date = in.Take<double>();

    int year = 0, month = 0, day = 0;
    DecodeDate(date, year, month, day);
    fuzz::Check(year >= kFirstDateYear && year <= kLastDateYear && month >= 1 && month <= 12 && day >= 1 &&
                    day <= MonthLength(year, month),
                "a decoded date is a date");
    const int weekday = DayOfWeek(date);
    fuzz::Check(weekday >= 1 && weekday <= 7, "a weekday is 1-7");
    const int ordinal = DayOfYearOf(date);
    fuzz::Check(ordinal >= 1 && ordinal <= 366, "a day of the year is 1-366");

    const bool inTable = year >= kFirstTableYear && year <= kLastTableYear;
    const int code = LunarDateCodeOf(date);
    if (inTable) {
        const int magnitude = code < 0 ? -code : code;
        fuzz::Check(magnitude / 100 >= 1 && magnitude / 100 <= 12 && magnitude % 100 >= 1 && magnitude % 100 <= 30,
                    "a lunar date code is a month and a day");
    } else {
        fuzz::Check(code == 0, "outside the tables the code is 0");
    }
    fuzz::Check(LunarMonthName(date).empty() != inTable, "a month name exactly inside the tables");
    fuzz::Check(LunarDayName(date).empty() != inTable, "a day name exactly inside the tables");
    fuzz::Check(ZodiacAnimalOf(date).empty() != inTable, "an animal exactly inside the tables");
    fuzz::Check(!ConstellationOf(date).empty(), "every date has a constellation");
    if (!inTable) {
        fuzz::Check(LunarFestival(date).empty() && SolarTerm(date).empty(), "no festival or term outside the tables");
    }
    (void)GregorianFestival(date);

    const int y = in.Take<int>(), m = in.Take<int>(), d = in.Take<int>();
    try {
        const CalendarDate clamped = ClampedDate(y, m, d);
        int cy = 0, cm = 0, cd = 0;
        DecodeDate(clamped, cy, cm, cd);
        fuzz::Check(cd >= 1 && cd <= MonthLength(cy, cm), "a clamped date lies inside its month");
        if (m >= 1 && m <= 12)
            fuzz::Check(cy == y && cm == m, "a month of 1-12 stays in its year and month");
    } catch (const std::out_of_range &) {}
    for (int which = -1; which <= 2; ++which)
        (void)SolarTermDay(y, m, which);
    (void)SolarTermName(y);
    return 0;
}
