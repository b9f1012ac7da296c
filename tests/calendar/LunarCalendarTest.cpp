// Date operations and lunar date codes, 1901-2050.
#include "calendar/LunarCalendar.h"
#include "tests/support/Rows.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <stdexcept>
#include <tuple>
#include <utility>
#include <vector>

namespace orlenvo {
namespace {

using testing::Day;
using testing::ExpectEach;

CalendarDate DateOf(const Day &d)
{
    return EncodeDate(d.year, d.month, d.day);
}

struct Ymd {
    int year;
    int month;
    int day;
};

Ymd Decoded(CalendarDate date)
{
    Ymd d{};
    DecodeDate(date, d.year, d.month, d.day);
    return d;
}

::testing::AssertionResult IsDay(CalendarDate date, int year, int month, int day)
{
    const Ymd d = Decoded(date);
    if (d.year == year && d.month == month && d.day == day)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "got " << d.year << '-' << d.month << '-' << d.day;
}

TEST(DateTest, EncodeCountsDaysFrom30December1899)
{
    struct Row {
        int year, month, day;
        double expected;
    };
    const Row rows[] = {
        {1899, 12, 30, 0},   {1899, 12, 29, -1},    {1900, 1, 1, 2},    {1901, 1, 1, 367},       {1970, 1, 1, 25569},
        {2000, 1, 1, 36526}, {2050, 12, 31, 55153}, {1, 1, 1, -693593}, {9999, 12, 31, 2958465},
    };
    for (const Row &r : rows) {
        EXPECT_EQ(EncodeDate(r.year, r.month, r.day), r.expected) << r.year << '-' << r.month << '-' << r.day;
        EXPECT_TRUE(IsDay(r.expected, r.year, r.month, r.day));
    }
}

TEST(DateTest, EncodeCarriesDaysAndMonthsOutsideTheirRange)
{
    EXPECT_TRUE(IsDay(EncodeDate(2001, 2, 29), 2001, 3, 1));
    EXPECT_TRUE(IsDay(EncodeDate(2001, 13, 1), 2002, 1, 1));
    EXPECT_TRUE(IsDay(EncodeDate(2001, 0, 1), 2000, 12, 1));
    EXPECT_TRUE(IsDay(EncodeDate(2001, 3, 0), 2001, 2, 28));
}

TEST(DateTest, DecodeUsesTheWholePartOnly)
{
    EXPECT_TRUE(IsDay(367.99, 1901, 1, 1));
    EXPECT_TRUE(IsDay(EncodeDate(2008, 2, 28) + 1.0, 2008, 2, 29));
    EXPECT_TRUE(IsDay(-1.25, 1899, 12, 29));
}

TEST(DateTest, ValuesBeyondTheCalendarAreHeldAtItsLimits)
{
    EXPECT_TRUE(IsDay(std::numeric_limits<double>::quiet_NaN(), 1, 1, 1));
    EXPECT_TRUE(IsDay(-std::numeric_limits<double>::infinity(), 1, 1, 1));
    EXPECT_TRUE(IsDay(1e300, 9999, 12, 31));
    EXPECT_EQ(LunarDateCodeOf(std::numeric_limits<double>::quiet_NaN()), 0);
}

TEST(DateTest, DayOfWeekNumbersSundayAsOne)
{
    ExpectEach<Day, int>([](const Day &d) { return DayOfWeek(DateOf(d)); }, {
                                                                                {{1899, 12, 30}, 7},  // Saturday
                                                                                {{1901, 1, 1}, 3},    // Tuesday
                                                                                {{2000, 1, 1}, 7},    // Saturday
                                                                                {{2009, 2, 1}, 1},    // Sunday
                                                                                {{2008, 11, 27}, 5},  // Thursday
                                                                                {{2050, 12, 31}, 7},  // Saturday
                                                                            });
}

TEST(DateTest, TodayIsAWholeDay)
{
    const CalendarDate today = Today();
    EXPECT_EQ(today, std::trunc(today));
    EXPECT_GT(today, EncodeDate(2020, 1, 1));
}

TEST(DateTest, DayOfYear)
{
    ExpectEach<Day, int>([](const Day &d) { return DayOfYearOf(DateOf(d)); }, {{{2000, 1, 1}, 1},
                                                                               {{2000, 12, 31}, 366},
                                                                               {{1900, 12, 31}, 365},
                                                                               {{2001, 12, 31}, 365},
                                                                               {{2000, 3, 1}, 61},
                                                                               {{2001, 3, 1}, 60},
                                                                               {{1904, 12, 31}, 366},
                                                                               {{2100, 3, 1}, 60}});
}

TEST(DateTest, MonthLength)
{
    ExpectEach<std::pair<int, int>, int>([](const auto &ym) { return MonthLength(ym.first, ym.second); },
                                         {{{2000, 2}, 29},
                                          {{1900, 2}, 28},
                                          {{2004, 2}, 29},
                                          {{2001, 2}, 28},
                                          {{2100, 2}, 28},
                                          {{2001, 1}, 31},
                                          {{2001, 4}, 30},
                                          {{2001, 9}, 30},
                                          {{2001, 11}, 30},
                                          {{2001, 12}, 31},
                                          {{2001, 0}, 0},
                                          {{2001, 13}, 0}});
}

TEST(DateTest, ClampedDateStaysInsideTheMonth)
{
    using Ymd3 = std::tuple<int, int, int>;
    const auto clamped = [](const Ymd3 &t) {
        const Ymd d = Decoded(std::apply(ClampedDate, t));
        return Ymd3{d.year, d.month, d.day};
    };
    ExpectEach<Ymd3, Ymd3>(clamped, {
                                        {{2001, 2, 31}, {2001, 2, 28}},
                                        {{2000, 2, 31}, {2000, 2, 29}},
                                        {{2008, 4, 31}, {2008, 4, 30}},
                                        {{2008, 1, 31}, {2008, 1, 31}},
                                        {{2008, 3, 15}, {2008, 3, 15}},
                                        {{2008, 3, 0}, {2008, 3, 1}},
                                        {{2008, 13, 31}, {2009, 1, 31}},
                                        {{2008, 0, 31}, {2007, 12, 31}},
                                        {{2008, -12, 5}, {2006, 12, 5}},
                                        {{0, 13, 5}, {1, 1, 5}},
                                        {{10000, -11, 40}, {9999, 1, 31}},
                                        {{9999, 12, INT_MAX}, {9999, 12, 31}},
                                        {{1, 1, INT_MIN}, {1, 1, 1}},
                                    });
}

TEST(DateTest, ClampedDateReportsYearsOutsideTheCalendar)
{
    constexpr int kMax = std::numeric_limits<int>::max();
    constexpr int kMin = std::numeric_limits<int>::min();
    const std::tuple<int, int, int> rows[] = {
        {kMax, 13, 1}, {kMax, kMax, kMax}, {kMin, kMin, kMin}, {kMin, 1, 1},    {0, 12, 1},
        {10000, 1, 1}, {9999, 13, 1},      {1, 0, 1},          {2008, kMax, 1}, {2008, kMin, 31},
    };
    for (const auto &r : rows)
        EXPECT_THROW(std::apply(ClampedDate, r), std::out_of_range) << ::testing::PrintToString(r);
}

TEST(LunarDateCodeTest, KnownDays)
{
    ExpectEach<Day, int>([](const Day &d) { return LunarDateCodeOf(DateOf(d)); },
                         {
                             {{1901, 1, 1}, 1111},     // first day of the table
                             {{1901, 2, 19}, 101},     // new year 1901
                             {{2000, 1, 1}, 1125},     // record 19B25B00
                             {{2000, 2, 5}, 101},      // new year 2000
                             {{2001, 1, 24}, 101},     // new year 2001
                             {{2004, 1, 22}, 101},     // new year 2004
                             {{2020, 1, 25}, 101},     // new year 2020
                             {{2023, 1, 22}, 101},     // new year 2023
                             {{2024, 2, 10}, 101},     // new year 2024
                             {{2001, 5, 23}, -401},    // first day of leap fourth month
                             {{2001, 6, 20}, -429},    // last day of leap fourth month
                             {{2001, 6, 21}, 501},     // fifth month after the leap month
                             {{2033, 12, 22}, -1101},  // first day of leap eleventh month
                             {{2034, 1, 1}, -1111},    // leap month carried over from 2033
                             {{2034, 1, 19}, -1129},   // last day of leap eleventh month
                             {{2034, 1, 20}, 1201},    // twelfth month after it
                             {{2050, 12, 31}, 1118},   // last day of the table
                             {{1900, 12, 31}, 0},      // before the table
                             {{2051, 1, 1}, 0},        // after the table
                             {{1800, 6, 1}, 0},        // long before the table
                             // 1989: sixth month 30 days, seventh 29.
                             {{1989, 7, 3}, 601},   // 1989 sixth month begins
                             {{1989, 8, 1}, 630},   // 1989 sixth month has a thirtieth
                             {{1989, 8, 2}, 701},   // 1989 seventh month begins
                             {{1989, 8, 30}, 729},  // 1989 seventh month has 29 days
                             {{1989, 8, 31}, 801},  // 1989 eighth month begins
                             // 2013: fourth month 29 days, fifth 30.
                             {{2013, 5, 10}, 401},  // 2013 fourth month begins
                             {{2013, 6, 7}, 429},   // 2013 fourth month has 29 days
                             {{2013, 6, 8}, 501},   // 2013 fifth month begins
                             {{2013, 6, 12}, 505},  // 2013 dragon-boat day
                             {{2013, 7, 7}, 530},   // 2013 fifth month has a thirtieth
                             {{2013, 7, 8}, 601},   // 2013 sixth month begins
                         });
}

// Walks every day of 1901-2050 and checks the shape of the lunar calendar: consecutive day
// numbers, month lengths of 29 or 30, month order with leap months after their regular
// namesake, one new year per Gregorian year and lunar years of 12 or 13 months.
TEST(LunarDateCodeTest, WholeRangeIsAWellFormedLunarCalendar)
{
    const CalendarDate first = EncodeDate(1901, 1, 1);
    const CalendarDate last = EncodeDate(2050, 12, 31);
    ASSERT_EQ(last - first + 1, 54787);

    std::vector<int> newYearsPerYear(150, 0);
    CalendarDate previousNewYear = 0;
    int previous = LunarDateCodeOf(first);
    int lunarYear = LunarYearOf(first);
    int daysChecked = 1;
    for (CalendarDate date = first + 1; date <= last; date += 1.0, ++daysChecked) {
        const int code = LunarDateCodeOf(date);
        const Ymd g = Decoded(date);
        ASSERT_NE(code, 0) << g.year << '-' << g.month << '-' << g.day;
        // The lunar year turns on the first day of the first month and on no other day.
        lunarYear += code == 101 ? 1 : 0;
        ASSERT_EQ(LunarYearOf(date), lunarYear) << g.year << '-' << g.month << '-' << g.day;
        const int day = std::abs(code) % 100;
        const int month = code / 100;
        const int previousDay = std::abs(previous) % 100;
        const int previousMonth = previous / 100;
        ASSERT_GE(day, 1);
        ASSERT_LE(day, 30);
        if (day == previousDay + 1) {
            ASSERT_EQ(month, previousMonth) << g.year << '-' << g.month << '-' << g.day;
        } else {
            ASSERT_EQ(day, 1) << g.year << '-' << g.month << '-' << g.day;
            ASSERT_TRUE(previousDay == 29 || previousDay == 30) << g.year << '-' << g.month << '-' << g.day;
            if (previousMonth > 0) {
                // After a regular month: its leap month, or the next regular month.
                const int next = previousMonth == 12 ? 1 : previousMonth + 1;
                ASSERT_TRUE(month == -previousMonth || month == next)
                    << g.year << '-' << g.month << '-' << g.day << ": " << previous << " -> " << code;
            } else {
                ASSERT_EQ(month, -previousMonth == 12 ? 1 : -previousMonth + 1)
                    << g.year << '-' << g.month << '-' << g.day;
            }
            if (code == 101) {
                ++newYearsPerYear[g.year - 1901];
                if (previousNewYear != 0) {
                    const int yearLength = static_cast<int>(date - previousNewYear);
                    ASSERT_TRUE((yearLength >= 353 && yearLength <= 355) || (yearLength >= 383 && yearLength <= 385))
                        << "lunar year ending " << g.year << ": " << yearLength << " days";
                }
                previousNewYear = date;
            }
        }
        previous = code;
    }
    EXPECT_EQ(daysChecked, 54787);
    for (int y = 0; y < 150; ++y)
        EXPECT_EQ(newYearsPerYear[y], 1) << "year " << 1901 + y;
}

// The lunar date value and its external form, the code, on the days of the cases above.
TEST(LunarDateTest, ValueAndCodeAgree)
{
    struct Row {
        CalendarDate date;
        LunarDate expected;
        int code;
    };
    const Row rows[] = {
        {kFirstTableDate, {1900, 11, 11, false}, 1111},
        {EncodeDate(1901, 2, 19), {1901, 1, 1, false}, 101},
        {EncodeDate(2001, 5, 23), {2001, 4, 1, true}, -401},
        {EncodeDate(2034, 1, 1), {2033, 11, 11, true}, -1111},
        {EncodeDate(2034, 1, 20), {2033, 12, 1, false}, 1201},
        {kLastTableDate, {2050, 11, 18, false}, 1118},
        {kLastTableDate + 1, {}, 0},
        {kFirstTableDate - 1, {}, 0},
    };
    for (const Row &r : rows) {
        const Ymd g = Decoded(r.date);
        EXPECT_EQ(LunarDateOf(r.date), r.expected) << g.year << '-' << g.month << '-' << g.day;
        EXPECT_EQ(LunarDateCodeOf(r.expected), r.code) << g.year << '-' << g.month << '-' << g.day;
    }
    EXPECT_TRUE(IsDay(kFirstTableDate, kFirstTableYear, 1, 1));
    EXPECT_TRUE(IsDay(kLastTableDate, kLastTableYear, 12, 31));
}

}  // namespace
}  // namespace orlenvo
