// Importing holiday data.
#include "calendar/HolidayImport.h"

#include "calendar/BuiltInTables.h"
#include "core/AtomicFile.h"
#include "core/Script.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <set>
#include <sys/stat.h>

namespace orlenvo {

namespace {

constexpr std::size_t kLargestImport = 8 << 20;  // far above a century of holidays in any format
constexpr int kLongestEvent = 366;               // days one iCalendar event may mark

// A day read from a file and the line it was read on, for the error messages.
struct ReadDay {
    HolidayDay day;
    int line = 0;
};

const GregorianDate &Key(const HolidayDay &d)
{
    return d;
}

std::string DateText(const HolidayDay &d)
{
    char text[16];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", d.year, d.month, d.day);
    return text;
}

std::string_view Trimmed(std::string_view text)
{
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t' || text.front() == '\r'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t' || text.back() == '\r'))
        text.remove_suffix(1);
    return text;
}

// chinese-days and the common feeds name some holidays without "节".
std::string TableName(std::string_view name)
{
    static const std::map<std::string_view, std::string_view> kNames = {
        {"元旦", "元旦节"},
        {"清明", "清明节"},
        {"端午", "端午节"},
        {"中秋", "中秋节"},
        {"中国人民抗日战争暨世界反法西斯战争胜利70周年纪念日", "抗战胜利日"},
    };
    name = Trimmed(name);
    const auto it = kNames.find(name);
    return std::string(it != kNames.end() ? it->second : name);
}

// The valid date written "YYYYMMDD", as iCalendar writes it, else nullopt.
std::optional<GregorianDate> BasicDateField(std::string_view text)
{
    if (text.size() != 8)
        return std::nullopt;
    const GregorianDate date{FieldNumber(text.substr(0, 4)), FieldNumber(text.substr(4, 2)),
                             FieldNumber(text.substr(6, 2))};
    if (!IsValidDate(date))
        return std::nullopt;
    return date;
}

[[noreturn]] void Fail(const std::string &fileName, int line, const std::string &rule)
{
    throw TableError(fileName, line, rule);
}

// A rule broken by one day: "2027-10-08: a make-up workday on a weekday".
[[noreturn]] void FailDay(const std::string &fileName, const ReadDay &read, const std::string &rule)
{
    throw TableError(fileName, read.line, DateText(read.day) + ": " + rule);
}

// The holiday rules over days read from a file; sorts them by date.
ImportedHolidays Checked(std::vector<ReadDay> read, const std::string &fileName)
{
    if (read.empty())
        Fail(fileName, 0, "no 休 or 班 days found");
    std::stable_sort(read.begin(), read.end(),
                     [](const ReadDay &a, const ReadDay &b) { return Key(a.day) < Key(b.day); });
    // A name is one line of text: control characters (a tab would split the stored row) become blanks.
    for (ReadDay &r : read) {
        std::string &name = r.day.status.name;
        std::replace_if(
            name.begin(), name.end(), [](char c) { return static_cast<unsigned char>(c) < 0x20 || c == 0x7F; }, ' ');
        name = std::string(Trimmed(name));
    }
    ImportedHolidays imported;
    std::set<int> years;
    for (std::size_t i = 0; i < read.size(); ++i) {
        const HolidayDay &d = read[i].day;
        if (d.year < kFirstTableYear || d.year > kLastTableYear)
            FailDay(fileName, read[i], "a date outside 1901-2050");
        if (d.status.name.empty())
            FailDay(fileName, read[i], "a day without a holiday name");
        const int weekday = DayOfWeek(EncodeDate(d));
        if (d.status.kind == HolidayKind::Workday && weekday != 1 && weekday != 7)
            FailDay(fileName, read[i], "a make-up workday on a weekday");
        if (i > 0 && Key(read[i - 1].day) == Key(d)) {
            if (read[i - 1].day.status.kind != d.status.kind)
                FailDay(fileName, read[i], "the day is both 休 and 班");
            if (read[i - 1].day.status.name != d.status.name)
                FailDay(fileName, read[i], "the day is named twice");
            continue;  // the same day twice, as chinese-days' inLieuDays repeat its holidays
        }
        years.insert(NoticeYearOf(d));
        imported.days.push_back(d);
    }
    imported.years.assign(years.begin(), years.end());
    return imported;
}

