// The day page: a few days as the two almanac packages give them, the traditional verses of the
// rules, and properties over every day of 1901-2050.
#include "calendar/DayPage.h"
#include "calendar/BuiltInTables.h"
#include "calendar/Sexagenary.h"
#include "calendar/TableLines.h"

#include <gtest/gtest.h>

#include <string>

using namespace orlenvo;

namespace {

const DayPageRules &Rules()
{
    return BuiltInDayPageRules();
}

std::string HourText(const HourRow &hour)
{
    return CycleName(hour.cycle) + " " + Rules().GodName(hour.god) + (hour.yellowPath ? " 吉" : " 凶");
}

// Calls visit(date, page) for every day of the span.
template <typename Visit>
void EveryDay(Visit visit)
{
    for (CalendarDate date = kFirstTableDate; date <= kLastTableDate; date += 1)
        visit(date, DayPageOf(date));
}

}  // namespace

// lunar-javascript 1.7.7 and tyme4ts 1.5.2 agree on these, save 福神 (lunar-javascript's default school).
// 1917-12-07 and 1927-09-08 lie in the month of the 节 the calendar labels on them (大雪, 白露), as
// tyme4ts reckons them; lunar-javascript's moments fall minutes after the next midnight.
TEST(DayPageTest, DaysAsTheAlmanacPackagesGiveThem)
{
    const struct {
        int y, m, d;
        const char *god;
        bool yellow;
        const char *mansion;
        const char *directions[5];
        const char *firstHour;
        const char *lastHour;
    } rows[] = {
        {2026, 2, 17, "司命", true, "室", {"正南", "东南", "正南", "正东", "东南"}, "庚子 天牢 凶", "壬子 白虎 凶"},
        {1917, 12, 7, "勾陈", false, "亢", {"东南", "东北", "正南", "东南", "正东"}, "壬子 天刑 凶", "甲子 青龙 吉"},
        {1927, 9, 8, "朱雀", false, "斗", {"西北", "西南", "东北", "西南", "正北"}, "丙子 白虎 凶", "戊子 金匮 吉"},
        {1901, 1, 1, "玉堂", true, "尾", {"东北", "正北", "正北", "正北", "西南"}, "甲子 司命 吉", "丙子 天牢 凶"},
    };
    for (const auto &r : rows) {
        SCOPED_TRACE(std::to_string(r.y) + "-" + std::to_string(r.m) + "-" + std::to_string(r.d));
        const DayPage page = DayPageOf(EncodeDate(r.y, r.m, r.d));
        EXPECT_EQ(Rules().GodName(page.god), r.god);
        EXPECT_EQ(page.yellowPath, r.yellow);
        EXPECT_EQ(Rules().MansionName(page.mansion), r.mansion);
        for (int i = 0; i < 5; ++i)
            EXPECT_EQ(page.directions[i], r.directions[i]) << kDirectionSpirits[i];
        EXPECT_EQ(HourText(page.hours[0]), r.firstHour);
        EXPECT_EQ(HourText(page.hours[12]), r.lastHour);
    }
    // 2026-02-17, the hours' names, spans and clashes: 庚子 clashes 甲午, 煞 in the south.
    const DayPage spring = DayPageOf(EncodeDate(2026, 2, 17));
    EXPECT_EQ(spring.hours[0].name, "早子");
    EXPECT_EQ(HourSpanText(spring.hours[0]), "00:00–00:59");
    EXPECT_EQ(spring.hours[1].name, "丑");
    EXPECT_EQ(HourSpanText(spring.hours[1]), "01:00–02:59");
    EXPECT_EQ(HourSpanText(spring.hours[11]), "21:00–22:59");
    EXPECT_EQ(spring.hours[12].name, "晚子");
    EXPECT_EQ(HourSpanText(spring.hours[12]), "23:00–23:59");
    EXPECT_EQ(spring.hours[0].clash, "冲马(甲午)煞南");
}

// The verses of the almanacs: "寅申子上起青龙" and its fellows place 青龙; "甲己还加甲" ... places the 子
// hour; "甲己在艮乙庚乾, 丙辛坤位喜神安, 丁壬只在离宫坐, 戊癸原在巽上眠" the 喜神; "甲乙东北是财神, 丙丁
// 向在西南寻, 戊己正北坐方位, 庚辛正东去安身, 壬癸原来正南坐" the 财神.
TEST(DayPageTest, RulesFollowTheVerses)
{
    const int greenDragon[12] = {8, 10, 0, 2, 4, 6, 8, 10, 0, 2, 4, 6};  // 子午 申, 丑未 戌, 寅申 子 ...
    for (int governing = 0; governing < 12; ++governing)
        EXPECT_EQ(Rules().GodName(Rules().GodOf(governing, greenDragon[governing])), "青龙") << governing;
    const char *joy[5] = {"东北", "西北", "西南", "正南", "东南"};
    const char *wealth[5] = {"东北", "西南", "正北", "正东", "正南"};
    for (int stem = 0; stem < 10; ++stem) {
        EXPECT_EQ(Rules().RatHourCycle(stem), CycleOf(stem % 5 * 2, 0)) << stem;
        EXPECT_EQ(Rules().Direction(stem, 0), joy[stem % 5]) << stem;
        EXPECT_EQ(Rules().Direction(stem, 2), wealth[stem / 2]) << stem;
    }
    int yellow = 0;
    for (int god = 0; god < 12; ++god)
        yellow += Rules().IsYellowPath(god);
    EXPECT_EQ(yellow, 6);
}

