#include "tests/layers/Layers.h"

#include <algorithm>
#include <fstream>
#include <regex>
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

}  // namespace

std::vector<Violation> CheckConnections(const std::string &relativePath, const std::string &text)
{
    static const std::regex call(R"((^|[^\w])connect\s*\()");
    std::vector<Violation> found;
    for (auto it = std::sregex_iterator(text.begin(), text.end(), call); it != std::sregex_iterator(); ++it) {
        const std::size_t open = static_cast<std::size_t>(it->position(0) + it->length(0) - 1);
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
    static const std::regex qtInclude(R"(^\s*#\s*include\s*<(Qt\w*/)?(Q\w+|q\w+\.h)>)");
    static const std::regex localInclude(R"re(^\s*#\s*include\s*"([^"]+)")re");

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
        std::smatch match;
        if (std::regex_search(line, match, qtInclude)) {
            if (!qtAllowed)
                found.push_back({relativePath, number, "Qt header outside windows/ and ui/"});
            continue;
        }
        if (!std::regex_search(line, match, localInclude))
            continue;
        const std::string include = match[1];
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
