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

}  // namespace

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
    for (const std::string &subsystem : kSubsystems) {
        const std::filesystem::path folder = root / subsystem;
        if (!std::filesystem::is_directory(folder)) {
            found.push_back({subsystem, 0, "subsystem folder missing"});
            continue;
        }
        for (const auto &entry : std::filesystem::recursive_directory_iterator(folder)) {
            const std::string extension = entry.path().extension().string();
            if (!entry.is_regular_file() || (extension != ".h" && extension != ".cpp"))
                continue;
            std::ifstream in(entry.path(), std::ios::binary);
            const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
            const std::string relative = std::filesystem::relative(entry.path(), root).generic_string();
            for (Violation &v : CheckFile(relative, text))
                found.push_back(std::move(v));
        }
    }
    return found;
}

}  // namespace orlenvo::layers