// Every day: the hours' stems run on from the 子 hour of the day stem (五鼠遁), 晚子 is the next day's
// 子 hour, six of the twelve hours are 黄道, the mansions go round in 28 days, and the day's 值神 is
// reckoned in the month of the almanac row's 岁次.
TEST(DayPageTest, PropertiesOverTheWholeSpan)
{
    int failures = 0;
    DayPage previous;
    bool first = true;
    EveryDay([&](CalendarDate date, const DayPage &page) {
        const int stem = StemOfCycle(page.pillars.day);
        bool ok = page.hours[0].cycle == CycleOf(stem % 5 * 2, 0);
        int yellow = 0;
        for (int row = 0; row < 12; ++row) {
            ok = ok && page.hours[row].cycle == CyclePosition(page.hours[0].cycle + row, 60);
            yellow += page.hours[row].yellowPath;
        }
        ok = ok && yellow == 6;
        // The month of 岁次 "丙午年 庚寅月 壬戌日" governs the day.
        const std::string &suici = page.details.almanac.suici;
        ok = ok && suici.substr(suici.find(' ') + 1, 6) == CycleName(page.pillars.month);
        ok = ok && page.god == Rules().GodOf(BranchOfCycle(page.pillars.month), BranchOfCycle(page.pillars.day));
        if (!first) {
            ok = ok && previous.hours[12].cycle == page.hours[0].cycle && previous.hours[12].god == page.hours[0].god;
            ok = ok && page.mansion == CyclePosition(previous.mansion + 1, 28);
        }
        if (!ok && ++failures <= 5)
            ADD_FAILURE() << page.details.almanac.gn;
        previous = page;
        first = false;
        (void)date;
    });
    EXPECT_EQ(failures, 0);
    EXPECT_EQ(Rules().MansionOf(kFirstTableDate + 28), Rules().MansionOf(kFirstTableDate));
}

TEST(DayPageTest, HourRowOfAClockHour)
{
    const int rows[24] = {0, 1, 1, 2, 2, 3, 3, 4, 4, 5, 5, 6, 6, 7, 7, 8, 8, 9, 9, 10, 10, 11, 11, 12};
    const DayPage page = DayPageOf(EncodeDate(2008, 8, 8));
    for (int hour = 0; hour < 24; ++hour) {
        EXPECT_EQ(HourRowOf(hour), rows[hour]) << hour;
        const HourRow &row = page.hours[HourRowOf(hour)];
        EXPECT_TRUE(row.firstHour <= hour && hour <= row.lastHour) << hour;
    }
    EXPECT_THROW(DayPageOf(kFirstTableDate - 1), std::out_of_range);
    EXPECT_THROW(DayPageOf(kLastTableDate + 1), std::out_of_range);
}

// A table that breaks its format names the line or the section.
TEST(DayPageTest, MalformedTablesAreRefused)
{
    const std::string good(DayPageTableText());
    auto replaced = [&](const std::string &from, const std::string &to) {
        std::string text = good;
        text.replace(text.find(from), from.size(), to);
        return text;
    };
    const struct {
        std::string text;
        const char *message;
    } rows[] = {
        {replaced("方位\t甲\t东北", "方位\t甲\t东边"), "is not one of the eight directions"},
        {replaced("值神\t青龙\t黄道\n", ""), "the section 值神 has 11 rows"},
        {replaced("五鼠遁\t乙\t丙子", "五鼠遁\t甲\t丙子"), "a stem not given before"},
        {replaced("宿起\t1901-01-01", "宿起\t1900-12-31"), "a date of 1901-2050"},
        {replaced("青龙\t子\t申", "青龙\t子"), "expected 2 fields"},
        {good + "九星\t一白\n", "is not a section"},
    };
    for (const auto &r : rows) {
        try {
            DayPageRules::Parse(r.text);
            ADD_FAILURE() << r.message;
        } catch (const TableError &e) {
            EXPECT_NE(std::string(e.what()).find(r.message), std::string::npos) << e.what();
        }
    }
    EXPECT_NO_THROW(DayPageRules::Parse(good));
}
