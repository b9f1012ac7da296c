// A day's details and the good-day test.
#include "calendar/DayDetails.h"

#include "calendar/BuiltInTables.h"
#include "calendar/CalendarLabels.h"
#include "core/Script.h"

#include <string_view>

namespace orlenvo {

namespace {

bool Lists(const std::string &list, std::string_view item)
{
    std::string_view rest = list;
    while (!rest.empty()) {
        const std::size_t end = rest.find(' ');
        if (rest.substr(0, end) == item)
            return true;
        rest.remove_prefix(end == std::string_view::npos ? rest.size() : end + 1);
    }
    return false;
}

}  // namespace

DayDetails DayDetailsOf(CalendarDate date)
{
    DayDetails d;
    d.date = date;
    const AlmanacDay day = AlmanacDayOf(date);
    d.almanac = AlmanacEntryOf(day, BuiltInAlmanacMonthTable());
    d.clashBranch = CyclePosition(BranchOfCycle(day.pillars.day) + 6, 12);
    d.animal = Localized(BranchAnimal(BranchOfCycle(YearCycleOf(day.lunar.year))));
    d.constellation = ConstellationOf(date);
    d.lunarFestival = LunarFestival(date, day.lunar);
    d.solarTerm = SolarTerm(date);
    d.gregorianFestival = GregorianFestival(date);
    d.termMoment = SolarTermMomentOf(date);
    d.holiday = HolidayStatusOf(date);
    d.holidayNote = HolidayNote(date);
    return d;
}

std::vector<std::string> DayDetailLines(const DayDetails &d)
{
    const GregorianDate day = GregorianDateOf(d.date);
    // nn is "农历戊子年七月初七 星期四": the lunar date, a blank, the weekday.
    const std::string &nn = d.almanac.nn;
    const std::size_t blank = nn.rfind(' ');
    std::vector<std::string> lines = {
        std::to_string(day.year) + Localized("年") + std::to_string(day.month) + Localized("月") +
            std::to_string(day.day) + Localized("日 ") + WeekdayName(DayOfWeek(d.date)),
        nn.substr(0, blank),
        Localized("干支：") + d.almanac.suici,
        Localized("生肖：") + d.animal + Localized(" · 星座：") + d.constellation,
    };
    for (const std::string *festival : {&d.lunarFestival, &d.gregorianFestival})
        if (!festival->empty())
            lines.push_back(*festival);
    if (d.termMoment)
        lines.push_back(TermMomentText(*d.termMoment));
    if (!d.holidayNote.empty())
        lines.push_back(d.holidayNote);
    return lines;
}

bool IsGoodDay(const DayDetails &d, const GoodDayQuery &query)
{
    if (query.activity.empty() || Lists(d.almanac.yi, "诸事不宜"))
        return false;
    if (!Lists(d.almanac.yi, query.activity) || Lists(d.almanac.ji, query.activity))
        return false;
    return query.animal < 0 || d.clashBranch != query.animal;
}

std::string GoodDayReason(const GoodDayQuery &query)
{
    std::string reason = Localized("宜") + std::string(Localized(query.activity));
    if (query.animal >= 0)
        reason += std::string(Localized(" · 不冲")) + Localized(BranchAnimal(query.animal));
    return reason;
}

}  // namespace orlenvo
