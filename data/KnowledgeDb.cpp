#include "data/KnowledgeDb.h"

#include "core/Text.h"

#include <unistd.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <mutex>
#include <optional>
#include <set>
#include <vector>

namespace orlenvo {

namespace {

std::mutex folderMutex;
std::string folderOverride;

// The connection string of `file` in `folder`, or in its subfolder `scriptFolder`.
std::string ConnectionStringIn(const std::string &folder, std::string_view file, std::string_view scriptFolder = {});

std::mutex warningMutex;
std::function<void(const std::string &)> warning;
std::set<std::string> warnedFiles;

std::string ExecutableFolder()
{
    std::vector<char> buffer(4096);
    for (;;) {
        const ssize_t n = readlink("/proc/self/exe", buffer.data(), buffer.size());
        if (n < 0)
            return "./";
        if (static_cast<std::size_t>(n) < buffer.size()) {
            std::string path(buffer.data(), static_cast<std::size_t>(n));
            const auto slash = path.rfind('/');
            return slash == std::string::npos ? std::string("./") : path.substr(0, slash + 1);
        }
        buffer.resize(buffer.size() * 2);
    }
}

bool IsWordChar(char c)
{
    return std::isalnum(static_cast<unsigned char>(c)) || c == '_' || static_cast<unsigned char>(c) >= 0x80;
}

bool IsBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

// Parses one unsigned decimal number of 1..4 digits at text[pos]; advances pos.
std::optional<int> ReadNumber(std::string_view text, std::size_t &pos)
{
    const std::size_t start = pos;
    int value = 0;
    while (pos < text.size() && pos - start < 5 && std::isdigit(static_cast<unsigned char>(text[pos]))) {
        value = value * 10 + (text[pos] - '0');
        ++pos;
    }
    if (pos == start || pos - start > 4)
        return std::nullopt;
    return value;
}

// The inside of a Jet date literal ("2008-1-5", "2008/01/05" or "1/5/2008") as 'YYYY-MM-DD'.
std::optional<std::string> IsoDateOf(std::string_view inside)
{
    std::size_t pos = 0;
    const std::size_t firstStart = pos;
    const auto a = ReadNumber(inside, pos);
    const std::size_t firstDigits = pos - firstStart;
    if (!a || pos >= inside.size() || (inside[pos] != '-' && inside[pos] != '/'))
        return std::nullopt;
    const char separator = inside[pos++];
    const auto b = ReadNumber(inside, pos);
    if (!b || pos >= inside.size() || inside[pos] != separator)
        return std::nullopt;
    ++pos;
    const std::size_t thirdStart = pos;
    const auto c = ReadNumber(inside, pos);
    const std::size_t thirdDigits = pos - thirdStart;
    if (!c || pos != inside.size())
        return std::nullopt;

    int year = 0, month = 0, day = 0;
    if (firstDigits == 4) {
        year = *a, month = *b, day = *c;
    } else if (thirdDigits == 4 && separator == '/') {
        month = *a, day = *b, year = *c;
    } else {
        return std::nullopt;
    }
    // At most four digits a number, so the chrono year holds it.
    const std::chrono::year_month_day date{std::chrono::year{year}, std::chrono::month{static_cast<unsigned>(month)},
                                           std::chrono::day{static_cast<unsigned>(day)}};
    if (year < 1 || !date.ok())
        return std::nullopt;
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "'%04d-%02d-%02d'", year, month, day);
    return std::string(buffer);
}

}  // namespace

std::string ProgramFolder()
{
    {
        std::lock_guard lock(folderMutex);
        if (!folderOverride.empty())
            return folderOverride;
    }
    return ExecutableFolder();
}

void OverrideProgramFolder(std::string folder)
{
    if (!folder.empty() && folder.back() != '/' && folder.back() != '\\')
        folder += '/';
    std::lock_guard lock(folderMutex);
    folderOverride = std::move(folder);
}

std::string_view ScriptDatabaseFolder(Script script)
{
    switch (script) {
    case Script::Taiwan: return "zh_TW";
    case Script::HongKong: return "zh_HK";
    case Script::Simplified: break;
    }
    return {};
}

