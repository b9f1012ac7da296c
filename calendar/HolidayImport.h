// Holiday data a user imports to update the calendar's holidays: Orlenvo's own holiday table, the
// JSON shape of the npm package chinese-days, or an iCalendar file marking its days with
// X-APPLE-SPECIAL-DAY or (休)/(班). Imported years are stored under $XDG_DATA_HOME/orlenvo/ and
// read over the built-in ones.
#pragma once

#include "calendar/Holidays.h"
#include "calendar/TableLines.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orlenvo {

// Errors are TableError (calendar/TableLines.h), naming the file, the line, and for a day its date
// and the rule broken: "2027.json:3: 2027-02-06: a make-up workday on a weekday".

enum class HolidayFileFormat { Table, ChineseDaysJson, ICalendar };

// '{' first: JSON; a BEGIN:VCALENDAR line: iCalendar; anything else: the holiday table.
HolidayFileFormat DetectHolidayFormat(std::string_view text);

struct ImportedHolidays {
    std::vector<HolidayDay> days;  // in date order
    std::vector<int> years;        // the notice years the days belong to, ascending
};

// The year of the State Council notice a day belongs to: its own year, except the days of 元旦 in
// December, which the next year's notice arranges.
int NoticeYearOf(const HolidayDay &day);

// Reads any of the three formats and checks the holiday rules: well-formed dates within 1901-2050,
// 班 only on a Saturday or Sunday, no day both 休 and 班 (or listed twice), a name for every day, at
// least one day. The short names of chinese-days ("元旦", "清明", ...) become the table's ("元旦节",
// "清明节", ...). Throws TableError naming fileName.
ImportedHolidays ParseHolidayImport(std::string_view text, const std::string &fileName);

// base with every notice year of imported replaced whole by the imported days; the last year is the
// later of both.
HolidayTable MergeHolidayYears(const HolidayTable &base, const ImportedHolidays &imported);

// The table in the text form ParseHolidayTable reads.
std::string FormatHolidayTable(const HolidayTable &table);

// $XDG_DATA_HOME/orlenvo/holidays.txt, or ~/.local/share/orlenvo/holidays.txt; "" without either.
std::string HolidayStorePath();

// Reads the stored years at storePath over the built-in table and makes the result the table in
// use. No file: the built-in table, nullopt. A file that cannot be read or fails the rules: the
// built-in table, and the reason.
std::optional<std::string> LoadStoredHolidays(const std::string &storePath);

struct HolidayImportReport {
    std::vector<int> added;     // notice years not known before
    std::vector<int> replaced;  // notice years whose days were replaced
};

// "新增2027年；替换2026年".
std::string ImportReportText(const HolidayImportReport &report);

// Reads file, checks it, stores its years at storePath (written whole, through a temporary file)
// and puts them in use. Throws TableError and changes nothing when the file cannot be read, breaks
// a rule or the store cannot be written.
HolidayImportReport ImportHolidayFile(const std::string &file, const std::string &storePath);

}  // namespace orlenvo