ImportedHolidays FromTable(std::string_view text, const std::string &fileName)
{
    // The table reader checks the rows; the rules beyond it follow.
    const HolidayTable table = ParseHolidayTable(text, fileName);
    std::vector<ReadDay> read;
    for (const HolidayDay &d : table.days)
        read.push_back({d, 0});
    return Checked(std::move(read), fileName);
}

// A small JSON reader: objects, arrays, strings, numbers and literals, nested at most kDepth deep.
class Json {
public:
    struct Member {
        std::string key;
        int line = 0;
        std::string text;  // the value when it is a string
        bool isString = false;
        std::vector<Member> members;  // the value's members when it is an object
        bool isObject = false;
    };

    Json(std::string_view text, const std::string &fileName) : text_(text), fileName_(fileName) {}

    Member Document()
    {
        Member root;
        Value(root, 0);
        Space();
        if (at_ != text_.size())
            Error("text after the JSON value");
        return root;
    }

private:
    static constexpr int kDepth = 32;

    [[noreturn]] void Error(const std::string &what) { Fail(fileName_, Line(), "not JSON: " + what); }

    void Space()
    {
        while (at_ < text_.size() &&
               (text_[at_] == ' ' || text_[at_] == '\t' || text_[at_] == '\n' || text_[at_] == '\r'))
            ++at_;
    }

    bool Take(char c)
    {
        Space();
        if (at_ < text_.size() && text_[at_] == c) {
            ++at_;
            return true;
        }
        return false;
    }

    // The line of the reading position, counted on from the last call.
    int Line()
    {
        line_ += static_cast<int>(std::count(text_.begin() + counted_, text_.begin() + at_, '\n'));
        counted_ = at_;
        return line_;
    }

    static void AppendUtf8(std::string &out, unsigned code)
    {
        if (code < 0x80) {
            out += static_cast<char>(code);
        } else if (code < 0x800) {
            out += static_cast<char>(0xC0 | (code >> 6));
            out += static_cast<char>(0x80 | (code & 0x3F));
        } else if (code < 0x10000) {
            out += static_cast<char>(0xE0 | (code >> 12));
            out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (code & 0x3F));
        } else {
            out += static_cast<char>(0xF0 | (code >> 18));
            out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
            out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (code & 0x3F));
        }
    }

    unsigned Hex4()
    {
        if (at_ + 4 > text_.size())
            Error("a short \\u escape");
        unsigned code = 0;
        for (int i = 0; i < 4; ++i) {
            const char c = text_[at_++];
            code <<= 4;
            if (c >= '0' && c <= '9')
                code |= static_cast<unsigned>(c - '0');
            else if (c >= 'a' && c <= 'f')
                code |= static_cast<unsigned>(c - 'a' + 10);
            else if (c >= 'A' && c <= 'F')
                code |= static_cast<unsigned>(c - 'A' + 10);
            else
                Error("a bad \\u escape");
        }
        return code;
    }

    std::string String()
    {
        if (!Take('"'))
            Error("expected a string");
        std::string out;
        while (true) {
            if (at_ >= text_.size())
                Error("an unterminated string");
            const char c = text_[at_++];
            if (c == '"')
                return out;
            if (static_cast<unsigned char>(c) < 0x20)
                Error("a control character in a string");
            if (c != '\\') {
                out += c;
                continue;
            }
            if (at_ >= text_.size())
                Error("an unterminated string");
            const char e = text_[at_++];
            switch (e) {
            case '"':
            case '\\':
            case '/': out += e; break;
            case 'b': out += '\b'; break;
            case 'f': out += '\f'; break;
            case 'n': out += '\n'; break;
            case 'r': out += '\r'; break;
            case 't': out += '\t'; break;
            case 'u': {
                unsigned code = Hex4();
                if (code >= 0xD800 && code < 0xDC00 && at_ + 1 < text_.size() && text_[at_] == '\\' &&
                    text_[at_ + 1] == 'u') {
                    at_ += 2;
                    const unsigned low = Hex4();
                    if (low < 0xDC00 || low >= 0xE000)
                        Error("a bad surrogate pair");
                    code = 0x10000 + ((code - 0xD800) << 10) + (low - 0xDC00);
                } else if (code >= 0xD800 && code < 0xE000) {
                    Error("a lone surrogate");
                }
                AppendUtf8(out, code);
                break;
            }
            default: Error("a bad escape");
            }
        }
    }

    void Value(Member &into, int depth)
    {
        if (depth > kDepth)
            Error("nested too deep");
        Space();
        if (at_ >= text_.size())
            Error("unexpected end");
        const char c = text_[at_];
        if (c == '{') {
            ++at_;
            into.isObject = true;
            if (Take('}'))
                return;
            do {
                Member member;
                Space();
                member.line = Line();
                member.key = String();
                if (!Take(':'))
                    Error("expected ':'");
                Value(member, depth + 1);
                into.members.push_back(std::move(member));
            } while (Take(','));
            if (!Take('}'))
                Error("expected ',' or '}'");
        } else if (c == '[') {
            ++at_;
            if (Take(']'))
                return;
            do {
                Member item;
                Value(item, depth + 1);
            } while (Take(','));
            if (!Take(']'))
                Error("expected ',' or ']'");
        } else if (c == '"') {
            into.text = String();
            into.isString = true;
        } else {
            // A number or a literal: its characters, checked loosely; holiday data holds none.
            const std::size_t start = at_;
            while (at_ < text_.size() && std::strchr("+-.0123456789eEtruefalsn", text_[at_]) != nullptr)
                ++at_;
            const std::string_view word = text_.substr(start, at_ - start);
            if (word.empty() || (std::isalpha(static_cast<unsigned char>(word[0])) && word != "true" &&
                                 word != "false" && word != "null"))
                Error("unexpected character");
        }
    }

    std::string_view text_;
    const std::string &fileName_;
    std::size_t at_ = 0;
    std::size_t counted_ = 0;
    int line_ = 1;
};

