// Importing holiday data: the three formats with one bad file each, an export read back, and the
// store replacing years whole.
#include "calendar/HolidayImport.h"
#include "calendar/CalendarExport.h"
#include "calendar/ICalendarFile.h"
#include "tests/support/ScratchFolder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

namespace orlenvo {
namespace {

// A sample arrangement for 2027 (not a published notice): 国庆节 10-01 to 10-07 off, Sunday 09-26 and
// Saturday 10-09 worked, in each of the three formats.
const std::string kTable2027 = "# last year: 2027\n"
                               "2027-09-26\t班\t国庆节\n"
                               "2027-10-01\t休\t国庆节\n2027-10-02\t休\t国庆节\n2027-10-03\t休\t国庆节\n"
                               "2027-10-04\t休\t国庆节\n2027-10-05\t休\t国庆节\n2027-10-06\t休\t国庆节\n"
                               "2027-10-07\t休\t国庆节\n2027-10-09\t班\t国庆节\n";
const std::string kJson2027 = R"({"holidays":{"2027-10-01":"National Day,国庆节,7","2027-10-02":"National Day,国庆节,7",
"2027-10-03":"National Day,国庆节,7","2027-10-04":"National Day,国庆节,7","2027-10-05":"National Day,国庆节,7",
"2027-10-06":"National Day,国庆节,7","2027-10-07":"National Day,\u56fd\u5e86\u8282,7"},
"workdays":{"2027-09-26":"National Day,国庆节,7","2027-10-09":"National Day,国庆节,7"},
"inLieuDays":{"2027-10-06":"National Day,国庆节,7"}})";
const std::string kIcs2027 = "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nBEGIN:VEVENT\r\nDTSTART;VALUE=DATE:20271001\r\n"
                             "DTEND;VALUE=DATE:20271008\r\nSUMMARY:国庆\r\n 节\r\nX-APPLE-SPECIAL-DAY:WORK-HOLIDAY\r\n"
                             "END:VEVENT\r\nBEGIN:VEVENT\r\nDTSTART;VALUE=DATE:20270926\r\nSUMMARY:国庆节（班）\r\n"
                             "END:VEVENT\r\nBEGIN:VEVENT\r\nDTSTART;TZID=Asia/Shanghai:20271009T090000\r\n"
                             "SUMMARY:国庆节(班)\r\nEND:VEVENT\r\nBEGIN:VEVENT\r\nDTSTART;VALUE=DATE:20271001\r\n"
                             "SUMMARY:国庆节\r\nEND:VEVENT\r\nEND:VCALENDAR\r\n";

std::string AsTable(const ImportedHolidays &imported)
{
    return FormatHolidayTable({2027, imported.days});
}

TEST(HolidayImportTest, ThreeFormatsAndABadFileOfEach)
{
    const std::string expected = AsTable(ParseHolidayImport(kTable2027, "2027.txt"));
    EXPECT_EQ(ParseHolidayImport(kTable2027, "2027.txt").years, std::vector<int>{2027});
    EXPECT_EQ(AsTable(ParseHolidayImport(kJson2027, "2027.json")), expected);
    EXPECT_EQ(AsTable(ParseHolidayImport(kIcs2027, "2027.ics")), expected);

    struct Bad {
        std::string file, text, message;
    };
    for (
        const Bad &bad : std::initializer_list<Bad>{
            {"bad.txt", "# last year: 2027\n2027-10-08\t班\t国庆节\n", "bad.txt:2: a make-up workday on a weekday"},
            {"bad.json",
             R"({"holidays":{"2027-10-01":"National Day,国庆节,7"},"workdays":{"2027-10-08":"National Day,国庆节,7"}})",
             "bad.json:1: 2027-10-08: a make-up workday on a weekday"},
            {"bad.ics",
             "BEGIN:VCALENDAR\r\nBEGIN:VEVENT\r\nDTSTART;VALUE=DATE:20271001\r\nDTEND;VALUE=DATE:20271004\r\n"
             "SUMMARY:国庆节(休)\r\nEND:VEVENT\r\nBEGIN:VEVENT\r\nDTSTART;VALUE=DATE:20271002\r\n"
             "SUMMARY:国庆节(班)\r\nEND:VEVENT\r\nEND:VCALENDAR\r\n",
             "bad.ics:7: 2027-10-02: the day is both 休 and 班"},
            {"noname.json", R"({"holidays":{"2027-10-01":"National Day,,7"}})",
             "noname.json:1: 2027-10-01: a day without a holiday name"},
            {"date.json", "{\"holidays\":\n {\"2027-02-30\":\"x,春节,1\"}}",
             "date.json:2: \"2027-02-30\": not a date YYYY-MM-DD"},
        }) {
        try {
            ParseHolidayImport(bad.text, bad.file);
            ADD_FAILURE() << "accepted " << bad.file;
        } catch (const TableError &e) {
            EXPECT_EQ(std::string(e.what()), bad.message);
        }
    }
}

