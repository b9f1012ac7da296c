// The query object over arbitrary database file bytes: every lookup opens and reads or fails
// with DbError, and the file is never changed.
#include "data/Catalogue.h"
#include "data/KnowledgeDb.h"
#include "data/Query.h"
#include "tests/fuzz/FuzzSupport.h"

#include <unistd.h>

#include <fstream>
#include <iterator>

using namespace orlenvo;

namespace {

const std::string &Folder()
{
    static const std::string folder = [] {
        char pattern[] = "/tmp/orlenvo-query-fuzz-XXXXXX";
        fuzz::Check(mkdtemp(pattern) != nullptr, "a scratch folder is made");
        return std::string(pattern) + "/";
    }();
    return folder;
}

std::string ReadFile(const std::string &path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string bytes(fuzz::AsText(data, size));
    OverrideProgramFolder(Folder());
    const struct {
        std::string_view file;
        std::string statement;
    } lookups[] = {
        {kDreamFile, MobileReadingStatement("37")},
        {kQorvFile, AlmanacStatement("2008-01-05")},
        {kQorvBirthFile, ArticleStatement("1")},
        {kQorvFile, "select picture,text from tuwen where num = 1 and page = 1"},
    };
    for (const auto &l : lookups) {
        const std::string path = Folder() + std::string(l.file);
        {
            std::ofstream out(path, std::ios::binary | std::ios::trunc);
            out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        }
        Query q;
        q.SetConnectionString(ConnectionStringFor(l.file));
        q.SetStatement(l.statement);
        try {
            q.Open();
            fuzz::Check(q.IsOpen(), "an opened query is open");
            for (int i = 0; i < q.FieldCount(); ++i) {
                (void)q.Field(i);
                (void)q.FieldBytes(i);
            }
            for (const char *name : {"title", "nn", "Tite", "content", "picture", "gn"}) {
                try {
                    (void)q.FieldByName(name);
                } catch (const DbError &) {}
            }
        } catch (const DbError &) {
            fuzz::Check(!q.IsOpen(), "a failed open leaves the query closed");
        }
        q.Close();
        fuzz::Check(ReadFile(path) == bytes, "the database file is unchanged");
    }
    return 0;
}
