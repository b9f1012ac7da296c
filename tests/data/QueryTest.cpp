#include "data/Query.h"
#include "data/Catalogue.h"
#include "tests/support/ScratchFolder.h"
#include "tools/dbbuild/DbBuild.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <fstream>
#include <random>

namespace orlenvo {
namespace {

namespace fs = std::filesystem;
using testing::ScratchFolder;

// Knowledge databases made by the builder from a few rows, in a scratch program folder.
class QueryTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        folder.Write("content/shouji.txt", "[37]\ntitle: 三十七\njx: 吉\ncontent: 三十七的说明\n"
                                           "[o'clock]\ntitle: 带引号\njx: 凶\ncontent: 键里有单引号\n");
        folder.Write("content/noter/b5.txt", "孝经\n\n开宗明义章第一\n");
        folder.Write("content/noter/c1.txt", "\n\n只有正文\n");
        folder.Write("content/tuwen/3/1.txt", "第一页\n");
        folder.Write("pictures/3-1.jpg", std::string("\xFF\xD8\xFF\xE0\x00\x10JFIF\x00\xFF\xD9", 13));
        std::vector<AlmanacEntry> almanac = {
            {"2008-01-05", "农历十一月廿八", "丁亥年", "占门床外东南", "涧下水", "冲马", "丁不剃头", "天恩", "祭祀",
             "月破", "诸事不宜"},
        };
        dbbuild::BuildDatabases(folder.Path("content"), folder.Path("pictures"), folder.Path("bin"), almanac);
        OverrideProgramFolder(folder.Path("bin").string());
    }
    void TearDown() override { OverrideProgramFolder({}); }

    Query Opened(std::string_view file, std::string statement)
    {
        Query q;
        q.SetConnectionString(ConnectionStringFor(file));
        q.SetStatement(std::move(statement));
        q.Open();
        return q;
    }

    ScratchFolder folder;
};

TEST_F(QueryTest, DataSourceWithDoubledSeparatorOpensAndGivesTheFirstRowByPosition)
{
    ASSERT_NE(ConnectionStringFor(kDreamFile).find("bin/\\dream.dll"), std::string::npos);
    Query q = Opened(kDreamFile, MobileReadingStatement("37"));
    ASSERT_TRUE(q.IsOpen());
    ASSERT_FALSE(q.IsEmpty());
    ASSERT_EQ(q.FieldCount(), 3);
    EXPECT_EQ(q.Field(0), "三十七");
    EXPECT_EQ(q.Field(1), "吉");
    EXPECT_EQ(q.Field(2), "三十七的说明");
    EXPECT_THROW(q.Field(3), DbError);
    EXPECT_THROW(q.Field(-1), DbError);
}

TEST_F(QueryTest, KeysAreComparedAsTextWithoutRegardToLetterCase)
{
    struct Case {
        std::string_view file;
        std::string statement;
        std::string first;
    };
    const Case cases[] = {
        {kDreamFile, MobileReadingStatement("o'clock"), "带引号"},
        {kQorvBirthFile, ArticleStatement("b5"), "孝经"},
        {kQorvBirthFile, ArticleStatement("B5"), "孝经"},
        {kQorvBirthFile, ArticleStatement("c1"), ""},  // a row with an empty title
    };
    for (const auto &c : cases) {
        Query q = Opened(c.file, c.statement);
        ASSERT_FALSE(q.IsEmpty()) << c.statement;
        EXPECT_EQ(q.Field(0), c.first) << c.statement;
    }
    const std::string noRow[] = {
        MobileReadingStatement("o''clock"),
        MobileReadingStatement("037"),
        MobileReadingStatement(" 37"),
        MobileReadingStatement("80"),
    };
    for (const auto &statement : noRow)
        EXPECT_TRUE(Opened(kDreamFile, statement).IsEmpty()) << statement;
}

TEST_F(QueryTest, EmptyResultReadsAsEmptyText)
{
    Query q = Opened(kQorvBirthFile, ArticleStatement("b99"));
    EXPECT_TRUE(q.IsEmpty());
    EXPECT_EQ(q.FieldCount(), 2);
    EXPECT_EQ(q.Field(0), "");
    EXPECT_EQ(q.FieldByName("content"), "");
}

TEST_F(QueryTest, AlmanacDateLiteralIsComparedAsADate)
{
    for (const char *date : {"2008-1-5", "2008-01-05", "2008-01-5"}) {
        Query q = Opened(kQorvFile, AlmanacStatement(date));
        ASSERT_FALSE(q.IsEmpty()) << date;
        EXPECT_EQ(q.FieldByName("nn"), "农历十一月廿八");
        EXPECT_EQ(q.FieldByName("SUICI"), "丁亥年");
        EXPECT_EQ(q.FieldByName("ji"), "诸事不宜");
        EXPECT_EQ(q.FieldByName("gn"), "2008-01-05");
        EXPECT_THROW(q.FieldByName("title"), DbError);
    }
    EXPECT_TRUE(Opened(kQorvFile, AlmanacStatement("2008-1-6")).IsEmpty());
    EXPECT_TRUE(Opened(kQorvFile, AlmanacStatement("2030-12-31")).IsEmpty());

    Query invalid;
    invalid.SetConnectionString(ConnectionStringFor(kQorvFile));
    invalid.SetStatement(AlmanacStatement("2008-2-30"));
    EXPECT_THROW(invalid.Open(), DbError);
    EXPECT_FALSE(invalid.IsOpen());
}

