// The almanac window's date check under a short date format.
#include "calendar/AlmanacDate.h"

#include <gtest/gtest.h>

#include <chrono>

namespace orlenvo {
namespace {

TEST(ReadShortDate, YearMonthDayUnderTheProgramsFormat)
{
    struct Case { const char *text; bool valid; int y, m, d; };
    const Case cases[] = {
        {"2008-01-05", true, 2008, 1, 5},   {"2008-1-5", true, 2008, 1, 5},
        {"2008-02-29", true, 2008, 2, 29},  {"2008-02-30", false, 0, 0, 0},
        {"2000-02-29", true, 2000, 2, 29},  {"1900-02-29", false, 0, 0, 0},
        {"2009-02-29", false, 0, 0, 0},     {"2008-04-31", false, 0, 0, 0},
        {"2008-12-31", true, 2008, 12, 31}, {"2008-13-01", false, 0, 0, 0},
        {"2008-00-10", false, 0, 0, 0},     {"2008-01-00", false, 0, 0, 0},
        {"1901-1-1", true, 1901, 1, 1},     {"9999-12-31", true, 9999, 12, 31},
        {"0000-01-01", false, 0, 0, 0},     {"20081-01-01", false, 0, 0, 0},
        {"2008-001-05", true, 2008, 1, 5},  {"2008--05", false, 0, 0, 0},
        {"2008-01-05-", false, 0, 0, 0},    {"-2008-01-05", false, 0, 0, 0},
        {"2008-01", false, 0, 0, 0},        {"2008/01/05", false, 0, 0, 0},
        {" 2008-01-05", false, 0, 0, 0},    {"2008-01-05#", false, 0, 0, 0},
        {"2008-0x-05", false, 0, 0, 0},     {"2008-+1-05", false, 0, 0, 0},
        {"２００８-01-05", false, 0, 0, 0},  {"", false, 0, 0, 0},
    };
    for (const Case &c : cases) {
        TextDate date{-1, -1, -1};
        EXPECT_EQ(ReadShortDate(c.text, "yyyy-MM-dd", date), c.valid) << c.text;
        if (c.valid) {
            EXPECT_EQ(date.year, c.y) << c.text;
            EXPECT_EQ(date.month, c.m) << c.text;
            EXPECT_EQ(date.day, c.d) << c.text;
        } else {
            EXPECT_EQ(date.year, -1) << c.text << " changed the date";
        }
    }
}

TEST(ReadShortDate, ShortYearsLieInTheCurrentCentury)
{
    const auto today = std::chrono::floor<std::chrono::days>(std::chrono::system_clock::now());
    const int century = static_cast<int>(std::chrono::year_month_day(today).year()) / 100 * 100;
    TextDate date;
    ASSERT_TRUE(ReadShortDate("08-1-5", "yyyy-MM-dd", date));
    EXPECT_EQ(date.year, century + 8);
    ASSERT_TRUE(ReadShortDate("208-1-5", "yyyy-MM-dd", date));
    EXPECT_EQ(date.year, 208);
}

TEST(ReadShortDate, OrderAndSeparatorComeFromThePicture)
{
    struct Case { const char *text; const char *picture; bool valid; int y, m, d; };
    const Case cases[] = {
        {"2/29/2008", "M/d/yyyy", true, 2008, 2, 29},
        {"29.02.2008", "dd.MM.yyyy", true, 2008, 2, 29},
        {"2008-02-29", "dd.MM.yyyy", false, 0, 0, 0},
        {"2008-02-29", "M/d/yyyy", false, 0, 0, 0},
        {"2008/2/29", "yyyy/M/d", true, 2008, 2, 29},
        {"2008-02-29", "yyyy'年'M'月'd'日'", false, 0, 0, 0},  // no "-" in the picture
    };
    for (const Case &c : cases) {
        TextDate date;
        EXPECT_EQ(ReadShortDate(c.text, c.picture, date), c.valid) << c.text << " " << c.picture;
        if (c.valid) {
            EXPECT_EQ(date.year, c.y);
            EXPECT_EQ(date.month, c.m);
            EXPECT_EQ(date.day, c.d);
        }
    }
}

}  // namespace
}  // namespace orlenvo
