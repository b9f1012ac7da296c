#include "numerology/EightyOne.h"

#include "core/Text.h"
#include "tests/support/Rows.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

namespace orlenvo {
namespace {

const std::string kType1 =
    "主人性格类型：[做事喜好凭直觉型]，其具体表现为：有特强的第六灵感，性格率直无机心，深得朋辈爱戴。"
    "感情路上多采多姿。做事喜好凭个人直觉及预感做决定。";

EightyOneRows Reading(const std::string &number)
{
    return SplitEightyOne(LookupEightyOne(number));
}

std::size_t Chars(const std::string &s)
{
    return orlenvo::Utf8Length(s);
}

TEST(LookupEightyOne, NumbersFromTheReadingRules)
{
    struct Case {
        const char *number;
        const char *verdict;
        const char *luck;
    };
    const char *entry0 = "大展鸿图，信用得固，名利双收，可获成功";
    const Case cases[] = {
        {"0", entry0, "吉"},
        {"81", entry0, "吉"},
        {"162", entry0, "吉"},
        {"999999999999999999", entry0, "吉"},  // eighteen nines: 81 divides them
        {"0000081", entry0, "吉"},             // leading zeros change nothing
        {"-81", entry0, "吉"},
        {"-0", entry0, "吉"},
        {"80", "最极之数，还本归元，能得繁荣，发达成功", "吉"},
        {"123456789", "安乐自来，自然吉祥，力行不懈，终必成功", "吉"},  // remainder 72
        {"10000", "名虽可得，利则难获，艺界发展，可望成功", "凶带吉"},  // remainder 37
        {"1", "根基不固，摇摇欲坠，一盛一衰，劳而无获", "凶"},
        {"9223372036854775807", "波澜起伏，千变万化，凌架万难，必可成功", "凶"},  // remainder 25
    };
    for (const auto &c : cases) {
        const EightyOneRows rows = Reading(c.number);
        EXPECT_EQ(rows.verdict, c.verdict) << c.number;
        EXPECT_EQ(rows.luck, c.luck) << c.number;
    }
    EXPECT_EQ(Reading("0").character, kType1);
    EXPECT_EQ(Reading("999999999999999999").character, kType1);
}

TEST(LookupEightyOne, NegativeRemaindersGiveTheNotFoundText)
{
    for (const char *number : {"-1", "-80", "-82", "-999999999999999998", "-9223372036854775808"})
        EXPECT_EQ(LookupEightyOne(number), "对不起,此号不在分解之类。") << number;
    const EightyOneRows rows = Reading("-1");
    EXPECT_EQ(rows.verdict, "");
    EXPECT_EQ(rows.luck, "");
    EXPECT_EQ(rows.character, "对不起,此号不在分解之类。");
}

TEST(LookupEightyOne, NonNumbersFailWithTheConversionMessage)
{
    testing::ExpectEachThrows<ConvertError, std::string>(
        LookupEightyOne, {"", "12a", "ABC", "1 2", "1.5", "\xE4\xB8\x80"},
        [](const std::string &text) { return "'" + text + "' is not a valid integer value"; });
}

TEST(LookupEightyOne, TheTableHasEightyOneWellFormedEntries)
{
    std::map<std::string, int> lucks;
    std::map<std::string, int> types;  // character text -> first entry that uses it
    for (int r = 0; r <= 80; ++r) {
        const std::string text = LookupEightyOne(std::to_string(r));
        const EightyOneRows rows = SplitEightyOne(text);
        EXPECT_EQ(text, rows.verdict + "|" + rows.luck + "|" + rows.character) << r;
        ++lucks[rows.luck];
        types.emplace(rows.character, r);
        EXPECT_EQ(rows.character.rfind("主人性格类型：[", 0), 0u) << r;
        EXPECT_EQ(rows.character.substr(rows.character.size() - 3), "。") << r;
        // Four phrases of four characters joined by "，"; 51 and 67 have one of five.
        EXPECT_EQ(Chars(rows.verdict), (r == 51 || r == 67) ? 20u : 19u) << r;
        EXPECT_EQ(rows.verdict.find(','), std::string::npos) << r;
    }
    EXPECT_EQ(lucks, (std::map<std::string, int>{{"吉", 35}, {"凶", 30}, {"吉带凶", 13}, {"凶带吉", 3}}));
    EXPECT_EQ(types.size(), 9u);
}

TEST(LookupEightyOne, TypesFollowTheTableNotTheCycle)
{
    auto character = [](int r) { return Reading(std::to_string(r)).character; };
    // Entries 0 to 24 cycle through the nine types.
    for (int r = 9; r <= 24; ++r)
        EXPECT_EQ(character(r), character(r - 9)) << r;
    // From 25 on the table breaks the cycle: 25 is type 9, 26 type 1, 44 type 3, 73 type 2,
    // 79 type 9, 80 type 1.
    const std::pair<int, int> irregular[] = {{25, 8}, {26, 0}, {44, 2}, {73, 1}, {79, 8}, {80, 0}, {67, 5}};
    for (const auto &[r, typeEntry] : irregular)
        EXPECT_EQ(character(r), character(typeEntry)) << r;
}

TEST(SplitEightyOne, SplitsAtTheFirstTwoBars)
{
    struct Case {
        const char *text, *verdict, *luck, *character;
    };
    const Case cases[] = {
        {"a|b|c", "a", "b", "c"}, {"a|b|c|d", "a", "b", "c|d"}, {"plain", "", "", "plain"}, {"a|b", "a", "", "b"},
        {"|b|c", "", "b", "c"},   {"a||", "a", "", ""},         {"", "", "", ""},
    };
    for (const auto &c : cases) {
        const EightyOneRows rows = SplitEightyOne(c.text);
        EXPECT_EQ(rows.verdict, c.verdict) << c.text;
        EXPECT_EQ(rows.luck, c.luck) << c.text;
        EXPECT_EQ(rows.character, c.character) << c.text;
    }
}

}  // namespace
}  // namespace orlenvo
