// The almanac entry of a day: pillars, 纳音, officer, clash, 彭祖百忌 and foetus spirit, and the
// spirits and 宜忌 of the month table.
#include "calendar/Almanac.h"

#include "calendar/CalendarLabels.h"
#include "calendar/Sexagenary.h"
#include "core/Script.h"
#include "core/Text.h"

#include <cmath>
#include <cstdio>
#include <stdexcept>

namespace orlenvo {

namespace {

// clang-format off
constexpr const char *kOfficerNames[12] = {
    "建", "除", "满", "平", "定", "执", "破", "危", "成", "收", "开", "闭",
};

// 六十甲子纳音: one sound for each pair of days, 甲子乙丑 海中金 … 壬戌癸亥 大海水.
constexpr const char *kNayin[30] = {
    "海中金", "炉中火", "大林木", "路旁土", "剑锋金", "山头火", "涧下水", "城头土", "白蜡金", "杨柳木",
    "泉中水", "屋上土", "霹雳火", "松柏木", "长流水", "沙中金", "山下火", "平地木", "壁上土", "金箔金",
    "覆灯火", "天河水", "大驿土", "钗钏金", "桑柘木", "大溪水", "沙中土", "天上火", "石榴木", "大海水",
};

// 彭祖百忌, by stem and by branch.
constexpr const char *kPengzuStem[10] = {
    "甲不开仓财物耗散", "乙不栽植千株不长", "丙不修灶必见灾殃", "丁不剃头头必生疮",
    "戊不受田田主不祥", "己不破券二比并亡", "庚不经络织机虚张", "辛不合酱主人不尝",
    "壬不泱水更难提防", "癸不词讼理弱敌强",
};
constexpr const char *kPengzuBranch[12] = {
    "子不问卜自惹祸殃", "丑不冠带主不还乡", "寅不祭祀神鬼不尝", "卯不穿井水泉不香",
    "辰不哭泣必主重丧", "巳不远行财物伏藏", "午不苫盖屋主更张", "未不服药毒气入肠",
    "申不安床鬼祟入房", "酉不会客醉坐颠狂", "戌不吃犬作怪上床", "亥不嫁娶不利新郎",
};

// 煞 direction by the day branch's 三合 group: 申子辰 南, 巳酉丑 东, 寅午戌 北, 亥卯未 西
// (indexed by branch mod 4).
constexpr const char *kShaDirection[4] = {"南", "东", "北", "西"};

// 胎神: the stem places it (甲己 门, 乙庚 碓磨, 丙辛 厨灶, 丁壬 仓库, 戊癸 房床), the branch
// adds (子午 碓, 丑未 厕, 寅申 炉, 卯酉 门, 辰戌 栖, 巳亥 床).
constexpr const char *kFoetusByStem[5] = {"门", "碓磨", "厨灶", "仓库", "房床"};
constexpr const char *kFoetusByBranch[6] = {"碓", "厕", "炉", "门", "栖", "床"};

// Where the foetus spirit stays, from the first day of each run of the cycle on.
struct FoetusRun {
    int firstCycle;
    const char *where;
};
constexpr FoetusRun kFoetusRuns[] = {
    {0, "外东南"},   // 甲子–乙丑
    {2, "外正南"},   // 丙寅–庚午
    {7, "外西南"},   // 辛未–丙子
    {13, "外正西"},  // 丁丑–辛巳
    {18, "外西北"},  // 壬午–丁亥
    {24, "外正北"},  // 戊子–壬辰
    {29, "房内北"},  // 癸巳–丁酉
    {34, "房内中"},  // 戊戌–己亥
    {36, "房内南"},  // 庚子–壬寅
    {39, "房内西"},  // 癸卯
    {40, "房内东"},  // 甲辰–丁未
    {44, "房内中"},  // 戊申
    {45, "外东北"},  // 己酉–甲寅
    {51, "外正东"},  // 乙卯–己未
    {56, "外东南"},  // 庚申–癸亥
};
// clang-format on

// Day 0 (30 December 1899) is 甲子 + 8 = 壬申: JDN 2415019, and JDN + 49 is divisible by 60
// on 甲子 days.
constexpr int kCycleOfDayZero = 8;

// Checked before any conversion to an integer: NaN fails every comparison, so the test is
// written to hold only for dates inside the span.
void CheckInRange(CalendarDate date)
{
    if (!(date >= kFirstTableDate && date < kLastTableDate + 1))
        throw std::out_of_range("date outside the almanac's span 1901-2050");
}

// The pillars of a day inside the span, whose parts are `parts`.
Pillars PillarsOn(CalendarDate date, const GregorianDate &parts)
{
    const auto [year, month, day] = parts;
    const bool pastJie = day >= SolarTermDay(year, month, 0);
    // Gregorian month m holds the 节 that opens the month of branch m mod 12 (立春 in
    // February opens 寅); before it the previous branch holds.
    const int monthBranch = pastJie ? month % 12 : (month + 11) % 12;
    // The year of the pillars begins at 立春.
    const int pillarYear = (month > 2 || (month == 2 && pastJie)) ? year : year - 1;

    Pillars p;
    p.year = YearCycleOf(pillarYear);
    // 五虎遁: the 寅 month of a 甲 or 己 year is 丙寅, of 乙庚 戊寅, 丙辛 庚寅, 丁壬 壬寅, 戊癸 甲寅.
    const int monthIndex = CyclePosition(monthBranch - 2, 12);
    const int monthStem = CyclePosition(StemOfCycle(p.year) % 5 * 2 + 2 + monthIndex, 10);
    p.month = CycleOf(monthStem, monthBranch);
    p.day = DayCycleOf(date);
    return p;
}

// The computed columns of a day's row.
AlmanacEntry ComputedEntryOf(const AlmanacDay &day)
{
    const GregorianDate parts = GregorianDateOf(day.date);
    AlmanacEntry e;
    char iso[16];
    std::snprintf(iso, sizeof iso, "%04d-%02d-%02d", parts.year, parts.month, parts.day);
    e.gn = iso;

    // 农历 + lunar year 干支 + month and day names + weekday. A leap month reads "闰四月".
    std::string monthName = LunarMonthName(day.lunar);
    if (day.lunar.leap)
        monthName += Localized("月");
    e.nn = Localized("农历") + CycleName(YearCycleOf(day.lunar.year)) + Localized("年") + monthName +
           LunarDayName(day.lunar) + " " + WeekdayName(DayOfWeek(day.date));

    e.suici = CycleName(day.pillars.year) + Localized("年 ") + CycleName(day.pillars.month) + Localized("月 ") +
              CycleName(day.pillars.day) + Localized("日");
    e.tszf = FoetusSpiritText(day.pillars.day);
    e.wuhang = std::string(Localized(NayinOf(day.pillars.day))) + " " + Localized(OfficerName(day.officer)) +
               Localized("执位");
    e.cong = ClashText(day.pillars.day);
    e.pzbj = PengzuText(day.pillars.day);
    return e;
}

}  // namespace

CalendarDate FirstAlmanacDate()
{
    return kFirstTableDate;
}

CalendarDate LastAlmanacDate()
{
    return kLastTableDate;
}

int DayCycleOf(CalendarDate date)
{
    if (!std::isfinite(date))
        throw std::out_of_range("not a date");
    // In floating point, so that any day count, however far out, has its place in the cycle.
    const double cycle = std::fmod(std::floor(date) + kCycleOfDayZero, 60.0);
    return CyclePosition(static_cast<int>(cycle), 60);
}

Pillars PillarsOf(CalendarDate date)
{
    CheckInRange(date);
    return PillarsOn(date, GregorianDateOf(date));
}

int OfficerOf(int monthBranch, int dayBranch)
{
    return CyclePosition(dayBranch - monthBranch, 12);
}

const char *OfficerName(int officer)
{
    return kOfficerNames[CyclePosition(officer, 12)];
}

const char *NayinOf(int cycle)
{
    return kNayin[CyclePosition(cycle, 60) / 2];
}

std::string ClashText(int dayCycle)
{
    // The clashing day: branch opposite, stem four on (甲子 clashes 戊午).
    const int branch = CyclePosition(BranchOfCycle(dayCycle) + 6, 12);
    const int stem = CyclePosition(StemOfCycle(dayCycle) + 4, 10);
    return std::string(Localized("冲")) + Localized(BranchAnimal(branch)) + "(" + StemName(stem) +
           Localized(BranchName(branch)) + Localized(")煞") + Localized(kShaDirection[BranchOfCycle(dayCycle) % 4]);
}

std::string PengzuText(int dayCycle)
{
    return std::string(Localized(kPengzuStem[StemOfCycle(dayCycle)])) + " " +
           Localized(kPengzuBranch[BranchOfCycle(dayCycle)]);
}

std::string FoetusSpiritText(int dayCycle)
{
    const char *byStem = kFoetusByStem[StemOfCycle(dayCycle) % 5];
    const char *byBranch = kFoetusByBranch[BranchOfCycle(dayCycle) % 6];
    // The place's pieces, each localized: the stem's place, then the branch's unless the same
    // or already in it; a place of fewer than three characters is "占" (occupies) + place, and
    // the gate twice is "大门" (the main gate).
    std::string place = Localized(byStem);
    std::size_t length = Utf8Length(byStem);
    if (std::string_view(byStem) == byBranch) {
        place = Localized("大") + place;
        ++length;
    } else if (std::string_view(byStem).find(byBranch) == std::string_view::npos) {
        place += Localized(byBranch);
        length += Utf8Length(byBranch);
    }
    if (length < 3)
        place = Localized("占") + place;

    const char *where = kFoetusRuns[0].where;
    for (const FoetusRun &run : kFoetusRuns)
        if (CyclePosition(dayCycle, 60) >= run.firstCycle)
            where = run.where;
    return place + " " + Localized(where);
}

AlmanacDay AlmanacDayOf(CalendarDate date)
{
    CheckInRange(date);
    AlmanacDay day;
    day.date = std::floor(date);
    day.pillars = PillarsOn(day.date, GregorianDateOf(date));
    day.officer = OfficerOf(BranchOfCycle(day.pillars.month), BranchOfCycle(day.pillars.day));
    day.lunar = LunarDateOf(day.date);
    return day;
}

AlmanacEntry AlmanacEntryOf(CalendarDate date)
{
    return ComputedEntryOf(AlmanacDayOf(date));
}

AlmanacEntry AlmanacEntryOf(CalendarDate date, const AlmanacMonthTable &table)
{
    return AlmanacEntryOf(AlmanacDayOf(date), table);
}

AlmanacEntry AlmanacEntryOf(const AlmanacDay &day, const AlmanacMonthTable &table)
{
    AlmanacEntry e = ComputedEntryOf(day);
    const AlmanacLists &lists = table.Of(BranchOfCycle(day.pillars.month), day.pillars.day);
    e.jsyq = lists.goodSpirits.text;
    e.yi = lists.suits.text;
    e.xsyq = lists.badSpirits.text;
    e.ji = lists.avoids.text;
    return e;
}

}  // namespace orlenvo
