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

std::string AlmanacStatement(std::string_view date)
{
    return "Select top 1 * from huangdao where gn = #" + std::string(date) + "#";
}

std::string PicturePageStatement(int number, int page)
{
    return "select picture,text from tuwen where num = " + std::to_string(number) + " and page = " +
           std::to_string(page);
}

std::string ArticleStatement(std::string_view id)
{
    return "select Tite,content from Noter where Cid = " + QuoteText(id);
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
