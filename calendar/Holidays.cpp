// The holiday table.
#include "calendar/Holidays.h"

#include "calendar/BuiltInTables.h"
#include "calendar/TableLines.h"
#include "core/Script.h"

#include <algorithm>
#include <optional>

namespace orlenvo {

namespace {

constexpr std::string_view kLastYearLine = "# last year: ";

}  // namespace

HolidayTable ParseHolidayTable(std::string_view text, std::string file)
{
    HolidayTable table;
    TableReader reader(text, std::move(file));
    const auto lastYear = [&](std::string_view comment) {
        if (!comment.starts_with(kLastYearLine))
            return;
        table.lastYear = FieldNumber(comment.substr(kLastYearLine.size()));
        if (table.lastYear < kFirstTableYear)
            reader.Fail("the last year is not a year");
    };
    for (std::string_view row; reader.NextRow(row, lastYear);) {
        const std::vector<std::string_view> fields = SplitFields(row, '\t');
        const std::optional<GregorianDate> date = IsoDateField(fields[0]);
        const HolidayKind kind = fields.size() != 3  ? HolidayKind::None
                                 : fields[1] == "休" ? HolidayKind::Rest
                                 : fields[1] == "班" ? HolidayKind::Workday
                                                     : HolidayKind::None;
        if (!date || date->year < kFirstTableYear || kind == HolidayKind::None || fields[2].empty())
            reader.Fail("expected \"YYYY-MM-DD<tab>休 or 班<tab>name\"");
        if (!table.days.empty() && table.days.back() >= *date)
            reader.Fail("the dates must increase");
        const int weekday = DayOfWeek(EncodeDate(*date));
        if (kind == HolidayKind::Workday && weekday != 1 && weekday != 7)
            reader.Fail("a make-up workday on a weekday");
        table.days.push_back({*date, {kind, std::string(fields[2])}});
    }
    if (table.days.empty() || table.lastYear < table.days.back().year)
        reader.FailTable("no days, or days after its \"last year\"");
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
    const GregorianDate key = GregorianDateOf(date);
    const auto &days = Holidays().days;
    const auto it = std::lower_bound(days.begin(), days.end(), key,
                                     [](const GregorianDate &a, const GregorianDate &b) { return a < b; });
    if (it == days.end() || *it != key)
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
    case HolidayKind::Rest: return Localized("休");
    case HolidayKind::Workday: return Localized("班");
    case HolidayKind::None: break;
    }
    return "";
}

std::string HolidayNote(CalendarDate date)
{
    const HolidayStatus status = HolidayStatusOf(date);
    if (status.kind == HolidayKind::Rest)
        return std::string(Localized(status.name)) + Localized(" 放假");
    if (status.kind == HolidayKind::Workday)
        return std::string(Localized(status.name)) + Localized(" 调休上班");
    const int year = GregorianDateOf(date).year;
    if (year > LastHolidayYear())
        return std::to_string(year) + Localized("年的放假安排尚未收录（节假日数据至") +
               std::to_string(LastHolidayYear()) + Localized("年）");
    return {};
}

}  // namespace orlenvo
