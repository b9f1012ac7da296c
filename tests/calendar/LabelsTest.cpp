// Calendar labels: lunar names and festivals, Gregorian festivals, solar terms, zodiac
// animals and constellations.
// The expected lunar dates and solar-term days are those of the npm package lunar-javascript
// 1.7.7 (6tail/lunar-javascript, MIT), the reference the tables are checked against.
#include "calendar/CalendarLabels.h"
#include "tests/support/Rows.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <tuple>
#include <utility>

namespace orlenvo {
namespace {

using testing::Day;
using testing::ExpectEach;

CalendarDate DateOf(const Day &d)
{
    return EncodeDate(d.year, d.month, d.day);
}

std::string Ymd(int year, int month, int day)
{
    return std::to_string(year) + '-' + std::to_string(month) + '-' + std::to_string(day);
}

TEST(LabelsTest, LunarNamesFestivalsTermsAndAnimals)
{
    struct Row {
        int year, month, day;
        const char *monthName, *dayName, *festival, *term, *animal;
    };
    const Row rows[] = {
        {2000, 2, 4, "腊月", "廿九", "除夕", "立春", "卯兔"},  // 29-day last month
        {2000, 2, 5, "正月", "初一", "春节", "", "辰龙"},
        {2008, 2, 6, "腊月", "三十", "除夕", "", "亥猪"},
        {2008, 2, 7, "正月", "初一", "春节", "", "子鼠"},
        {2008, 2, 21, "正月", "十五", "元宵节", "", "子鼠"},
        {2008, 6, 8, "五月", "初五", "端午节", "", "子鼠"},
        {2008, 8, 7, "七月", "初七", "七夕节", "立秋", "子鼠"},
        {2008, 9, 14, "八月", "十五", "中秋节", "", "子鼠"},
        {2008, 10, 7, "九月", "初九", "重阳节", "", "子鼠"},
        {2009, 1, 4, "腊月", "初九", "", "", "子鼠"},
        {2009, 1, 3, "腊月", "初八", "腊八节", "", "子鼠"},
        {2001, 5, 23, "闰四", "初一", "", "", "巳蛇"},
        {2001, 5, 27, "闰四", "初五", "", "", "巳蛇"},  // leap month: no 端午节
        {2001, 6, 25, "五月", "初五", "端午节", "", "巳蛇"},
        {2033, 12, 22, "闰冬", "初一", "", "", "丑牛"},
        {2034, 1, 1, "闰冬", "十一", "", "", "丑牛"},  // lunar year begun in 2033
        {1972, 1, 1, "冬月", "十五", "", "", "亥猪"},
        {1901, 1, 1, "冬月", "十一", "", "", "子鼠"},
        {2024, 2, 9, "腊月", "三十", "除夕", "", "卯兔"},
        {2024, 2, 10, "正月", "初一", "春节", "", "辰龙"},
        {2000, 12, 21, "冬月", "廿六", "", "冬至", "辰龙"},
        {2000, 12, 22, "冬月", "廿七", "", "", "辰龙"},
        {2050, 12, 31, "冬月", "十八", "", "", "午马"},
        // Corrected month lengths of 1989 and 2013.
        {1989, 8, 1, "六月", "三十", "", "", "巳蛇"},
        {1989, 8, 2, "七月", "初一", "", "", "巳蛇"},
        {1989, 8, 8, "七月", "初七", "七夕节", "", "巳蛇"},
        {1989, 8, 30, "七月", "廿九", "", "", "巳蛇"},
        {1989, 8, 31, "八月", "初一", "", "", "巳蛇"},
        {2013, 6, 8, "五月", "初一", "", "", "巳蛇"},
        {2013, 6, 12, "五月", "初五", "端午节", "", "巳蛇"},
    };
    for (const Row &r : rows) {
        const CalendarDate date = EncodeDate(r.year, r.month, r.day);
        SCOPED_TRACE(Ymd(r.year, r.month, r.day));
        EXPECT_EQ(LunarMonthName(date), r.monthName);
        EXPECT_EQ(LunarDayName(date), r.dayName);
        EXPECT_EQ(LunarFestival(date), r.festival);
        EXPECT_EQ(SolarTerm(date), r.term);
        EXPECT_EQ(ZodiacAnimalOf(date), r.animal);
    }
}

// What a month-grid cell shows under its number, on days whose labels compete.
TEST(LabelsTest, DayCellPrecedence)
{
    const auto cell = [](const Day &d) {
        const DayCell c = DayCellLabel(DateOf(d));
        return std::pair{c.text, c.kind};
    };
    ExpectEach<Day, std::pair<std::string, DayCellKind>>(
        cell, {
                  {{2000, 2, 4}, {"除夕", DayCellKind::LunarFestival}},    // also 立春
                  {{2008, 8, 7}, {"七夕节", DayCellKind::LunarFestival}},  // also 立秋
                  {{2008, 2, 7}, {"春节", DayCellKind::LunarFestival}},    // also 正月初一
                  {{2000, 12, 21}, {"冬至", DayCellKind::SolarTerm}},
                  {{2014, 1, 1}, {"元旦节", DayCellKind::GregorianFestival}},  // also 腊月初一
                  {{2008, 1, 1}, {"元旦节", DayCellKind::GregorianFestival}},
                  {{1989, 8, 2}, {"七月", DayCellKind::MonthName}},
                  {{2001, 5, 23}, {"闰四", DayCellKind::MonthName}},
                  {{2033, 12, 22}, {"闰冬", DayCellKind::MonthName}},
                  {{2009, 1, 4}, {"初九", DayCellKind::LunarDay}},
                  {{2000, 12, 22}, {"廿七", DayCellKind::LunarDay}},
              });
}

// Over every day of the tables the cell shows the label of highest rank that the day has.
TEST(LabelsTest, DayCellFollowsTheRanksOnEveryDay)
{
    int festivalsOverTerms = 0;
    for (CalendarDate d = EncodeDate(kFirstTableYear, 1, 1); d <= EncodeDate(kLastTableYear, 12, 31); d += 1) {
        const DayCell cell = DayCellLabel(d);
        const std::string lunar = LunarFestival(d), term = SolarTerm(d), gregorian = GregorianFestival(d);
        festivalsOverTerms += !lunar.empty() && !term.empty();
        const std::string expected = !lunar.empty()              ? lunar
                                     : !term.empty()             ? term
                                     : !gregorian.empty()        ? gregorian
                                     : LunarDayName(d) == "初一" ? LunarMonthName(d)
                                                                 : LunarDayName(d);
        ASSERT_EQ(cell.text, expected) << d;
        ASSERT_FALSE(cell.text.empty()) << d;
    }
    EXPECT_GT(festivalsOverTerms, 0);
}

TEST(LabelsTest, WeekdayNames)
{
    ExpectEach<int, std::string>(WeekdayName, {{1, "星期日"}, {7, "星期六"}, {0, ""}, {8, ""}});
    // 5 January 2008 was a Saturday.
    EXPECT_STREQ(WeekdayName(DayOfWeek(EncodeDate(2008, 1, 5))), "星期六");
}

TEST(LabelsTest, LunarAndTermTextsAreEmptyOutsideTheTables)
{
    for (const CalendarDate date :
         {EncodeDate(1900, 12, 31), EncodeDate(2051, 1, 1), EncodeDate(2051, 2, 4), EncodeDate(1850, 6, 1)}) {
        EXPECT_EQ(LunarMonthName(date), "");
        EXPECT_EQ(LunarDayName(date), "");
        EXPECT_EQ(LunarFestival(date), "");
        EXPECT_EQ(SolarTerm(date), "");
        EXPECT_EQ(ZodiacAnimalOf(date), "");
    }
    EXPECT_EQ(GregorianFestival(EncodeDate(2051, 1, 1)), "元旦节");
    EXPECT_EQ(ConstellationOf(EncodeDate(1850, 6, 1)), "双子座");
    // The table ends on 31 December 2050, so its last day has no 除夕 test to pass.
    EXPECT_EQ(LunarFestival(EncodeDate(2050, 12, 31)), "");
}

TEST(LabelsTest, GregorianFestivals)
{
    ExpectEach<Day, std::string>(
        [](const Day &d) { return GregorianFestival(DateOf(d)); },
        {{{2008, 1, 1}, "元旦节"},   {{2008, 2, 14}, "情人节"},  {{2008, 3, 8}, "妇女节"},   {{2008, 4, 1}, "愚人节"},
         {{2008, 5, 1}, "劳动节"},   {{2008, 5, 4}, "青年节"},  // a Sunday
         {{2008, 5, 11}, "母亲节"},  {{2008, 5, 18}, ""},        {{2008, 6, 1}, "儿童节"},   {{2008, 6, 15}, "父亲节"},
         {{2008, 6, 8}, ""},         {{2008, 7, 1}, "建党节"},   {{2008, 8, 1}, "建军节"},   {{2008, 9, 10}, "教师节"},
         {{2008, 10, 1}, "国庆节"},  {{2008, 10, 6}, "老人节"},  {{1950, 10, 6}, "老人节"},  {{2049, 10, 6}, "老人节"},
         {{2008, 10, 31}, "万圣节"}, {{2008, 11, 8}, "记者日"},  {{2008, 11, 27}, "感恩节"}, {{2008, 11, 20}, ""},
         {{2008, 12, 25}, "圣诞节"}, {{2008, 12, 24}, ""},       {{2009, 5, 10}, "母亲节"},  {{2009, 5, 3}, ""},
         {{2009, 6, 21}, "父亲节"},  {{2009, 11, 26}, "感恩节"}, {{2012, 11, 22}, "感恩节"}, {{2012, 11, 29}, ""},
         {{2000, 5, 14}, "母亲节"},  {{2000, 5, 7}, ""},         {{2051, 5, 14}, "母亲节"}});
}

// Days of the corrected table entries (Beijing time, astronomical calendars), with the
// wrong day the table gave before.
TEST(LabelsTest, CorrectedSolarTermDays)
{
    struct Row {
        int year, month, day;
        const char *term;
        int formerDay;
    };
    const Row rows[] = {
        {1904, 10, 9, "寒露", 8},   {1912, 11, 22, "小雪", 23}, {1913, 9, 23, "秋分", 24},  {1929, 10, 9, "寒露", 8},
        {1929, 11, 23, "小雪", 22}, {1949, 8, 23, "处暑", 24},  {1954, 10, 24, "霜降", 23}, {1962, 1, 20, "大寒", 21},
        {1973, 2, 19, "雨水", 20},  {1976, 8, 23, "处暑", 24},  {1977, 5, 5, "立夏", 6},    {1979, 1, 20, "大寒", 21},
        {1981, 11, 7, "立冬", 8},   {1991, 5, 6, "立夏", 7},    {1995, 8, 23, "处暑", 21},  {2033, 7, 22, "大暑", 23},
        {2034, 8, 7, "立秋", 8},    {2049, 4, 4, "清明", 5},    {2049, 4, 19, "谷雨", 20},  {2050, 9, 7, "白露", 8},
    };
    for (const Row &r : rows) {
        SCOPED_TRACE(Ymd(r.year, r.month, r.day));
        EXPECT_EQ(SolarTerm(EncodeDate(r.year, r.month, r.day)), r.term);
        EXPECT_EQ(SolarTerm(EncodeDate(r.year, r.month, r.formerDay)), "");
    }
}

TEST(LabelsTest, SolarTermDayAndName)
{
    // Year, month and which term of the month (0 the first, 1 the second); the bytes of 2000:
    // 96 B4 A5 B5 A6 A6 87 88 88 78 87 86.
    ExpectEach<std::tuple<int, int, int>, int>([](const auto &t) { return std::apply(SolarTermDay, t); },
                                               {
                                                   {{2000, 1, 0}, 6},
                                                   {{2000, 1, 1}, 21},
                                                   {{2000, 2, 0}, 4},
                                                   {{2000, 2, 1}, 19},
                                                   {{2000, 12, 0}, 7},
                                                   {{2000, 12, 1}, 21},
                                                   {{1901, 1, 0}, 6},
                                                   {{2050, 12, 1}, 22},
                                                   {{2049, 4, 0}, 4},
                                                   {{2049, 4, 1}, 19},
                                                   {{1900, 1, 0}, 0},
                                                   {{2051, 1, 0}, 0},
                                                   {{2000, 0, 0}, 0},
                                                   {{2000, 13, 1}, 0},
                                                   {{2000, 1, 2}, 0},
                                                   {{2000, 1, -1}, 0},
                                               });

    ExpectEach<int, std::string>(SolarTermName,
                                 {{1, "小寒"}, {3, "立春"}, {16, "处暑"}, {24, "冬至"}, {0, ""}, {25, ""}});
}

TEST(LabelsTest, ConstellationBoundaries)
{
    struct Row {
        int month, lastDayOfFirst;
        const char *first, *second;
    };
    const Row rows[] = {
        {1, 19, "摩羯座", "水瓶座"},  {2, 18, "水瓶座", "双鱼座"},  {3, 20, "双鱼座", "白羊座"},
        {4, 19, "白羊座", "金牛座"},  {5, 20, "金牛座", "双子座"},  {6, 21, "双子座", "巨蟹座"},
        {7, 22, "巨蟹座", "狮子座"},  {8, 22, "狮子座", "处女座"},  {9, 22, "处女座", "天秤座"},
        {10, 23, "天秤座", "天蝎座"}, {11, 21, "天蝎座", "射手座"}, {12, 21, "射手座", "摩羯座"},
    };
    for (const Row &r : rows) {
        SCOPED_TRACE(r.month);
        const int length = MonthLength(2001, r.month);
        EXPECT_EQ(ConstellationOf(EncodeDate(2001, r.month, 1)), r.first);
        EXPECT_EQ(ConstellationOf(EncodeDate(2001, r.month, r.lastDayOfFirst)), r.first);
        EXPECT_EQ(ConstellationOf(EncodeDate(2001, r.month, r.lastDayOfFirst + 1)), r.second);
        EXPECT_EQ(ConstellationOf(EncodeDate(2001, r.month, length)), r.second);
    }
}

// 23 August is given to Virgo because 处暑, the sun's entry into Virgo, falls on that day
// in most years of the table.
TEST(LabelsTest, TwentyThirdOfAugustFollowsTheEntryIntoVirgo)
{
    EXPECT_EQ(ConstellationOf(EncodeDate(2008, 8, 23)), "处女座");
    std::map<int, int> yearsByDay;
    for (int year = 1901; year <= 2050; ++year)
        ++yearsByDay[SolarTermDay(year, 8, 1)];
    EXPECT_GT(yearsByDay[23], 75) << "处暑 on 23 August in " << yearsByDay[23] << " of 150 years";
}

// Over all of 1901-2050: one new year a Gregorian year with 除夕 on the day before it and
// nowhere else, the zodiac animal changing exactly at the new year, and each solar term
// once a year in its own month.
TEST(LabelsTest, WholeRangeYearlyPatterns)
{
    const CalendarDate first = EncodeDate(1901, 1, 1);
    const CalendarDate last = EncodeDate(2050, 12, 31);
    std::map<int, int> newYears, eves;
    std::map<std::pair<int, std::string>, int> terms;
    std::string previousAnimal = ZodiacAnimalOf(first);
    for (CalendarDate date = first; date <= last; date += 1.0) {
        int y = 0, m = 0, d = 0;
        DecodeDate(date, y, m, d);
        const std::string festival = LunarFestival(date);
        if (festival == "春节") {
            ++newYears[y];
            EXPECT_EQ(LunarFestival(date - 1.0), "除夕") << Ymd(y, m, d);
        }
        if (festival == "除夕") {
            ++eves[y];
            EXPECT_EQ(LunarDateCodeOf(date + 1.0), 101) << Ymd(y, m, d);
        }
        const std::string animal = ZodiacAnimalOf(date);
        if (animal != previousAnimal) {
            EXPECT_EQ(festival, "春节") << Ymd(y, m, d) << ": " << previousAnimal << " -> " << animal;
        }
        previousAnimal = animal;
        const std::string term = SolarTerm(date);
        if (!term.empty()) {
            ++terms[{y, term}];
            EXPECT_TRUE(term == SolarTermName(2 * m - 1) || term == SolarTermName(2 * m))
                << Ymd(y, m, d) << ' ' << term;
        }
    }
    for (int y = 1901; y <= 2050; ++y) {
        EXPECT_EQ(newYears[y], 1) << y;
        EXPECT_EQ(eves[y], 1) << y;
        for (int n = 1; n <= 24; ++n)
            EXPECT_EQ((terms[{y, SolarTermName(n)}]), 1) << y << ' ' << SolarTermName(n);
    }
}

}  // namespace
}  // namespace orlenvo
