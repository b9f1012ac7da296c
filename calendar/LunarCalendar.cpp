// Gregorian day counts on std::chrono, and the table-driven lunar date of 1901-2050.
#include "calendar/LunarCalendar.h"

#include <chrono>
#include <cmath>
#include <cstdint>
#include <ctime>
#include <stdexcept>
#include <string>

namespace orlenvo {

namespace {

using std::chrono::days;
using std::chrono::sys_days;
using std::chrono::year_month_day;

// Day 0 of CalendarDate (30 December 1899) lies 25569 days before the Unix epoch.
constexpr int kUnixEpochDay = 25569;
// Whole days outside 1 January 0001 ... 31 December 9999 are brought to those limits, so
// that no date value (not even NaN or an infinity) reaches the integer conversion.
constexpr double kFirstDay = -693593.0;
constexpr double kLastDay = 2958465.0;

// One record per Gregorian year 1901-2050, bytes 0-3 from the most significant:
//   byte 0 bit 7   lunar month of 1 January: 1 = twelfth, 0 = eleventh
//   byte 0 bits 0-6 lunar day of 1 January
//   bytes 1-2      lengths of sixteen consecutive lunar months from the one holding
//                  1 January, first month in the top bit; set = 30 days, clear = 29
//   byte 3         regular month followed by a leap month of the same number this year, or 0
// Corrected against astronomical new moons: 1989 (sixth month 30 days, seventh 29:
// 18A4DD00 -> 18A55D00) and 2013 (fourth month 29 days, fifth 30: 14AD5500 -> 14AB5500).
// With these corrections every day of 1901-2050 has the lunar month and day that the npm
// package lunar-javascript 1.7.7 (6tail, MIT) gives; .ci/run compares the two day by day
// (tools/gen_almanac_table --compare-calendar).
// clang-format off
constexpr std::uint32_t kLunarYearTable[150] = {
    0x0B52BA00, 0x16A95D00, 0x83A93705, 0x0E749B00, 0x1AB65500,  // 1901-1905
    0x87B55504, 0x1155AA00, 0x1CA6B500, 0x8AA57502, 0x1452BA00,  // 1906-1910
    0x81526E06, 0x0DE93700, 0x18749700, 0x86EA9605, 0x106D5500,  // 1911-1915
    0x1A35AA00, 0x884B6A02, 0x13A56D00, 0x1ED26E07, 0x0BD25E00,  // 1916-1920
    0x17E92E00, 0x84D92D05, 0x0FDA9500, 0x195B5200, 0x8756D404,  // 1921-1925
    0x114ADA00, 0x1CA55D00, 0x89A4BD02, 0x15D25D00, 0x82B25B06,  // 1926-1930
    0x0DB52B00, 0x18BA9500, 0x86B6A505, 0x1056B400, 0x1A4ADA00,  // 1931-1935
    0x8749BA03, 0x13A4BB00, 0x1EB25B07, 0x0B725700, 0x16752B00,  // 1936-1940
    0x846D2A06, 0x0FAD5500, 0x1955AA00, 0x86556C04, 0x12C97600,  // 1941-1945
    0x1C64B700, 0x8AE4AE02, 0x15EA5600, 0x83DA5507, 0x0D5B2A00,  // 1946-1950
    0x18AD5500, 0x85AAD505, 0x10536A00, 0x1BA96D00, 0x88A95D03,  // 1951-1955
    0x13D4AE00, 0x81D4AB08, 0x0CBA5500, 0x165AAA00, 0x8356AA06,  // 1956-1960
    0x0FAAD500, 0x1952DA00, 0x8652BA04, 0x11A95D00, 0x1DD49B00,  // 1961-1965
    0x8A749B03, 0x15B65500, 0x82AD5507, 0x0D55AA00, 0x18A5B500,  // 1966-1970
    0x85A57505, 0x0F52B600, 0x1B693700, 0x89E93704, 0x13749700,  // 1971-1975
    0x81EA9608, 0x0C6D5200, 0x162DAA00, 0x834B6A06, 0x0EA56D00,  // 1976-1980
    0x1AD26E00, 0x87D25E04, 0x12E92E00, 0x1DEC960A, 0x0BDA9500,  // 1981-1985
    0x155B5200, 0x8256D206, 0x0C2ADA00, 0x18A55D00, 0x85A4BD05,  // 1986-1990
    0x10D25D00, 0x1BD92D00, 0x89B52B03, 0x14BA9500, 0x81B59508,  // 1991-1995
    0x0B56B200, 0x162ADA00, 0x8349B605, 0x0E64BB00, 0x19B25B00,  // 1996-2000
    0x876A5704, 0x12752B00, 0x1DB69500, 0x8AAD5502, 0x1555AA00,  // 2001-2005
    0x82556C07, 0x0DC97600, 0x1764B700, 0x86E4AE05, 0x11EA5600,  // 2006-2010
    0x1B6D2A00, 0x885AAA04, 0x14AB5500, 0x81AAD509, 0x0B52EA00,  // 2011-2015
    0x16A96D00, 0x84A95D06, 0x0FD4AE00, 0x1AEA4D00, 0x87BA5504,  // 2016-2020
    0x125AAA00, 0x1DAB5500, 0x8AA6D502, 0x1452DA00, 0x8252BA06,  // 2021-2025
    0x0DA93B00, 0x18B49B00, 0x85749B05, 0x11B54D00, 0x1CD6A900,  // 2026-2030
    0x8835AA03, 0x13A5B500, 0x81A5750B, 0x0B52B600, 0x16693700,  // 2031-2035
    0x84E92F06, 0x10F49700, 0x1A754B00, 0x876D5205, 0x112D6900,  // 2036-2040
    0x1D95B500, 0x8AA56D02, 0x15D26E00, 0x82D25E07, 0x0EE92E00,  // 2041-2045
    0x19EA9600, 0x86DA9505, 0x105B4A00, 0x1CAB6900, 0x882AD803,  // 2046-2050
};
// clang-format on

sys_days ToSysDays(CalendarDate date)
{
    double whole = std::trunc(date);
    if (!(whole >= kFirstDay))  // also NaN
        whole = kFirstDay;
    else if (whole > kLastDay)
        whole = kLastDay;
    return sys_days{days{static_cast<int>(whole) - kUnixEpochDay}};
}

constexpr CalendarDate FromSysDays(sys_days day)
{
    return static_cast<CalendarDate>(day.time_since_epoch().count() + kUnixEpochDay);
}

static_assert(FromSysDays(sys_days{std::chrono::year{kFirstTableYear} / 1 / 1}) == kFirstTableDate);
static_assert(FromSysDays(sys_days{std::chrono::year{kLastTableYear} / 12 / 31}) == kLastTableDate);

int MonthDays(std::uint32_t record, int index)
{
    return (record >> (8 + 15 - index)) & 1U ? 30 : 29;
}

int DaysInYear(int year)
{
    return std::chrono::year{year}.is_leap() ? 366 : 365;
}

// Lunar date of the day `offset` days after 1 January of `year` (1901-2050).
LunarDate InYear(int year, int offset)
{
    const std::uint32_t record = kLunarYearTable[year - kFirstTableYear];
    const int firstDay = static_cast<int>((record >> 24) & 0x7FU);
    const int leapAfter = static_cast<int>(record & 0xFFU);
    int month = (record & 0x80000000U) ? 12 : 11;

    int end = MonthDays(record, 0) - firstDay;  // offset of the first month's last day
    if (offset <= end) {
        // The month holding 1 January is a leap month when 31 December before it is in one;
        // that day is never in the first month of its own year, so this recurses once.
        const bool leap = year > kFirstTableYear && InYear(year - 1, DaysInYear(year - 1) - 1).leap;
        return {year - 1, month, firstDay + offset, leap};
    }
    // The eleventh and twelfth months before the first month belong to the lunar year begun
    // in the Gregorian year before.
    int lunarYear = year - 1;
    bool leap = false;
    for (int i = 1; i < 16; ++i) {
        if (!leap && month == leapAfter) {
            leap = true;
        } else {
            leap = false;
            month = month == 12 ? 1 : month + 1;
            if (month == 1)
                lunarYear = year;
        }
        const int length = MonthDays(record, i);
        if (offset <= end + length || i == 15)
            return {lunarYear, month, offset - end, leap};
        end += length;
    }
    return {};  // not reached: sixteen lunar months outlast a year
}

}  // namespace

CalendarDate EncodeDate(int year, int month, int day)
{
    using namespace std::chrono;
    const year_month first = std::chrono::year{year} / January + months{static_cast<long long>(month) - 1};
    return FromSysDays(sys_days{first / 1} + days{static_cast<long long>(day) - 1});
}

CalendarDate EncodeDate(const GregorianDate &date)
{
    return EncodeDate(date.year, date.month, date.day);
}

GregorianDate GregorianDateOf(CalendarDate date)
{
    const year_month_day ymd{ToSysDays(date)};
    return {static_cast<int>(ymd.year()), static_cast<int>(static_cast<unsigned>(ymd.month())),
            static_cast<int>(static_cast<unsigned>(ymd.day()))};
}

void DecodeDate(CalendarDate date, int &year, int &month, int &day)
{
    const GregorianDate parts = GregorianDateOf(date);
    year = parts.year;
    month = parts.month;
    day = parts.day;
}

bool IsValidDate(const GregorianDate &date)
{
    return date.year >= kFirstDateYear && date.year <= kLastDateYear && date.day >= 1 &&
           date.day <= MonthLength(date.year, date.month);
}

int DayOfWeek(CalendarDate date)
{
    return static_cast<int>(std::chrono::weekday{ToSysDays(date)}.c_encoding()) + 1;
}

CalendarDate Today()
{
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return EncodeDate(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday);
}

int DayOfYearOf(CalendarDate date)
{
    const sys_days day = ToSysDays(date);
    const year_month_day ymd{day};
    return static_cast<int>((day - sys_days{ymd.year() / std::chrono::January / 1}).count()) + 1;
}

int MonthLength(int year, int month)
{
    namespace chr = std::chrono;
    if (month < 1 || month > 12 || year < static_cast<int>(chr::year::min()) ||
        year > static_cast<int>(chr::year::max()))
        return 0;
    const auto last = chr::year{year} / chr::month{static_cast<unsigned>(month)} / chr::last;
    return static_cast<int>(static_cast<unsigned>(last.day()));
}

CalendarDate ClampedDate(int year, int month, int day)
{
    // A month outside 1-12 carries into the year, so the result always lies in one month.
    // The count of months is taken in 64 bits: no int argument can overflow it.
    const std::int64_t months = static_cast<std::int64_t>(year) * 12 + (static_cast<std::int64_t>(month) - 1);
    const std::int64_t carriedYear = months >= 0 ? months / 12 : -((-months + 11) / 12);
    if (carriedYear < kFirstDateYear || carriedYear > kLastDateYear)
        throw std::out_of_range("ClampedDate: year " + std::to_string(carriedYear) + " lies outside " +
                                std::to_string(kFirstDateYear) + "-" + std::to_string(kLastDateYear));
    year = static_cast<int>(carriedYear);
    month = static_cast<int>(months - carriedYear * 12) + 1;
    const int length = MonthLength(year, month);
    return EncodeDate(year, month, day < 1 ? 1 : (day > length ? length : day));
}

LunarDate LunarDateOf(CalendarDate date)
{
    const sys_days day = ToSysDays(date);
    const year_month_day ymd{day};
    const int year = static_cast<int>(ymd.year());
    if (year < kFirstTableYear || year > kLastTableYear)
        return {};
    return InYear(year, static_cast<int>((day - sys_days{ymd.year() / std::chrono::January / 1}).count()));
}

int LunarDateCodeOf(const LunarDate &lunar)
{
    const int code = lunar.month * 100 + lunar.day;
    return lunar.leap ? -code : code;
}

int LunarDateCodeOf(CalendarDate date)
{
    return LunarDateCodeOf(LunarDateOf(date));
}

int LunarYearOf(CalendarDate date)
{
    const LunarDate lunar = LunarDateOf(date);
    return lunar.month != 0 ? lunar.year : GregorianDateOf(date).year;
}

}  // namespace orlenvo
