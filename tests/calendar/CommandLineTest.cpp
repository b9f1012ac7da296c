// The command line's errors: exit status 2, a message, and no file.
#include "app/CommandLine.h"
#include "calendar/Holidays.h"
#include "tests/support/ScratchFolder.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace orlenvo {
namespace {

TEST(CommandLineTest, ErrorsLeaveNoFile)
{
    testing::ScratchFolder folder;
    ::setenv("XDG_DATA_HOME", folder.Path("data").c_str(), 1);
    const std::string file = folder.Path("out.ics").string();
    std::string folderPath = folder.Path().string();
    if (folderPath.ends_with('/'))
        folderPath.pop_back();
    const std::string hint = "\n(orlenvo --help lists the options)\n";
    struct Row {
        std::vector<std::string> args;
        int status;
        std::string message;
    };
    for (const Row &row : std::initializer_list<Row>{
             {{"--export-ics", file, "--from", "1900"},
              2,
              "orlenvo: --from 1900: the calendar covers 1901-2050" + hint},
             {{"--export-ics", file, "--to=2051"}, 2, "orlenvo: --to 2051: the calendar covers 1901-2050" + hint},
             {{"--export-ics", file, "--from", "2027", "--to", "2026"},
              2,
              "orlenvo: --to 2026 lies before --from 2027" + hint},
             {{"--export-ics", file, "--from", "20x6"}, 2, "orlenvo: --from 20x6: not a year YYYY" + hint},
             {{"--export-ics", file, "--with", "holidays,moon"},
              2,
              "orlenvo: --with holidays,moon: \"moon\" is not holidays, terms or festivals" + hint},
             {{"--export-ics", file, "--good-days", "嫁娶:龟"},
              2,
              "orlenvo: --good-days 嫁娶:龟: the animal is not one of 鼠 牛 虎 兔 龙 蛇 马 羊 猴 鸡 狗 猪" + hint},
             {{"--export-ics", file, "--lunar-anniversary", "13-01:x"},
              2,
              "orlenvo: --lunar-anniversary 13-01:x: a lunar month is 01-12 and its day 01-30" + hint},
             {{"--export-ics", file, "--lunar-anniversary", "08-15:leap:"},
              2,
              "orlenvo: --lunar-anniversary 08-15:leap:: the title is empty" + hint},
             {{"--from", "2026", "--help"}, 0, ""},
             {{"--from", "2026", "--import-holidays", folder.Path("none.json").string()},
              2,
              "orlenvo: --from, --to, --with, --good-days and --lunar-anniversary go with --export-ics FILE" + hint},
             {{"--export-ics"}, 2, "orlenvo: --export-ics needs a value" + hint},
             {{"--export-ics", file, "--bogus"}, 2, "orlenvo: unknown argument --bogus" + hint},
             {{"--export-ics", folder.Path("no/such/folder.ics").string()},
              2,
              "orlenvo: cannot write " + folder.Path("no/such/folder.ics").string() + ": No such file or directory\n"},
             {{"--export-ics", folderPath}, 2, "orlenvo: cannot write " + folderPath + ": Is a directory\n"},
             {{"--import-holidays", folder.Path("none.json").string()},
              1,
              "orlenvo: nothing imported: " + folder.Path("none.json").string() + ": No such file or directory\n"},
         }) {
        std::ostringstream out, err;
        EXPECT_EQ(RunCommandLine(row.args, out, err, 1798761600), row.status) << row.args.back();
        EXPECT_EQ(err.str(), row.message);
        EXPECT_EQ(folder.List(""), std::vector<std::string>{}) << row.args.back();
    }
    std::ostringstream out, err;
    EXPECT_EQ(RunCommandLine({"--help"}, out, err, 0), 0);
    for (const char *option :
         {"--export-ics", "--from", "--to", "--with", "--good-days", "--lunar-anniversary", "--import-holidays"})
        EXPECT_NE(out.str().find(option), std::string::npos) << option;
    ::unsetenv("XDG_DATA_HOME");
    UseHolidayTable(BuiltInHolidays());
}

}  // namespace
}  // namespace orlenvo
