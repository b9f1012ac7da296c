// Statement building, QuoteText and the Jet -> SQLite translation, run on a real SQLite
// database: a quoted key finds exactly the row that holds it and never changes the statement.
#include "data/Catalogue.h"
#include "data/KnowledgeDb.h"
#include "tests/fuzz/FuzzSupport.h"

#include <sqlite3.h>

#include <algorithm>
#include <functional>

using namespace orlenvo;

namespace {

sqlite3 *Database()
{
    static sqlite3 *db = [] {
        sqlite3 *d = nullptr;
        fuzz::Check(sqlite3_open(":memory:", &d) == SQLITE_OK, "an in-memory database opens");
        fuzz::Check(sqlite3_exec(d,
                                 "CREATE TABLE shouji (num TEXT, title TEXT, jx TEXT, content TEXT);"
                                 "CREATE TABLE Noter (Cid TEXT, Tite TEXT, content TEXT);"
                                 "CREATE TABLE huangdao (gn TEXT, nn TEXT);"
                                 "INSERT INTO shouji VALUES ('37', 'other', 'j', 'c');"
                                 "INSERT INTO Noter VALUES ('37', 'other', 'c');"
                                 "INSERT INTO huangdao VALUES ('2008-01-05', 'n');",
                                 nullptr, nullptr, nullptr) == SQLITE_OK,
                    "the tables are made");
        return d;
    }();
    return db;
}

void Exec(const char *sql, const std::string &key)
{
    sqlite3_stmt *s = nullptr;
    fuzz::Check(sqlite3_prepare_v2(Database(), sql, -1, &s, nullptr) == SQLITE_OK, "a bound statement prepares");
    sqlite3_bind_text(s, 1, key.data(), static_cast<int>(key.size()), SQLITE_TRANSIENT);
    fuzz::Check(sqlite3_step(s) == SQLITE_DONE, "a bound statement runs");
    sqlite3_finalize(s);
}

// Runs a translated statement: it must be one statement, and each row is passed on.
void Run(const std::string &sql, const std::function<void(sqlite3_stmt *)> &row)
{
    sqlite3_stmt *s = nullptr;
    const char *tail = nullptr;
    fuzz::Check(sqlite3_prepare_v2(Database(), sql.c_str(), static_cast<int>(sql.size()), &s, &tail) == SQLITE_OK,
                "a built statement prepares");
    fuzz::Check(tail == sql.c_str() + sql.size(), "a built statement is one statement");
    int rc = 0;
    while ((rc = sqlite3_step(s)) == SQLITE_ROW)
        row(s);
    fuzz::Check(rc == SQLITE_DONE, "a built statement runs to its end");
    sqlite3_finalize(s);
}

std::string Column(sqlite3_stmt *s, int i)
{
    const auto *text = reinterpret_cast<const char *>(sqlite3_column_text(s, i));
    return text ? std::string(text, static_cast<std::size_t>(sqlite3_column_bytes(s, i))) : std::string();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    // A key typed into a field holds no NUL character.
    std::string key(fuzz::AsText(data, size));
    key.erase(std::remove(key.begin(), key.end(), '\0'), key.end());

    const std::string quoted = QuoteText(key);
    fuzz::Check(quoted.size() == key.size() + 2 + static_cast<std::size_t>(std::count(key.begin(), key.end(), '\'')),
                "QuoteText doubles each quote and adds two");

    // The text keys: the row with the key, and only it, comes back.
    Exec("INSERT INTO shouji VALUES (?1, 'found', 'j', 'c')", key);
    Exec("INSERT INTO Noter VALUES (?1, 'found', 'c')", key);
    for (const std::string &jet : {MobileReadingStatement(key), ArticleStatement(key)}) {
        std::string sql;
        try {
            sql = TranslateJetStatement(jet);
        } catch (const DbError &) {
            fuzz::Check(false, "a statement with a text key translates");
        }
        int rows = 0;
        Run(sql, [&](sqlite3_stmt *s) {
            ++rows;
            fuzz::Check(key == "37" || Column(s, 0) == "found", "the key finds its own row");
        });
        fuzz::Check(rows == (key == "37" ? 2 : 1), "the key finds exactly its rows");
    }
    Exec("DELETE FROM shouji WHERE num = ?1 AND title = 'found'", key);
    Exec("DELETE FROM Noter WHERE Cid = ?1 AND Tite = 'found'", key);

    // The date key, as the almanac window passes it (its own "#" never inside): translated to
    // a date literal or refused, never anything else.
    if (key.find('#') != std::string::npos)
        return 0;
    try {
        const std::string sql = TranslateJetStatement(AlmanacStatement(key));
        int rows = 0;
        Run(sql, [&](sqlite3_stmt *) { ++rows; });
        fuzz::Check(rows <= 1, "top 1 gives at most one row");
    } catch (const DbError &) {}
    return 0;
}
