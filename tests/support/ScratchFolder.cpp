#include "tests/support/ScratchFolder.h"

#include "data/KnowledgeDb.h"

#include <sqlite3.h>
#include <stdlib.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <stdexcept>

namespace orlenvo::testing {

namespace fs = std::filesystem;

ScratchFolder::ScratchFolder()
{
    std::string pattern = (fs::temp_directory_path() / "orlenvo-test-XXXXXX").string();
    if (!mkdtemp(pattern.data()))
        throw std::runtime_error("cannot make a scratch folder");
    root_ = pattern;
}

ScratchFolder::~ScratchFolder()
{
    // Unless another folder has been made the program's since.
    if (programFolder_ && ProgramFolder().starts_with(root_.string()))
        OverrideProgramFolder({});
    std::error_code ignored;
    fs::remove_all(root_, ignored);
}

void ScratchFolder::UseAsProgramFolder(const std::string &relative)
{
    OverrideProgramFolder(Path(relative).string());
    programFolder_ = true;
}

fs::path ScratchFolder::Path(const std::string &relative) const
{
    return relative.empty() ? root_ : root_ / relative;
}

void ScratchFolder::Write(const std::string &relative, const std::string &bytes) const
{
    const fs::path file = Path(relative);
    fs::create_directories(file.parent_path());
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out << bytes;
    if (!out)
        throw std::runtime_error("cannot write " + file.string());
}

std::string ScratchFolder::Read(const std::string &relative) const
{
    std::ifstream in(Path(relative), std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void ScratchFolder::Sqlite(const std::string &relative, const std::string &statements) const
{
    const fs::path file = Path(relative);
    fs::create_directories(file.parent_path());
    sqlite3 *db = nullptr;
    if (sqlite3_open(file.c_str(), &db) != SQLITE_OK) {
        sqlite3_close(db);
        throw std::runtime_error("cannot make " + file.string());
    }
    char *error = nullptr;
    const int rc = sqlite3_exec(db, statements.c_str(), nullptr, nullptr, &error);
    const std::string message = error ? error : "";
    sqlite3_free(error);
    sqlite3_close(db);
    if (rc != SQLITE_OK)
        throw std::runtime_error(message);
}

std::vector<std::string> ScratchFolder::List(const std::string &relative) const
{
    std::vector<std::string> names;
    for (const auto &entry : fs::directory_iterator(Path(relative)))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

std::unique_ptr<ScratchFolder> ProgramFolderWithDatabase(const std::string &file, const std::string &statements)
{
    auto folder = std::make_unique<ScratchFolder>();
    folder->Sqlite("bin/" + file, statements);
    folder->UseAsProgramFolder();
    return folder;
}

}  // namespace orlenvo::testing
