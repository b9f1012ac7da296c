// A temporary folder for tests that make and inspect files; removed with its contents.
#pragma once

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace orlenvo::testing {

class ScratchFolder final {
public:
    ScratchFolder();
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder &) = delete;
    ScratchFolder &operator=(const ScratchFolder &) = delete;

    std::filesystem::path Path(const std::string &relative = {}) const;
    // Writes bytes into a file, making its folders.
    void Write(const std::string &relative, const std::string &bytes) const;
    std::string Read(const std::string &relative) const;
    // Makes an SQLite file and runs the statements on it.
    void Sqlite(const std::string &relative, const std::string &statements) const;
    // The names in a folder, sorted.
    std::vector<std::string> List(const std::string &relative) const;
    // Makes a subfolder the program's folder until this folder goes (or another is made it).
    void UseAsProgramFolder(const std::string &relative = "bin");

private:
    std::filesystem::path root_;
    bool programFolder_ = false;
};

// A scratch folder standing as the program's folder "bin", which holds one SQLite file (named
// `file`, such as "QorvBirth.dll") made by `statements`.
std::unique_ptr<ScratchFolder> ProgramFolderWithDatabase(const std::string &file, const std::string &statements);

}  // namespace orlenvo::testing
