// The spirits of a day (神煞) and the activities it suits and does not suit (宜忌), by the
// traditional placing rules of the 协纪辨方书. The rules are data tables in AlmanacSpirits.cpp.
#pragma once

#include "calendar/LunarCalendar.h"

#include <vector>

namespace orlenvo {

// What the rules look at. Month branch of the 节 month, cycle numbers of the pillars.
struct SpiritDay {
    int yearCycle = 0;
    int monthBranch = 2;            // 寅 for 正月
    int dayCycle = 0;
    bool earthRuling = false;       // 土王用事: the last eighteen-odd days before each 立
    bool eveOfSolstice = false;     // 四离: the day before 春分, 夏至, 秋分, 冬至
    bool eveOfSeasonStart = false;  // 四绝: the day before 立春, 立夏, 立秋, 立冬
};

struct SpiritVerdict {
    std::vector<const char *> good;    // 吉神宜趋, in table order
    std::vector<const char *> bad;     // 凶神宜忌, in table order
    std::vector<const char *> suits;   // 宜, in almanac order, or a closing phrase
    std::vector<const char *> avoids;  // 忌, in almanac order, or "诸事不宜"
};

SpiritVerdict JudgeDay(const SpiritDay &day);

// The activity words the rules use, in the order the almanac lists them.
const std::vector<const char *> &AlmanacActivities();

// Apparent ecliptic longitude of the sun in degrees [0, 360) at a Julian day (UT), after
// the low-precision solar theory of Meeus, Astronomical Algorithms, ch. 25 (about 0.01°).
double SolarLongitude(double julianDay);

// Whether date lies in a 土王用事 period: from the day (Beijing time) on which the sun
// reaches 297°, 27°, 117° or 207° up to the eve of the following 立 term, whose day comes
// from the calendar's solar-term table. Dates outside 1901-2050 are never inside.
bool IsEarthRulingDay(CalendarDate date);

}  // namespace orlenvo
