// A day's details: the hidden labels, the solar-term moments, the holidays and the good-day test.
#include "calendar/DayDetails.h"

#include "calendar/BuiltInTables.h"
#include "calendar/CalendarLabels.h"
#include "calendar/TableLines.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <set>
#include <string>
#include <utility>

namespace orlenvo {
namespace {

bool Has(const std::vector<std::string> &lines, const std::string &line)
{
    return std::find(lines.begin(), lines.end(), line) != lines.end();
}

TEST(DayDetailsTest, NamedDays)
{
    // 2008-08-07: the cell shows 七夕节 (the lunar festival wins), the details name 立秋 too.
    const DayDetails qixi = DayDetailsOf(EncodeDate(2008, 8, 7));
    EXPECT_EQ(DayCellLabel(qixi.date).text, "七夕节");
    const auto lines = DayDetailLines(qixi);
    EXPECT_EQ(lines.front(), "2008年8月7日 星期四");
    EXPECT_TRUE(Has(lines, "农历戊子年七月初七"));
    EXPECT_TRUE(Has(lines, "七夕节"));
    ASSERT_TRUE(qixi.termMoment.has_value());
    EXPECT_EQ(lines.back().rfind("立秋 8月7日 ", 0), 0U) << lines.back();

    // A leap month, and the 岁次 line of the almanac row.
    const auto leap = DayDetailLines(DayDetailsOf(EncodeDate(2001, 5, 23)));
    EXPECT_TRUE(Has(leap, "农历辛巳年闰四月初一"));
    EXPECT_TRUE(Has(leap, "干支：" + AlmanacEntryOf(EncodeDate(2001, 5, 23)).suici));

    // 立春 2024: 2024-02-04 16:27 Beijing time (Hong Kong Observatory, 二十四节气 2024).
    const TermMoment lichun = *SolarTermMomentOf(EncodeDate(2024, 2, 4));
    EXPECT_EQ(TermMomentText(lichun), "立春 2月4日 16:27");
}

TEST(DayDetailsTest, NoticesMakeUpDays)
{
    struct Row {
        int year, month, day;
        HolidayKind kind;
        const char *name;
    };
    const Row rows[] = {
        // 国务院办公厅关于2013年部分节假日安排的通知: 清明节 4月4日至6日, 4月7日（星期日）上班;
        // 国庆节 10月1日至7日, 9月29日（星期日）、10月12日（星期六）上班.
        {2013, 4, 7, HolidayKind::Workday, "清明节"},
        {2013, 9, 29, HolidayKind::Workday, "国庆节"},
        {2013, 10, 12, HolidayKind::Workday, "国庆节"},
        {2013, 10, 7, HolidayKind::Rest, "国庆节"},
        {2013, 10, 8, HolidayKind::None, ""},
        // 国务院办公厅关于2026年部分节假日安排的通知: 国庆节 10月1日至7日, 9月20日（星期日）、10月10日（星期六）上班.
        {2026, 9, 20, HolidayKind::Workday, "国庆节"},
        {2026, 10, 10, HolidayKind::Workday, "国庆节"},
        {2026, 10, 1, HolidayKind::Rest, "国庆节"},
    };
    for (const Row &row : rows) {
        const HolidayStatus status = HolidayStatusOf(EncodeDate(row.year, row.month, row.day));
        EXPECT_EQ(status.kind, row.kind) << row.year << '-' << row.month << '-' << row.day;
        EXPECT_EQ(status.name, row.name) << row.year << '-' << row.month << '-' << row.day;
    }
    EXPECT_EQ(HolidayNote(EncodeDate(2026, 10, 10)), "国庆节 调休上班");
    EXPECT_EQ(HolidayNote(EncodeDate(2026, 10, 1)), "国庆节 放假");
    const int after = LastHolidayYear() + 1;
    EXPECT_EQ(HolidayNote(EncodeDate(after, 10, 1)),
              std::to_string(after) + "年的放假安排尚未收录（节假日数据至" + std::to_string(after - 1) + "年）");
}

// Each term's moment lies on the day the core labels with it, except three terms whose moment falls
// minutes after midnight of the next day (lunar-javascript 1.7.7; tools/gen_almanac_table lists them).
TEST(DayDetailsTest, EveryTermMomentLiesOnItsLabelledDay)
{
    const std::set<std::string> nextDay = {"1917-12-07", "1927-09-08", "1928-06-21"};
    std::set<std::string> moved;
    int terms = 0;
    for (int year = kFirstTableYear; year <= kLastTableYear; ++year)
        for (int month = 1; month <= 12; ++month)
            for (int which = 0; which < 2; ++which) {
                const int day = SolarTermDay(year, month, which);
                const CalendarDate labelled = EncodeDate(year, month, day);
                const TermMoment m = *SolarTermMomentOf(labelled);
                ++terms;
                EXPECT_EQ(SolarTermName(m.term), SolarTerm(labelled));
                if (EncodeDate(m.year, m.month, m.day) == labelled)
                    continue;
                EXPECT_EQ(EncodeDate(m.year, m.month, m.day), labelled + 1);
                EXPECT_EQ(m.hour, 0);
                char ymd[16];
                std::snprintf(ymd, sizeof ymd, "%04d-%02d-%02d", year, month, day);
                moved.insert(ymd);
            }
    EXPECT_EQ(terms, 3600);
    EXPECT_EQ(moved, nextDay);
    // The reason of each: a year before 1929 and a moment less than 14 min 20 s after midnight UTC+8,
    // so before midnight in Beijing mean time (UTC+7:45:40).
    for (const TermLabelledEarlier &row : kTermsLabelledEarlier) {
        const TermMoment &m = SolarTermMoment(row.year, row.term);
        EXPECT_LT(row.year, 1929) << row.reason;
        EXPECT_LT(m.hour * 3600 + m.minute * 60 + m.second, 14 * 60 + 20) << row.reason;
    }
}

TEST(DayDetailsTest, HolidayTableOverItsSpan)
{
    const HolidayTable &table = Holidays();
    EXPECT_GE(table.days.size(), 800U);
    for (const HolidayDay &d : table.days) {
        const CalendarDate date = EncodeDate(d.year, d.month, d.day);
        EXPECT_EQ(HolidayStatusOf(date).kind, d.status.kind);
        if (d.status.kind == HolidayKind::Workday) {
            EXPECT_TRUE(DayOfWeek(date) == 1 || DayOfWeek(date) == 7) << d.year << '-' << d.month << '-' << d.day;
        }
    }
    // Each notice year holds a 春节 and a 国庆 rest day (国庆节, or 国庆中秋 when the two meet).
    for (int year = 2002; year <= LastHolidayYear(); ++year)
        for (const char *name : {"春节", "国庆"})
            EXPECT_TRUE(std::any_of(table.days.begin(), table.days.end(),
                                    [&](const HolidayDay &d) {
                                        return d.year == year && d.status.kind == HolidayKind::Rest &&
                                               d.status.name.find(name) == 0;
                                    }))
                << year << ' ' << name;
}

TEST(DayDetailsTest, TablesRefuseMalformedRows)
{
    const std::string header = "# last year: 2013\n";
    const char *badHolidays[] = {
        "2013-10-12\t班\t国庆节\n2013-10-12\t休\t国庆节\n",  // one day both 班 and 休
        "2013-10-08\t班\t国庆节\n",                          // a make-up workday on a Tuesday
        "2013-10-07\t假\t国庆节\n",
        "2013-10-07\t休\n",
        "2013-02-30\t休\t春节\n",
        "2014-01-01\t休\t元旦节\n",  // after the last year
    };
    for (const char *rows : badHolidays)
        EXPECT_THROW(ParseHolidayTable(header + rows), TableError) << rows;
    EXPECT_EQ(ParseHolidayTable(header + "2013-10-12\t班\t国庆节\n").days.size(), 1U);

    const std::string terms(SolarTermMomentsText());
    const std::size_t first = terms.find("1901-01-06");
    ASSERT_NE(first, std::string::npos);
    for (const auto &[from, to] :
         {std::pair{"\t小寒", "\t大寒"}, std::pair{"07:53:23", "07:53"}, std::pair{"1901-01-06", "1902-01-06"}}) {
        std::string bad = terms;
        bad.replace(bad.find(from, first), std::string(from).size(), to);
        EXPECT_THROW(ParseSolarTermMoments(bad), TableError) << from;
    }
    EXPECT_THROW(ParseSolarTermMoments(terms.substr(0, terms.rfind("2050-12"))), TableError);
}

// Errors name the file the reader was given and the line; a byte-order mark and CR LF read as plain
// text (a file saved on Windows).
TEST(DayDetailsTest, TableErrorsNameFileAndLine)
{
    const std::string terms(SolarTermMomentsText());
    const std::size_t first = terms.find("1901-01-06");
    const auto firstLine = std::count(terms.begin(), terms.begin() + static_cast<std::ptrdiff_t>(first), '\n') + 1;
    std::string shifted = terms;
    shifted.replace(first, 4, "1900");
    struct Row {
        std::function<void()> read;
        std::string what;
    };
    const Row rows[] = {
        {[] { ParseHolidayTable("# last year: 2013\n\n2013-10-08\t班\t国庆节\n", "my-holidays.txt"); },
         "my-holidays.txt:3: a make-up workday on a weekday"},
        {[] { ParseHolidayTable("# last year: 2013\n"); }, "holidays.txt: no days, or days after its \"last year\""},
        {[&] { ParseSolarTermMoments(shifted); },
         "solar-terms.txt:" + std::to_string(firstLine) + ": expected 小寒 of 1901 in month 1"},
    };
    for (const Row &row : rows) {
        try {
            row.read();
            ADD_FAILURE() << "accepted: " << row.what;
        } catch (const TableError &e) {
            EXPECT_EQ(e.what(), row.what);
        }
    }
    const HolidayTable windows = ParseHolidayTable("\xEF\xBB\xBF# last year: 2013\r\n2013-10-12\t班\t国庆节\r\n");
    ASSERT_EQ(windows.days.size(), 1U);
    EXPECT_EQ(windows.days[0].status.name, "国庆节");
    EXPECT_EQ(windows.lastYear, 2013);
}

TEST(DayDetailsTest, GoodDaysOverAYear)
{
    int marked = 0;
    for (CalendarDate date = EncodeDate(2026, 1, 1); date <= EncodeDate(2026, 12, 31); date += 1) {
        const DayDetails d = DayDetailsOf(date);
        const std::string &yi = d.almanac.yi;
        const std::string &ji = d.almanac.ji;
        for (const char *activity : kGoodDayActivities) {
            const GoodDayQuery any{activity, -1};
            const bool good = IsGoodDay(d, any);
            const std::string item = std::string(" ") + activity + " ";
            EXPECT_EQ(good, (" " + yi + " ").find(item) != std::string::npos &&
                                (" " + ji + " ").find(item) == std::string::npos &&
                                yi.find("诸事不宜") == std::string::npos);
            marked += good;
            // The animal the day clashes with is the one its 冲 names ("冲狗(戊戌)煞南").
            for (int animal = 0; animal < 12; ++animal) {
                const bool clashes = d.almanac.cong.rfind(std::string("冲") + BranchAnimal(animal), 0) == 0;
                EXPECT_EQ(IsGoodDay(d, {activity, animal}), good && !clashes);
            }
        }
        EXPECT_FALSE(IsGoodDay(d, {"", -1}));
    }
    EXPECT_GT(marked, 365);
    EXPECT_EQ(GoodDayReason({"嫁娶", -1}), "宜嫁娶");
    EXPECT_EQ(GoodDayReason({"嫁娶", 0}), "宜嫁娶 · 不冲鼠");
}

}  // namespace
}  // namespace orlenvo