ImportedHolidays FromChineseDays(std::string_view text, const std::string &fileName)
{
    const Json::Member root = Json(text, fileName).Document();
    if (!root.isObject)
        Fail(fileName, 1, "expected an object with \"holidays\" and \"workdays\"");
    std::vector<ReadDay> read;
    bool any = false;
    for (const Json::Member &group : root.members) {
        HolidayKind kind = HolidayKind::None;
        if (group.key == "holidays" || group.key == "inLieuDays")
            kind = HolidayKind::Rest;
        else if (group.key == "workdays")
            kind = HolidayKind::Workday;
        else
            continue;
        any = true;
        if (!group.isObject)
            Fail(fileName, group.line, "\"" + group.key + "\" is not an object of dates");
        for (const Json::Member &entry : group.members) {
            const std::optional<GregorianDate> date = IsoDateField(entry.key);
            if (!date)
                Fail(fileName, entry.line, "\"" + entry.key.substr(0, 40) + "\": not a date YYYY-MM-DD");
            HolidayDay d;
            static_cast<GregorianDate &>(d) = *date;
            if (!entry.isString)
                Fail(fileName, entry.line, entry.key + ": the value is not a text \"English,中文,N\"");
            // "English,中文,N": the Chinese name is the second field; a value without commas is the name.
            std::string_view value = entry.text;
            const std::size_t comma = value.find(',');
            if (comma != std::string_view::npos) {
                value.remove_prefix(comma + 1);
                value = value.substr(0, value.find(','));
            }
            d.status = {kind, TableName(value)};
            read.push_back({std::move(d), entry.line});
        }
    }
    if (!any)
        Fail(fileName, 1, "expected an object with \"holidays\" and \"workdays\"");
    return Checked(std::move(read), fileName);
}

