#include "data/Catalogue.h"

#include "core/Text.h"
#include "data/KnowledgeDb.h"

#include <array>

namespace orlenvo {

namespace {

// clang-format off
constexpr std::array<AlmanacColumn, kAlmanacColumnCount> kAlmanacColumns = {{
    {"gn", ""},                {"nn", ""},
    {"suici", "岁次:"},        {"tszf", "每日胎神占方:"}, {"wuhang", "五行:"},
    {"cong", "冲:"},           {"pzbj", "彭祖百忌:"},     {"jsyq", "吉神宜趋:"},
    {"yi", "宜:"},             {"xsyq", "凶神宜忌:"},     {"ji", "忌:"},
}};
// clang-format on

}  // namespace

std::string MobileReadingStatement(std::string_view key)
{
    return "select title,jx,content from shouji where num = " + QuoteText(key);
}

std::string MobileTableSchema()
{
    return "CREATE TABLE shouji (num TEXT NOT NULL COLLATE NOCASE PRIMARY KEY, title TEXT, jx TEXT, content TEXT)";
}

std::string AlmanacStatement(std::string_view date)
{
    return "Select top 1 * from huangdao where gn = #" + std::string(date) + "#";
}

std::string AlmanacTableSchema()
{
    const std::string date(kAlmanacColumns[0].name);
    std::string sql = "CREATE TABLE huangdao (" + date + " TEXT NOT NULL PRIMARY KEY CHECK (" + date +
                      " GLOB '[0-9][0-9][0-9][0-9]-[0-1][0-9]-[0-3][0-9]')";
    for (std::size_t i = 1; i < kAlmanacColumns.size(); ++i)
        sql += ", " + std::string(kAlmanacColumns[i].name) + " TEXT";
    return sql + ")";
}

std::string PicturePageStatement(int number, int page)
{
    return "select picture,text from tuwen where num = " + std::to_string(number) +
           " and page = " + std::to_string(page);
}

std::string PictureTableSchema()
{
    return "CREATE TABLE tuwen (num INTEGER NOT NULL, page INTEGER NOT NULL, picture BLOB, text TEXT,"
           " PRIMARY KEY (num, page))";
}

std::string ArticleStatement(std::string_view id)
{
    return "select Tite,content from Noter where Cid = " + QuoteText(id);
}

std::string ArticleTableSchema()
{
    return "CREATE TABLE Noter (Cid TEXT NOT NULL COLLATE NOCASE PRIMARY KEY, Tite TEXT, content TEXT)";
}

std::string MobileNumberKey(std::string_view entry)
{
    // Skip seven characters (not bytes: a pasted multi-byte character stays whole).
    std::size_t pos = 0;
    for (int skipped = 0; skipped < 7 && pos < entry.size(); ++skipped) {
        ++pos;
        while (pos < entry.size() && (static_cast<unsigned char>(entry[pos]) & 0xC0) == 0x80)
            ++pos;
    }
    const std::int32_t value = StrToInt(entry.substr(pos));
    return std::to_string(value % 80);
}

std::span<const AlmanacColumn, kAlmanacColumnCount> AlmanacColumns()
{
    return kAlmanacColumns;
}

}  // namespace orlenvo
