#include "core/Text.h"
#include "tests/support/Rows.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

namespace orlenvo {
namespace {

using testing::ExpectEach;

TEST(Trim, RemovesBlanksAndControlCharactersOnBothEnds)
{
    ExpectEach<std::string, std::string>(Trim, {
                                                   {"", ""},
                                                   {"   ", ""},
                                                   {"\t\r\n abc \x01\x1f", "abc"},
                                                   {"a b", "a b"},
                                                   {" \xE5\xBC\xA0\xE4\xB8\x89 ", "\xE5\xBC\xA0\xE4\xB8\x89"},  // 张三
                                                   {"\x7f", "\x7f"},  // DEL is not a control character here
                                               });
}

TEST(StrToInt64, AcceptsWholeNumbers)
{
    ExpectEach<std::string, std::int64_t>(StrToInt64,
                                          {
                                              {"0", 0},
                                              {"81", 81},
                                              {"0000081", 81},
                                              {"-81", -81},
                                              {"+5", 5},
                                              {"999999999999999999", 999999999999999999LL},
                                              {"9223372036854775807", std::numeric_limits<std::int64_t>::max()},
                                              {"-9223372036854775808", std::numeric_limits<std::int64_t>::min()},
                                              {"$FF", 255},
                                              {"0x10", 16},
                                              {"-$10", -16},
                                          });
}

TEST(StrToInt64, RejectsEverythingElseWithTheStandardMessage)
{
    testing::ExpectEachThrows<ConvertError, std::string>(
        StrToInt64,
        {"", " 1", "1 ", "abc", "12a", "-", "+", "$", "0x", "1.5", "--1", "9223372036854775808", "-9223372036854775809",
         "\xEF\xBC\x91"},
        [](const std::string &text) { return "'" + text + "' is not a valid integer value"; });
}

TEST(StrToInt, RangeIsThirtyTwoBits)
{
    EXPECT_EQ(StrToInt("2147483647"), 2147483647);
    EXPECT_EQ(StrToInt("-2147483648"), -2147483647 - 1);
    EXPECT_THROW(StrToInt("2147483648"), ConvertError);
}

TEST(Gbk, RoundTripsChineseAndReplacesWhatItCannotHold)
{
    EXPECT_EQ(Utf8ToGbk("\xE5\xBC\xA0\xE4\xB8\x89"), "\xD5\xC5\xC8\xFD");  // 张三
    EXPECT_EQ(GbkToUtf8("\xD5\xC5\xC8\xFD"), "\xE5\xBC\xA0\xE4\xB8\x89");
    EXPECT_EQ(Utf8ToGbk("abc"), "abc");
    // An emoji and a lone continuation byte are not GBK: each becomes one "?".
    EXPECT_EQ(Utf8ToGbk("a\xF0\x9F\x98\x80"
                        "b"),
              "a?b");
    EXPECT_EQ(Utf8ToGbk("a\x80"
                        "b"),
              "a?b");
    // A lone lead byte at the end of GBK text.
    EXPECT_EQ(GbkToUtf8("a\xD5"), "a\xEF\xBF\xBD");
}

}  // namespace
}  // namespace orlenvo