// iCalendar: each VEVENT with X-APPLE-SPECIAL-DAY, or (休)/(班) in its SUMMARY, marks its days.
ImportedHolidays FromICalendar(std::string_view text, const std::string &fileName)
{
    struct Property {
        int line = 0;
        std::string name;    // upper case
        std::string params;  // upper case, after the name
        std::string value;
    };
    // Unfolded content lines.
    std::vector<Property> properties;
    TableReader reader(text, fileName);
    for (std::string_view line; reader.NextRow(line);) {
        const int lineNumber = reader.LineNumber();
        if (line.front() == ' ' || line.front() == '\t') {
            if (!properties.empty())
                properties.back().value.append(line.substr(1));
            continue;
        }
        Property p;
        p.line = lineNumber;
        std::size_t at = 0;
        bool quoted = false;
        while (at < line.size() && (quoted || line[at] != ':')) {
            if (line[at] == '"')
                quoted = !quoted;
            ++at;
        }
        if (at == line.size())
            reader.Fail("not an iCalendar content line NAME:VALUE");
        std::string head(line.substr(0, at));
        for (char &c : head)
            c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        const std::size_t semicolon = head.find(';');
        p.name = head.substr(0, semicolon);
        p.params = semicolon == std::string::npos ? std::string() : head.substr(semicolon);
        p.value = line.substr(at + 1);
        properties.push_back(std::move(p));
    }

    std::vector<ReadDay> read;
    int eventLine = 0;
    const Property *start = nullptr, *end = nullptr, *summary = nullptr, *special = nullptr;
    int depth = 0;
    for (const Property &p : properties) {
        if (p.name == "BEGIN" && p.value == "VEVENT") {
            eventLine = p.line;
            start = end = summary = special = nullptr;
            depth = 1;
            continue;
        }
        if (depth == 0)
            continue;
        if (p.name == "BEGIN") {
            ++depth;  // an alarm or other part inside the event
            continue;
        }
        if (p.name == "END" && --depth > 0)
            continue;
        if (depth == 1 && p.name == "DTSTART")
            start = &p;
        else if (depth == 1 && p.name == "DTEND")
            end = &p;
        else if (depth == 1 && p.name == "SUMMARY")
            summary = &p;
        else if (depth == 1 && p.name == "X-APPLE-SPECIAL-DAY")
            special = &p;
        if (p.name != "END")
            continue;
        // The event is complete.
        std::string name;
        if (summary != nullptr) {
            for (std::size_t i = 0; i < summary->value.size(); ++i) {
                const char c = summary->value[i];
                if (c == '\\' && i + 1 < summary->value.size()) {
                    const char e = summary->value[++i];
                    name += e == 'n' || e == 'N' ? ' ' : e;
                } else {
                    name += c;
                }
            }
        }
        HolidayKind kind = HolidayKind::None;
        if (special != nullptr && special->value == "WORK-HOLIDAY")
            kind = HolidayKind::Rest;
        else if (special != nullptr && special->value == "ALTERNATE-WORKDAY")
            kind = HolidayKind::Workday;
        for (const auto &[mark, markKind] : {std::pair<std::string_view, HolidayKind>{"(休)", HolidayKind::Rest},
                                             {"（休）", HolidayKind::Rest},
                                             {"(班)", HolidayKind::Workday},
                                             {"（班）", HolidayKind::Workday}}) {
            const std::size_t at = name.find(mark);
            if (at == std::string::npos)
                continue;
            if (kind == HolidayKind::None)
                kind = markKind;
            else if (kind != markKind)
                Fail(fileName, eventLine, "the event is both 休 and 班");
            name.erase(at, mark.size());
        }
        if (kind == HolidayKind::None)
            continue;  // an event of another kind: a festival, a solar term
        if (start == nullptr)
            Fail(fileName, eventLine, "a 休 or 班 event without DTSTART");
        const auto first = BasicDateField(std::string_view(start->value).substr(0, 8));
        if (!first || (start->value.size() > 8 && start->value[8] != 'T'))
            Fail(fileName, start->line, "DTSTART is not a date YYYYMMDD");
        const CalendarDate from = EncodeDate(*first);
        CalendarDate to = from;  // the last day marked
        if (end != nullptr) {
            const auto last = BasicDateField(std::string_view(end->value).substr(0, 8));
            if (!last || (end->value.size() > 8 && end->value[8] != 'T'))
                Fail(fileName, end->line, "DTEND is not a date YYYYMMDD");
            to = EncodeDate(*last);
            // A date's end is exclusive; a time's end marks its own day unless it is midnight.
            const std::string_view time =
                std::string_view(end->value).substr(std::min<std::size_t>(8, end->value.size()));
            if (time.empty() || time.starts_with("T000000"))
                to -= 1;
            to = std::max(to, from);
            if (to - from >= kLongestEvent)
                Fail(fileName, eventLine, "an event of more than a year");
        }
        const std::string dayName = TableName(name);
        for (CalendarDate date = from; date <= to; date += 1) {
            HolidayDay d;
            static_cast<GregorianDate &>(d) = GregorianDateOf(date);
            d.status = {kind, dayName};
            read.push_back({d, eventLine});
        }
        depth = 0;
    }
    return Checked(std::move(read), fileName);
}

