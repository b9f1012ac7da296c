// The command line.
#include "app/CommandLine.h"

#include "calendar/CalendarExport.h"
#include "calendar/HolidayImport.h"
#include "calendar/ICalendarFile.h"
#include "calendar/Sexagenary.h"
#include "calendar/TableLines.h"
#include "core/AtomicFile.h"
#include "core/Script.h"

#include <algorithm>
#include <ctime>
#include <stdexcept>

namespace orlenvo {

namespace {

class UsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

int Year(const std::string &option, const std::string &value)
{
    const int year = value.size() == 4 ? FieldNumber(value) : -1;
    if (year < 0)
        throw UsageError(option + " " + value + ": not a year YYYY");
    if (year < kFirstTableYear || year > kLastTableYear)
        throw UsageError(option + " " + value + ": the calendar covers 1901-2050");
    return year;
}

GoodDayQuery GoodDays(const std::string &value)
{
    GoodDayQuery query;
    const std::size_t colon = value.find(':');
    query.activity = value.substr(0, colon);
    if (std::find(kGoodDayActivities.begin(), kGoodDayActivities.end(), query.activity) == kGoodDayActivities.end()) {
        std::string known;
        for (const char *activity : kGoodDayActivities)
            known += std::string(known.empty() ? "" : " ") + activity;
        throw UsageError("--good-days " + value + ": the activity is not one of " + known);
    }
    if (colon != std::string::npos) {
        const std::string animal = value.substr(colon + 1);
        for (int branch = 0; branch < 12; ++branch)
            if (animal == BranchAnimal(branch))
                query.animal = branch;
        if (query.animal < 0)
            throw UsageError("--good-days " + value + ": the animal is not one of 鼠 牛 虎 兔 龙 蛇 马 羊 猴 鸡 狗 猪");
    }
    return query;
}

LunarAnniversary Anniversary(const std::string &value)
{
    LunarAnniversary a;
    const auto bad = [&](const char *why) { return UsageError("--lunar-anniversary " + value + ": " + why); };
    if (value.size() < 7 || value[2] != '-' || value[5] != ':')
        throw bad("expected MM-DD[:leap]:TITLE");
    a.month = FieldNumber(std::string_view(value).substr(0, 2));
    a.day = FieldNumber(std::string_view(value).substr(3, 2));
    if (a.month < 1 || a.month > 12 || a.day < 1 || a.day > 30)
        throw bad("a lunar month is 01-12 and its day 01-30");
    std::string rest = value.substr(6);
    if (rest.starts_with("leap:")) {
        a.leap = true;
        rest.erase(0, 5);
    }
    if (rest.empty())
        throw bad("the title is empty");
    a.title = rest;
    return a;
}

int ThisYear(std::int64_t now)
{
    const std::time_t t = static_cast<std::time_t>(now);
    std::tm local{};
    localtime_r(&t, &local);
    return std::clamp(local.tm_year + 1900, kFirstTableYear, kLastTableYear);
}

}  // namespace

bool WantsCommandLine(const std::vector<std::string> &args)
{
    return std::any_of(args.begin(), args.end(), [](const std::string &arg) {
        return arg == "--help" || arg == "-h" || arg.starts_with("--export-ics") ||
               arg.starts_with("--import-holidays");
    });
}

std::string CommandLineHelp()
{
    return "Usage: orlenvo [--export-ics FILE [OPTIONS]] [--import-holidays FILE]\n"
           "Without options, opens the main window.\n"
           "\n"
           "  --export-ics FILE          write the calendar's days to FILE as iCalendar and exit\n"
           "    --from YYYY              first year, 1901-2050 (default: this year)\n"
           "    --to YYYY                last year, 1901-2050 (default: the year after --from)\n"
           "    --with KINDS             comma-separated holidays,terms,festivals (default: all three)\n"
           "    --good-days ACTIVITY[:ANIMAL]\n"
           "                             also the good days of an activity of the 吉日 menu\n"
           "                             (开市 交易 嫁娶 ...), without the days clashing with ANIMAL (鼠 ... 猪)\n"
           "    --lunar-anniversary MM-DD[:leap]:TITLE\n"
           "                             also TITLE on lunar month MM, day DD (of the leap month with\n"
           "                             :leap) in every year; may be given more than once. A day 30 in a\n"
           "                             month of 29 days falls on its 29th; a leap-month date in a year\n"
           "                             without that leap month falls in the regular month\n"
           "  --import-holidays FILE     read 休/班 days from FILE (Orlenvo's holidays.txt format,\n"
           "                             chinese-days JSON, or iCalendar with X-APPLE-SPECIAL-DAY or\n"
           "                             (休)/(班) summaries), store their years under\n"
           "                             $XDG_DATA_HOME/orlenvo/ over the built-in ones, and exit\n"
           "  --lang zh_CN|zh_TW|zh_HK   the script of the texts: Simplified, Traditional for Taiwan or\n"
           "                             for Hong Kong (default: the locale's languages)\n"
           "  -h, --help                 this text\n"
           "\n"
           "Exit status: 0 done, 1 the imported file was rejected, 2 bad arguments or a file that\n"
           "cannot be written.\n";
}

int RunCommandLine(const std::vector<std::string> &args, std::ostream &out, std::ostream &err, std::int64_t now)
{
    std::string exportFile, importFile;
    ExportChoice choice;
    std::optional<int> from, to;
    bool help = false;
    try {
        for (std::size_t i = 0; i < args.size(); ++i) {
            std::string option = args[i];
            std::optional<std::string> inlineValue;
            if (const std::size_t equals = option.find('='); option.starts_with("--") && equals != std::string::npos) {
                inlineValue = option.substr(equals + 1);
                option.erase(equals);
            }
            const auto value = [&]() -> std::string {
                if (inlineValue)
                    return *inlineValue;
                if (i + 1 >= args.size())
                    throw UsageError(option + " needs a value");
                return args[++i];
            };
            if (option == "--help" || option == "-h")
                help = true;
            else if (option == "--export-ics")
                exportFile = value();
            else if (option == "--import-holidays")
                importFile = value();
            else if (option == "--from")
                from = Year(option, value());
            else if (option == "--to")
                to = Year(option, value());
            else if (option == "--with") {
                const std::string kinds = value();
                choice.holidays = choice.terms = choice.festivals = false;
                for (std::size_t start = 0; start <= kinds.size();) {
                    const std::size_t comma = std::min(kinds.find(',', start), kinds.size());
                    const std::string kind = kinds.substr(start, comma - start);
                    if (kind == "holidays")
                        choice.holidays = true;
                    else if (kind == "terms")
                        choice.terms = true;
                    else if (kind == "festivals")
                        choice.festivals = true;
                    else
                        throw UsageError("--with " + kinds + ": \"" + kind + "\" is not holidays, terms or festivals");
                    start = comma + 1;
                }
            } else if (option == "--good-days")
                choice.goodDays = GoodDays(value());
            else if (option == "--lunar-anniversary")
                choice.anniversaries.push_back(Anniversary(value()));
            else if (option == "--lang") {
                const std::string name = value();
                const std::optional<Script> script = ScriptNamed(name);
                if (!script)
                    throw UsageError("--lang " + name + ": not zh_CN, zh_TW or zh_HK");
                SetScript(*script);
            } else
                throw UsageError("unknown argument " + args[i]);
        }
        if (help) {
            out << CommandLineHelp();
            return 0;
        }
        const bool exportOptions = from || to || !choice.holidays || !choice.terms || !choice.festivals ||
                                   !choice.goodDays.activity.empty() || !choice.anniversaries.empty();
        if (exportFile.empty() && exportOptions)
            throw UsageError("--from, --to, --with, --good-days and --lunar-anniversary go with --export-ics FILE");
        if (exportFile.empty() && importFile.empty())
            throw UsageError("nothing to do");
        choice.fromYear = from.value_or(to ? std::min(*to, ThisYear(now)) : ThisYear(now));
        choice.toYear = to.value_or(std::min(choice.fromYear + 1, kLastTableYear));
        if (choice.toYear < choice.fromYear)
            throw UsageError("--to " + std::to_string(choice.toYear) + " lies before --from " +
                             std::to_string(choice.fromYear));
    } catch (const UsageError &e) {
        err << "orlenvo: " << e.what() << "\n(orlenvo --help lists the options)\n";
        return 2;
    }

    if (const auto problem = LoadStoredHolidays(HolidayStorePath()))
        err << "orlenvo: the stored holidays are not used: " << *problem << "\n";
    if (!importFile.empty()) {
        try {
            const HolidayImportReport report = ImportHolidayFile(importFile, HolidayStorePath());
            out << "orlenvo: imported the holidays of " << importFile << ": " << ImportReportText(report) << " ("
                << HolidayStorePath() << ")\n";
        } catch (const TableError &e) {
            err << "orlenvo: nothing imported: " << e.what() << "\n";
            return 1;
        }
    }
    if (!exportFile.empty()) {
        const std::vector<CalendarEvent> events = ExportEvents(choice);
        if (const auto failure =
                WriteFileAtomically(exportFile, ICalendarText(ExportCalendarName(choice), events, now))) {
            err << "orlenvo: cannot write " << *failure << "\n";
            return 2;
        }
        out << "orlenvo: wrote " << events.size() << " events of " << choice.fromYear << "-" << choice.toYear << " to "
            << exportFile << "\n";
    }
    return 0;
}

}  // namespace orlenvo
