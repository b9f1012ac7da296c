// The almanac core: the sixty-day tables, the pillar switches, the officers, days checked
// against printed almanacs and against lunar-javascript, the month table and its reader.
#include "calendar/Almanac.h"
#include "calendar/AlmanacTable.h"
#include "calendar/CalendarLabels.h"
#include "calendar/TableLines.h"
#include "tests/support/Rows.h"
#include "tests/support/ScratchFolder.h"
#include "tools/dbbuild/DbBuild.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <limits>
#include <set>
#include <sstream>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

namespace orlenvo {
namespace {

using testing::ExpectEach;

std::string LastCharacter(const std::string &text)
{
    return text.size() >= 3 ? text.substr(text.size() - 3) : text;
}

TEST(AlmanacCycle, StemAndBranchGiveBackTheirCycle)
{
    for (int n = 0; n < 60; ++n)
        EXPECT_EQ(CycleOf(StemOfCycle(n), BranchOfCycle(n)), n);
    ExpectEach<int, std::string>(CycleName, {{0, "甲子"}, {40, "甲辰"}, {59, "癸亥"}});
    EXPECT_EQ(CycleOf(0, 1), -1);  // 甲丑 does not exist
    EXPECT_EQ(CycleOf(1, 0), -1);
}

// 纳音: the two days of a pair share their sound, and its element follows the counting rule
// 甲乙1 丙丁2 戊己3 庚辛4 壬癸5 + 子丑午未1 寅卯申酉2 辰巳戌亥3, the sum mod 5 giving
// 1 木 2 金 3 水 4 火 0 土.
TEST(AlmanacCycle, NayinOfAllSixtyDays)
{
    const char *elements[5] = {"土", "木", "金", "水", "火"};
    const int branchNumber[12] = {1, 1, 2, 2, 3, 3, 1, 1, 2, 2, 3, 3};
    std::set<std::string> sounds;
    for (int n = 0; n < 60; ++n) {
        const std::string sound = NayinOf(n);
        const int sum = StemOfCycle(n) / 2 + 1 + branchNumber[BranchOfCycle(n)];
        EXPECT_EQ(LastCharacter(sound), elements[sum % 5]) << CycleName(n) << " " << sound;
        if (n % 2 == 1) {
            EXPECT_EQ(sound, NayinOf(n - 1)) << CycleName(n);
        }
        sounds.insert(sound);
    }
    EXPECT_EQ(sounds.size(), 30U);
    ExpectEach<int, std::string>(NayinOf, {{0, "海中金"}, {40, "覆灯火"}, {59, "大海水"}});
}

// 胎神 of the whole cycle, written out from the stem and branch places and the table of
// where the spirit stays (甲子–乙丑 外东南 … 庚申–癸亥 外东南).
TEST(AlmanacCycle, FoetusSpiritOfAllSixtyDays)
{
    const char *expected[60] = {
        "占门碓 外东南", "碓磨厕 外东南", "厨灶炉 外正南", "仓库门 外正南", "房床栖 外正南", "占门床 外正南",
        "占碓磨 外正南", "厨灶厕 外西南", "仓库炉 外西南", "房床门 外西南", "占门栖 外西南", "碓磨床 外西南",
        "厨灶碓 外西南", "仓库厕 外正西", "房床炉 外正西", "占大门 外正西", "碓磨栖 外正西", "厨灶床 外正西",
        "仓库碓 外西北", "房床厕 外西北", "占门炉 外西北", "碓磨门 外西北", "厨灶栖 外西北", "仓库床 外西北",
        "房床碓 外正北", "占门厕 外正北", "碓磨炉 外正北", "厨灶门 外正北", "仓库栖 外正北", "占房床 房内北",
        "占门碓 房内北", "碓磨厕 房内北", "厨灶炉 房内北", "仓库门 房内北", "房床栖 房内中", "占门床 房内中",
        "占碓磨 房内南", "厨灶厕 房内南", "仓库炉 房内南", "房床门 房内西", "占门栖 房内东", "碓磨床 房内东",
        "厨灶碓 房内东", "仓库厕 房内东", "房床炉 房内中", "占大门 外东北", "碓磨栖 外东北", "厨灶床 外东北",
        "仓库碓 外东北", "房床厕 外东北", "占门炉 外东北", "碓磨门 外正东", "厨灶栖 外正东", "仓库床 外正东",
        "房床碓 外正东", "占门厕 外正东", "碓磨炉 外东南", "厨灶门 外东南", "仓库栖 外东南", "占房床 外东南",
    };
    for (int n = 0; n < 60; ++n)
        EXPECT_EQ(FoetusSpiritText(n), expected[n]) << CycleName(n);
}

TEST(AlmanacCycle, ClashAndShaDirection)
{
    ExpectEach<int, std::string>(ClashText, {
                                                {0, "冲马(戊午)煞南"},   // 甲子: 申子辰 煞南
                                                {40, "冲狗(戊戌)煞南"},  // 甲辰
                                                {1, "冲羊(己未)煞东"},   // 乙丑: 巳酉丑 煞东
                                                {2, "冲猴(庚申)煞北"},   // 丙寅: 寅午戌 煞北
                                                {3, "冲鸡(辛酉)煞西"},   // 丁卯: 亥卯未 煞西
                                                {59, "冲蛇(丁巳)煞西"},  // 癸亥
                                                {6, "冲鼠(甲子)煞北"},   // 庚午
                                            });
}

TEST(AlmanacCycle, PengzuTaboosByStemAndBranch)
{
    ExpectEach<int, std::string>(PengzuText, {{0, "甲不开仓财物耗散 子不问卜自惹祸殃"},
                                              {40, "甲不开仓财物耗散 辰不哭泣必主重丧"},
                                              {59, "癸不词讼理弱敌强 亥不嫁娶不利新郎"},
                                              {22, "丙不修灶必见灾殃 戌不吃犬作怪上床"}});
}

// Days checked against published almanac pages; each row names where its values come from.
TEST(AlmanacEntry, DaysAsPrintedInAlmanacs)
{
    struct Row {
        int y, m, d;
        const char *source;
        const char *suici;
        const char *nn;  // nullptr here and below: not checked
        const char *wuhang;
        const char *cong;
        const char *pzbj;
        const char *tszf;
    };
    const Row rows[] = {
        {2008, 1, 5, "printed almanac page of 5 Jan 2008, as quoted in our brief", "丁亥年 壬子月 甲辰日",
         "农历丁亥年冬月廿七 星期六", "覆灯火 定执位", "冲狗(戊戌)煞南", "甲不开仓财物耗散 辰不哭泣必主重丧",
         "占门栖 房内东"},
        {2008, 2, 4, "printed almanac, 立春 2008: 戊子年 甲寅月 甲戌日", "戊子年 甲寅月 甲戌日", nullptr, nullptr,
         nullptr, nullptr, nullptr},
        {2008, 8, 8, "almanac pillars widely printed for the Beijing Olympic opening day", "戊子年 庚申月 庚辰日",
         "农历戊子年七月初八 星期五", nullptr, nullptr, nullptr, nullptr},
        {1949, 10, 1, "almanac pillars widely printed for 1 Oct 1949 (农历八月初十, 甲子日)", "己丑年 癸酉月 甲子日",
         "农历己丑年八月初十 星期六", nullptr, nullptr, nullptr, nullptr},
        {2001, 1, 1, "almanac: 1 Jan 2001 was a 甲子 day of the 庚辰 year", "庚辰年 戊子月 甲子日", nullptr, nullptr,
         nullptr, nullptr, nullptr},
        {2000, 1, 1, "almanac: 1 Jan 2000 was a 戊午 day of the 己卯 year", "己卯年 丙子月 戊午日", nullptr, nullptr,
         nullptr, nullptr, nullptr},
    };
    for (const Row &r : rows) {
        const AlmanacEntry e = AlmanacEntryOf(EncodeDate(r.y, r.m, r.d));
        SCOPED_TRACE(r.source);
        const std::pair<const std::string &, const char *> fields[] = {{e.suici, r.suici},   {e.nn, r.nn},
                                                                       {e.wuhang, r.wuhang}, {e.cong, r.cong},
                                                                       {e.pzbj, r.pzbj},     {e.tszf, r.tszf}};
        for (const auto &[shown, expected] : fields) {
            if (expected) {
                EXPECT_EQ(shown, expected);
            }
        }
    }
}

TEST(AlmanacEntry, DateAndLunarLine)
{
    const AlmanacEntry leap = AlmanacEntryOf(EncodeDate(2001, 5, 23));
    EXPECT_EQ(leap.gn, "2001-05-23");
    EXPECT_EQ(leap.nn, "农历辛巳年闰四月初一 星期三");
    // Still the lunar year 丁亥 on the eve of the new year, though the pillar year is 戊子.
    const AlmanacEntry eve = AlmanacEntryOf(EncodeDate(2008, 2, 6));
    EXPECT_EQ(eve.nn, "农历丁亥年腊月三十 星期三");
    EXPECT_EQ(eve.suici.substr(0, eve.suici.find(' ')), "戊子年");
    EXPECT_EQ(AlmanacEntryOf(EncodeDate(2008, 2, 7)).nn, "农历戊子年正月初一 星期四");
}

TEST(AlmanacEntry, SpanIsTheCalendarTables)
{
    EXPECT_EQ(FirstAlmanacDate(), EncodeDate(1901, 1, 1));
    EXPECT_EQ(LastAlmanacDate(), EncodeDate(2050, 12, 31));
    // Before 立春 1901 the pillars still belong to 庚子 (1900).
    EXPECT_EQ(AlmanacEntryOf(FirstAlmanacDate()).suici, "庚子年 戊子月 己卯日");
    EXPECT_EQ(AlmanacEntryOf(LastAlmanacDate()).gn, "2050-12-31");
    EXPECT_THROW(AlmanacEntryOf(EncodeDate(1900, 12, 31)), std::out_of_range);
    EXPECT_THROW(AlmanacEntryOf(EncodeDate(2051, 1, 1)), std::out_of_range);
    EXPECT_THROW(PillarsOf(EncodeDate(2051, 1, 1)), std::out_of_range);
}

// Values that are no day of the span fail like any date outside it, before anything converts
// them to an integer (NaN compares false with everything; huge values overflow an int).
TEST(AlmanacEntry, NotANumberAndHugeDatesAreOutOfRange)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    const double outside[] = {
        nan,
        -nan,
        inf,
        -inf,
        1e300,
        -1e300,
        std::numeric_limits<double>::max(),
        std::numeric_limits<double>::lowest(),
        4294967296.0,
        -2147483649.0,
        FirstAlmanacDate() - 1e-9,
        LastAlmanacDate() + 1,
    };
    for (double date : outside) {
        SCOPED_TRACE(date);
        EXPECT_THROW(AlmanacEntryOf(date), std::out_of_range);
        EXPECT_THROW(AlmanacDayOf(date), std::out_of_range);
        EXPECT_THROW(PillarsOf(date), std::out_of_range);
    }
    EXPECT_EQ(AlmanacEntryOf(LastAlmanacDate() + 0.999).gn, "2050-12-31");
    EXPECT_EQ(AlmanacEntryOf(FirstAlmanacDate() + 0.5).gn, "1901-01-01");
    EXPECT_THROW(DayCycleOf(nan), std::out_of_range);
    EXPECT_THROW(DayCycleOf(-inf), std::out_of_range);
    // Far-out day counts still have their place in the cycle: 60 days on is the same day.
    EXPECT_EQ(DayCycleOf(6e15), DayCycleOf(6e15 + 60));
    EXPECT_EQ(DayCycleOf(-1e12), DayCycleOf(-1e12 - 600));
    EXPECT_EQ(DayCycleOf(-1), (DayCycleOf(0) + 59) % 60);
}

// Over the whole span: the day pillar steps by one each day; the month pillar steps by one
// exactly on each 节 day (so the 五虎遁 stems run on unbroken through the years); the year
// pillar steps by one exactly on each 立春 day.
TEST(AlmanacPillars, SwitchOnTheDaysOfTheTerms)
{
    Pillars previous = PillarsOf(FirstAlmanacDate());
    int monthChanges = 0;
    for (CalendarDate date = FirstAlmanacDate() + 1; date <= LastAlmanacDate(); date += 1) {
        int y = 0, m = 0, d = 0;
        DecodeDate(date, y, m, d);
        const Pillars p = PillarsOf(date);
        const bool jie = d == SolarTermDay(y, m, 0);
        const bool lichun = jie && m == 2;
        ASSERT_EQ(p.day, (previous.day + 1) % 60) << y << "-" << m << "-" << d;
        ASSERT_EQ(p.month, jie ? (previous.month + 1) % 60 : previous.month) << y << "-" << m << "-" << d;
        ASSERT_EQ(p.year, lichun ? (previous.year + 1) % 60 : previous.year) << y << "-" << m << "-" << d;
        ASSERT_EQ(BranchOfCycle(p.month), jie ? m % 12 : BranchOfCycle(p.month));
        monthChanges += jie;
        previous = p;
    }
    EXPECT_EQ(monthChanges, 150 * 12);
    // 2008: 寅 month of a 戊 year is 甲寅 (五虎遁), from 立春 on 4 February.
    EXPECT_EQ(CycleName(PillarsOf(EncodeDate(2008, 2, 3)).month), "癸丑");
    EXPECT_EQ(CycleName(PillarsOf(EncodeDate(2008, 2, 4)).month), "甲寅");
    EXPECT_EQ(CycleName(PillarsOf(EncodeDate(2008, 2, 3)).year), "丁亥");
    EXPECT_EQ(CycleName(PillarsOf(EncodeDate(2008, 2, 4)).year), "戊子");
}

// 建 falls on the day of the month's own branch; on a 节 day the officer of the day before
// repeats, on every other day the next officer follows.
TEST(AlmanacPillars, OfficersStartAtJianAndRepeatOnTheJieDay)
{
    EXPECT_STREQ(OfficerName(OfficerOf(2, 2)), "建");  // 寅 day of the 寅 month
    EXPECT_STREQ(OfficerName(OfficerOf(2, 8)), "破");  // 申 day: the clash
    EXPECT_STREQ(OfficerName(OfficerOf(0, 4)), "定");  // 辰 day of the 子 month
    EXPECT_STREQ(OfficerName(OfficerOf(2, 1)), "闭");
    int previous = AlmanacDayOf(FirstAlmanacDate()).officer;
    for (CalendarDate date = FirstAlmanacDate() + 1; date <= EncodeDate(1910, 12, 31); date += 1) {
        int y = 0, m = 0, d = 0;
        DecodeDate(date, y, m, d);
        const AlmanacDay day = AlmanacDayOf(date);
        const bool jie = d == SolarTermDay(y, m, 0);
        ASSERT_EQ(day.officer, jie ? previous : (previous + 1) % 12) << y << "-" << m << "-" << d;
        previous = day.officer;
    }
}

// ---- the month table ----

const std::filesystem::path kMonthTable =
    dbbuild::AlmanacMonthTableFile(std::filesystem::path(ORLENVO_SOURCE_DIR) / "content");

const AlmanacMonthTable &MonthTable()
{
    static const AlmanacMonthTable table = dbbuild::ReadAlmanacMonthTable(kMonthTable);
    return table;
}

std::string MonthTableText()
{
    std::ifstream in(kMonthTable, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Whole rows of the committed table, its lines taken as they are: the reader finds every
// pair, and a list's text is its items joined by one blank.
TEST(AlmanacMonthTable, HoldsAllPairsOfMonthBranchAndDay)
{
    const AlmanacMonthTable &table = MonthTable();
    std::set<std::string> rows;
    std::istringstream lines(MonthTableText());
    for (std::string line; std::getline(lines, line);)
        if (!line.empty() && line[0] != '#')
            rows.insert(line);
    EXPECT_EQ(rows.size(), 720U);
    for (int month = 0; month < 12; ++month) {
        for (int day = 0; day < 60; ++day) {
            const AlmanacLists &l = table.Of(month, day);
            const std::string row = std::string(BranchName(month)) + "\t" + CycleName(day) + "\t" + l.goodSpirits.text +
                                    "\t" + l.badSpirits.text + "\t" + l.suits.text + "\t" + l.avoids.text;
            ASSERT_TRUE(rows.count(row)) << row;
            for (const AlmanacList *list : {&l.goodSpirits, &l.badSpirits, &l.suits, &l.avoids}) {
                ASSERT_FALSE(list->items.empty());
                std::string joined;
                for (const std::string &item : list->items)
                    joined += (joined.empty() ? "" : " ") + item;
                ASSERT_EQ(joined, list->text);
            }
        }
    }
}

// What a day suits it does not also forbid; only "诸事不宜" may stand on both sides.
TEST(AlmanacMonthTable, NoActivityIsBothSuitedAndForbidden)
{
    for (int month = 0; month < 12; ++month)
        for (int day = 0; day < 60; ++day) {
            const AlmanacLists &l = MonthTable().Of(month, day);
            for (const std::string &item : l.suits.items) {
                const auto &avoids = l.avoids.items;
                EXPECT_TRUE(item == "诸事不宜" || std::find(avoids.begin(), avoids.end(), item) == avoids.end())
                    << BranchName(month) << " " << CycleName(day) << ": " << item;
            }
        }
}

// Days whose lists were read from lunar-javascript 1.7.7 by hand, through
// Solar.fromYmd(y, m, d).getLunar(): getMonthInGanZhi, getDayInGanZhi, getDayJiShen,
// getDayXiongSha, getDayYi and getDayJi.
TEST(AlmanacMonthTable, DaysAsTheLibraryGivesThem)
{
    struct Row {
        int y, m, d;
        const char *note;
        const char *suici, *jsyq, *xsyq, *yi, *ji;
    };
    const Row rows[] = {
        {2008, 1, 5, "the last day of the 子 month, before 小寒", "丁亥年 壬子月 甲辰日",
         "月恩 四相 三合 临日 时阴 天仓 圣心", "死气 天牢",
         "求嗣 斋醮 塑绘 订盟 纳采 出火 拆卸 修造 动土 造桥 安机械 栽种 纳畜 牧养 入殓 除服 成服 移柩 破土 安葬",
         "开市 嫁娶"},
        {2008, 1, 6, "小寒: the 丑 month begins on the day of its 节", "丁亥年 癸丑月 乙巳日",
         "天德合 月德合 四相 三合 时阴 六仪 玉堂", "厌对 招摇 死气 九坎 九焦 重日",
         "嫁娶 订盟 纳采 会亲友 祭祀 安机械 移徙 入宅 盖屋 安床 起基 定磉 安香 出火 挂匾 拆卸 置产",
         "开市 出行 安葬 行丧"},
        {2008, 1, 8, "月破: a 未 day of the 丑 month", "丁亥年 癸丑月 丁未日", "普护",
         "月破 大耗 四击 九空 八专 元武 阳破阴冲", "祭祀 破屋 坏垣 馀事勿取", "斋醮 嫁娶 开市"},
        {2019, 6, 1, "月建 day: 诸事不宜", "己亥年 己巳月 己巳日", "月恩 四相 王日",
         "月建 小时 土府 重日 勾陈 小会 纯阳 阳错", "塞穴 结网 馀事勿取", "诸事不宜"},
        {2012, 5, 12, "nothing forbidden: 无", "壬辰年 乙巳月 癸酉日", "民日 三合 时阴 要安 除神 鸣吠",
         "死气 五离 朱雀",
         "嫁娶 祭祀 祈福 求嗣 开光 出行 出火 拆卸 动土 上梁 进人口 入宅 移徙 安床 安门 开市 交易 立券 挂匾 栽种 破土 "
         "安葬",
         "无"},
    };
    for (const Row &r : rows) {
        SCOPED_TRACE(std::to_string(r.y) + "-" + std::to_string(r.m) + "-" + std::to_string(r.d) + ", " + r.note);
        const AlmanacEntry e = AlmanacEntryOf(EncodeDate(r.y, r.m, r.d), MonthTable());
        EXPECT_EQ(e.suici, r.suici);
        EXPECT_EQ(e.jsyq, r.jsyq);
        EXPECT_EQ(e.xsyq, r.xsyq);
        EXPECT_EQ(e.yi, r.yi);
        EXPECT_EQ(e.ji, r.ji);
    }
    // Without the table only the computed columns are filled.
    const AlmanacEntry computed = AlmanacEntryOf(EncodeDate(2008, 1, 5));
    EXPECT_EQ(computed.wuhang, "覆灯火 定执位");
    EXPECT_TRUE(computed.jsyq.empty() && computed.yi.empty() && computed.xsyq.empty() && computed.ji.empty());
}

// The reader refuses a table that lost, repeated or garbled a row, and says on which line.
TEST(AlmanacMonthTable, ReaderRefusesBrokenTables)
{
    const std::string good = MonthTableText();
    EXPECT_NO_THROW(AlmanacMonthTable::Parse(good));
    const std::string firstRow = "寅\t甲子\t";
    const std::size_t at = good.find("\n" + firstRow) + 1;
    ASSERT_NE(at, 0U);
    const std::size_t end = good.find('\n', at);
    const std::string row = good.substr(at, end - at);
    const auto withRow = [&](const std::string &replacement) {
        return good.substr(0, at) + replacement + good.substr(end);
    };
    struct Case {
        std::string text;
        const char *message;
    };
    const Case cases[] = {
        {withRow(""), "the pair 寅 甲子 is missing"},
        {withRow("# " + row), "the pair 寅 甲子 is missing"},
        {good + row + "\n", "already given on line 9"},
        {withRow(row + "\t"), "expected 6 fields"},
        {withRow("寅\t甲子\t天恩\t灾煞\t嫁娶"), "found 5"},
        {withRow("甲\t甲子\t天恩\t灾煞\t嫁娶\t入宅"), "'甲' is not a branch"},
        {withRow("寅\t甲丑\t天恩\t灾煞\t嫁娶\t入宅"), "'甲丑' is not a 干支"},
        {withRow("寅\t甲子\t\t灾煞\t嫁娶\t入宅"), "an empty list"},
        {withRow("寅\t甲子\t天恩  母仓\t灾煞\t嫁娶\t入宅"), "not separated by one blank"},
        {withRow("寅\t甲子\t天恩\t灾煞 \t嫁娶\t入宅"), "not separated by one blank"},
        {withRow("寅\t甲子\t天恩\t灾煞\t嫁娶\r\t入宅"), "a control character"},
    };
    for (const Case &c : cases) {
        try {
            AlmanacMonthTable::Parse(c.text);
            ADD_FAILURE() << "accepted: " << c.message;
        } catch (const TableError &e) {
            EXPECT_NE(std::string(e.what()).find(c.message), std::string::npos) << e.what();
            if (std::string(c.message).find("missing") == std::string::npos) {
                EXPECT_GT(e.Line(), 0) << e.what();
            }
        }
    }
}

// The database build names the file of a broken table and reads CR LF and a byte-order mark.
TEST(AlmanacMonthTable, BuildReadsTheFileAndNamesIt)
{
    const testing::ScratchFolder folder;
    const auto write = [&](const char *name, const std::string &text) {
        folder.Write(name, text);
        return folder.Path(name);
    };
    std::string crlf = "\xEF\xBB\xBF";
    for (char c : MonthTableText())
        crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
    const AlmanacMonthTable fromCrlf = dbbuild::ReadAlmanacMonthTable(write("crlf.txt", crlf));
    EXPECT_EQ(fromCrlf.Of(2, 0).avoids.text, MonthTable().Of(2, 0).avoids.text);
    try {
        dbbuild::ReadAlmanacMonthTable(write("short.txt", "# nothing\n"));
        ADD_FAILURE() << "accepted an empty table";
    } catch (const dbbuild::BuildError &e) {
        EXPECT_NE(std::string(e.what()).find("short.txt: the pair"), std::string::npos) << e.what();
    }
    EXPECT_THROW(dbbuild::ReadAlmanacMonthTable(folder.Path("absent.txt")), dbbuild::BuildError);
}

}  // namespace
}  // namespace orlenvo