TEST_F(QueryTest, PicturesReadAsBytes)
{
    Query q = Opened(kQorvFile, "select picture,text from tuwen where num = 3 and page = 1");
    const std::vector<unsigned char> bytes = q.FieldBytesByName("picture");
    ASSERT_EQ(bytes.size(), 13u);
    EXPECT_EQ(bytes[0], 0xFF);
    EXPECT_EQ(bytes[4], 0x00);  // binary safe
    EXPECT_EQ(bytes[12], 0xD9);
    EXPECT_EQ(q.FieldByName("text"), "第一页");
}

TEST_F(QueryTest, StatesClosedAndOpen)
{
    Query q;
    EXPECT_FALSE(q.IsOpen());
    EXPECT_THROW(q.Field(0), DbError);
    EXPECT_THROW(q.IsEmpty(), DbError);

    // The window-owned pattern: one query, connection set once, statement replaced each time.
    q.SetConnectionString(ConnectionStringFor(kQorvBirthFile));
    for (const char *id : {"b5", "c1", "b5"}) {
        q.Close();
        q.SetStatement(ArticleStatement(id));
        q.Open();
        EXPECT_TRUE(q.IsOpen());
        EXPECT_FALSE(q.IsEmpty()) << id;
    }
    q.Open();  // already open: nothing happens
    EXPECT_EQ(q.Field(0), "孝经");
    q.SetStatement(ArticleStatement("c1"));
    EXPECT_FALSE(q.IsOpen());
    q.Open();
    q.ClearStatement();
    EXPECT_FALSE(q.IsOpen());
    EXPECT_EQ(q.Statement(), "");
    EXPECT_THROW(q.Open(), DbError);  // no statement
}

TEST_F(QueryTest, NullFieldsReadAsEmptyText)
{
    sqlite3 *db = nullptr;
    ASSERT_EQ(sqlite3_open(folder.Path("bin/other.dll").c_str(), &db), SQLITE_OK);
    sqlite3_exec(db,
                 "CREATE TABLE shouji (num TEXT, title TEXT, jx TEXT, content TEXT);"
                 "INSERT INTO shouji VALUES ('1', NULL, 'x', NULL);",
                 nullptr, nullptr, nullptr);
    sqlite3_close(db);
    Query q = Opened("other.dll", MobileReadingStatement("1"));
    EXPECT_EQ(q.Field(0), "");
    EXPECT_EQ(q.Field(1), "x");
    EXPECT_EQ(q.Field(2), "");
}

TEST_F(QueryTest, OnlySelectStatementsRunAndNothingIsWritten)
{
    const fs::path file = folder.Path("bin/dream.dll");
    const std::string before = folder.Read("bin/dream.dll");
    const std::string statements[] = {
        "delete from shouji",
        "update shouji set title = 'x'",
        "select * from shouji; delete from shouji",
        "attach database 'new.dll' as other",
        "create table t (a)",
        "pragma journal_mode = wal",
        "select * from shouji where num = 'x",
    };
    for (const auto &statement : statements) {
        Query q;
        q.SetConnectionString(ConnectionStringFor(kDreamFile));
        q.SetStatement(statement);
        EXPECT_THROW(q.Open(), DbError) << statement;
        EXPECT_FALSE(q.IsOpen());
    }
    EXPECT_EQ(folder.Read("bin/dream.dll"), before);
    EXPECT_EQ(folder.List("bin"), (std::vector<std::string>{"QorvBirth.dll", "QorvFile.dll", "dream.dll"}));
}