std::string Years(const std::vector<int> &years)
{
    std::string text;
    for (int year : years)
        text += (text.empty() ? "" : "、") + std::to_string(year);
    return text + Localized("年");
}

}  // namespace

HolidayFileFormat DetectHolidayFormat(std::string_view text)
{
    if (text.starts_with("\xEF\xBB\xBF"))
        text.remove_prefix(3);
    const std::size_t first = text.find_first_not_of(" \t\r\n");
    if (first != std::string_view::npos && text[first] == '{')
        return HolidayFileFormat::ChineseDaysJson;
    if (first != std::string_view::npos && text.substr(first, 15) == "BEGIN:VCALENDAR")
        return HolidayFileFormat::ICalendar;
    return HolidayFileFormat::Table;
}

int NoticeYearOf(const HolidayDay &day)
{
    return day.month == 12 && day.status.name.starts_with("元旦") ? day.year + 1 : day.year;
}

ImportedHolidays ParseHolidayImport(std::string_view text, const std::string &fileName)
{
    const HolidayFileFormat format = DetectHolidayFormat(text);
    if (text.starts_with("\xEF\xBB\xBF"))
        text.remove_prefix(3);
    switch (format) {
    case HolidayFileFormat::ChineseDaysJson: return FromChineseDays(text, fileName);
    case HolidayFileFormat::ICalendar: return FromICalendar(text, fileName);
    case HolidayFileFormat::Table: break;
    }
    return FromTable(text, fileName);
}

HolidayTable MergeHolidayYears(const HolidayTable &base, const ImportedHolidays &imported)
{
    HolidayTable merged;
    const std::set<int> years(imported.years.begin(), imported.years.end());
    std::set<GregorianDate> importedDates;
    for (const HolidayDay &d : imported.days)
        importedDates.insert(Key(d));
    for (const HolidayDay &d : base.days)
        if (!years.contains(NoticeYearOf(d)) && !importedDates.contains(Key(d)))
            merged.days.push_back(d);
    merged.days.insert(merged.days.end(), imported.days.begin(), imported.days.end());
    std::sort(merged.days.begin(), merged.days.end(),
              [](const HolidayDay &a, const HolidayDay &b) { return Key(a) < Key(b); });
    merged.lastYear = std::max(base.lastYear, imported.years.empty() ? 0 : imported.years.back());
    for (const HolidayDay &d : merged.days)
        merged.lastYear = std::max(merged.lastYear, d.year);
    return merged;
}

std::string FormatHolidayTable(const HolidayTable &table)
{
    std::string text =
        "# 节假日: imported with orlenvo --import-holidays or the calendar's menu; read over the built-in table.\n";
    text += "# last year: " + std::to_string(table.lastYear) + "\n";
    for (const HolidayDay &d : table.days)
        text += DateText(d) + "\t" + HolidayMark(d.status.kind) + "\t" + d.status.name + "\n";
    return text;
}