TEST(HolidayImportTest, AnExportReadsBackAsTheBuiltInYear)
{
    const std::string text = ICalendarText("t", HolidayEvents(2025, 2026), 0);
    const ImportedHolidays imported = ParseHolidayImport(text, "orlenvo-2025-2026.ics");
    std::vector<HolidayDay> builtIn;
    for (const HolidayDay &d : BuiltInHolidays().days)
        if (d.year >= 2025 && d.year <= 2026)
            builtIn.push_back(d);
    EXPECT_EQ(FormatHolidayTable({2026, imported.days}), FormatHolidayTable({2026, builtIn}));
}

TEST(HolidayImportTest, StoreReplacesYearsWhole)
{
    testing::ScratchFolder folder;
    folder.Write("2027.txt", kTable2027);
    folder.Write("2026.json", R"({"holidays":{"2026-10-01":"National Day,国庆节,1"},"workdays":{}})");
    folder.Write("bad.json", R"({"holidays":{"2026-10-01":""}})");
    const std::string store = folder.Path("data/orlenvo/holidays.txt").string();
    const std::string oldNote = HolidayNote(EncodeDate(2028, 10, 1));

    HolidayImportReport report = ImportHolidayFile(folder.Path("2027.txt").string(), store);
    EXPECT_EQ(report.added, std::vector<int>{2027});
    EXPECT_EQ(ImportReportText(report), "新增2027年");
    EXPECT_EQ(Holidays().lastYear, 2027);
    EXPECT_EQ(HolidayNote(EncodeDate(2028, 10, 1)), "2028年的放假安排尚未收录（节假日数据至2027年）");
    EXPECT_EQ(HolidayStatusOf(EncodeDate(2027, 10, 9)).kind, HolidayKind::Workday);

    report = ImportHolidayFile(folder.Path("2026.json").string(), store);
    EXPECT_EQ(ImportReportText(report), "替换2026年");
    EXPECT_EQ(HolidayStatusOf(EncodeDate(2026, 10, 1)).kind, HolidayKind::Rest);
    EXPECT_EQ(HolidayStatusOf(EncodeDate(2026, 10, 2)).kind, HolidayKind::None);  // the year replaced whole
    EXPECT_EQ(HolidayStatusOf(EncodeDate(2026, 2, 17)).kind, HolidayKind::None);
    EXPECT_EQ(HolidayStatusOf(EncodeDate(2027, 10, 9)).kind, HolidayKind::Workday);

    // Bad input changes nothing.
    const std::string stored = folder.Read("data/orlenvo/holidays.txt");
    EXPECT_THROW(ImportHolidayFile(folder.Path("bad.json").string(), store), TableError);
    EXPECT_THROW(ImportHolidayFile(folder.Path("missing.json").string(), store), TableError);
    EXPECT_EQ(folder.Read("data/orlenvo/holidays.txt"), stored);
    EXPECT_EQ(folder.List("data/orlenvo"), std::vector<std::string>{"holidays.txt"});
    EXPECT_EQ(Holidays().lastYear, 2027);

    // At start: the store over the built-in table; a broken store leaves the built-in one.
    UseHolidayTable(BuiltInHolidays());
    EXPECT_EQ(LoadStoredHolidays(store), std::nullopt);
    EXPECT_EQ(HolidayStatusOf(EncodeDate(2026, 10, 2)).kind, HolidayKind::None);
    EXPECT_EQ(Holidays().lastYear, 2027);
    folder.Write("data/orlenvo/holidays.txt", "2027-10-08\t班\t国庆节\n");
    EXPECT_TRUE(LoadStoredHolidays(store).has_value());
    EXPECT_EQ(HolidayNote(EncodeDate(2028, 10, 1)), oldNote);
    EXPECT_EQ(HolidayStatusOf(EncodeDate(2026, 10, 2)).kind, HolidayKind::Rest);
    UseHolidayTable(BuiltInHolidays());
}

}  // namespace
}  // namespace orlenvo
