#include "core/Text.h"
#include "data/Catalogue.h"
#include "data/KnowledgeDb.h"
#include "tests/support/ScratchFolder.h"
#include "tools/dbbuild/DbBuild.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <fstream>
#include <functional>
#include <iterator>
#include <map>
#include <set>

namespace orlenvo {
namespace {

namespace fs = std::filesystem;
using testing::ScratchFolder;

// Runs a statement on a built database (read-only) and gives every row as texts.
std::vector<std::vector<std::string>> Rows(const fs::path &file, const std::string &sql)
{
    sqlite3 *db = nullptr;
    std::vector<std::vector<std::string>> rows;
    if (sqlite3_open_v2(file.c_str(), &db, SQLITE_OPEN_READONLY, nullptr) != SQLITE_OK) {
        sqlite3_close(db);
        ADD_FAILURE() << "cannot open " << file;
        return rows;
    }
    sqlite3_stmt *st = nullptr;
    if (sqlite3_prepare_v2(db, sql.c_str(), -1, &st, nullptr) != SQLITE_OK) {
        ADD_FAILURE() << sqlite3_errmsg(db) << " in " << sql;
    } else {
        while (sqlite3_step(st) == SQLITE_ROW) {
            std::vector<std::string> row;
            for (int i = 0; i < sqlite3_column_count(st); ++i) {
                const auto *text = reinterpret_cast<const char *>(sqlite3_column_text(st, i));
                row.emplace_back(text ? text : "");
            }
            rows.push_back(std::move(row));
        }
    }
    sqlite3_finalize(st);
    sqlite3_close(db);
    return rows;
}

std::vector<std::string> Column(const std::vector<std::vector<std::string>> &rows, std::size_t i)
{
    std::vector<std::string> out;
    for (const auto &r : rows)
        out.push_back(r.at(i));
    return out;
}

std::size_t CodePoints(std::string_view s)
{
    return Utf8Length(s);
}

// Characters of a text without blanks and line breaks.
std::size_t VisibleCharacters(std::string_view s)
{
    std::size_t n = 0;
    for (std::size_t i = 0; i < s.size(); ++i) {
        const auto c = static_cast<unsigned char>(s[i]);
        if ((c & 0xC0) == 0x80 || c <= 32)
            continue;
        if (s.substr(i, 3) == "\xE3\x80\x80")  // ideographic space
            continue;
        ++n;
    }
    return n;
}

const fs::path kBin = ORLENVO_BIN_DIR;

TEST(BuiltDatabases, HoldEveryTableAndColumnOfTheCatalogue)
{
    struct Case {
        std::string_view file;
        const char *table;
        std::vector<std::string> columns;
    };
    const Case cases[] = {
        {kDreamFile, "shouji", {"num", "title", "jx", "content"}},
        {kQorvFile, "huangdao", {"gn", "nn", "suici", "tszf", "wuhang", "cong", "pzbj", "jsyq", "yi", "xsyq", "ji"}},
        {kQorvFile, "tuwen", {"num", "page", "picture", "text"}},
        {kQorvBirthFile, "Noter", {"Cid", "Tite", "content"}},
    };
    for (const auto &c : cases) {
        const auto info = Rows(kBin / std::string(c.file), std::string("PRAGMA table_info(") + c.table + ")");
        EXPECT_EQ(Column(info, 1), c.columns) << c.table;
    }
    // Text keys compare without regard to letter case; gn is stored as ISO date text.
    EXPECT_EQ(Rows(kBin / "QorvBirth.dll", "select count(*) from Noter where Cid = 'B5'"),
              (std::vector<std::vector<std::string>>{{"1"}}));
    const auto dates = Rows(kBin / "QorvFile.dll", "select gn from huangdao where gn not glob "
                                                   "'[0-9][0-9][0-9][0-9]-[0-1][0-9]-[0-3][0-9]'");
    EXPECT_TRUE(dates.empty());
}

// A row's texts go to the columns of their names: an entry whose every text is its own
// field's name gives the catalogue's column names in order.
TEST(BuiltDatabases, AlmanacRowTextsFollowTheCatalogue)
{
    const AlmanacEntry named{"gn", "nn", "suici", "tszf", "wuhang", "cong", "pzbj", "jsyq", "yi", "xsyq", "ji"};
    const auto values = ColumnValues(named);
    const auto columns = AlmanacColumns();
    ASSERT_EQ(values.size(), columns.size());
    for (std::size_t i = 0; i < values.size(); ++i)
        EXPECT_EQ(values[i], columns[i].name);
    // Every column but the heading's two has a line caption, ending in a colon.
    for (const AlmanacColumn &column : columns.subspan(2))
        EXPECT_TRUE(column.caption.ends_with(":")) << column.name;
}

TEST(BuiltDatabases, ShoujiHoldsEightyReadings)
{
    const auto rows = Rows(kBin / "dream.dll", "select num, title, jx, content from shouji");
    ASSERT_EQ(rows.size(), 80u);
    std::set<std::string> keys;
    const std::set<std::string> luck = {"吉", "凶", "吉带凶", "凶带吉"};
    for (const auto &r : rows) {
        keys.insert(r[0]);
        EXPECT_TRUE(luck.contains(r[2])) << r[0] << ": " << r[2];
        // A four-phrase verdict.
        std::size_t commas = 0;
        for (std::size_t at = r[1].find("，"); at != std::string::npos; at = r[1].find("，", at + 1))
            ++commas;
        EXPECT_EQ(commas, 3u) << r[0] << ": " << r[1];
        EXPECT_GE(CodePoints(r[3]), 20u) << r[0];
        EXPECT_EQ(Trim(r[3]), r[3]) << r[0];
    }
    std::set<std::string> expected;
    for (int i = 0; i < 80; ++i)
        expected.insert(std::to_string(i));
    EXPECT_EQ(keys, expected);
}

TEST(BuiltDatabases, NoterHoldsTheTwentyTwoArticles)
{
    const auto rows = Rows(kBin / "QorvBirth.dll", "select Cid, Tite, content from Noter");
    std::map<std::string, std::pair<std::string, std::string>> articles;
    for (const auto &r : rows)
        articles[r[0]] = {r[1], r[2]};
    ASSERT_EQ(articles.size(), 22u);

    // clang-format off
    const std::map<std::string, std::string> titles = {
        {"b1", "命自我立"}, {"b2", "三世因果经"}, {"b3", "心命歌"}, {"b4", "太上感应篇"}, {"b5", "孝经"},
        {"b6", "孝悌歌"}, {"b7", "孝顺歌"}, {"b8", "亲恩歌"}, {"b9", "孝道良心歌"}, {"b10", "闺训千字文"},
        {"b11", "孔子与小儿论"}, {"b12", "朱子治家格言"}, {"b13", "百忍歌"},
        {"c1", "风水常识"}, {"c2", "选房风水"}, {"c3", "家居风水注意几个方位"}, {"c4", "六大贫贱家居风水"},
        {"c5", "改变运势的装修技巧"}, {"c6", "通用12种风水方式"}, {"c7", "求职与家居风水"},
        {"c8", "鼠年家居风水新讲究"}, {"c9", "七項陽宅应注意事項"},
    };
    // clang-format on
    for (const auto &[id, title] : titles) {
        ASSERT_TRUE(articles.contains(id)) << id;
        EXPECT_EQ(articles[id].first, title) << id;
        const std::string &body = articles[id].second;
        EXPECT_GE(VisibleCharacters(body), 80u) << id;
        if (id[0] == 'c') {
            EXPECT_GE(VisibleCharacters(body), 600u) << id;
            EXPECT_LE(VisibleCharacters(body), 1500u) << id;
        }
    }
}

TEST(BuiltDatabases, RebuildingGivesTheSameBytes)
{
    ScratchFolder out;
    const fs::path content = fs::path(ORLENVO_SOURCE_DIR) / "content";
    dbbuild::BuildDatabases(content, ORLENVO_PICTURE_DIR, out.Path(),
                            AlmanacRows(dbbuild::ReadAlmanacMonthTable(dbbuild::AlmanacMonthTableFile(content))));
    for (const char *name : {"dream.dll", "QorvFile.dll", "QorvBirth.dll"}) {
        std::ifstream a(kBin / name, std::ios::binary), b(out.Path(name), std::ios::binary);
        const std::string built{std::istreambuf_iterator<char>(a), std::istreambuf_iterator<char>()};
        const std::string rebuilt{std::istreambuf_iterator<char>(b), std::istreambuf_iterator<char>()};
        EXPECT_FALSE(built.empty()) << name;
        EXPECT_TRUE(built == rebuilt) << name << " differs from its rebuild";
    }
    EXPECT_EQ(out.List(""), (std::vector<std::string>{"QorvBirth.dll", "QorvFile.dll", "dream.dll"}));
}

// Minimal valid sources: one reading, one article, one picture page.
void WriteGoodSources(const ScratchFolder &f)
{
    f.Write("content/shouji.txt", "# comment\n\n[0]\ntitle: 甲，乙，丙，丁\njx: 吉带凶\ncontent: 说明\n");
    f.Write("content/noter/b1.txt", "\xEF\xBB\xBF标题\r\n\r\n第一行\r\n\r\n第三行\r\n\r\n");
    f.Write("content/tuwen/2/1.txt", "页一\n");
    f.Write("content/tuwen/2/1.svg", "<svg/>");
    f.Write("pictures/2-1.jpg", "\xFF\xD8\xFF\xD9");
}

TEST(DatabaseBuild, ReadsTheSourceFormats)
{
    ScratchFolder f;
    WriteGoodSources(f);
    const auto readings = dbbuild::ReadMobileReadings(f.Path("content/shouji.txt"));
    ASSERT_EQ(readings.size(), 1u);
    EXPECT_EQ(readings[0].num, "0");
    EXPECT_EQ(readings[0].title, "甲，乙，丙，丁");
    EXPECT_EQ(readings[0].jx, "吉带凶");
    EXPECT_EQ(readings[0].content, "说明");

    const auto articles = dbbuild::ReadArticles(f.Path("content/noter"));
    ASSERT_EQ(articles.size(), 1u);
    EXPECT_EQ(articles[0].cid, "b1");
    EXPECT_EQ(articles[0].tite, "标题");
    EXPECT_EQ(articles[0].content, "第一行\n\n第三行");

    const auto pages = dbbuild::ReadPicturePages(f.Path("content/tuwen"), f.Path("pictures"));
    ASSERT_EQ(pages.size(), 1u);
    EXPECT_EQ(pages[0].num, 2);
    EXPECT_EQ(pages[0].page, 1);
    EXPECT_EQ(pages[0].picture, (std::vector<unsigned char>{0xFF, 0xD8, 0xFF, 0xD9}));
    EXPECT_EQ(pages[0].text, "页一");
}

// A bad source fails the build with a message naming it, and the databases already in the
// output folder stay as they were.
TEST(DatabaseBuild, BadSourcesFailAndLeaveTheOutputAlone)
{
    struct Case {
        const char *name;
        std::function<void(const ScratchFolder &)> spoil;
        const char *message;
    };
    const Case cases[] = {
        {"missing field", [](auto &f) { f.Write("content/shouji.txt", "[0]\ntitle: a\njx: 吉\n"); }, "has no content"},
        {"unknown luck", [](auto &f) { f.Write("content/shouji.txt", "[0]\ntitle: a\njx: 大吉\ncontent: c\n"); },
         "jx must be"},
        {"key twice",
         [](auto &f) {
             f.Write("content/shouji.txt", "[a]\ntitle: a\njx: 吉\ncontent: c\n[A]\ntitle: a\njx: 吉\ncontent: c\n");
         },
         "given twice"},
        {"field twice", [](auto &f) { f.Write("content/shouji.txt", "[0]\ntitle: a\ntitle: b\n"); },
         "title given twice"},
        {"text before key", [](auto &f) { f.Write("content/shouji.txt", "title: a\n"); }, "before the first"},
        {"unknown line", [](auto &f) { f.Write("content/shouji.txt", "[0]\nnote: a\n"); }, ":2: expected"},
        {"no shouji", [](auto &f) { fs::remove(f.Path("content/shouji.txt")); }, "cannot be read"},
        {"not UTF-8", [](auto &f) { f.Write("content/noter/b2.txt", "\xD0\xA2\xBE\xAD\n\nx\n"); }, "not UTF-8"},
        {"no empty line", [](auto &f) { f.Write("content/noter/b2.txt", "标题\n正文\n"); }, "empty line"},
        {"odd article id", [](auto &f) { f.Write("content/noter/b 2.txt", "t\n\nx\n"); }, "article id"},
        {"id twice", [](auto &f) { f.Write("content/noter/B1.txt", "t\n\nx\n"); }, "given twice"},
        {"page without picture", [](auto &f) { f.Write("content/tuwen/2/2.txt", "页二\n"); }, "2-2.jpg is missing"},
        {"picture not JPEG", [](auto &f) { f.Write("pictures/2-1.jpg", "\x89PNG"); }, "not a JPEG"},
        {"page name", [](auto &f) { f.Write("content/tuwen/2/01.txt", "x\n"); }, "page number"},
        {"article folder name", [](auto &f) { f.Write("content/tuwen/two/1.txt", "x\n"); }, "by its number"},
    };
    for (const auto &c : cases) {
        ScratchFolder f;
        WriteGoodSources(f);
        f.Write("out/dream.dll", "old");
        c.spoil(f);
        try {
            dbbuild::BuildDatabases(f.Path("content"), f.Path("pictures"), f.Path("out"), {});
            ADD_FAILURE() << c.name << ": built";
        } catch (const dbbuild::BuildError &e) {
            EXPECT_NE(std::string(e.what()).find(c.message), std::string::npos) << c.name << ": " << e.what();
        }
        EXPECT_EQ(f.List("out"), std::vector<std::string>{"dream.dll"}) << c.name;
        EXPECT_EQ(f.Read("out/dream.dll"), "old") << c.name;
    }
}

// A Traditional copy: every shown text goes through the converter once, in one run, with its line
// breaks kept; keys, numbers and pictures stay. The converter here marks each line it is given.
TEST(DatabaseBuild, ConvertedCopyConvertsEveryShownTextAndNoKey)
{
    ScratchFolder f;
    WriteGoodSources(f);
    f.Write("convert", "#!/bin/sh\n[ \"$1 $2 $3\" = \"convert --to zh_TW\" ] || exit 3\nexec sed 's/^/T:/'\n");
    fs::permissions(f.Path("convert"), fs::perms::owner_all);
    AlmanacEntry day{"2008-01-05", "农历", "岁次", "胎神", "五行", "冲", "彭祖", "吉神", "宜", "凶神", "忌"};
    dbbuild::BuildDatabases(f.Path("content"), f.Path("pictures"), f.Path("out"), {day},
                            dbbuild::ProgramConverter(f.Path("convert"), "zh_TW"));
    using RowList = std::vector<std::vector<std::string>>;
    EXPECT_EQ(Rows(f.Path("out/dream.dll"), "select num, title, jx, content from shouji"),
              (RowList{{"0", "T:甲，乙，丙，丁", "T:吉带凶", "T:说明"}}));
    EXPECT_EQ(Rows(f.Path("out/QorvBirth.dll"), "select Cid, Tite, content from Noter"),
              (RowList{{"b1", "T:标题", "T:第一行\n\n第三行"}}));
    EXPECT_EQ(Rows(f.Path("out/QorvFile.dll"), "select num, page, hex(picture), text from tuwen"),
              (RowList{{"2", "1", "FFD8FFD9", "T:页一"}}));
    EXPECT_EQ(Rows(f.Path("out/QorvFile.dll"), "select gn, nn, suici, tszf, wuhang, cong, pzbj, jsyq, yi, xsyq, ji "
                                               "from huangdao"),
              (RowList{{"2008-01-05", "T:农历", "T:岁次", "T:胎神", "T:五行", "T:冲", "T:彭祖", "T:吉神", "T:宜",
                        "T:凶神", "T:忌"}}));

    // A converter that fails, or loses a line, fails the build and leaves the output alone.
    const std::pair<const char *, const char *> broken[] = {
        {"#!/bin/sh\nexit 1\n", "failed (status 1)"},
        {"#!/bin/sh\nsed 1d\n", "lines for"},
    };
    for (const auto &[script, message] : broken) {
        f.Write("convert", script);
        try {
            dbbuild::BuildDatabases(f.Path("content"), f.Path("pictures"), f.Path("out"), {day},
                                    dbbuild::ProgramConverter(f.Path("convert"), "zh_TW"));
            ADD_FAILURE() << script << ": built";
        } catch (const dbbuild::BuildError &e) {
            EXPECT_NE(std::string(e.what()).find(message), std::string::npos) << e.what();
        }
        EXPECT_EQ(Rows(f.Path("out/dream.dll"), "select title from shouji"), (RowList{{"T:甲，乙，丙，丁"}}));
    }
}

TEST(DatabaseBuild, AlmanacRowsMustBeDistinctIsoDates)
{
    const std::vector<std::string> bad[] = {
        {"2008-1-5"}, {"2008-02-30"}, {"20080105"}, {""}, {"2008-01-05", "2008-01-05"}};
    for (const auto &dates : bad) {
        std::vector<AlmanacEntry> rows;
        for (const auto &d : dates)
            rows.push_back({d});
        EXPECT_THROW(dbbuild::CheckedAlmanacRows(rows), dbbuild::BuildError) << dates.front();
    }
    const auto sorted = dbbuild::CheckedAlmanacRows({{"2008-01-06"}, {"2008-01-05"}, {"2008-02-29"}});
    EXPECT_EQ(sorted.front().gn, "2008-01-05");
    EXPECT_EQ(sorted.back().gn, "2008-02-29");
}

}  // namespace
}  // namespace orlenvo
