#include "tests/layers/Layers.h"

#include <algorithm>
#include <cctype>
#include <fstream>
#include <sstream>

namespace orlenvo::layers {

namespace {

std::vector<std::string> Components(const std::string &path)
{
    std::vector<std::string> parts;
    std::stringstream stream(path);
    for (std::string part; std::getline(stream, part, '/');)
        parts.push_back(part);
    return parts;
}

bool InWindows(const std::vector<std::string> &parts)
{
    return std::find(parts.begin(), parts.end(), "windows") != parts.end();
}

// The subsystem a windows/ include names, or "" when the include is no windows/ header.
std::string WindowsSubsystem(const std::string &include)
{
    const std::vector<std::string> parts = Components(include);
    if (parts.size() >= 3 && parts[1] == "windows")
        return parts[0];
    return {};
}

// The number of top-level arguments of the call whose '(' is at text[open], or -1 when the list
// does not close. String and character literals are skipped.
int ArgumentCount(const std::string &text, std::size_t open)
{
    int depth = 0;
    int commas = 0;
    bool empty = true;
    for (std::size_t i = open; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '"' || c == '\'') {
            for (++i; i < text.size() && text[i] != c; ++i)
                if (text[i] == '\\')
                    ++i;
            empty = false;
            continue;
        }
        if (c == '(' || c == '[' || c == '{') {
            if (depth++ > 0)
                empty = false;
        } else if (c == ')' || c == ']' || c == '}') {
            if (--depth == 0)
                return empty ? 0 : commas + 1;
            empty = false;
        } else if (c == ',' && depth == 1) {
            ++commas;
        } else if (c != ' ' && c != '\n' && c != '\t' && depth >= 1) {
            empty = false;
        }
    }
    return -1;
}

void CheckFolder(const std::filesystem::path &root, const std::string &name, bool layers, std::vector<Violation> &found)
{
    const std::filesystem::path folder = root / name;
    if (!std::filesystem::is_directory(folder)) {
        found.push_back({name, 0, "folder missing"});
        return;
    }
    for (const auto &entry : std::filesystem::recursive_directory_iterator(folder)) {
        const std::string extension = entry.path().extension().string();
        if (!entry.is_regular_file() || (extension != ".h" && extension != ".cpp"))
            continue;
        const std::string relative = std::filesystem::relative(entry.path(), root).generic_string();
        if (relative.rfind("tests/layers/", 0) == 0)
            continue;
        std::ifstream in(entry.path(), std::ios::binary);
        const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        std::vector<Violation> file = CheckConnections(relative, text);
        if (layers) {
            std::vector<Violation> includes = CheckFile(relative, text);
            file.insert(file.end(), includes.begin(), includes.end());
        }
        for (Violation &v : file)
            found.push_back(std::move(v));
    }
}

bool IsWordChar(char c)
{
    return std::isalnum(static_cast<unsigned char>(c)) || c == '_';
}

bool AllWordChars(const std::string &text)
{
    return !text.empty() && std::all_of(text.begin(), text.end(), IsWordChar);
}

// The name an #include line names, with its opening delimiter ('<' or '"'); no delimiter when
// the line is no include.
struct Include {
    char delimiter = 0;
    std::string name;
};

Include ParseInclude(const std::string &line)
{
    std::size_t i = line.find_first_not_of(" \t");
    if (i == std::string::npos || line[i] != '#')
        return {};
    i = line.find_first_not_of(" \t", i + 1);
    if (i == std::string::npos || line.compare(i, 7, "include") != 0)
        return {};
    i = line.find_first_not_of(" \t", i + 7);
    if (i == std::string::npos || (line[i] != '<' && line[i] != '"'))
        return {};
    const std::size_t end = line.find(line[i] == '<' ? '>' : '"', i + 1);
    if (end == std::string::npos)
        return {};
    return {line[i], line.substr(i + 1, end - i - 1)};
}

// <QWidget>, <QtCore/QDate>, <QtWidgets>, <qglobal.h>.
bool IsQtHeader(const std::string &name)
{
    std::string base = name;
    if (const std::size_t slash = name.find('/'); slash != std::string::npos) {
        if (name.rfind("Qt", 0) != 0 || !AllWordChars(name.substr(0, slash)))
            return false;
        base = name.substr(slash + 1);
    }
    if (base.size() > 1 && base[0] == 'Q')
        return AllWordChars(base);
    return base.size() > 3 && base[0] == 'q' && base.ends_with(".h") && AllWordChars(base.substr(0, base.size() - 2));
}

}  // namespace

std::vector<Violation> CheckConnections(const std::string &relativePath, const std::string &text)
{
    std::vector<Violation> found;
    const std::string name = "connect";
    for (std::size_t at = text.find(name); at != std::string::npos; at = text.find(name, at + name.size())) {
        if (at > 0 && IsWordChar(text[at - 1]))
            continue;
        const std::size_t open = text.find_first_not_of(" \t\n", at + name.size());
        if (open == std::string::npos || text[open] != '(')
            continue;
        if (ArgumentCount(text, open) == 3) {
            const auto before = text.begin() + static_cast<std::ptrdiff_t>(open);
            const int line = 1 + static_cast<int>(std::count(text.begin(), before, '\n'));
            found.push_back({relativePath, line, "connect() without a context object"});
        }
    }
    return found;
}

std::vector<Violation> CheckFile(const std::string &relativePath, const std::string &text)
{
    const std::vector<std::string> parts = Components(relativePath);
    if (parts.empty())
        return {};
    const std::string &subsystem = parts.front();
    const bool windows = InWindows(parts);
    const bool toolkit = subsystem == "ui";
    const bool qtAllowed = windows || toolkit || relativePath == "app/main.cpp";

    std::vector<Violation> found;
    std::istringstream lines(text);
    int number = 0;
    for (std::string line; std::getline(lines, line);) {
        ++number;
        const Include parsed = ParseInclude(line);
        if (parsed.delimiter == '<' && IsQtHeader(parsed.name)) {
            if (!qtAllowed)
                found.push_back({relativePath, number, "Qt header outside windows/ and ui/"});
            continue;
        }
        if (parsed.delimiter != '"')
            continue;
        const std::string &include = parsed.name;
        const std::string included = WindowsSubsystem(include);
        if (!qtAllowed && (included.size() > 0 || include.rfind("ui/", 0) == 0))
            found.push_back({relativePath, number, "Qt-free file includes the Qt layer: " + include});
        else if (toolkit && !included.empty())
            found.push_back({relativePath, number, "the toolkit includes a window: " + include});
        else if (windows && !included.empty() && included != subsystem && subsystem != "app")
            found.push_back({relativePath, number, "includes another subsystem's window: " + include});
    }
    return found;
}

std::vector<Violation> CheckTree(const std::filesystem::path &root)
{
    std::vector<Violation> found;
    for (const std::string &subsystem : kSubsystems)
        CheckFolder(root, subsystem, true, found);
    for (const char *other : {"tests", "bench", "tools"})
        CheckFolder(root, other, false, found);
    return found;
}

}  // namespace orlenvo::layers
