// Names of calendar days: lunar month and day names, festivals, solar terms, zodiac
// animals and constellations.
#include "calendar/CalendarLabels.h"

#include "calendar/Sexagenary.h"
#include "calendar/SolarTermMoments.h"
#include "core/Script.h"

namespace orlenvo {

namespace {

// clang-format off
constexpr const char *kMonthNumerals[13] = {
    "", "正", "二", "三", "四", "五", "六", "七", "八", "九", "十", "冬", "腊",
};

constexpr const char *kLunarDayNames[31] = {
    "",
    "初一", "初二", "初三", "初四", "初五", "初六", "初七", "初八", "初九", "初十",
    "十一", "十二", "十三", "十四", "十五", "十六", "十七", "十八", "十九", "二十",
    "廿一", "廿二", "廿三", "廿四", "廿五", "廿六", "廿七", "廿八", "廿九", "三十",
};

// Term 2m-1 is the first term of Gregorian month m, term 2m the second.
constexpr const char *kSolarTermNames[25] = {
    "",
    "小寒", "大寒", "立春", "雨水", "惊蛰", "春分", "清明", "谷雨", "立夏", "小满", "芒种", "夏至",
    "小暑", "大暑", "立秋", "处暑", "白露", "秋分", "寒露", "霜降", "立冬", "小雪", "大雪", "冬至",
};

constexpr const char *kWeekdayNames[7] = {
    "星期日", "星期一", "星期二", "星期三", "星期四", "星期五", "星期六",
};

struct LunarFestivalRow {
    int month;  // regular lunar month; a leap month has none
    int day;
    const char *text;
};

constexpr LunarFestivalRow kLunarFestivals[] = {
    {1, 1, "春节"},    {5, 5, "端午节"}, {7, 7, "七夕节"}, {12, 8, "腊八节"},
    {9, 9, "重阳节"},  {1, 15, "元宵节"}, {8, 15, "中秋节"},
};

struct GregorianFestivalRow {
    int month;
    int day;      // fixed day, or 0 for the nth weekday below
    int nth;      // 1-5
    int weekday;  // 1 = Sunday ... 7 = Saturday
    const char *text;
};

constexpr GregorianFestivalRow kGregorianFestivals[] = {
    {1, 1, 0, 0, "元旦节"},   {2, 14, 0, 0, "情人节"},  {3, 8, 0, 0, "妇女节"},
    {4, 1, 0, 0, "愚人节"},   {5, 1, 0, 0, "劳动节"},   {5, 4, 0, 0, "青年节"},
    {5, 0, 2, 1, "母亲节"},   {6, 1, 0, 0, "儿童节"},   {6, 0, 3, 1, "父亲节"},
    {7, 1, 0, 0, "建党节"},   {8, 1, 0, 0, "建军节"},   {9, 10, 0, 0, "教师节"},
    {10, 1, 0, 0, "国庆节"},  {10, 6, 0, 0, "老人节"},  {10, 31, 0, 0, "万圣节"},
    {11, 8, 0, 0, "记者日"},  {11, 0, 4, 5, "感恩节"},  {12, 25, 0, 0, "圣诞节"},
};

struct ConstellationRow {
    const char *first;
    int lastDay;  // last day of the first sign; the second sign holds from the day after
    const char *second;
};

// Each sign starts with the sun's entry into it, the day of the month's second solar term
// in most years. 23 August goes to 处女座: 处暑, the entry into Virgo, falls on 23 August
// in most years of 1901-2050.
constexpr ConstellationRow kConstellations[12] = {
    {"摩羯座", 19, "水瓶座"}, {"水瓶座", 18, "双鱼座"}, {"双鱼座", 20, "白羊座"},
    {"白羊座", 19, "金牛座"}, {"金牛座", 20, "双子座"}, {"双子座", 21, "巨蟹座"},
    {"巨蟹座", 22, "狮子座"}, {"狮子座", 22, "处女座"}, {"处女座", 22, "天秤座"},
    {"天秤座", 23, "天蝎座"}, {"天蝎座", 21, "射手座"}, {"射手座", 21, "摩羯座"},
};

// clang-format on

// The Gregorian festival of date, whose parts are `day`.
std::string GregorianFestivalOn(CalendarDate date, const GregorianDate &day)
{
    for (const GregorianFestivalRow &row : kGregorianFestivals) {
        if (row.month != day.month)
            continue;
        if (row.day != 0 ? row.day == day.day : DayOfWeek(date) == row.weekday && (day.day - 1) / 7 == row.nth - 1)
            return Localized(row.text);
    }
    return {};
}

std::string SolarTermOn(const GregorianDate &date)
{
    for (const int term : {2 * date.month - 1, 2 * date.month})
        if (date.day == LabelledTermDay(date.year, term))
            return Localized(kSolarTermNames[term]);
    return {};
}

}  // namespace

std::string LunarMonthName(const LunarDate &lunar)
{
    if (lunar.month == 0)
        return {};
    if (lunar.leap)
        return std::string(Localized("闰")) + Localized(kMonthNumerals[lunar.month]);
    return std::string(Localized(kMonthNumerals[lunar.month])) + Localized("月");
}

std::string LunarMonthName(CalendarDate date)
{
    return LunarMonthName(LunarDateOf(date));
}

std::string LunarDayName(const LunarDate &lunar)
{
    return Localized(kLunarDayNames[lunar.day]);
}

std::string LunarDayName(CalendarDate date)
{
    return LunarDayName(LunarDateOf(date));
}

std::string LunarFestival(CalendarDate date)
{
    return LunarFestival(date, LunarDateOf(date));
}

std::string LunarFestival(CalendarDate date, const LunarDate &lunar)
{
    if (lunar.month == 0)
        return {};
    if (!lunar.leap) {
        for (const LunarFestivalRow &row : kLunarFestivals) {
            if (lunar.month == row.month && lunar.day == row.day)
                return Localized(row.text);
        }
    }
    const LunarDate next = LunarDateOf(date + 1.0);
    if (next.month == 1 && next.day == 1 && !next.leap)
        return Localized("除夕");
    return {};
}

std::string GregorianFestival(CalendarDate date)
{
    return GregorianFestivalOn(date, GregorianDateOf(date));
}

std::string SolarTerm(CalendarDate date)
{
    return SolarTermOn(GregorianDateOf(date));
}

std::string ZodiacAnimalOf(const LunarDate &lunar)
{
    if (lunar.month == 0)
        return {};
    const int branch = BranchOfCycle(YearCycleOf(lunar.year));
    return std::string(Localized(BranchName(branch))) + Localized(BranchAnimal(branch));
}

std::string ZodiacAnimalOf(CalendarDate date)
{
    return ZodiacAnimalOf(LunarDateOf(date));
}

const char *WeekdayName(int dayOfWeek)
{
    return dayOfWeek >= 1 && dayOfWeek <= 7 ? Localized(kWeekdayNames[dayOfWeek - 1]) : "";
}

DayCell DayCellLabel(CalendarDate date)
{
    // Lunar festival over solar term over Gregorian festival over the month's name on its
    // first day over the day's name.
    const LunarDate lunar = LunarDateOf(date);
    const GregorianDate day = GregorianDateOf(date);
    if (std::string festival = LunarFestival(date, lunar); !festival.empty())
        return {std::move(festival), DayCellKind::LunarFestival};
    if (std::string term = SolarTermOn(day); !term.empty())
        return {std::move(term), DayCellKind::SolarTerm};
    if (std::string festival = GregorianFestivalOn(date, day); !festival.empty())
        return {std::move(festival), DayCellKind::GregorianFestival};
    if (lunar.day == 1)
        return {LunarMonthName(lunar), DayCellKind::MonthName};
    return {LunarDayName(lunar), DayCellKind::LunarDay};
}

std::string ConstellationOf(CalendarDate date)
{
    const GregorianDate day = GregorianDateOf(date);
    const ConstellationRow &row = kConstellations[day.month - 1];
    return Localized(day.day <= row.lastDay ? row.first : row.second);
}

int SolarTermDay(int year, int month, int which)
{
    if (month < 1 || month > 12 || (which != 0 && which != 1))
        return 0;
    return LabelledTermDay(year, 2 * month - 1 + which);
}

const char *SolarTermName(int number)
{
    return number >= 1 && number <= 24 ? kSolarTermNames[number] : "";
}

}  // namespace orlenvo
