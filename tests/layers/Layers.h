#pragma once

#include <filesystem>
#include <string>
#include <vector>

// The layering rules of the source tree:
//  - only files in a windows/ folder, in ui/ and the entry app/main.cpp include Qt headers;
//  - Qt-free files include neither ui/ nor any windows/ folder;
//  - ui/ includes no windows/ folder;
//  - a windows/ folder includes no other subsystem's windows/, except app/windows/, which
//    registers every subsystem's operations;
//  - every connect() names a context object (no three-argument connect of a functor, which
//    QT_NO_CONTEXTLESS_CONNECT refuses from Qt 6.7 on), in the subsystems and in tests/,
//    bench/ and tools/.
namespace orlenvo::layers {

// The subsystem folders the rules cover; tests, tools and benchmarks may use anything.
inline const std::vector<std::string> kSubsystems = {"app",      "banner", "calendar", "numerology",
                                                     "articles", "data",   "core",     "ui"};

// One broken rule: the file (relative to the source root), its line and what is wrong.
struct Violation {
    std::string file;
    int line = 0;
    std::string reason;
};

// The rules applied to one file, given its path relative to the source root and its text.
std::vector<Violation> CheckFile(const std::string &relativePath, const std::string &text);

// The connection rule applied to one file.
std::vector<Violation> CheckConnections(const std::string &relativePath, const std::string &text);

// Every source file of the subsystem folders below `root`, and the connections of tests/,
// bench/ and tools/ (except this check's own examples).
std::vector<Violation> CheckTree(const std::filesystem::path &root);

}  // namespace orlenvo::layers
