// The holiday import's readers (holiday table, chinese-days JSON, iCalendar) over arbitrary text:
// days that keep the holiday rules, or their own error.
#include "calendar/HolidayImport.h"
#include "tests/fuzz/FuzzSupport.h"

using namespace orlenvo;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    try {
        const ImportedHolidays imported = ParseHolidayImport(fuzz::AsText(data, size), "fuzz");
        fuzz::Check(!imported.days.empty() && !imported.years.empty(), "an import holds days");
        for (std::size_t i = 0; i < imported.days.size(); ++i) {
            const HolidayDay &d = imported.days[i];
            fuzz::Check(d.year >= kFirstTableYear && d.year <= kLastTableYear, "days within 1901-2050");
            const CalendarDate date = EncodeDate(d.year, d.month, d.day);
            const int weekday = DayOfWeek(date);
            fuzz::Check(d.status.kind != HolidayKind::Workday || weekday == 1 || weekday == 7, "班 on a weekend");
            fuzz::Check(d.status.kind != HolidayKind::None && !d.status.name.empty(), "休 or 班 with a name");
            fuzz::Check(i == 0 || EncodeDate(imported.days[i - 1].year, imported.days[i - 1].month,
                                             imported.days[i - 1].day) < date,
                        "each day once, in order");
        }
        // The imported years over the built-in table read back through the table reader.
        ParseHolidayTable(FormatHolidayTable(MergeHolidayYears(BuiltInHolidays(), imported)));
    } catch (const HolidayImportError &) {}
    return 0;
}