void SetKnowledgeDbWarning(std::function<void(const std::string &)> warn)
{
    std::lock_guard lock(warningMutex);
    warning = std::move(warn);
    warnedFiles.clear();
}

std::string ConnectionStringFor(std::string_view file)
{
    const std::string_view scriptFolder = ScriptDatabaseFolder(CurrentScript());
    if (scriptFolder.empty())
        return ConnectionStringIn(ProgramFolder(), file);
    const std::string folder = ProgramFolder();
    const std::string scripted = ConnectionStringIn(folder, file, scriptFolder);
    std::error_code error;
    if (std::filesystem::is_regular_file(DataSourcePath(scripted), error))
        return scripted;
    const std::string plain = ConnectionStringIn(folder, file);
    std::function<void(const std::string &)> warn;
    {
        std::lock_guard lock(warningMutex);
        if (warning && warnedFiles.insert(DataSourcePath(scripted)).second)
            warn = warning;
    }
    if (warn)
        warn(DataSourcePath(scripted) + " is missing; reading " + DataSourcePath(plain) + " in Simplified Chinese");
    return plain;
}

namespace {

std::string ConnectionStringIn(const std::string &folder, std::string_view file, std::string_view scriptFolder)
{
    std::string s = "Provider=Microsoft.Jet.OLEDB.4.0;Data Source=";
    // A folder written with "\" as its separator (it ends in one) keeps it as a separator;
    // in a folder written with "/", a "\" is part of a name.
    const bool backslashIsName = !folder.empty() && folder.back() == '/';
    if (folder.find_first_of(backslashIsName ? ";=\"'\\" : ";=\"'") == std::string::npos) {
        s += folder;
        s += '\\';
        if (!scriptFolder.empty()) {
            s += scriptFolder;
            s += '\\';
        }
        s += file;
    } else {
        // A folder name that would end or change the item is written as a quoted value: the
        // path as it stands, double quotes doubled, the file right after the folder's separator.
        s += '"';
        std::string path = folder;
        if (!scriptFolder.empty()) {
            path += scriptFolder;
            path += folder.empty() ? '/' : folder.back();
        }
        for (char c : path + std::string(file)) {
            if (c == '"')
                s += '"';
            s += c;
        }
        s += '"';
    }
    s += ";Persist Security Info=True";
    return s;
}

}  // namespace

std::string DataSourcePath(std::string_view connectionString)
{
    // Items are "key=value" separated by ";". A value in double quotes is the path as it
    // stands (a doubled quote stands for one). An unquoted value is a path with "\" as a
    // separator; the folder name in it may hold ";": an item without "=" continues it.
    std::string_view rest = connectionString;
    while (!rest.empty()) {
        const auto equals = rest.find('=');
        if (equals == std::string_view::npos)
            break;
        if (const auto semicolon = rest.find(';'); semicolon < equals) {  // an item without "="
            rest.remove_prefix(semicolon + 1);
            continue;
        }
        const bool isDataSource = EqualsNoCase(Trim(rest.substr(0, equals)), "Data Source");
        rest.remove_prefix(equals + 1);
        while (!rest.empty() && IsBlank(rest.front()))
            rest.remove_prefix(1);

        std::string value;
        bool quoted = false;
        if (!rest.empty() && rest.front() == '"') {
            quoted = true;
            std::size_t i = 1;
            for (; i < rest.size(); ++i) {
                if (rest[i] == '"') {
                    if (i + 1 < rest.size() && rest[i + 1] == '"') {
                        value += '"';
                        ++i;
                        continue;
                    }
                    break;
                }
                value += rest[i];
            }
            rest.remove_prefix(std::min(i + 1, rest.size()));
            const auto semicolon = rest.find(';');
            rest.remove_prefix(semicolon == std::string_view::npos ? rest.size() : semicolon + 1);
        } else {
            for (;;) {
                const auto semicolon = rest.find(';');
                value += rest.substr(0, semicolon);
                if (semicolon == std::string_view::npos) {
                    rest = {};
                    break;
                }
                rest.remove_prefix(semicolon + 1);
                const std::string_view next = rest.substr(0, rest.find(';'));
                if (next.empty() || next.find('=') != std::string_view::npos)
                    break;
                value += ';';
            }
            value = Trim(value);
        }
        if (!isDataSource)
            continue;
        if (quoted) {
            if (!value.empty())
                return value;
            continue;
        }
        std::string path;
        for (char c : value) {
            if (c == '\\')
                c = '/';
            if (c == '/' && !path.empty() && path.back() == '/')
                continue;
            path += c;
        }
        if (!path.empty())
            return path;
    }
    throw DbError("The connection string names no data source.");
}

