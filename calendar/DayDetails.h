// Everything the calendar says of one day: its labels, including those the day cell's precedence
// hides, the moment of its solar term, its holiday status and its almanac entry; and the good-day
// test of the calendar's marks. Covers 1901-01-01 ... 2050-12-31.
#pragma once

#include "calendar/Almanac.h"
#include "calendar/Holidays.h"
#include "calendar/SolarTermMoments.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace orlenvo {

struct DayDetails {
    CalendarDate date = 0;
    // The almanac row of the day (nn, suici, cong, yi, ji ...), built as the database builder builds
    // it: AlmanacEntryOf over the compiled-in month table.
    AlmanacEntry almanac;
    int clashBranch = 0;        // the branch (animal) the day clashes with, 0 = 子鼠
    std::string animal;         // "鼠", of the lunar year
    std::string constellation;  // "狮子座"
    std::string lunarFestival;  // all three, whatever the cell shows
    std::string solarTerm;
    std::string gregorianFestival;
    std::optional<TermMoment> termMoment;
    HolidayStatus holiday;
    std::string holidayNote;  // HolidayNote(date)
};

// Throws std::out_of_range outside 1901-2050.
DayDetails DayDetailsOf(CalendarDate date);

// The lines of the day's tooltip:
//   2008年8月7日 星期四
//   农历戊子年七月初七
//   干支：戊子年 庚申月 乙亥日
//   生肖：鼠 · 星座：狮子座
//   七夕节                       (each festival of the day, lunar first)
//   立秋 8月7日 11:16            (the term with its moment)
//   国庆节 放假                  (the holiday status, when there is one)
std::vector<std::string> DayDetailLines(const DayDetails &details);

// The activities of the 吉日(&D) menu, in its order.
inline constexpr std::array<const char *, 15> kGoodDayActivities = {"开市", "交易", "嫁娶", "入宅", "入学",
                                                                    "纳财", "订盟", "安门", "出行", "开光",
                                                                    "求嗣", "祈福", "破土", "祭祀", "安葬"};

struct GoodDayQuery {
    std::string activity;  // one item of 宜; empty: no day is good
    int animal = -1;       // branch 0 = 子鼠 ... 11 = 亥猪 whose clashing days are left out, or -1
};

// The day's 宜 lists the activity and its 忌 does not; a 宜 holding "诸事不宜" never suits; with an
// animal, the day does not clash with it.
bool IsGoodDay(const DayDetails &details, const GoodDayQuery &query);

// Why a day is marked: "宜嫁娶", with an animal "宜嫁娶 · 不冲鼠".
std::string GoodDayReason(const GoodDayQuery &query);

}  // namespace orlenvo
