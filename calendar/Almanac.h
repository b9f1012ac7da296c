// The almanac entry of a day: the stem-branch pillars of year, month and day, the day's
// 纳音 and 建除 officer, its clash, the 彭祖 taboos and the foetus spirit, computed; its
// spirits and what it suits and does not suit come from the month table (AlmanacTable.h).
// Covers the span of the calendar tables, 1901-01-01 ... 2050-12-31.
#pragma once

#include "calendar/AlmanacTable.h"
#include "calendar/LunarCalendar.h"
#include "calendar/Sexagenary.h"

#include <string>

namespace orlenvo {

// First and last day of the almanac.
CalendarDate FirstAlmanacDate();
CalendarDate LastAlmanacDate();

// The day pillar of any date: the sixty-day cycle runs unbroken through the day count.
// Throws std::out_of_range for a date that is not a number or infinite.
int DayCycleOf(CalendarDate date);

// The three pillars of a day. The year changes on the day of 立春; the month changes on
// the day of each month's first term (节): 寅 from 立春, 卯 from 惊蛰 ... 丑 from 小寒,
// its stem by 五虎遁 from the stem of the year.
struct Pillars {
    int year = 0;  // cycle numbers
    int month = 0;
    int day = 0;
};
// Throws std::out_of_range outside FirstAlmanacDate() ... LastAlmanacDate(), and for a date that
// is not a number.
Pillars PillarsOf(CalendarDate date);

// The twelve officers 建 除 满 平 定 执 破 危 成 收 开 闭: 建 falls on the day whose branch
// is the month's branch, the others follow in order.
int OfficerOf(int monthBranch, int dayBranch);  // 0 = 建 ... 11 = 闭
const char *OfficerName(int officer);           // "建"

const char *NayinOf(int cycle);              // 纳音, "海中金"
std::string ClashText(int dayCycle);         // "冲狗(戊戌)煞南"
std::string PengzuText(int dayCycle);        // "甲不开仓财物耗散 辰不哭泣必主重丧"
std::string FoetusSpiritText(int dayCycle);  // "占门栖 房内东"

// The computed part of a day's almanac.
struct AlmanacDay {
    CalendarDate date = 0;
    Pillars pillars;
    int officer = 0;
    LunarDate lunar;
};
// Throws std::out_of_range outside the almanac's span.
AlmanacDay AlmanacDayOf(CalendarDate date);

// One row of the almanac table huangdao, as shown: items separated by one space. The fields
// are the table's columns in their order.
struct AlmanacEntry {
    std::string gn;      // "2008-01-05"
    std::string nn;      // "农历丁亥年冬月廿七 星期六"
    std::string suici;   // "丁亥年 壬子月 甲辰日"
    std::string tszf;    // "占门栖 房内东"
    std::string wuhang;  // "覆灯火 定执位"
    std::string cong;    // "冲狗(戊戌)煞南"
    std::string pzbj;    // "甲不开仓财物耗散 辰不哭泣必主重丧"
    std::string jsyq;    // 吉神宜趋, from the month table
    std::string yi;      // 宜
    std::string xsyq;    // 凶神宜忌
    std::string ji;      // 忌
};
// The computed columns of a day's row; jsyq, yi, xsyq and ji stay empty. Throws
// std::out_of_range outside the almanac's span, and for a date that is not a number.
AlmanacEntry AlmanacEntryOf(CalendarDate date);
// The whole row: the computed columns and the four lists of the day's month branch and day
// 干支 in `table`.
AlmanacEntry AlmanacEntryOf(CalendarDate date, const AlmanacMonthTable &table);
// The same for a day already worked out by AlmanacDayOf.
AlmanacEntry AlmanacEntryOf(const AlmanacDay &day, const AlmanacMonthTable &table);

}  // namespace orlenvo