// Files that are no knowledge database: opening fails with DbError, the query stays closed,
// and no file is created, changed or left beside them.
TEST(QueryBadFiles, FailCleanlyAndChangeNothing)
{
    std::mt19937 random(7);
    std::string noise(8192, '\0');
    for (char &c : noise)
        c = static_cast<char>(random());
    std::string sqliteHeaderThenNoise = "SQLite format 3" + std::string(1, '\0') + noise;

    struct Case {
        const char *name;
        std::function<void(ScratchFolder &)> make;
    };
    const Case cases[] = {
        {"missing", [](ScratchFolder &) {}},
        {"zero length", [](ScratchFolder &f) { f.Write("bin/dream.dll", ""); }},
        {"random bytes", [&](ScratchFolder &f) { f.Write("bin/dream.dll", noise); }},
        {"sqlite header, random pages", [&](ScratchFolder &f) { f.Write("bin/dream.dll", sqliteHeaderThenNoise); }},
        {"text file", [](ScratchFolder &f) { f.Write("bin/dream.dll", "select title from shouji\n"); }},
        {"a folder", [](ScratchFolder &f) { fs::create_directories(f.Path("bin/dream.dll")); }},
        {"other table",
         [](ScratchFolder &f) {
             f.Sqlite("bin/dream.dll", "CREATE TABLE Noter (Cid TEXT, Tite TEXT, content TEXT);"
                                       "INSERT INTO Noter VALUES ('37', 'x', 'y');");
         }},
        {"table without the columns",
         [](ScratchFolder &f) { f.Sqlite("bin/dream.dll", "CREATE TABLE shouji (num TEXT, body TEXT);"); }},
        {"hot journal beside a foreign file",
         [&](ScratchFolder &f) {
             f.Sqlite("bin/dream.dll", "CREATE TABLE other (a);");
             f.Write("bin/dream.dll-journal", noise);
         }},
    };
    for (const auto &c : cases) {
        ScratchFolder f;
        fs::create_directories(f.Path("bin"));
        c.make(f);
        const auto listing = f.List("bin");
        const bool isFile = fs::is_regular_file(f.Path("bin/dream.dll"));
        const std::string bytes = isFile ? f.Read("bin/dream.dll") : std::string();
        const auto stamp = isFile ? fs::last_write_time(f.Path("bin/dream.dll")) : fs::file_time_type();

        OverrideProgramFolder(f.Path("bin").string());
        Query q;
        q.SetConnectionString(ConnectionStringFor(kDreamFile));
        q.SetStatement(MobileReadingStatement("37"));
        EXPECT_THROW(q.Open(), DbError) << c.name;
        EXPECT_FALSE(q.IsOpen()) << c.name;
        OverrideProgramFolder({});

        EXPECT_EQ(f.List("bin"), listing) << c.name;
        if (isFile) {
            EXPECT_EQ(f.Read("bin/dream.dll"), bytes) << c.name;
            EXPECT_EQ(fs::last_write_time(f.Path("bin/dream.dll")), stamp) << c.name;
        }
    }
}

TEST(QueryBadFiles, MissingFileNamesThePath)
{
    ScratchFolder f;
    OverrideProgramFolder(f.Path("bin").string());
    Query q;
    q.SetConnectionString(ConnectionStringFor(kQorvFile));
    q.SetStatement(AlmanacStatement("2008-01-05"));
    try {
        q.Open();
        ADD_FAILURE() << "opened a missing file";
    } catch (const DbError &e) {
        EXPECT_EQ(std::string(e.what()), "Could not find file '" + f.Path("bin/QorvFile.dll").string() + "'.");
    }
    OverrideProgramFolder({});
    EXPECT_FALSE(fs::exists(f.Path("bin")));
}

TEST(QueryPaths, FolderNamesNeedNoEscaping)
{
    // Names that hold the separators and quotes of a connection string open all three files.
    const std::string odd[] = {
        "bin #1 ?x=%20&y;z 风水", "a;Data Source=b", "x;y=z;w", "back\\slash",      "end\\", "\"quoted\"", "it's",
        "\"a\";b=\"c\"",          "semi;",           "=",       " lead and trail ",
    };
    for (const std::string &name : odd) {
        ScratchFolder f;
        f.Sqlite(name + "/dream.dll", "CREATE TABLE shouji (num TEXT, title TEXT, jx TEXT, content TEXT);"
                                      "INSERT INTO shouji VALUES ('5', 't', 'j', 'c');");
        f.Sqlite(name + "/QorvFile.dll", "CREATE TABLE huangdao (gn TEXT, nn TEXT);"
                                         "INSERT INTO huangdao VALUES ('2008-01-05', 'n');");
        f.Sqlite(name + "/QorvBirth.dll", "CREATE TABLE Noter (Cid TEXT, Tite TEXT, content TEXT);"
                                          "INSERT INTO Noter VALUES ('1', 'T', 'C');");
        OverrideProgramFolder(f.Path(name).string() + "/");  // as the running program reports it
        const struct {
            std::string_view file;
            std::string statement;
            std::string first;
        } lookups[] = {
            {kDreamFile, MobileReadingStatement("5"), "t"},
            {kQorvFile, AlmanacStatement("2008-01-05"), "2008-01-05"},
            {kQorvBirthFile, ArticleStatement("1"), "T"},
        };
        for (const auto &l : lookups) {
            Query q;
            q.SetConnectionString(ConnectionStringFor(l.file));
            q.SetStatement(l.statement);
            ASSERT_NO_THROW(q.Open()) << name << " " << l.file;
            EXPECT_EQ(q.Field(0), l.first) << name << " " << l.file;
        }
        OverrideProgramFolder({});
    }
}

}  // namespace
}  // namespace orlenvo
