// almanac_days: the day page of every day of 1901-2050 as the core computes it, one line per day, 21 fields
// separated by tabs: YYYY-MM-DD, the day's 值神, 黄道 or 黑道, the mansion, the directions of 喜神, 福神,
// 财神, 阳贵神 and 阴贵神, then the twelve hours 子 (00:00-00:59) ... 亥, each "干支 值神 吉|凶".
// tools/gen_almanac_table/gen_day_page.js --compare-days reads it against lunar-javascript (.ci/run).
#include "calendar/DayPage.h"
#include "calendar/Sexagenary.h"

#include <cstdio>
#include <string>

int main()
{
    using namespace orlenvo;
    const DayPageRules &rules = BuiltInDayPageRules();
    std::string line;
    for (CalendarDate date = kFirstTableDate; date <= kLastTableDate; date += 1) {
        const DayPage page = DayPageOf(date, rules);
        line = page.details.almanac.gn;
        line += "\t" + rules.GodName(page.god) + (page.yellowPath ? "\t黄道" : "\t黑道");
        line += "\t" + rules.MansionName(page.mansion);
        for (const std::string &direction : page.directions)
            line += "\t" + direction;
        for (int row = 0; row < 12; ++row) {
            const HourRow &hour = page.hours[row];
            line += "\t" + CycleName(hour.cycle) + " " + rules.GodName(hour.god) + (hour.yellowPath ? " 吉" : " 凶");
        }
        line += "\n";
        std::fputs(line.c_str(), stdout);
    }
    return 0;
}
