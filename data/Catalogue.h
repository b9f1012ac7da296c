// The table catalogue of the knowledge databases: each user's statement and how its key is
// written, and the tables and columns the database builder creates.
#pragma once

#include <cstddef>
#include <span>
#include <string>
#include <string_view>

namespace orlenvo {

// Each table's statement and the CREATE TABLE statement with which the database builder
// makes it.

// "select title,jx,content from shouji where num = " + QuoteText(key).
std::string MobileReadingStatement(std::string_view key);
std::string MobileTableSchema();

// "Select top 1 * from huangdao where gn = #" + date + "#" (date as year-month-day, e.g. 2008-01-05).
std::string AlmanacStatement(std::string_view date);
// The columns of AlmanacColumns(): the date first, a primary key written as an ISO date, then
// a text column for each of the others.
std::string AlmanacTableSchema();

// "select Tite,content from Noter where Cid = " + QuoteText(id).
std::string ArticleStatement(std::string_view id);
std::string ArticleTableSchema();

// "select picture,text from tuwen where num = " + number + " and page = " + page.
std::string PicturePageStatement(int number, int page);
std::string PictureTableSchema();

// The lookup key of a mobile number: the characters from the eighth on, as an integer v,
// written as v mod 80 (truncating, so a negative v gives a negative key). Throws ConvertError
// when they do not form an integer (an entry of seven characters or fewer has none).
std::string MobileNumberKey(std::string_view entry);

// A column of the almanac table huangdao, and the caption of the line on which the almanac
// window shows it; gn and nn have none, they make the window's heading.
struct AlmanacColumn {
    std::string_view name;
    std::string_view caption;
};
inline constexpr std::size_t kAlmanacColumnCount = 11;
// The columns of huangdao in table order, the date gn first; the lines of the window follow
// this order.
std::span<const AlmanacColumn, kAlmanacColumnCount> AlmanacColumns();

}  // namespace orlenvo
