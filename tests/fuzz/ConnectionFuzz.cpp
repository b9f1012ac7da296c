// ConnectionStringFor and DataSourcePath as a round trip over arbitrary folder names: the
// data source always names the file in the folder.
#include "data/KnowledgeDb.h"
#include "tests/fuzz/FuzzSupport.h"

#include <algorithm>

using namespace orlenvo;

namespace {

std::string WithSingleSlashes(std::string_view path)
{
    std::string out;
    for (char c : path)
        if (c != '/' || out.empty() || out.back() != '/')
            out += c;
    return out;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    // A folder path of the running program: absolute, with its separator, no NUL.
    std::string folder = "/" + std::string(fuzz::AsText(data, size)) + "/";
    folder.erase(std::remove(folder.begin(), folder.end(), '\0'), folder.end());
    OverrideProgramFolder(folder);
    for (const std::string_view file : {kDreamFile, kQorvFile, kQorvBirthFile}) {
        const std::string connection = ConnectionStringFor(file);
        std::string path;
        try {
            path = DataSourcePath(connection);
        } catch (const DbError &) {
            fuzz::Check(false, "the connection string names a data source");
        }
        fuzz::Check(WithSingleSlashes(path) == WithSingleSlashes(folder + std::string(file)),
                    "the data source is the file in the program folder");
    }
    return 0;
}
