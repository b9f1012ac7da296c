#include "tools/dbbuild/DbBuild.h"

#include "calendar/TableLines.h"
#include "core/Text.h"
#include "data/KnowledgeDb.h"

#include <fcntl.h>
#include <spawn.h>
#include <sqlite3.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <fstream>
#include <functional>
#include <iterator>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <sstream>
#include <variant>

namespace orlenvo::dbbuild {

namespace fs = std::filesystem;

namespace {

constexpr std::array<std::string_view, 4> kLuckClasses = {"吉", "凶", "吉带凶", "凶带吉"};

// The almanac table's insert statement, from its catalogue.
std::string HuangdaoInsert()
{
    std::string names, marks;
    for (const AlmanacColumn &column : AlmanacColumns()) {
        names += (names.empty() ? "" : ", ") + std::string(column.name);
        marks += marks.empty() ? "?" : ", ?";
    }
    return "INSERT INTO huangdao (" + names + ") VALUES (" + marks + ")";
}

std::string Where(const fs::path &file, int line = 0)
{
    std::string s = file.string();
    if (line > 0)
        s += ":" + std::to_string(line);
    return s + ": ";
}

bool IsValidUtf8(std::string_view s)
{
    std::size_t i = 0;
    while (i < s.size()) {
        const auto c = static_cast<unsigned char>(s[i]);
        std::size_t extra = 0;
        std::uint32_t cp = 0;
        if (c < 0x80) {
            ++i;
            continue;
        } else if ((c & 0xE0) == 0xC0) {
            extra = 1, cp = c & 0x1F;
        } else if ((c & 0xF0) == 0xE0) {
            extra = 2, cp = c & 0x0F;
        } else if ((c & 0xF8) == 0xF0) {
            extra = 3, cp = c & 0x07;
        } else {
            return false;
        }
        if (i + extra >= s.size())
            return false;
        for (std::size_t k = 1; k <= extra; ++k) {
            const auto t = static_cast<unsigned char>(s[i + k]);
            if ((t & 0xC0) != 0x80)
                return false;
            cp = (cp << 6) | (t & 0x3F);
        }
        static constexpr std::uint32_t minimum[] = {0, 0x80, 0x800, 0x10000};
        if (cp < minimum[extra] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
            return false;
        i += extra + 1;
    }
    return true;
}

// A UTF-8 text file without byte-order mark, its line ends made "\n".
std::string ReadText(const fs::path &file)
{
    std::ifstream in(file, std::ios::binary);
    if (!in)
        throw BuildError(Where(file) + "cannot be read");
    std::string raw((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (raw.starts_with("\xEF\xBB\xBF"))
        raw.erase(0, 3);
    if (!IsValidUtf8(raw))
        throw BuildError(Where(file) + "is not UTF-8 text");
    std::string text;
    text.reserve(raw.size());
    for (std::size_t i = 0; i < raw.size(); ++i) {
        if (raw[i] == '\r') {
            text += '\n';
            if (i + 1 < raw.size() && raw[i + 1] == '\n')
                ++i;
        } else {
            text += raw[i];
        }
    }
    return text;
}

std::vector<unsigned char> ReadBytes(const fs::path &file)
{
    std::ifstream in(file, std::ios::binary);
    if (!in)
        throw BuildError(Where(file) + "cannot be read");
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::vector<std::string> Lines(const std::string &text)
{
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

std::string WithoutTrailingLineEnds(std::string s)
{
    while (!s.empty() && s.back() == '\n')
        s.pop_back();
    return s;
}

std::string Lower(std::string_view s)
{
    std::string out(s);
    for (char &c : out)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return out;
}

// A positive decimal number without sign or leading zero, at most four digits.
std::optional<int> PositiveNumber(std::string_view s)
{
    if (s.empty() || s.size() > 4 || s.front() == '0')
        return std::nullopt;
    int v = 0;
    for (char c : s) {
        if (!std::isdigit(static_cast<unsigned char>(c)))
            return std::nullopt;
        v = v * 10 + (c - '0');
    }
    return v;
}

std::vector<fs::path> SortedEntries(const fs::path &folder)
{
    std::vector<fs::path> entries;
    for (const auto &entry : fs::directory_iterator(folder))
        entries.push_back(entry.path());
    std::sort(entries.begin(), entries.end());
    return entries;
}

bool IsIsoDate(std::string_view s)
{
    if (s.size() != 10 || s[4] != '-' || s[7] != '-')
        return false;
    for (std::size_t i : {0, 1, 2, 3, 5, 6, 8, 9}) {
        if (!std::isdigit(static_cast<unsigned char>(s[i])))
            return false;
    }
    // The date-literal translation normalises a valid date to this very text.
    try {
        return TranslateJetStatement("#" + std::string(s) + "#") == "'" + std::string(s) + "'";
    } catch (const DbError &) {
        return false;
    }
}

// --- SQLite writing ---------------------------------------------------------------------------

struct CloseDatabase {
    void operator()(sqlite3 *db) const { sqlite3_close_v2(db); }
};
struct FinalizeStatement {
    void operator()(sqlite3_stmt *st) const { sqlite3_finalize(st); }
};

class Writer final {
public:
    explicit Writer(const fs::path &file) : file_(file)
    {
        sqlite3 *raw = nullptr;
        const int rc = sqlite3_open_v2(file.c_str(), &raw, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
        db_.reset(raw);
        if (rc != SQLITE_OK)
            Fail();
    }

    void Exec(std::string_view sql)
    {
        if (sqlite3_exec(db_.get(), std::string(sql).c_str(), nullptr, nullptr, nullptr) != SQLITE_OK)
            Fail();
    }

    // Inserts one row; each value is text, an integer or bytes.
    using Value = std::variant<std::string, int, std::vector<unsigned char>>;
    void Insert(std::string_view sql, const std::vector<Value> &values)
    {
        sqlite3_stmt *raw = nullptr;
        if (sqlite3_prepare_v2(db_.get(), std::string(sql).c_str(), -1, &raw, nullptr) != SQLITE_OK)
            Fail();
        std::unique_ptr<sqlite3_stmt, FinalizeStatement> statement(raw);
        int index = 1;
        for (const auto &v : values) {
            int rc = SQLITE_OK;
            if (const auto *text = std::get_if<std::string>(&v))
                rc = sqlite3_bind_text(raw, index, text->data(), static_cast<int>(text->size()), SQLITE_TRANSIENT);
            else if (const auto *number = std::get_if<int>(&v))
                rc = sqlite3_bind_int(raw, index, *number);
            else if (const auto *bytes = std::get_if<std::vector<unsigned char>>(&v))
                rc = sqlite3_bind_blob(raw, index, bytes->data(), static_cast<int>(bytes->size()), SQLITE_TRANSIENT);
            if (rc != SQLITE_OK)
                Fail();
            ++index;
        }
        if (sqlite3_step(raw) != SQLITE_DONE)
            Fail();
    }

    void Finish()
    {
        if (sqlite3_close(db_.release()) != SQLITE_OK)
            throw BuildError(Where(file_) + "cannot be closed");
    }

private:
    [[noreturn]] void Fail() const
    {
        throw BuildError(Where(file_) + (db_ ? sqlite3_errmsg(db_.get()) : "cannot be opened"));
    }

    fs::path file_;
    std::unique_ptr<sqlite3, CloseDatabase> db_;
};

// Writes a database under a temporary name beside `target` and renames it over `target`.
void WriteDatabase(const fs::path &target, const std::function<void(Writer &)> &fill)
{
    const fs::path temporary = target.parent_path() / ("." + target.filename().string() + ".tmp");
    std::error_code ignored;
    fs::remove(temporary, ignored);
    fs::remove(fs::path(temporary.string() + "-journal"), ignored);
    try {
        Writer writer(temporary);
        writer.Exec("PRAGMA page_size = 4096");
        writer.Exec("PRAGMA encoding = 'UTF-8'");
        writer.Exec("PRAGMA journal_mode = DELETE");
        writer.Exec("BEGIN");
        fill(writer);
        writer.Exec("COMMIT");
        writer.Finish();
        fs::rename(temporary, target);
    } catch (...) {
        fs::remove(temporary, ignored);
        throw;
    }
}

// The texts of an almanac row that the windows show: every column but the date key gn.
std::array<std::string *, 10> ShownAlmanacTexts(AlmanacEntry &d)
{
    return {&d.nn, &d.suici, &d.tszf, &d.wuhang, &d.cong, &d.pzbj, &d.jsyq, &d.yi, &d.xsyq, &d.ji};
}

// One text to a line for the converter: backslash, line breaks and tabs escaped.
std::string EscapeLine(std::string_view text)
{
    std::string out;
    for (char c : text) {
        switch (c) {
        case '\\': out += "\\\\"; break;
        case '\n': out += "\\n"; break;
        case '\r': out += "\\r"; break;
        case '\t': out += "\\t"; break;
        default: out += c;
        }
    }
    return out;
}

std::string UnescapeLine(std::string_view line)
{
    std::string out;
    for (std::size_t i = 0; i < line.size(); ++i) {
        if (line[i] != '\\' || i + 1 == line.size()) {
            out += line[i];
            continue;
        }
        const char e = line[++i];
        out += e == 'n' ? '\n' : e == 'r' ? '\r' : e == 't' ? '\t' : e;
    }
    return out;
}

// Runs `argv` with stdin read from `in` and stdout written to `out`; its exit status.
int RunProgram(const std::vector<std::string> &argv, const fs::path &in, const fs::path &out)
{
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, in.c_str(), O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 1, out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    std::vector<char *> args;
    for (const std::string &a : argv)
        args.push_back(const_cast<char *>(a.c_str()));
    args.push_back(nullptr);
    pid_t pid = 0;
    const int rc = posix_spawn(&pid, args[0], &actions, nullptr, args.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (rc != 0)
        return -1;
    int status = 0;
    if (waitpid(pid, &status, 0) != pid)
        return -1;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

}  // namespace

TextConverter ProgramConverter(const fs::path &program, const std::string &script)
{
    return [program, script](const std::vector<std::string> &texts) {
        const fs::path folder = fs::temp_directory_path();
        const std::string stem = "orlenvo-dbbuild-" + std::to_string(getpid()) + "-" + script;
        const fs::path in = folder / (stem + ".in"), out = folder / (stem + ".out");
        {
            std::ofstream file(in, std::ios::binary);
            for (const std::string &text : texts)
                file << EscapeLine(text) << '\n';
            if (!file)
                throw BuildError(Where(in) + "cannot be written");
        }
        const int status = RunProgram({program.string(), "convert", "--to", script}, in, out);
        std::error_code ignored;
        fs::remove(in, ignored);
        std::vector<std::string> converted;
        {
            std::ifstream file(out, std::ios::binary);
            for (std::string line; std::getline(file, line);)
                converted.push_back(UnescapeLine(line));
        }
        fs::remove(out, ignored);
        if (status != 0)
            throw BuildError(program.string() + " convert --to " + script + " failed (status " +
                             std::to_string(status) + ")");
        if (converted.size() != texts.size())
            throw BuildError(program.string() + " convert --to " + script + " gave " +
                             std::to_string(converted.size()) + " lines for " + std::to_string(texts.size()));
        return converted;
    };
}

std::vector<MobileReadingRow> ReadMobileReadings(const fs::path &file)
{
    const std::vector<std::string> lines = Lines(ReadText(file));
    std::vector<MobileReadingRow> rows;
    std::vector<int> startLines;
    std::set<std::string> keys;
    std::set<std::string> fieldsSeen;

    auto finish = [&] {
        if (rows.empty())
            return;
        const MobileReadingRow &r = rows.back();
        for (const char *field : {"title", "jx", "content"}) {
            if (!fieldsSeen.contains(field))
                throw BuildError(Where(file, startLines.back()) + "record [" + r.num + "] has no " + field);
        }
        if (std::find(kLuckClasses.begin(), kLuckClasses.end(), r.jx) == kLuckClasses.end())
            throw BuildError(Where(file, startLines.back()) + "record [" + r.num +
                             "]: jx must be 吉, 凶, 吉带凶 or 凶带吉");
    };

    for (std::size_t i = 0; i < lines.size(); ++i) {
        const int lineNo = static_cast<int>(i + 1);
        const std::string &line = lines[i];
        if (Trim(line).empty() || line.front() == '#')
            continue;
        if (line.front() == '[') {
            finish();
            const std::string trimmed = Trim(line);
            if (trimmed.back() != ']')
                throw BuildError(Where(file, lineNo) + "a record starts with [key]");
            const std::string key = Trim(std::string_view(trimmed).substr(1, trimmed.size() - 2));
            if (key.empty())
                throw BuildError(Where(file, lineNo) + "empty key");
            if (!keys.insert(Lower(key)).second)
                throw BuildError(Where(file, lineNo) + "key [" + key + "] given twice");
            rows.push_back({key, {}, {}, {}});
            startLines.push_back(lineNo);
            fieldsSeen.clear();
            continue;
        }
        if (rows.empty())
            throw BuildError(Where(file, lineNo) + "text before the first [key]");
        const auto colon = line.find(": ");
        const std::string name = colon == std::string::npos ? std::string() : line.substr(0, colon);
        std::string *target = nullptr;
        if (name == "title")
            target = &rows.back().title;
        else if (name == "jx")
            target = &rows.back().jx;
        else if (name == "content")
            target = &rows.back().content;
        if (!target)
            throw BuildError(Where(file, lineNo) + "expected \"title: \", \"jx: \" or \"content: \"");
        if (!fieldsSeen.insert(name).second)
            throw BuildError(Where(file, lineNo) + name + " given twice");
        *target = line.substr(colon + 2);
    }
    finish();
    return rows;
}

std::vector<ArticleRow> ReadArticles(const fs::path &folder)
{
    std::vector<ArticleRow> rows;
    std::set<std::string> ids;
    for (const fs::path &file : SortedEntries(folder)) {
        if (file.extension() != ".txt")
            continue;
        const std::string id = file.stem().string();
        const bool plainId = !id.empty() && std::all_of(id.begin(), id.end(), [](char c) {
            return std::isalnum(static_cast<unsigned char>(c)) || c == '_' || c == '-';
        });
        if (!plainId)
            throw BuildError(Where(file) + "an article id is made of letters and digits");
        if (!ids.insert(Lower(id)).second)
            throw BuildError(Where(file) + "article id given twice");
        const std::string text = ReadText(file);
        const auto firstEnd = text.find('\n');
        ArticleRow row{id, text.substr(0, firstEnd), {}};
        if (firstEnd != std::string::npos) {
            std::string rest = text.substr(firstEnd + 1);
            if (!rest.empty() && rest.front() != '\n')
                throw BuildError(Where(file, 2) + "an empty line separates the title from the body");
            if (!rest.empty())
                rest.erase(0, 1);
            row.content = WithoutTrailingLineEnds(std::move(rest));
        }
        rows.push_back(std::move(row));
    }
    return rows;
}

std::vector<PicturePageRow> ReadPicturePages(const fs::path &folder, const fs::path &pictures)
{
    std::vector<PicturePageRow> rows;
    if (!fs::exists(folder))
        return rows;
    for (const fs::path &articleDir : SortedEntries(folder)) {
        if (!fs::is_directory(articleDir))
            continue;
        const auto num = PositiveNumber(articleDir.filename().string());
        if (!num)
            throw BuildError(Where(articleDir) + "a picture-article folder is named by its number");
        for (const fs::path &file : SortedEntries(articleDir)) {
            if (file.extension() != ".txt")
                continue;
            const auto page = PositiveNumber(file.stem().string());
            if (!page)
                throw BuildError(Where(file) + "a page text file is named by its page number");
            const fs::path picture = pictures / (std::to_string(*num) + "-" + std::to_string(*page) + ".jpg");
            if (!fs::exists(picture))
                throw BuildError(Where(file) + "its picture " + picture.string() + " is missing");
            PicturePageRow row{*num, *page, ReadBytes(picture), WithoutTrailingLineEnds(ReadText(file))};
            if (row.picture.size() < 3 || row.picture[0] != 0xFF || row.picture[1] != 0xD8 || row.picture[2] != 0xFF)
                throw BuildError(Where(picture) + "is not a JPEG file");
            rows.push_back(std::move(row));
        }
    }
    std::sort(rows.begin(), rows.end(), [](const PicturePageRow &a, const PicturePageRow &b) {
        return std::pair(a.num, a.page) < std::pair(b.num, b.page);
    });
    return rows;
}

fs::path AlmanacMonthTableFile(const fs::path &content)
{
    return content / "almanac" / "month-table.txt";
}

AlmanacMonthTable ReadAlmanacMonthTable(const fs::path &file)
{
    try {
        return AlmanacMonthTable::Parse(ReadText(file), file.string());
    } catch (const TableError &e) {
        throw BuildError(e.what());
    }
}

std::vector<AlmanacEntry> CheckedAlmanacRows(std::vector<AlmanacEntry> rows)
{
    std::sort(rows.begin(), rows.end(), [](const AlmanacEntry &a, const AlmanacEntry &b) { return a.gn < b.gn; });
    for (std::size_t i = 0; i < rows.size(); ++i) {
        if (!IsIsoDate(rows[i].gn))
            throw BuildError("almanac row '" + rows[i].gn + "': gn is not a date written YYYY-MM-DD");
        if (i > 0 && rows[i].gn == rows[i - 1].gn)
            throw BuildError("almanac row '" + rows[i].gn + "' given twice");
    }
    return rows;
}

void BuildDatabases(const fs::path &content, const fs::path &pictures, const fs::path &output,
                    const std::vector<AlmanacEntry> &almanac, const TextConverter &convert)
{
    // Read and check every source before writing anything.
    auto readings = ReadMobileReadings(content / "shouji.txt");
    auto articles = ReadArticles(content / "noter");
    auto pages = ReadPicturePages(content / "tuwen", pictures);
    auto days = CheckedAlmanacRows(almanac);

    if (convert) {
        // Every shown text once, converted in one run, then put back in place.
        std::vector<std::string *> shown;
        for (auto &r : readings)
            shown.insert(shown.end(), {&r.title, &r.jx, &r.content});
        for (auto &a : articles)
            shown.insert(shown.end(), {&a.tite, &a.content});
        for (auto &p : pages)
            shown.push_back(&p.text);
        for (auto &d : days) {
            for (std::string *text : ShownAlmanacTexts(d))
                shown.push_back(text);
        }
        std::map<std::string, std::string> forms;
        for (const std::string *text : shown)
            forms.emplace(*text, std::string());
        std::vector<std::string> texts;
        for (const auto &[text, form] : forms)
            texts.push_back(text);
        const std::vector<std::string> converted = convert(texts);
        if (converted.size() != texts.size())
            throw BuildError("the converter gave " + std::to_string(converted.size()) + " texts for " +
                             std::to_string(texts.size()));
        std::size_t i = 0;
        for (auto &[text, form] : forms)
            form = converted[i++];
        for (std::string *text : shown)
            *text = forms.at(*text);
    }

    fs::create_directories(output);
    WriteDatabase(output / std::string(kDreamFile), [&](Writer &w) {
        w.Exec(MobileTableSchema());
        for (const auto &r : readings)
            w.Insert("INSERT INTO shouji (num, title, jx, content) VALUES (?, ?, ?, ?)",
                     {r.num, r.title, r.jx, r.content});
    });
    WriteDatabase(output / std::string(kQorvFile), [&](Writer &w) {
        w.Exec(AlmanacTableSchema());
        w.Exec(PictureTableSchema());
        const std::string insert = HuangdaoInsert();
        for (const auto &d : days) {
            std::vector<Writer::Value> values;
            for (const std::string_view text : ColumnValues(d))
                values.emplace_back(std::string(text));
            w.Insert(insert, values);
        }
        for (const auto &p : pages)
            w.Insert("INSERT INTO tuwen (num, page, picture, text) VALUES (?, ?, ?, ?)",
                     {p.num, p.page, p.picture, p.text});
    });
    WriteDatabase(output / std::string(kQorvBirthFile), [&](Writer &w) {
        w.Exec(ArticleTableSchema());
        for (const auto &a : articles)
            w.Insert("INSERT INTO Noter (Cid, Tite, content) VALUES (?, ?, ?)", {a.cid, a.tite, a.content});
    });
}

}  // namespace orlenvo::dbbuild