std::string HolidayStorePath()
{
    // A relative XDG_DATA_HOME is ignored, as the base-directory rules say.
    const char *dataHome = std::getenv("XDG_DATA_HOME");
    if (dataHome != nullptr && dataHome[0] == '/')
        return std::string(dataHome) + "/orlenvo/holidays.txt";
    const char *home = std::getenv("HOME");
    if (home != nullptr && home[0] == '/')
        return std::string(home) + "/.local/share/orlenvo/holidays.txt";
    return {};
}

namespace {

// The stored years, or nullopt when there is no store; throws TableError when it is unreadable.
std::optional<HolidayTable> ReadStore(const std::string &storePath)
{
    struct stat info {};
    if (storePath.empty() || (::stat(storePath.c_str(), &info) != 0 && errno == ENOENT))
        return std::nullopt;
    std::string error;
    const auto text = ReadWholeFile(storePath, error);
    if (!text)
        throw TableError(storePath, 0, error.substr(error.find(": ") + 2));
    return ParseHolidayTable(*text, storePath);
}

// The built-in table with the stored years over it, checked by the table reader once more.
HolidayTable InUse(const std::optional<HolidayTable> &stored)
{
    if (!stored)
        return BuiltInHolidays();
    ImportedHolidays years;
    years.days = stored->days;
    std::set<int> notice;
    for (const HolidayDay &d : stored->days)
        notice.insert(NoticeYearOf(d));
    years.years.assign(notice.begin(), notice.end());
    return ParseHolidayTable(FormatHolidayTable(MergeHolidayYears(BuiltInHolidays(), years)), "stored holidays");
}

}  // namespace

std::optional<std::string> LoadStoredHolidays(const std::string &storePath)
{
    try {
        const std::optional<HolidayTable> stored = ReadStore(storePath);
        if (stored)
            UseHolidayTable(InUse(stored));
        return std::nullopt;
    } catch (const std::exception &e) {
        UseHolidayTable(BuiltInHolidays());
        return e.what();
    }
}

std::string ImportReportText(const HolidayImportReport &report)
{
    std::string text;
    if (!report.added.empty())
        text += Localized("新增") + Years(report.added);
    if (!report.replaced.empty())
        text += (text.empty() ? Localized("替换") : Localized("；替换")) + Years(report.replaced);
    return text;
}

HolidayImportReport ImportHolidayFile(const std::string &file, const std::string &storePath)
{
    std::string error;
    const auto text = ReadWholeFile(file, error);
    if (!text)
        throw TableError(file, 0, error.substr(error.find(": ") + 2));
    if (text->size() > kLargestImport)
        throw TableError(file, 0, "larger than 8 MB, not a holiday file");
    const ImportedHolidays imported = ParseHolidayImport(*text, file);
    if (storePath.empty())
        throw TableError(file, 0, "no folder to store holidays in: neither XDG_DATA_HOME nor HOME is set");

    std::optional<HolidayTable> stored;
    try {
        stored = ReadStore(storePath);
    } catch (const TableError &) {
        stored.reset();  // an unreadable store is not in use; the import writes a sound one
    }
    // Both tables through the table reader once more: what is stored and used reads back.
    const HolidayTable newStore =
        ParseHolidayTable(FormatHolidayTable(MergeHolidayYears(stored.value_or(HolidayTable{}), imported)), file);
    HolidayTable inUse = InUse(newStore);

    HolidayImportReport report;
    std::set<int> known;
    for (const HolidayDay &d : Holidays().days)
        known.insert(NoticeYearOf(d));
    for (int year : imported.years)
        (known.contains(year) ? report.replaced : report.added).push_back(year);

    const std::string folder = storePath.substr(0, storePath.rfind('/'));
    for (std::size_t slash = folder.find('/', 1);; slash = folder.find('/', slash + 1)) {
        const std::string part = folder.substr(0, slash);
        if (::mkdir(part.c_str(), 0700) != 0 && errno != EEXIST)
            throw TableError(part, 0, std::strerror(errno));
        if (slash == std::string::npos)
            break;
    }
    if (const auto failure = WriteFileAtomically(storePath, FormatHolidayTable(newStore)))
        throw TableError(storePath, 0, failure->substr(failure->find(": ") + 2));
    UseHolidayTable(std::move(inUse));
    return report;
}

}  // namespace orlenvo
