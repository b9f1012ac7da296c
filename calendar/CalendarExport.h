// The days the calendar exports to other calendar programs: holiday runs (休/班), solar-term
// moments, festivals, good days and lunar anniversaries, as plain events over a range of years.
// calendar/ICalendarFile writes them as iCalendar.
#pragma once

#include "calendar/DayDetails.h"
#include "calendar/LunarCalendar.h"

#include <optional>
#include <string>
#include <vector>

namespace orlenvo {

struct CivilDay {
    int year = 0;
    int month = 0;
    int day = 0;

    friend bool operator==(const CivilDay &, const CivilDay &) = default;
};

// One event. An all-day event covers start up to the day before end (end is exclusive, as
// iCalendar's DTEND); a timed one (solar terms) happens at start, hour:minute, in UTC.
struct CalendarEvent {
    std::string uid;  // stable: the same event gets the same UID in every export
    std::string summary;
    std::string description;
    CivilDay start;
    CivilDay end;
    bool timed = false;
    int hour = 0;
    int minute = 0;
    std::string appleSpecialDay;  // "WORK-HOLIDAY" (休), "ALTERNATE-WORKDAY" (班) or ""
};

// A lunar date to repeat every year under a title: month 1-12, day 1-30, in the leap month
// after `month` when leap is set.
struct LunarAnniversary {
    std::string title;
    int month = 0;
    int day = 0;
    bool leap = false;
};

// What an export holds; the years are Gregorian, within 1901-2050.
struct ExportChoice {
    int fromYear = 0;
    int toYear = 0;
    bool holidays = true;
    bool terms = true;
    bool festivals = true;
    GoodDayQuery goodDays;  // no activity: no good days
    std::vector<LunarAnniversary> anniversaries;
};

// Each run of consecutive days of one holiday with the same mark is one event, "国庆节(休)" or
// "国庆节(班)", from the holiday table in use (Holidays()).
std::vector<CalendarEvent> HolidayEvents(int fromYear, int toYear);
// One event per solar term at its moment to the minute, converted from Beijing time to UTC.
std::vector<CalendarEvent> SolarTermEvents(int fromYear, int toYear);
// Every lunar and Gregorian festival of each day, whatever the day cell shows.
std::vector<CalendarEvent> FestivalEvents(int fromYear, int toYear);
// The days IsGoodDay marks for query; none without an activity.
std::vector<CalendarEvent> GoodDayEvents(int fromYear, int toYear, const GoodDayQuery &query);
// The anniversary's day in every lunar year whose date falls within the Gregorian years.
std::vector<CalendarEvent> AnniversaryEvents(int fromYear, int toYear, const LunarAnniversary &anniversary);

// The Gregorian date of the anniversary in the lunar year beginning in lunarYear:
// - day 30 of a month that has 29 days that year falls on the month's last day, its 29th;
// - a leap-month date in a year without that leap month falls on the same day of the regular
//   month of that number; in a year with it, only the leap month's day counts;
// - a date of a regular month never moves to the leap month that follows it.
// nullopt when the date lies outside 1901-2050 or the anniversary is not a lunar date.
std::optional<CalendarDate> AnniversaryDate(int lunarYear, const LunarAnniversary &anniversary);

// All events of the choice, kind by kind in the order above, each kind in date order.
std::vector<CalendarEvent> ExportEvents(const ExportChoice &choice);

// "Orlenvo 2026-2027", the calendar's name in the file.
std::string ExportCalendarName(const ExportChoice &choice);

}  // namespace orlenvo
