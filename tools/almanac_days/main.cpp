// almanac_days: the day page of every day of 1901-2050 as the core computes it, one line per day, 21 fields
// separated by tabs: YYYY-MM-DD, the day's 值神, 黄道 or 黑道, the mansion, the directions of 喜神, 福神,
// 财神, 阳贵神 and 阴贵神, then the twelve hours 子 (00:00-00:59) ... 亥, each "干支 值神 吉|凶".
// tools/gen_almanac_table/gen_day_page.js --compare-days reads it against lunar-javascript (.ci/run).
// `--lang zh_TW|zh_HK` writes the labels in that script's Traditional forms.
#include "calendar/DayPage.h"
#include "calendar/Sexagenary.h"
#include "core/Script.h"
#include "tools/LangOption.h"

#include <cstdio>
#include <string>

namespace {

std::string L(std::string_view simplified)
{
    return std::string(orlenvo::Localized(simplified));
}

}  // namespace

int main(int argc, char **argv)
{
    using namespace orlenvo;
    if (!tools::ReadLangOption(argc, argv, "almanac_days"))
        return 2;
    const DayPageRules &rules = BuiltInDayPageRules();
    std::string line;
    for (CalendarDate date = kFirstTableDate; date <= kLastTableDate; date += 1) {
        const DayPage page = DayPageOf(date, rules);
        line = page.details.almanac.gn;
        line += "\t" + L(rules.GodName(page.god)) + "\t" + L(page.yellowPath ? "黄道" : "黑道");
        line += "\t" + L(rules.MansionName(page.mansion));
        for (const std::string &direction : page.directions)
            line += "\t" + L(direction);
        for (int row = 0; row < 12; ++row) {
            const HourRow &hour = page.hours[row];
            line += "\t" + L(CycleName(hour.cycle)) + " " + L(rules.GodName(hour.god)) + " " +
                    L(hour.yellowPath ? "吉" : "凶");
        }
        line += "\n";
        std::fputs(line.c_str(), stdout);
    }
    return 0;
}
