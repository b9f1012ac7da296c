// The iCalendar export: each kind of event parsed back with libical, the file's line rules, the
// holidays against the built-in table, and the lunar anniversary rules.
#include "calendar/CalendarExport.h"
#include "calendar/CalendarLabels.h"
#include "calendar/ICalendarFile.h"

#include <gtest/gtest.h>
#include <libical/ical.h>

#include <algorithm>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace orlenvo {
namespace {

// An event as libical reads it back.
struct ParsedEvent {
    std::string uid, summary, start, end, transp, special;
};

std::string TimeText(icaltimetype t)
{
    return icaltime_is_null_time(t) ? std::string() : std::string(icaltime_as_ical_string(t));
}

std::vector<ParsedEvent> ParseBack(const std::string &text, std::string *calendarName = nullptr)
{
    icalcomponent *calendar = icalparser_parse_string(text.c_str());
    EXPECT_NE(calendar, nullptr);
    std::vector<ParsedEvent> events;
    if (calendar == nullptr)
        return events;
    for (icalproperty *p = icalcomponent_get_first_property(calendar, ICAL_X_PROPERTY); p != nullptr;
         p = icalcomponent_get_next_property(calendar, ICAL_X_PROPERTY))
        if (calendarName != nullptr && std::string(icalproperty_get_x_name(p)) == "X-WR-CALNAME")
            *calendarName = icalproperty_get_x(p);
    for (icalcomponent *e = icalcomponent_get_first_component(calendar, ICAL_VEVENT_COMPONENT); e != nullptr;
         e = icalcomponent_get_next_component(calendar, ICAL_VEVENT_COMPONENT)) {
        EXPECT_EQ(icalcomponent_count_errors(e), 0) << icalcomponent_as_ical_string(e);
        ParsedEvent event{
            icalcomponent_get_uid(e), icalcomponent_get_summary(e), TimeText(icalcomponent_get_dtstart(e)), "", "", ""};
        if (icalproperty *end = icalcomponent_get_first_property(e, ICAL_DTEND_PROPERTY))
            event.end = TimeText(icalproperty_get_dtend(end));
        if (icalproperty *transp = icalcomponent_get_first_property(e, ICAL_TRANSP_PROPERTY))
            event.transp = icalproperty_get_value_as_string(transp);
        for (icalproperty *p = icalcomponent_get_first_property(e, ICAL_X_PROPERTY); p != nullptr;
             p = icalcomponent_get_next_property(e, ICAL_X_PROPERTY))
            if (std::string(icalproperty_get_x_name(p)) == "X-APPLE-SPECIAL-DAY")
                event.special = icalproperty_get_x(p);
        events.push_back(event);
    }
    icalcomponent_free(calendar);
    return events;
}

const ParsedEvent *Find(const std::vector<ParsedEvent> &events, const std::string &summary, const std::string &start)
{
    const auto it = std::find_if(events.begin(), events.end(),
                                 [&](const ParsedEvent &e) { return e.summary == summary && e.start == start; });
    return it == events.end() ? nullptr : &*it;
}

std::string Export(const ExportChoice &choice, std::int64_t stamp = 1798761600)
{
    return ICalendarText(ExportCalendarName(choice), ExportEvents(choice), stamp);
}

ExportChoice Only(int from, int to)
{
    ExportChoice choice;
    choice.fromYear = from;
    choice.toYear = to;
    choice.holidays = choice.terms = choice.festivals = false;
    return choice;
}

TEST(IcsExportTest, EachKindParsesBack)
{
    // 休/班 of 2026: 国务院办公厅关于2026年部分节假日安排的通知, 国庆节 10月1日至7日 放假, 9月20日、10月10日 上班.
    ExportChoice holidays = Only(2026, 2026);
    holidays.holidays = true;
    std::string name;
    const auto rest = ParseBack(Export(holidays), &name);
    EXPECT_EQ(name, "Orlenvo 2026-2026");
    const ParsedEvent *national = Find(rest, "国庆节(休)", "20261001");
    ASSERT_NE(national, nullptr);
    EXPECT_EQ(national->end, "20261008");
    EXPECT_EQ(national->special, "WORK-HOLIDAY");
    for (const char *work : {"20260920", "20261010"}) {
        const ParsedEvent *workday = Find(rest, "国庆节(班)", work);
        ASSERT_NE(workday, nullptr) << work;
        EXPECT_EQ(workday->special, "ALTERNATE-WORKDAY");
    }

    // Solar terms: 立秋 2008-08-07 11:16 Beijing time (Hong Kong Observatory), so 03:16 UTC; 24 a year.
    ExportChoice terms = Only(2008, 2009);
    terms.terms = true;
    const auto moments = ParseBack(Export(terms));
    EXPECT_EQ(moments.size(), 48U);
    EXPECT_NE(Find(moments, "立秋", "20080807T031600Z"), nullptr);

    // Festivals, including the one the day cell hides: 2001-10-01 was 国庆节 and 中秋节 (八月十五).
    ExportChoice festivals = Only(2001, 2001);
    festivals.festivals = true;
    const auto days = ParseBack(Export(festivals));
    EXPECT_NE(Find(days, "国庆节", "20011001"), nullptr);
    EXPECT_NE(Find(days, "中秋节", "20011001"), nullptr);
    EXPECT_EQ(DayCellLabel(EncodeDate(2001, 10, 1)).text, "中秋节");

    // Good days: exactly the days the calendar marks, over two years.
    ExportChoice good = Only(2026, 2027);
    good.goodDays = {"嫁娶", 0};
    const auto marked = ParseBack(Export(good));
    std::set<std::string> expected;
    for (CalendarDate date = EncodeDate(2026, 1, 1); date <= EncodeDate(2027, 12, 31); date += 1)
        if (IsGoodDay(DayDetailsOf(date), good.goodDays)) {
            int y = 0, m = 0, d = 0;
            DecodeDate(date, y, m, d);
            char text[16];
            std::snprintf(text, sizeof text, "%04d%02d%02d", y, m, d);
            expected.insert(text);
        }
    std::set<std::string> got;
    for (const ParsedEvent &e : marked) {
        EXPECT_EQ(e.summary, "宜嫁娶 · 不冲鼠");
        got.insert(e.start);
    }
    EXPECT_FALSE(expected.empty());
    EXPECT_EQ(got, expected);

    // An anniversary: 八月十五 of 2026 is 2026-09-25 (the 2026 notice's 中秋节).
    ExportChoice birthday = Only(2026, 2026);
    birthday.anniversaries = {{"奶奶生日", 8, 15, false}};
    const auto birthdays = ParseBack(Export(birthday));
    ASSERT_EQ(birthdays.size(), 1U);
    EXPECT_EQ(birthdays[0].start, "20260925");
    EXPECT_EQ(birthdays[0].end, "20260926");
}

TEST(IcsExportTest, FileRules)
{
    ExportChoice choice = Only(2026, 2027);
    choice.holidays = choice.terms = choice.festivals = true;
    choice.goodDays = {"开市", -1};
    // A title long enough to be folded several times, all three-octet characters.
    choice.anniversaries = {{"外婆外公结婚纪念日与全家团圆饭的日子记得提前一周订好酒楼的包间", 2, 30, false}};
    const std::string text = Export(choice);
    const std::string again = Export(choice, 1798761600 + 86400);

    // Lines end in CRLF, hold at most 75 octets, and a folded line never begins inside a character.
    std::size_t at = 0, folds = 0;
    while (at < text.size()) {
        const std::size_t end = text.find("\r\n", at);
        ASSERT_NE(end, std::string::npos) << "a line without CRLF at " << at;
        const std::string line = text.substr(at, end - at);
        EXPECT_EQ(line.find('\n'), std::string::npos) << line;
        EXPECT_LE(line.size(), 75U) << line;
        if (line.starts_with(" ")) {
            ++folds;
            ASSERT_GT(line.size(), 1U);
            EXPECT_NE(static_cast<unsigned char>(line[1]) & 0xC0, 0x80) << "a fold splits a character: " << line;
        }
        at = end + 2;
    }
    EXPECT_GT(folds, 0U);

    // Every event transparent; UIDs unique and the same in another export.
    const auto events = ParseBack(text);
    const auto later = ParseBack(again);
    ASSERT_EQ(events.size(), later.size());
    std::set<std::string> uids;
    for (std::size_t i = 0; i < events.size(); ++i) {
        EXPECT_EQ(events[i].transp, "TRANSPARENT") << events[i].summary;
        EXPECT_EQ(events[i].uid, later[i].uid);
        uids.insert(events[i].uid);
    }
    EXPECT_EQ(uids.size(), events.size());
    EXPECT_NE(text, again);  // only the stamps differ
}

TEST(IcsExportTest, HolidaysEqualTheBuiltInTable)
{
    std::map<std::string, std::string> exported;
    ExportChoice choice = Only(2004, 2026);
    choice.holidays = true;
    for (const ParsedEvent &e : ParseBack(Export(choice))) {
        ASSERT_EQ(e.summary.back(), ')');
        const std::string mark = e.summary.substr(e.summary.size() - 4, 3);  // 休 or 班
        const std::string name = e.summary.substr(0, e.summary.size() - 5);
        int y = 0, m = 0, d = 0;
        std::sscanf(e.start.c_str(), "%4d%2d%2d", &y, &m, &d);
        int ey = 0, em = 0, ed = 0;
        std::sscanf(e.end.c_str(), "%4d%2d%2d", &ey, &em, &ed);
        for (CalendarDate date = EncodeDate(y, m, d); date < EncodeDate(ey, em, ed); date += 1) {
            DecodeDate(date, y, m, d);
            char key[16];
            std::snprintf(key, sizeof key, "%04d-%02d-%02d", y, m, d);
            EXPECT_TRUE(exported.emplace(key, mark + " " + name).second) << key;
        }
    }
    std::map<std::string, std::string> table;
    for (const HolidayDay &d : Holidays().days)
        if (d.year >= 2004 && d.year <= 2026) {
            char key[16];
            std::snprintf(key, sizeof key, "%04d-%02d-%02d", d.year, d.month, d.day);
            table.emplace(key, HolidayMark(d.status.kind) + (" " + d.status.name));
        }
    EXPECT_EQ(exported, table);
}

TEST(IcsExportTest, AnniversaryRules)
{
    auto date = [](int lunarYear, LunarAnniversary a) {
        const auto d = AnniversaryDate(lunarYear, a);
        int y = 0, m = 0, day = 0;
        if (d)
            DecodeDate(*d, y, m, day);
        return y * 10000 + m * 100 + day;
    };
    // Day 30 of 腊月: lunar 2023's 腊月 has 30 days (除夕 2024-02-09); lunar 2024's has 29, so its
    // 30th falls on the 29th, 除夕 2025-01-28.
    EXPECT_EQ(date(2023, {"t", 12, 30, false}), 20240209);
    EXPECT_EQ(date(2024, {"t", 12, 30, false}), 20250128);
    EXPECT_EQ(LunarFestival(EncodeDate(2025, 1, 28)), "除夕");
    // 闰四月初十: 2020 has the leap fourth month (闰四月初一 2020-05-23), 2021 has none, so the
    // regular 四月初十; the regular date never moves to the leap month.
    EXPECT_EQ(date(2020, {"t", 4, 10, true}), 20200601);
    EXPECT_EQ(date(2021, {"t", 4, 10, true}), 20210521);
    EXPECT_EQ(date(2020, {"t", 4, 10, false}), 20200502);
    EXPECT_EQ(LunarDateOf(EncodeDate(2020, 6, 1)), (LunarDate{2020, 4, 10, true}));
    // Over the whole table: a day-30 anniversary falls on the 30th or on the last day of a 29-day month.
    for (int year = kFirstTableYear; year < kLastTableYear; ++year)
        for (int month = 1; month <= 12; ++month) {
            const auto d = AnniversaryDate(year, {"t", month, 30, false});
            ASSERT_TRUE(d.has_value()) << year << "-" << month;
            const LunarDate lunar = LunarDateOf(*d), next = LunarDateOf(*d + 1);
            EXPECT_TRUE(lunar.day == 30 || (lunar.day == 29 && next.day == 1)) << year << "-" << month;
            EXPECT_EQ(lunar.month, month);
            EXPECT_FALSE(lunar.leap);
        }
}

}  // namespace
}  // namespace orlenvo
