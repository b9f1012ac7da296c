// The exported days.
#include "calendar/CalendarExport.h"

#include "calendar/CalendarLabels.h"
#include "calendar/Holidays.h"
#include "calendar/SolarTermMoments.h"
#include "core/Script.h"

#include <cstdint>
#include <cstdio>

namespace orlenvo {

namespace {

constexpr const char *kUidDomain = "@orlenvo";

CivilDay DayOf(CalendarDate date)
{
    CivilDay d;
    DecodeDate(date, d.year, d.month, d.day);
    return d;
}

std::string Digits(const CivilDay &d)
{
    char text[16];
    std::snprintf(text, sizeof text, "%04d%02d%02d", d.year, d.month, d.day);
    return text;
}

// A short stable tag of a text for UIDs (FNV-1a, 64 bits, in hex).
std::string Tag(const std::string &text)
{
    std::uint64_t hash = 14695981039346656037ull;
    for (unsigned char c : text) {
        hash ^= c;
        hash *= 1099511628211ull;
    }
    char tag[17];
    std::snprintf(tag, sizeof tag, "%016llx", static_cast<unsigned long long>(hash));
    return tag;
}

CalendarEvent AllDay(std::string uid, std::string summary, CalendarDate first, CalendarDate last)
{
    CalendarEvent event;
    event.uid = std::move(uid) + kUidDomain;
    event.summary = std::move(summary);
    event.start = DayOf(first);
    event.end = DayOf(last + 1);
    return event;
}

// Calls visit(date) for every day of the years.
template <typename Visit>
void ForEachDay(int fromYear, int toYear, Visit visit)
{
    const CalendarDate last = EncodeDate(toYear, 12, 31);
    for (CalendarDate date = EncodeDate(fromYear, 1, 1); date <= last; date += 1)
        visit(date);
}

bool InYears(CalendarDate date, int fromYear, int toYear)
{
    return date >= EncodeDate(fromYear, 1, 1) && date <= EncodeDate(toYear, 12, 31);
}

std::string LunarDateText(CalendarDate date)
{
    const LunarDate lunar = LunarDateOf(date);
    return Localized("农历") + LunarMonthName(lunar) + LunarDayName(lunar);
}

}  // namespace

std::vector<CalendarEvent> HolidayEvents(int fromYear, int toYear)
{
    std::vector<CalendarEvent> events;
    CalendarDate runFirst = 0, runLast = 0;
    const HolidayDay *runDay = nullptr;
    auto close = [&] {
        if (runDay == nullptr)
            return;
        const bool rest = runDay->status.kind == HolidayKind::Rest;
        CalendarEvent event =
            AllDay("holiday-" + Digits(DayOf(runFirst)) + (rest ? "-rest" : "-work"),
                   std::string(Localized(runDay->status.name)) + "(" + HolidayMark(runDay->status.kind) + ")", runFirst,
                   runLast);
        event.appleSpecialDay = rest ? "WORK-HOLIDAY" : "ALTERNATE-WORKDAY";
        events.push_back(std::move(event));
        runDay = nullptr;
    };
    for (const HolidayDay &d : Holidays().days) {
        const CalendarDate date = EncodeDate(d.year, d.month, d.day);
        if (!InYears(date, fromYear, toYear))
            continue;
        if (runDay != nullptr &&
            (date != runLast + 1 || d.status.kind != runDay->status.kind || d.status.name != runDay->status.name))
            close();
        if (runDay == nullptr)
            runFirst = date;
        runDay = &d;
        runLast = date;
    }
    close();
    return events;
}

std::vector<CalendarEvent> SolarTermEvents(int fromYear, int toYear)
{
    std::vector<CalendarEvent> events;
    for (int year = fromYear; year <= toYear; ++year)
        for (int term = 1; term <= 24; ++term) {
            const TermMoment &m = SolarTermMoment(year, term);
            CalendarEvent event;
            char uid[32];
            std::snprintf(uid, sizeof uid, "term-%04d-%02d", year, term);
            event.uid = std::string(uid) + kUidDomain;
            event.summary = Localized(SolarTermName(term));
            char beijing[64];
            std::snprintf(beijing, sizeof beijing, "%d年%d月%d日 %02d:%02d", m.year, m.month, m.day, m.hour, m.minute);
            event.description = std::string(Localized("北京时间 ")) + beijing;
            // Beijing time is UTC+8 all through 1901-2050 in the table.
            int hour = m.hour - 8;
            CalendarDate date = EncodeDate(m.year, m.month, m.day);
            if (hour < 0) {
                hour += 24;
                date -= 1;
            }
            event.timed = true;
            event.start = event.end = DayOf(date);
            event.hour = hour;
            event.minute = m.minute;
            events.push_back(std::move(event));
        }
    return events;
}

std::vector<CalendarEvent> FestivalEvents(int fromYear, int toYear)
{
    std::vector<CalendarEvent> events;
    ForEachDay(fromYear, toYear, [&](CalendarDate date) {
        for (std::string festival : {LunarFestival(date), GregorianFestival(date)})
            if (!festival.empty())
                events.push_back(AllDay("festival-" + Digits(DayOf(date)) + "-" + Tag(festival), festival, date, date));
    });
    return events;
}

std::vector<CalendarEvent> GoodDayEvents(int fromYear, int toYear, const GoodDayQuery &query)
{
    std::vector<CalendarEvent> events;
    if (query.activity.empty())
        return events;
    const std::string reason = GoodDayReason(query);
    ForEachDay(fromYear, toYear, [&](CalendarDate date) {
        if (IsGoodDay(DayDetailsOf(date), query)) {
            CalendarEvent event = AllDay("goodday-" + Tag(reason) + "-" + Digits(DayOf(date)), reason, date, date);
            event.description = LunarDateText(date);
            events.push_back(std::move(event));
        }
    });
    return events;
}

std::optional<CalendarDate> AnniversaryDate(int lunarYear, const LunarAnniversary &a)
{
    if (a.month < 1 || a.month > 12 || a.day < 1 || a.day > 30)
        return std::nullopt;
    // Month m begins at least 29 days per earlier month after 21 January, the earliest new year;
    // its day 30, even after a leap month, lies within 130 days of that.
    const CalendarDate from = EncodeDate(lunarYear, 1, 21) + 29.0 * (a.month - 1);
    auto find = [&](bool leap, int day) -> std::optional<CalendarDate> {
        const LunarDate wanted{lunarYear, a.month, day, leap};
        for (CalendarDate date = from; date < from + 130 && date <= kLastTableDate; date += 1)
            if (date >= kFirstTableDate && LunarDateOf(date) == wanted)
                return date;
        return std::nullopt;
    };
    const bool leap = a.leap && find(true, 1).has_value();
    if (const auto date = find(leap, a.day))
        return date;
    if (a.day == 30)
        return find(leap, 29);
    return std::nullopt;
}

std::vector<CalendarEvent> AnniversaryEvents(int fromYear, int toYear, const LunarAnniversary &a)
{
    std::vector<CalendarEvent> events;
    const std::string tag =
        Tag(a.title + "|" + std::to_string(a.month) + "|" + std::to_string(a.day) + (a.leap ? "|leap" : ""));
    // A date late in a lunar year lies in the next Gregorian year.
    for (int lunarYear = fromYear - 1; lunarYear <= toYear; ++lunarYear) {
        const auto date = AnniversaryDate(lunarYear, a);
        if (!date || !InYears(*date, fromYear, toYear))
            continue;
        CalendarEvent event = AllDay("anniversary-" + tag + "-" + std::to_string(lunarYear), a.title, *date, *date);
        event.description = LunarDateText(*date);
        events.push_back(std::move(event));
    }
    return events;
}

std::vector<CalendarEvent> ExportEvents(const ExportChoice &choice)
{
    std::vector<CalendarEvent> events;
    auto add = [&](std::vector<CalendarEvent> more) {
        events.insert(events.end(), std::make_move_iterator(more.begin()), std::make_move_iterator(more.end()));
    };
    if (choice.holidays)
        add(HolidayEvents(choice.fromYear, choice.toYear));
    if (choice.terms)
        add(SolarTermEvents(choice.fromYear, choice.toYear));
    if (choice.festivals)
        add(FestivalEvents(choice.fromYear, choice.toYear));
    add(GoodDayEvents(choice.fromYear, choice.toYear, choice.goodDays));
    for (const LunarAnniversary &a : choice.anniversaries)
        add(AnniversaryEvents(choice.fromYear, choice.toYear, a));
    return events;
}

std::string ExportCalendarName(const ExportChoice &choice)
{
    return "Orlenvo " + std::to_string(choice.fromYear) + "-" + std::to_string(choice.toYear);
}

}  // namespace orlenvo
