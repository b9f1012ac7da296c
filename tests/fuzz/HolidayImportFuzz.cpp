// The holiday import's readers (holiday table, chinese-days JSON, iCalendar) over arbitrary text:
// days that keep the holiday rules, or their own error.
#include "calendar/HolidayImport.h"
#include "tests/fuzz/FuzzSupport.h"

#include <optional>

using namespace orlenvo;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    std::optional<ImportedHolidays> imported;
    try {
        imported = ParseHolidayImport(fuzz::AsText(data, size), "fuzz");
    } catch (const TableError &) {
        return 0;
    }
    fuzz::Check(!imported->days.empty() && !imported->years.empty(), "an import holds days");
    for (std::size_t i = 0; i < imported->days.size(); ++i) {
        const HolidayDay &d = imported->days[i];
        fuzz::Check(d.year >= kFirstTableYear && d.year <= kLastTableYear, "days within 1901-2050");
        const int weekday = DayOfWeek(EncodeDate(d));
        fuzz::Check(d.status.kind != HolidayKind::Workday || weekday == 1 || weekday == 7, "班 on a weekend");
        fuzz::Check(d.status.kind != HolidayKind::None && !d.status.name.empty(), "休 or 班 with a name");
        fuzz::Check(i == 0 || static_cast<const GregorianDate &>(imported->days[i - 1]) < d, "each day once, in order");
    }
    // The imported years over the built-in table read back through the table reader (throws, and so
    // fails, otherwise).
    ParseHolidayTable(FormatHolidayTable(MergeHolidayYears(BuiltInHolidays(), *imported)), "merged");
    return 0;
}
