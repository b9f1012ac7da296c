#include "numerology/Pinyin.h"

#include "core/Text.h"
#include "tests/support/Rows.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

namespace orlenvo {
namespace {

using testing::ExpectEach;

std::string Initials(const std::string &utf8)
{
    return PinyinInitials(Utf8ToGbk(utf8));
}
std::string Trait(const std::string &utf8)
{
    return NetNameTrait(Utf8ToGbk(utf8));
}

TEST(PinyinInitials, ChineseLatinDigitsAndSymbols)
{
    ExpectEach<std::string, std::string>(Initials,
                                         {
                                             {"张三", "ZS"},
                                             {"小明", "XM"},
                                             {"张王李一小明赵", "ZWLYXMZ"},
                                             {"佛给髟", "FGB"},
                                             {"abc", "ABC"},
                                             {"ABC", "ABC"},
                                             {"007", "007"},
                                             {"abc!", "ABC"},
                                             {"a b-c_d", "ABCD"},
                                             {"!@#$%^&*()", ""},
                                             // Full-width forms keep their case; full-width punctuation adds nothing.
                                             {"ａＢ１，", "aB1"},
                                             // Numerals: ⅰ..ⅹ, ⒈..⒛, ⑴..⒇, ①..⑩, ㈠..㈩, Ⅰ..Ⅻ.
                                             {"Ⅻ", "12"},
                                             {"ⅰⅹ", "110"},
                                             {"⒈⒛", "120"},
                                             {"⑴⒇", "120"},
                                             {"①⑩", "110"},
                                             {"㈠㈩", "110"},
                                             {"ⅠⅫ", "112"},
                                             // Greek, capitals and small letters alike.
                                             {"θ", "TH"},
                                             {"ΑΩαωφχψ", "AOAOPHKHPS"},
                                             // Double-byte symbols without a reading.
                                             {"张。", "Z?"},
                                             {"★", "?"},
                                             {"〇", "?"},  // A996: lead byte A9, a symbol here
                                             // GBK extension ideographs.
                                             {"丂丄龘", "KSD"},
                                             // Not in GBK: one "?" byte, a symbol that adds nothing.
                                             {"张\xF0\x9F\x98\x80", "Z"},
                                         });
}

TEST(PinyinInitials, ByteLevelRules)
{
    using namespace std::string_literals;
    ExpectEach<std::string, std::string>(PinyinInitials,
                                         {
                                             {"a\xD5"s, "A"},     // lead byte at the end is dropped
                                             {"\xD5\x30"s, "0"},  // lead byte before a byte below 0x40: both read alone
                                             {"\xD5\x3F\xC8\xFD"s, "S"},  // ... and the next character still pairs up
                                             {"\x80\x41"s, "A"},          // 0x80 is a single-byte character
                                             {"\xFF"s, ""},               // a lone 0xFF at the end is a single byte
                                             {"\xFF\x31"s, "1"},
                                             {"\xA2\xAB"s, ""},  // unassigned between numeral runs: nothing
                                             {"\xA2\xE3\xA2\xF0\xA2\xFD"s, ""},
                                             {"\xA2\x40"s, "?"},  // below the numeral runs
                                             {"\xA2\xA0"s, "?"},
                                             {"\xA2\xFF"s, "?"},
                                             {"\xA3\xA0"s, ""},  // full-width row outside A1..FE
                                             {"\xA3\xFF"s, ""},
                                             {"\xA6\xB9"s, "?"},  // Greek row between capitals and small letters
                                             {"\xA6\xFF"s, "?"},
                                             {"\xD5\x7F"s, "?"},  // no character has trail byte 0x7F
                                             {"\xAA\xA1"s, "?"},  // user-defined area
                                             {"\xFE\xFE"s, "?"},
                                         });
}

TEST(PinyinInitials, CodesOutsideTheTableFail)
{
    using namespace std::string_literals;
    for (const std::string &gbk : {"\xFF\x41"s, "\xFF\xFF"s, "\xB0\xFF"s, "abc\x81\xFF"s, "\xFF\xA1\xD5\xC5"s})
        EXPECT_THROW(PinyinInitials(gbk), UnreadableCodeError) << ::testing::PrintToString(gbk);
    try {
        PinyinInitials("\xB0\xFF");
    } catch (const UnreadableCodeError &e) {
        EXPECT_STREQ(e.what(), "GBK code B0 FF is outside the reading table");
    }
}

// Random byte strings: no crash; a failure only where a pair holds 0xFF outside the rows of
// numerals, full-width forms and Greek; never more output than input.
TEST(PinyinInitials, RandomBytes)
{
    std::mt19937 random(20240611);
    std::uniform_int_distribution<int> length(0, 40);
    std::uniform_int_distribution<int> byte(0, 255);
    std::bernoulli_distribution high(0.6);
    int failures = 0;
    for (int round = 0; round < 20000; ++round) {
        std::string s(static_cast<std::size_t>(length(random)), '\0');
        for (char &c : s)
            c = static_cast<char>(high(random) ? 0x80 + byte(random) / 2 : byte(random));
        try {
            const std::string out = PinyinInitials(s);
            EXPECT_LE(out.size(), s.size());
            for (char c : out)
                EXPECT_TRUE(std::isalnum(static_cast<unsigned char>(c)) || c == '?') << int(c);
        } catch (const UnreadableCodeError &) {
            ++failures;
            EXPECT_NE(s.find('\xFF'), std::string::npos);
        }
        if (s.find('\xFF') == std::string::npos)
            continue;
        // Without its 0xFF bytes (each replaced by "?"), the same string never fails.
        std::string cleaned = s;
        for (char &c : cleaned)
            if (c == '\xFF')
                c = '?';
        EXPECT_NO_THROW(PinyinInitials(cleaned));
    }
    EXPECT_GT(failures, 0);
}

TEST(ReadingTable, TellingCharacters)
{
    struct Case {
        const char *character;
        char initial;
    };
    const Case cases[] = {
        {"张", 'Z'},
        {"王", 'W'},
        {"李", 'L'},
        {"一", 'Y'},
        {"小", 'X'},
        {"明", 'M'},
        {"赵", 'Z'},
        {"佛", 'F'},
        {"给", 'G'},
        {"髟", 'B'},
        {"啊", 'A'},
        {"座", 'Z'},
        {"亍", 'C'},
        {"齄", 'Z'},
        {"女", 'N'},
        {"绿", 'L'},
        {"丂", 'K'},
        {"龘", 'D'},
        {"嗀", 'H'},
        // Readings of the 2013 standard where Unihan's customary reading is an older one.
        {"傀", 'K'},
        {"椎", 'Z'},
        {"吖", 'A'},
        {"喔", 'W'},
        {"蹒", 'P'},
        {"龈", 'Y'},
        // Polyphones: the more frequent reading.
        {"调", 'T'},
        {"弹", 'T'},
        {"泊", 'B'},
        {"咖", 'K'},
        {"幢", 'Z'},
        {"茄", 'Q'},
        {"行", 'X'},
        {"长", 'Z'},
        // A near tie of word weights keeps Unihan's kMandarin reading: 腌 yān.
        {"腌", 'Y'},
        // Name readings: 晟 shèng (Unihan kHanyuPinyin, 汉语大字典), 筠 yún and 栎 lì (kMandarin).
        {"晟", 'S'},
        {"筠", 'Y'},
        {"栎", 'L'},
    };
    for (const auto &c : cases) {
        const std::string gbk = Utf8ToGbk(c.character);
        ASSERT_EQ(gbk.size(), 2u) << c.character;
        EXPECT_EQ(ReadingInitial(static_cast<unsigned char>(gbk[0]), static_cast<unsigned char>(gbk[1])), c.initial)
            << c.character;
    }
}

TEST(ReadingTable, SymbolsHaveNoReading)
{
    for (int lead = 0xA1; lead <= 0xA9; ++lead)
        for (int trail = 0x40; trail <= 0xFE; ++trail)
            EXPECT_EQ(ReadingInitial(static_cast<unsigned char>(lead), static_cast<unsigned char>(trail)), 0)
                << std::hex << lead << ' ' << trail;
}

bool IsCjkIdeograph(const std::string &utf8)
{
    // U+4E00..U+9FFF: three bytes E4 B8 80 .. E9 BF BF.
    if (utf8.size() != 3)
        return false;
    const auto b0 = static_cast<unsigned char>(utf8[0]);
    const auto b1 = static_cast<unsigned char>(utf8[1]);
    return (b0 == 0xE4 && b1 >= 0xB8) || (b0 >= 0xE5 && b0 <= 0xE9);
}

// Every ideograph of GB2312 has a reading: 6763 of them (the codes D7FA..D7FE are unassigned).
TEST(ReadingTable, EveryGb2312IdeographHasAReading)
{
    int ideographs = 0;
    int withReading = 0;
    for (int lead = 0xB0; lead <= 0xF7; ++lead) {
        for (int trail = 0xA1; trail <= 0xFE; ++trail) {
            const std::string code{static_cast<char>(lead), static_cast<char>(trail)};
            if (!IsCjkIdeograph(GbkToUtf8(code)))
                continue;
            ++ideographs;
            const char initial = ReadingInitial(static_cast<unsigned char>(lead), static_cast<unsigned char>(trail));
            if (initial != 0)
                ++withReading;
            else
                ADD_FAILURE() << "no reading for " << GbkToUtf8(code);
        }
    }
    EXPECT_EQ(ideographs, 6763);
    EXPECT_EQ(withReading, 6763);
}

// The extension ideographs of GBK (outside GB2312) take what Unihan gives: nearly all have a
// reading; the few without are unit characters like 瓧 and compatibility ideographs like 﨎.
TEST(ReadingTable, ExtensionIdeographsAndInitialLetters)
{
    int extension = 0;
    int withReading = 0;
    for (int lead = 0x81; lead <= 0xFE; ++lead) {
        for (int trail = 0x40; trail <= 0xFE; ++trail) {
            const auto l = static_cast<unsigned char>(lead);
            const auto t = static_cast<unsigned char>(trail);
            const char initial = ReadingInitial(l, t);
            // No pinyin syllable begins with i, u or v.
            if (initial != 0) {
                EXPECT_TRUE(initial >= 'A' && initial <= 'Z' && initial != 'I' && initial != 'U' && initial != 'V')
                    << std::hex << lead << ' ' << trail << ' ' << initial;
            }
            if (lead >= 0xB0 && lead <= 0xF7 && trail >= 0xA1)
                continue;
            const std::string text = GbkToUtf8(std::string{static_cast<char>(l), static_cast<char>(t)});
            if (!IsCjkIdeograph(text))
                continue;
            ++extension;
            withReading += initial != 0;
        }
    }
    EXPECT_EQ(extension, 14139);
    EXPECT_GE(withReading, extension - 20);
    EXPECT_EQ(ReadingInitial(0x81, 0x3F), 0);  // outside the table
    EXPECT_EQ(ReadingInitial(0xFF, 0x41), 0);
}

// Typed Traditional characters are read as their Simplified forms where those have a reading.
TEST(NetNameGbk, TraditionalReadsAsSimplified)
{
    ExpectEach<std::string, std::string>([](const std::string &typed) { return PinyinInitials(NetNameGbk(typed)); },
                                         {
                                             {"張三", "ZS"},
                                             {"张三abc", "ZSABC"},
                                             // 調 alone would read D (diao); its form 调 reads T (tiao).
                                             {"調", PinyinInitials(Utf8ToGbk("调"))},
                                             // 鰆's form 䲠 is not in GBK: 鰆 keeps its own reading.
                                             {"鰆", PinyinInitials(Utf8ToGbk("鰆"))},
                                             // Outside GBK and without a Simplified form: "?", a symbol.
                                             {"张\xF0\x9F\x98\x80", "Z"},
                                         });
    EXPECT_NE(PinyinInitials(Utf8ToGbk("調")), PinyinInitials(Utf8ToGbk("调")));
}

TEST(NetNameTrait, LastLetterChoosesTheTrait)
{
    ExpectEach<std::string, std::string>(Trait,
                                         {
                                             {"张三", "心胸宽大，有深藏不露的自恋"},
                                             {"小明", "反复无常，喜欢模仿神秘人物举动的小孩子性格，但是常常被宠爱"},
                                             {"ABC", "可爱，较明显的自恋"},
                                             {"abc", "可爱，较明显的自恋"},
                                             {"abc!", "可爱，较明显的自恋"},
                                             {"007", "大丈夫主义者"},  // JJG
                                             {"10", "煽情高手"},       // AJ
                                             {"Ⅻ", "老实，沉默"},      // 12 -> AB
                                             {"ａ", "好奇心强，专一"},
                                             {"θ", "自立，自强，可依靠"},  // TH
                                             {"9", "有点懒惰"},
                                             {"⑩", "煽情高手"},
                                             {"!!!", ""},
                                             {"张。", ""},
                                             {"。张", "老实，想问题容易兜圈子"},  // ?Z
                                             {"", ""},
                                         });
}

TEST(NetNameTrait, EveryLetterHasATrait)
{
    for (char c = 'A'; c <= 'Z'; ++c)
        EXPECT_EQ(NetNameTrait(std::string(1, c)), NetNameTrait(std::string(1, static_cast<char>(c + 32)))) << c;
    EXPECT_EQ(NetNameTrait("z"), "老实，想问题容易兜圈子");
    EXPECT_EQ(NetNameTrait("y"), "乐天派呀！非同一般的乐天");
    EXPECT_THROW(NetNameTrait("abc\xFF\x41"
                              "d"),
                 UnreadableCodeError);
}

}  // namespace
}  // namespace orlenvo
