#include "core/Simplified.h"

#include "core/Text.h"
#include "tests/support/Rows.h"

#include <gtest/gtest.h>

#include <string>

namespace orlenvo {
namespace {

using testing::ExpectEach;

TEST(ToSimplified, TraditionalCharactersAndPhrases)
{
    ExpectEach<std::string, std::string>(ToSimplified,
                                         {
                                             {"張三", "张三"},
                                             {"夢見蛇", "梦见蛇"},
                                             {"abc 張 1", "abc 张 1"},
                                             // A phrase before its characters (OpenCC's TSPhrases).
                                             {"乾乾淨淨", "干干净净"},
                                             {"乾隆年間", "乾隆年间"},
                                             // 乾 and 於 are Simplified characters as well: alone they stay.
                                             {"乾淨", "乾净"},
                                             {"於", "於"},
                                             {"", ""},
                                             // Broken UTF-8 is kept byte for byte.
                                             {"\xFF張\x80", "\xFF张\x80"},
                                         });
}

// Simplified input reads as before: no run of GB2312 characters changes, whatever stands next to what.
TEST(ToSimplified, LeavesEveryGb2312TextAlone)
{
    std::string all;
    int count = 0;
    for (int lead = 0xA1; lead <= 0xF7; ++lead) {
        for (int trail = 0xA1; trail <= 0xFE; ++trail) {
            const std::string utf8 = GbkToUtf8(std::string{static_cast<char>(lead), static_cast<char>(trail)});
            if (utf8 == "\xEF\xBF\xBD")
                continue;
            all += utf8;
            ++count;
        }
    }
    EXPECT_GT(count, 7400);
    EXPECT_EQ(ToSimplified(all), all);
}

// The search is binary over the generated rows: they must be sorted by their bytes, each key once.
TEST(ToSimplified, RowsAreSortedAndKeepTheLength)
{
    ASSERT_GT(kSimplifiedRowCount, 4000u);
    for (std::size_t i = 0; i < kSimplifiedRowCount; ++i) {
        const SimplifiedRow &row = kSimplifiedRows[i];
        if (i > 0) {
            EXPECT_LT(kSimplifiedRows[i - 1].traditional, row.traditional) << i;
        }
        EXPECT_EQ(Utf8Length(row.traditional), Utf8Length(row.simplified)) << row.traditional;
        EXPECT_LE(Utf8Length(row.traditional), kSimplifiedLongestKey) << row.traditional;
    }
}

}  // namespace
}  // namespace orlenvo
