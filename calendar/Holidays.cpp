// The holiday table.
#include "calendar/Holidays.h"

#include "calendar/BuiltInTables.h"
#include "calendar/TableLines.h"

#include <algorithm>
#include <optional>
#include <tuple>

namespace orlenvo {

namespace {

constexpr std::string_view kLastYearLine = "# last year: ";

auto Key(const HolidayDay &d)
{
    return std::tie(d.year, d.month, d.day);
}

}  // namespace

HolidayTable ParseHolidayTable(std::string_view text)
{
    HolidayTable table;
    ForEachLine(text, [&](int lineNumber, std::string_view line) {
        const std::string where = "holiday table, line " + std::to_string(lineNumber) + ": ";
        if (line.starts_with(kLastYearLine)) {
            table.lastYear = FieldNumber(line.substr(kLastYearLine.size()));
            if (table.lastYear < kFirstTableYear)
                throw HolidayTableError(where + "the last year is not a year");
            return;
        }
        if (line.empty() || line.front() == '#')
            return;
        const std::size_t tab1 = line.find('\t');
        const std::size_t tab2 = line.find('\t', tab1 + 1);
        HolidayDay d;
        std::string_view mark;
        if (tab1 == 10 && tab2 != std::string_view::npos && line[4] == '-' && line[7] == '-') {
            d.year = FieldNumber(line.substr(0, 4));
            d.month = FieldNumber(line.substr(5, 2));
            d.day = FieldNumber(line.substr(8, 2));
            mark = line.substr(11, tab2 - 11);
        }
        d.status.kind = mark == "休" ? HolidayKind::Rest : mark == "班" ? HolidayKind::Workday : HolidayKind::None;
        if (d.year < kFirstTableYear || d.month < 1 || d.month > 12 || d.day < 1 ||
            d.day > MonthLength(d.year, d.month) || d.status.kind == HolidayKind::None || tab2 + 1 >= line.size())
            throw HolidayTableError(where + "expected \"YYYY-MM-DD<tab>休 or 班<tab>name\"");
        d.status.name = line.substr(tab2 + 1);
        if (!table.days.empty() && Key(table.days.back()) >= Key(d))
            throw HolidayTableError(where + "the dates must increase");
        const int weekday = DayOfWeek(EncodeDate(d.year, d.month, d.day));
        if (d.status.kind == HolidayKind::Workday && weekday != 1 && weekday != 7)
            throw HolidayTableError(where + "a make-up workday on a weekday");
        table.days.push_back(std::move(d));
    });
    if (table.days.empty() || table.lastYear < table.days.back().year)
        throw HolidayTableError("holiday table: no days, or days after its \"last year\"");
    return table;
}

const HolidayTable &BuiltInHolidays()
{
    static const HolidayTable table = ParseHolidayTable(HolidayTableText());
    return table;
}

namespace {

std::optional<HolidayTable> &TableInUse()
{
    static std::optional<HolidayTable> table;
    return table;
}

}  // namespace

const HolidayTable &Holidays()
{
    const std::optional<HolidayTable> &table = TableInUse();
    return table ? *table : BuiltInHolidays();
}

void UseHolidayTable(HolidayTable table)
{
    TableInUse() = std::move(table);
}

HolidayStatus HolidayStatusOf(CalendarDate date)
{
    HolidayDay key;
    DecodeDate(date, key.year, key.month, key.day);
    const auto &days = Holidays().days;
    const auto it = std::lower_bound(days.begin(), days.end(), key,
                                     [](const HolidayDay &a, const HolidayDay &b) { return Key(a) < Key(b); });
    if (it == days.end() || Key(*it) != Key(key))
        return {};
    return it->status;
}

int FirstHolidayYear()
{
    return Holidays().days.front().year;
}

int LastHolidayYear()
{
    return Holidays().lastYear;
}

const char *HolidayMark(HolidayKind kind)
{
    switch (kind) {
    case HolidayKind::Rest: return "休";
    case HolidayKind::Workday: return "班";
    case HolidayKind::None: break;
    }
    return "";
}

std::string HolidayNote(CalendarDate date)
{
    const HolidayStatus status = HolidayStatusOf(date);
    if (status.kind == HolidayKind::Rest)
        return status.name + " 放假";
    if (status.kind == HolidayKind::Workday)
        return status.name + " 调休上班";
    int year = 0, month = 0, day = 0;
    DecodeDate(date, year, month, day);
    if (year > LastHolidayYear())
        return std::to_string(year) + "年的放假安排尚未收录（节假日数据至" + std::to_string(LastHolidayYear()) + "年）";
    return {};
}

}  // namespace orlenvo