std::string QuoteText(std::string_view value)
{
    std::string s = "'";
    for (char c : value) {
        if (c == '\'')
            s += '\'';
        s += c;
    }
    s += '\'';
    return s;
}

std::string TranslateJetStatement(std::string_view jet)
{
    std::string out;
    out.reserve(jet.size() + 16);
    std::string limit;

    // "select [distinct] top N" at the head of the statement.
    std::size_t pos = 0;
    while (pos < jet.size() && IsBlank(jet[pos]))
        ++pos;
    auto word = [&](std::size_t at) {
        std::size_t end = at;
        while (end < jet.size() && IsWordChar(jet[end]))
            ++end;
        return jet.substr(at, end - at);
    };
    std::size_t scan = pos;
    if (EqualsNoCase(word(scan), "select")) {
        scan += 6;
        auto skipBlanks = [&] {
            const std::size_t before = scan;
            while (scan < jet.size() && IsBlank(jet[scan]))
                ++scan;
            return scan > before;
        };
        if (skipBlanks() && (EqualsNoCase(word(scan), "distinct") || EqualsNoCase(word(scan), "all"))) {
            scan += word(scan).size();
            skipBlanks();
        }
        const std::size_t topAt = scan;
        if (EqualsNoCase(word(topAt), "top")) {
            scan = topAt + 3;
            if (skipBlanks()) {
                const std::string_view n = word(scan);
                bool digits = !n.empty();
                for (char c : n)
                    digits = digits && std::isdigit(static_cast<unsigned char>(c));
                if (digits) {
                    limit = std::string(n);
                    scan += n.size();
                    skipBlanks();
                    out.append(jet.substr(0, topAt));
                    pos = scan;
                }
            }
        }
    }
    if (limit.empty())
        pos = 0;

    // The rest: copy, turning date literals into text literals; skip quoted parts.
    while (pos < jet.size()) {
        const char c = jet[pos];
        if (c == '\'' || c == '"' || c == '[') {
            const char close = c == '[' ? ']' : c;
            std::size_t end = pos + 1;
            for (;;) {
                end = jet.find(close, end);
                if (end == std::string_view::npos) {
                    end = jet.size();
                    break;
                }
                if (close != ']' && end + 1 < jet.size() && jet[end + 1] == close) {
                    end += 2;  // doubled quote inside the literal
                    continue;
                }
                ++end;
                break;
            }
            out.append(jet.substr(pos, end - pos));
            pos = end;
        } else if (c == '#') {
            const auto end = jet.find('#', pos + 1);
            if (end == std::string_view::npos)
                throw DbError("Syntax error in date in query expression '" + std::string(jet.substr(pos)) + "'.");
            const std::string_view inside = jet.substr(pos + 1, end - pos - 1);
            const auto iso = IsoDateOf(Trim(inside));
            if (!iso)
                throw DbError("Syntax error in date in query expression '#" + std::string(inside) + "#'.");
            out += *iso;
            pos = end + 1;
        } else {
            out += c;
            ++pos;
        }
    }

    if (!limit.empty()) {
        while (!out.empty() && (IsBlank(out.back()) || out.back() == ';'))
            out.pop_back();
        out += " limit ";
        out += limit;
    }
    return out;
}

}  // namespace orlenvo
