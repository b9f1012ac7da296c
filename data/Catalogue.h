// The table catalogue of the knowledge databases: each user's statement and how its key is
// written, and the tables and columns the database builder creates.
#pragma once

#include <span>
#include <string>
#include <string_view>

namespace orlenvo {

// "select title,jx,content from shouji where num = " + QuoteText(key).
std::string MobileReadingStatement(std::string_view key);

// "Select top 1 * from huangdao where gn = #" + date + "#" (date as year-month-day, e.g. 2008-01-05).
std::string AlmanacStatement(std::string_view date);

// "select Tite,content from Noter where Cid = " + QuoteText(id).
std::string ArticleStatement(std::string_view id);

// The lookup key of a mobile number: the characters from the eighth on, as an integer v,
// written as v mod 80 (truncating, so a negative v gives a negative key). Throws ConvertError
// when they do not form an integer (an entry of seven characters or fewer has none).
std::string MobileNumberKey(std::string_view entry);

// Columns of the almanac table after its date column gn, in the order the almanac shows them.
std::span<const std::string_view> AlmanacColumns();

}  // namespace orlenvo
