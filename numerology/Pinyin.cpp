#include "numerology/Pinyin.h"

#include "core/Simplified.h"

#include <cstdio>
#include <utility>

namespace orlenvo {

namespace {

// clang-format off

// Lead byte 0xA2: ⅰ..ⅹ at A1..AA, ⒈..⒛ at B1..C4, ⑴..⒇ at C5..D8, ①..⑩ at D9..E2,
// ㈠..㈩ at E5..EE, Ⅰ..Ⅻ at F1..FC; the unassigned codes between them add nothing.
struct NumeralRun {
    unsigned char first;
    unsigned char last;
};
constexpr NumeralRun kNumeralRuns[] = {
    {0xA1, 0xAA}, {0xB1, 0xC4}, {0xC5, 0xD8}, {0xD9, 0xE2}, {0xE5, 0xEE}, {0xF1, 0xFC},
};

constexpr const char *kNumbers[] = {
    "1", "2", "3", "4", "5", "6", "7", "8", "9", "10",
    "11", "12", "13", "14", "15", "16", "17", "18", "19", "20",
};

// Lead byte 0xA6: capitals Α..Ω at A1..B8 and small α..ω at C1..D8, in alphabet order.
constexpr const char *kGreek[24] = {
    "A", "B", "G", "D", "E", "Z", "E", "TH", "I", "K", "L", "M",
    "N", "X", "O", "P", "R", "S", "T", "U", "PH", "KH", "PS", "O",
};

// Traits by the last letter of the initials, "a" to "z".
constexpr const char *kTraits[26] = {
    "好奇心强，专一",
    "老实，沉默",
    "可爱，较明显的自恋",
    "温柔，乖巧",
    "会拍马屁，攀关系",
    "有抱负，志气高",
    "大丈夫主义者",
    "自立，自强，可依靠",
    "有点懒惰",
    "煽情高手",
    "古怪，求新",
    "圆滑",
    "反复无常，喜欢模仿神秘人物举动的小孩子性格，但是常常被宠爱",
    "不贪图安逸，能想到别人想不到的东西",
    "勤劳肯干，活跃",
    "认为朋友和恋人是最重要的，是他们的特点",
    "超级赶时髦者，无敌扫旧派",
    "固执，略有才气",
    "心胸宽大，有深藏不露的自恋",
    "热爱青春，喜欢活力",
    "不耻下问",
    "好静，有点表里不一",
    "比较糊涂，容易感情用事",
    "有恒心，害怕做重复的事情，哪怕是别人重复他做过的事",
    "乐天派呀！非同一般的乐天",
    "老实，想问题容易兜圈子",
};

// clang-format on

bool IsAsciiDigit(unsigned char c)
{
    return c >= '0' && c <= '9';
}
bool IsAsciiLetter(unsigned char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}
char ToUpper(char c)
{
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}
char ToLower(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

void AppendNumeral(std::string &out, unsigned char trail)
{
    for (const NumeralRun &run : kNumeralRuns) {
        if (trail >= run.first && trail <= run.last) {
            out += kNumbers[trail - run.first];
            return;
        }
    }
    // Unassigned codes between the runs add nothing; codes below them and 0xFF have no reading.
    if (trail < 0xA1 || trail == 0xFF)
        out += '?';
}

void AppendFullWidth(std::string &out, unsigned char trail)
{
    if (trail < 0xA1 || trail > 0xFE)
        return;
    const auto c = static_cast<unsigned char>(trail - 0x80);
    if (IsAsciiDigit(c) || IsAsciiLetter(c))
        out += static_cast<char>(c);
}

void AppendGreek(std::string &out, unsigned char trail)
{
    if (trail >= 0xA1 && trail <= 0xB8)
        out += kGreek[trail - 0xA1];
    else if (trail >= 0xC1 && trail <= 0xD8)
        out += kGreek[trail - 0xC1];
    else
        out += '?';
}

std::string FormatCode(unsigned char lead, unsigned char trail)
{
    char text[64];
    std::snprintf(text, sizeof text, "GBK code %02X %02X is outside the reading table", lead, trail);
    return text;
}

bool HasReading(std::string_view gbk)
{
    return gbk.size() == 2 &&
           ReadingInitial(static_cast<unsigned char>(gbk[0]), static_cast<unsigned char>(gbk[1])) != 0;
}

}  // namespace

UnreadableCodeError::UnreadableCodeError(unsigned char lead, unsigned char trail) : UserError(FormatCode(lead, trail))
{}

std::string PinyinInitials(std::string_view gbk)
{
    std::string out;
    out.reserve(gbk.size());
    const std::size_t n = gbk.size();
    std::size_t i = 0;
    while (i < n) {
        const auto c = static_cast<unsigned char>(gbk[i]);
        const auto t = i + 1 < n ? static_cast<unsigned char>(gbk[i + 1]) : 0;
        if (c < 0x81 || t < 0x40) {
            if (IsAsciiDigit(c) || IsAsciiLetter(c))
                out += ToUpper(static_cast<char>(c));
            ++i;
            continue;
        }
        i += 2;
        switch (c) {
        case 0xA2: AppendNumeral(out, t); break;
        case 0xA3: AppendFullWidth(out, t); break;
        case 0xA6: AppendGreek(out, t); break;
        default:
            if (c == 0xFF || t == 0xFF)
                throw UnreadableCodeError(c, t);
            const char initial = ReadingInitial(c, t);
            out += initial != 0 ? initial : '?';
            break;
        }
    }
    return out;
}

std::string NetNameTrait(std::string_view gbkName)
{
    const std::string initials = PinyinInitials(gbkName);
    if (initials.empty())
        return {};
    char last = initials.back();
    if (IsAsciiDigit(static_cast<unsigned char>(last)))
        last = last == '0' ? 'j' : static_cast<char>('a' + (last - '1'));
    last = ToLower(last);
    if (last < 'a' || last > 'z')
        return {};
    return kTraits[last - 'a'];
}

std::string NetNameGbk(std::string_view utf8Name)
{
    const std::string simplified = ToSimplified(utf8Name);
    std::string out;
    out.reserve(utf8Name.size());
    // Every row of the table keeps the number of characters, so the two texts align
    // character by character.
    std::size_t at = 0;
    std::size_t simplifiedAt = 0;
    while (at < utf8Name.size()) {
        const std::size_t end = NextUtf8Character(utf8Name, at);
        const std::string_view typed = utf8Name.substr(at, end - at);
        std::string gbk = Utf8ToGbk(typed);
        if (simplifiedAt < simplified.size()) {
            const std::size_t simplifiedEnd = NextUtf8Character(simplified, simplifiedAt);
            const std::string_view form =
                std::string_view(simplified).substr(simplifiedAt, simplifiedEnd - simplifiedAt);
            if (form != typed) {
                std::string formGbk = Utf8ToGbk(form);
                if (HasReading(formGbk))
                    gbk = std::move(formGbk);
            }
            simplifiedAt = simplifiedEnd;
        }
        out += gbk;
        at = end;
    }
    return out;
}

}  // namespace orlenvo
