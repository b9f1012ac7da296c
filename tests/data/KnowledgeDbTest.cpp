#include "data/KnowledgeDb.h"
#include "core/Script.h"
#include "data/Catalogue.h"
#include "tests/support/Rows.h"
#include "tests/support/ScratchFolder.h"

#include <gtest/gtest.h>

#include <vector>

namespace orlenvo {
namespace {

class ProgramFolderTest : public ::testing::Test {
protected:
    void TearDown() override { OverrideProgramFolder({}); }
};

TEST_F(ProgramFolderTest, IsTheFolderOfTheRunningProgramWithItsSeparator)
{
    // The test programs are built into the program's folder.
    EXPECT_EQ(ProgramFolder(), std::string(ORLENVO_BIN_DIR) + "/");
}

TEST_F(ProgramFolderTest, ConnectionStringIsBuiltAfreshOnEachCall)
{
    EXPECT_EQ(ConnectionStringFor(kDreamFile),
              "Provider=Microsoft.Jet.OLEDB.4.0;Data Source=" + std::string(ORLENVO_BIN_DIR) +
                  "/\\dream.dll;Persist Security Info=True");
    OverrideProgramFolder("/opt/app");
    EXPECT_EQ(ConnectionStringFor(kQorvFile),
              "Provider=Microsoft.Jet.OLEDB.4.0;Data Source=/opt/app/\\QorvFile.dll;Persist Security Info=True");
    OverrideProgramFolder("C:\\app\\");
    EXPECT_EQ(ConnectionStringFor(kQorvBirthFile),
              "Provider=Microsoft.Jet.OLEDB.4.0;Data Source=C:\\app\\\\QorvBirth.dll;Persist Security Info=True");
    OverrideProgramFolder({});
    EXPECT_EQ(ProgramFolder(), std::string(ORLENVO_BIN_DIR) + "/");
}

// Under a Traditional script a lookup opens the script's copy, <folder>/<script>/<file>; where that
// is missing it opens the Simplified file and says so, once per file.
TEST_F(ProgramFolderTest, TraditionalScriptsOpenTheirCopyOrFallBackWithAWarning)
{
    testing::ScratchFolder folder;
    folder.Write("zh_TW/QorvFile.dll", "");
    OverrideProgramFolder(folder.Path().string());
    std::vector<std::string> warnings;
    SetKnowledgeDbWarning([&](const std::string &reason) { warnings.push_back(reason); });
    const auto opened = [](std::string_view file) { return DataSourcePath(ConnectionStringFor(file)); };
    const std::string base = folder.Path().string() + "/";

    EXPECT_EQ(opened(kQorvFile), base + "QorvFile.dll");  // Simplified: the file itself, no warning
    SetScript(Script::Taiwan);
    EXPECT_EQ(opened(kQorvFile), base + "zh_TW/QorvFile.dll");
    EXPECT_EQ(opened(kDreamFile), base + "dream.dll");
    EXPECT_EQ(opened(kDreamFile), base + "dream.dll");
    SetScript(Script::HongKong);
    EXPECT_EQ(opened(kQorvFile), base + "QorvFile.dll");
    SetScript(Script::Simplified);
    SetKnowledgeDbWarning({});
    EXPECT_EQ(warnings,
              (std::vector<std::string>{
                  base + "zh_TW/dream.dll is missing; reading " + base + "dream.dll in Simplified Chinese",
                  base + "zh_HK/QorvFile.dll is missing; reading " + base + "QorvFile.dll in Simplified Chinese",
              }));
}

TEST(DataSourcePath, ReadsBackslashesAndDoubledSeparatorsAsOne)
{
    testing::ExpectEach<std::string, std::string>(
        DataSourcePath,
        {
            {"Provider=Microsoft.Jet.OLEDB.4.0;Data Source=/opt/app/\\dream.dll;Persist Security Info=True",
             "/opt/app/dream.dll"},
            {"Provider=Microsoft.Jet.OLEDB.4.0;Data Source=C:\\app\\\\dream.dll;Persist Security Info=True",
             "C:/app/dream.dll"},
            {"data source = /a//b///c.dll ", "/a/b/c.dll"},
            {"Data Source=\"/with space/x.dll\"", "/with space/x.dll"},
            {"Data Source=/x.dll", "/x.dll"},
            {"Provider=P;Data Source=/a;b/c;d/\\dream.dll;Persist Security Info=True", "/a;b/c;d/dream.dll"},
            {"Provider=P;Data Source=\"/a;b=\"\"c\\d/x.dll\" ;Persist Security Info=True", "/a;b=\"c\\d/x.dll"},
            {"junk;Data Source=/y.dll", "/y.dll"},
        });
    EXPECT_THROW(DataSourcePath("Provider=Microsoft.Jet.OLEDB.4.0;Persist Security Info=True"), DbError);
    EXPECT_THROW(DataSourcePath("Data Source=;"), DbError);
}

TEST_F(ProgramFolderTest, DataSourceOfAnyFolderNameIsItsFile)
{
    const auto pathIn = [](const std::string &folder) {
        OverrideProgramFolder(folder);
        return DataSourcePath(ConnectionStringFor(kDreamFile));
    };
    testing::ExpectEach<std::string, std::string>(pathIn, {
                                                              {"/opt/app/", "/opt/app/dream.dll"},
                                                              {"/a;b=c/", "/a;b=c/dream.dll"},
                                                              {"/a;Data Source=/x/", "/a;Data Source=/x/dream.dll"},
                                                              {"/back\\slash/", "/back\\slash/dream.dll"},
                                                              {"/q\"uo\"te/", "/q\"uo\"te/dream.dll"},
                                                              {"/it's/", "/it's/dream.dll"},
                                                              {"/\";\"=\"\"/", "/\";\"=\"\"/dream.dll"},
                                                              {"C:\\app\\", "C:/app/dream.dll"},
                                                          });
    // The quoted form, path and file as they stand.
    OverrideProgramFolder("/opt/app;x/");
    EXPECT_EQ(ConnectionStringFor(kDreamFile),
              "Provider=Microsoft.Jet.OLEDB.4.0;Data Source=\"/opt/app;x/dream.dll\";Persist Security Info=True");
}

TEST(QuoteText, DoublesEveryInnerQuote)
{
    testing::ExpectEach<std::string, std::string>(QuoteText, {
                                                                 {"37", "'37'"},
                                                                 {"", "''"},
                                                                 {"o'clock", "'o''clock'"},
                                                                 {"''", "''''''"},
                                                                 {"b5", "'b5'"},
                                                                 {"\xE5\x90\x89", "'\xE5\x90\x89'"},
                                                             });
}

TEST(Statements, AreWrittenAsTheCatalogueWritesThem)
{
    EXPECT_EQ(MobileReadingStatement("37"), "select title,jx,content from shouji where num = '37'");
    EXPECT_EQ(MobileReadingStatement("a'b"), "select title,jx,content from shouji where num = 'a''b'");
    EXPECT_EQ(ArticleStatement("b12"), "select Tite,content from Noter where Cid = 'b12'");
    EXPECT_EQ(AlmanacStatement("2008-01-05"), "Select top 1 * from huangdao where gn = #2008-01-05#");
    EXPECT_EQ(PicturePageStatement(19, 3), "select picture,text from tuwen where num = 19 and page = 3");
    // The key is passed ready: never trimmed or converted.
    EXPECT_EQ(ArticleStatement(" c1 "), "select Tite,content from Noter where Cid = ' c1 '");
}

TEST(TranslateJetStatement, TurnsTopAndDateLiteralsIntoSqlite)
{
    testing::ExpectEach<std::string, std::string>(
        TranslateJetStatement,
        {
            {"Select top 1 * from huangdao where gn = #2008-1-5#",
             "Select * from huangdao where gn = '2008-01-05' limit 1"},
            {"Select top 1 * from huangdao where gn = #2008-01-05#",
             "Select * from huangdao where gn = '2008-01-05' limit 1"},
            {"SELECT TOP 25 gn FROM huangdao;", "SELECT gn FROM huangdao limit 25"},
            {"select distinct top 2 a from t", "select distinct a from t limit 2"},
            {"select * from t where d = #1/5/2008#", "select * from t where d = '2008-01-05'"},
            {"select * from t where d = #2008/2/29#", "select * from t where d = '2008-02-29'"},
            {"select title,jx,content from shouji where num = '37'",
             "select title,jx,content from shouji where num = '37'"},
            // Text literals and bracketed names pass unchanged, doubled quotes included.
            {"select * from t where a = '#1#' and b = 'x''#2#'", "select * from t where a = '#1#' and b = 'x''#2#'"},
            {"select [top 1] from t", "select [top 1] from t"},
            {"select top1 from t", "select top1 from t"},
            {"select topping from t", "select topping from t"},
        });
}

TEST(TranslateJetStatement, RejectsDatesThatAreNoDates)
{
    const char *bad[] = {
        "select * from t where d = #2008-2-30#", "select * from t where d = #2007-2-29#",
        "select * from t where d = #2008-13-1#", "select * from t where d = #2008-1-5",
        "select * from t where d = ##",          "select * from t where d = #x#",
        "select * from t where d = #08-1-5#",    "select * from t where d = #2008-1/5#",
    };
    for (const char *jet : bad)
        EXPECT_THROW(TranslateJetStatement(jet), DbError) << jet;
    try {
        TranslateJetStatement("Select top 1 * from huangdao where gn = #2008-2-30#");
    } catch (const DbError &e) {
        EXPECT_STREQ(e.what(), "Syntax error in date in query expression '#2008-2-30#'.");
    }
}

TEST(MobileNumberKey, IsTheValueFromTheEighthCharacterModulo80)
{
    testing::ExpectEach<std::string, std::string>(
        MobileNumberKey, {
                             {"13812345678", "78"},
                             {"13800000079", "79"},
                             {"13900000000", "0"},
                             {"13900000080", "0"},
                             {"13900008000", "0"},
                             {"1380000567", "7"},
                             {"13800005", "5"},
                             {"15912340001", "1"},
                             {"13812349999", "79"},  // 9999 = 124 * 80 + 79
                             {"00000001234", "34"},  // the first seven digits never count
                             {"99999991234", "34"},
                             {"1234567-5", "-5"},   // a pasted sign makes the key negative
                             {"1234567$FF", "15"},  // a hexadecimal text converts as the integer conversion reads it
                         });
}

TEST(MobileNumberKey, FailsWithTheConversionMessageWhenNoIntegerFollows)
{
    struct Case {
        const char *entry;
        const char *message;
    };
    const Case cases[] = {
        {"1381234", "'' is not a valid integer value"},
        {"", "'' is not a valid integer value"},
        {"1381234abc", "'abc' is not a valid integer value"},
        // Positions count characters, so a pasted Chinese character stays whole in the message.
        {"一二三四五六七八九", "'八九' is not a valid integer value"},
    };
    for (const auto &c : cases) {
        try {
            MobileNumberKey(c.entry);
            ADD_FAILURE() << "accepted " << c.entry;
        } catch (const ConvertError &e) {
            EXPECT_STREQ(e.what(), c.message);
        }
    }
}

}  // namespace
}  // namespace orlenvo
