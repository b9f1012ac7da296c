// The holiday and solar-term table readers over arbitrary text: a table or their own error.
#include "calendar/Holidays.h"
#include "calendar/SolarTermMoments.h"
#include "calendar/TableLines.h"
#include "tests/fuzz/FuzzSupport.h"

#include <string_view>

using namespace orlenvo;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char *>(data), size);
    try {
        const HolidayTable table = ParseHolidayTable(text);
        fuzz::Check(!table.days.empty() && table.lastYear >= table.days.back().year, "a table runs to its last year");
        for (std::size_t i = 0; i < table.days.size(); ++i) {
            const HolidayDay &d = table.days[i];
            const int weekday = DayOfWeek(EncodeDate(d.year, d.month, d.day));
            fuzz::Check(d.status.kind != HolidayKind::Workday || weekday == 1 || weekday == 7, "班 on a weekend");
            fuzz::Check(d.status.kind != HolidayKind::None && !d.status.name.empty(), "a day is 休 or 班 of a holiday");
            fuzz::Check(i == 0 || EncodeDate(table.days[i - 1].year, table.days[i - 1].month, table.days[i - 1].day) <
                                      EncodeDate(d.year, d.month, d.day),
                        "each day once, in order");
        }
    } catch (const TableError &) {}
    try {
        const std::vector<TermMoment> moments = ParseSolarTermMoments(text);
        fuzz::Check(moments.size() == 3600, "every term of 1901-2050");
    } catch (const TableError &) {}
    return 0;
}
