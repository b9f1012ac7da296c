// The almanac window's date check under a short date format.
#include "calendar/AlmanacDate.h"
#include "tests/support/Rows.h"

#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <utility>

namespace orlenvo {
namespace {

using testing::ExpectEach;

// What ReadShortDate makes of a text under a picture: "year-month-day", or "invalid" when it
// refuses the text and leaves the date as it was.
std::string Read(const std::string &text, const std::string &picture)
{
    TextDate date{-1, -1, -1};
    if (ReadShortDate(text, picture, date))
        return std::to_string(date.year) + "-" + std::to_string(date.month) + "-" + std::to_string(date.day);
    return date.year == -1 && date.month == -1 && date.day == -1 ? "invalid" : "invalid, with the date changed";
}

TEST(ReadShortDate, YearMonthDayUnderTheProgramsFormat)
{
    ExpectEach<std::string, std::string>([](const std::string &text) { return Read(text, "yyyy-MM-dd"); },
                                         {
                                             {"2008-01-05", "2008-1-5"},    {"2008-1-5", "2008-1-5"},
                                             {"2008-02-29", "2008-2-29"},   {"2008-02-30", "invalid"},
                                             {"2000-02-29", "2000-2-29"},   {"1900-02-29", "invalid"},
                                             {"2009-02-29", "invalid"},     {"2008-04-31", "invalid"},
                                             {"2008-12-31", "2008-12-31"},  {"2008-13-01", "invalid"},
                                             {"2008-00-10", "invalid"},     {"2008-01-00", "invalid"},
                                             {"1901-1-1", "1901-1-1"},      {"9999-12-31", "9999-12-31"},
                                             {"0000-01-01", "invalid"},     {"20081-01-01", "invalid"},
                                             {"2008-001-05", "2008-1-5"},   {"2008--05", "invalid"},
                                             {"2008-01-05-", "invalid"},    {"-2008-01-05", "invalid"},
                                             {"2008-01", "invalid"},        {"2008/01/05", "invalid"},
                                             {" 2008-01-05", "invalid"},    {"2008-01-05#", "invalid"},
                                             {"2008-0x-05", "invalid"},     {"2008-+1-05", "invalid"},
                                             {"２００８-01-05", "invalid"}, {"", "invalid"},
                                         });
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
    ExpectEach<std::pair<std::string, std::string>, std::string>(
        [](const auto &textAndPicture) { return Read(textAndPicture.first, textAndPicture.second); },
        {
            {{"2/29/2008", "M/d/yyyy"}, "2008-2-29"},
            {{"29.02.2008", "dd.MM.yyyy"}, "2008-2-29"},
            {{"2008-02-29", "dd.MM.yyyy"}, "invalid"},
            {{"2008-02-29", "M/d/yyyy"}, "invalid"},
            {{"2008/2/29", "yyyy/M/d"}, "2008-2-29"},
            {{"2008-02-29", "yyyy'年'M'月'd'日'"}, "invalid"},  // no "-" in the picture
        });
}

}  // namespace
}  // namespace orlenvo
