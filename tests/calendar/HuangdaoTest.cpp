// The almanac window, driven through its controls, on small test tables and on the
// QorvFile.dll the database build makes.
#include "calendar/windows/huangdao.h"
#include "calendar/Almanac.h"
#include "core/RegionalSettings.h"
#include "data/KnowledgeDb.h"
#include "tests/support/Children.h"
#include "tests/support/ModalAnswer.h"
#include "tests/support/ScratchFolder.h"
#include "tests/support/TopLevel.h"
#include "tools/dbbuild/DbBuild.h"

#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QTextBlock>
#include <QtTest>

#include <filesystem>
#include <memory>
#include <set>

using namespace orlenvo::testing;
using orlenvo::calendar::TFormHuangdao;

namespace {

const orlenvo::AlmanacMonthTable &MonthTable()
{
    static const orlenvo::AlmanacMonthTable table = orlenvo::dbbuild::ReadAlmanacMonthTable(
        orlenvo::dbbuild::AlmanacMonthTableFile(std::filesystem::path(ORLENVO_SOURCE_DIR) / "content"));
    return table;
}

std::string Quoted(const std::string &text)
{
    return "'" + text + "'";
}

// The statements of a QorvFile.dll holding the rows of the given days as the build makes them, plus one hand-made row
// whose fields carry blanks and line breaks around their texts.
std::string SmallTable(std::initializer_list<orlenvo::CalendarDate> days)
{
    std::string sql = "BEGIN; CREATE TABLE huangdao (gn TEXT NOT NULL PRIMARY KEY, nn TEXT, suici TEXT, tszf TEXT,"
                      " wuhang TEXT, cong TEXT, pzbj TEXT, jsyq TEXT, yi TEXT, xsyq TEXT, ji TEXT);";
    for (orlenvo::CalendarDate day : days) {
        const orlenvo::AlmanacEntry e = orlenvo::AlmanacEntryOf(day, MonthTable());
        sql += "INSERT INTO huangdao VALUES (" + Quoted(e.gn) + "," + Quoted(e.nn) + "," + Quoted(e.suici) + "," +
               Quoted(e.tszf) + "," + Quoted(e.wuhang) + "," + Quoted(e.cong) + "," + Quoted(e.pzbj) + "," +
               Quoted(e.jsyq) + "," + Quoted(e.yi) + "," + Quoted(e.xsyq) + "," + Quoted(e.ji) + ");";
    }
    sql += "INSERT INTO huangdao VALUES ('2012-06-01', ' 测试日 ' || char(13,10), char(9) || '岁' || char(13,10),"
           " ' 胎', '五 ', ' 冲 ', '彭', '吉', '宜', '凶', '  忌 ' || char(10));";
    sql += "COMMIT;";
    return sql;
}

}  // namespace

class HuangdaoTest : public QObject {
    Q_OBJECT

private:
    static QStringList Lines(QPlainTextEdit *memo) { return memo->toPlainText().split(QLatin1Char('\n')); }
    // The lines Memo1 shows for the chosen day.
    static QStringList DayLines(QWidget *w) { return Lines(Child<QPlainTextEdit>(w, "Memo1")); }

    // Types the three parts (empty ones are left alone) and presses "测算".
    static void Choose(QWidget *w, const QString &year, const QString &month, const QString &day)
    {
        const struct {
            const char *name;
            const QString &text;
        } parts[] = {{"SYear", year}, {"SMonth", month}, {"Sday", day}};
        for (const auto &p : parts) {
            QComboBox *list = Child<QComboBox>(w, p.name);
            list->lineEdit()->clear();
            QTest::keyClicks(list->lineEdit(), p.text);
        }
        QTest::mouseClick(Child<QPushButton>(w, "RzBitBtn1"), Qt::LeftButton);
    }

    TFormHuangdao *Open()
    {
        TFormHuangdao *window = orlenvo::calendar::OpenAlmanacWindow(nullptr);
        (void)QTest::qWaitForWindowExposed(window);
        return window;
    }

    // The window over a small table: 5 January and 29 February 2008, 1 October 1949,
    // 31 December 2050 and the hand-made row.
    TFormHuangdao *OpenOverSmallTable()
    {
        folder_ = ProgramFolderWithDatabase(
            "QorvFile.dll", SmallTable({orlenvo::EncodeDate(2008, 1, 5), orlenvo::EncodeDate(2008, 2, 29),
                                        orlenvo::EncodeDate(1949, 10, 1), orlenvo::EncodeDate(2050, 12, 31)}));
        return Open();
    }

    std::unique_ptr<ScratchFolder> folder_;

private slots:
    void initTestCase()
    {
        // As the program's start-up does.
        orlenvo::SynchroniseRegionalSettings(orlenvo::RegionalSettings());
    }

    void cleanup()
    {
        orlenvo::SynchroniseRegionalSettings(orlenvo::RegionalSettings());
        // Windows only: their drop-down popups are top-level widgets that go with them.
        DeleteWindows<TFormHuangdao>();
        folder_.reset();
        orlenvo::OverrideProgramFolder({});
    }

    void layout()
    {
        TFormHuangdao w;
        QCOMPARE(w.windowTitle(), QStringLiteral("黄道吉日"));
        QVERIFY(w.isWindow());
        QVERIFY(w.testAttribute(Qt::WA_DeleteOnClose));
        QVERIFY(CloseButtonOnly(&w));
        const struct {
            const char *name;
            int first;
            int count;
            const char *firstText;
            const char *lastText;
        } lists[] = {{"SYear", 2008, 12, "2008", "2019"}, {"SMonth", 1, 12, "01", "12"}, {"Sday", 1, 31, "01", "31"}};
        for (const auto &l : lists) {
            QComboBox *list = Child<QComboBox>(&w, l.name);
            QVERIFY2(list, l.name);
            QVERIFY(list->isEditable());
            QCOMPARE(list->count(), l.count);
            QCOMPARE(list->itemText(0), QString::fromLatin1(l.firstText));
            QCOMPARE(list->itemText(l.count - 1), QString::fromLatin1(l.lastText));
            QCOMPARE(list->currentText(), QString());
        }
        QCOMPARE(Child<QComboBox>(&w, "SMonth")->itemText(8), QStringLiteral("09"));
        const struct {
            const char *name;
            const char *text;
        } captions[] = {{"Label2", "选择黄历："}, {"Label3", "年"},         {"Label4", "月"},
                        {"Label5", "日"},         {"Label6", "当日统览："}, {"Label1", ""}};
        for (const auto &c : captions) {
            QVERIFY2(w.findChild<QLabel *>(QString::fromUtf8(c.name)), c.name);
            QCOMPARE(Child<QLabel>(&w, c.name)->text(), QString::fromUtf8(c.text));
        }
        QVERIFY(Child<QLabel>(&w, "Label1")->font().bold());
        QCOMPARE(Child<QLabel>(&w, "Label1")->palette().color(QPalette::WindowText), QColor(255, 0, 0));
        QCOMPARE(Child<QPushButton>(&w, "RzBitBtn1")->text(), QStringLiteral("测算"));
        QCOMPARE(Child<QPushButton>(&w, "RzBitBtn2")->text(), QStringLiteral("关闭"));
        QCOMPARE(w.findChild<QGroupBox *>(QStringLiteral("GroupBox1"))->title(), QStringLiteral("测算结果："));
        QCOMPARE(w.findChild<QGroupBox *>(QStringLiteral("GroupBox2"))->title(), QStringLiteral("黄历名词解释："));
        QCOMPARE(Child<QPlainTextEdit>(&w, "Memo1")->toPlainText(), QString());
        QVERIFY(!Child<QPlainTextEdit>(&w, "Memo1")->isReadOnly());
        QCOMPARE(Child<QPlainTextEdit>(&w, "Memo1")->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);

        QPlainTextEdit *glossary = Child<QPlainTextEdit>(&w, "Memo2");
        QVERIFY(glossary->isReadOnly());
        const QStringList lines = Lines(glossary);
        QCOMPARE(lines.size(), 34);
        QCOMPARE(lines.first(), QStringLiteral("嫁娶 ：男娶女嫁，举行结婚大典的吉日 "));
        QCOMPARE(lines.at(12), QStringLiteral("今社会上多已滥用属阴宅择日时属阴宅须辨别之。 "));
        QCOMPARE(lines.at(18), QStringLiteral("事(2)新设店铺商行或新厂开幕等事 "));
        QCOMPARE(lines.last(), QStringLiteral("挂匾 ：指悬挂招牌或各种匾额"));
    }

    // Every term the glossary explains is a word of the month table's 宜 and 忌, apart from the
    // glossary's own spelling 立卷 of 立券.
    void glossaryTermsAreWordsOfTheTable()
    {
        std::set<std::string> words;
        for (int month = 0; month < 12; ++month)
            for (int day = 0; day < 60; ++day) {
                const orlenvo::AlmanacLists &l = MonthTable().Of(month, day);
                words.insert(l.suits.items.begin(), l.suits.items.end());
                words.insert(l.avoids.items.begin(), l.avoids.items.end());
            }
        TFormHuangdao w;
        int terms = 0;
        for (const QString &line : Lines(Child<QPlainTextEdit>(&w, "Memo2"))) {
            const qsizetype colon = line.indexOf(QStringLiteral(" ："));
            if (colon < 0)
                continue;  // the second line of a long explanation
            ++terms;
            QString term = line.left(colon);
            if (term == QStringLiteral("立卷"))
                term = QStringLiteral("立券");
            QVERIFY2(words.count(term.toStdString()), qPrintable(term));
        }
        QCOMPARE(terms, 32);
    }

    void promptsForEachMissingPartAndAnInvalidDate()
    {
        TFormHuangdao *w = OpenOverSmallTable();
        const struct {
            const char *y, *m, *d, *message;
        } cases[] = {
            {"", "", "", "请选择年!"},
            {"2008", "", "", "请选择月!"},
            {"2008", "02", "", "请选择日!"},
            {"2008", "02", "30", "请选择有效的日期!"},
            {"  ", "01", "05", "请选择年!"},
            {"2009", "02", "29", "请选择有效的日期!"},
            {"2008x", "01", "05", "请选择有效的日期!"},
            {"2008#", "01", "05", "请选择有效的日期!"},
            {"2008", "1'", "05", "请选择有效的日期!"},
        };
        for (const auto &c : cases) {
            SeenBox seen;
            QVERIFY(AnswerBoxOf(
                seen, [&] { Choose(w, QString::fromUtf8(c.y), QString::fromUtf8(c.m), QString::fromUtf8(c.d)); }));
            QCOMPARE(seen.title, QStringLiteral("提示"));
            QCOMPARE(seen.icon, QMessageBox::Information);
            QCOMPARE(seen.text, QString::fromUtf8(c.message));
            QCOMPARE(Child<QLabel>(w, "Label1")->text(), QString());
            QCOMPARE(Child<QPlainTextEdit>(w, "Memo1")->toPlainText(), QString());
        }
    }

    void foundDaysFillTheDateLineAndSeventeenLines()
    {
        TFormHuangdao *w = OpenOverSmallTable();
        Choose(w, QStringLiteral("2008"), QStringLiteral("01"), QStringLiteral("05"));
        QCOMPARE(Child<QLabel>(w, "Label1")->text(), QStringLiteral("2008-01-05  农历丁亥年冬月廿七 星期六"));
        const QStringList lines = DayLines(w);
        QCOMPARE(lines.size(), 17);
        QCOMPARE(lines.at(0), QStringLiteral("岁次:丁亥年 壬子月 甲辰日"));
        QCOMPARE(lines.at(1), QString());
        QCOMPARE(lines.at(2), QStringLiteral("每日胎神占方:占门栖 房内东"));
        QCOMPARE(lines.at(4), QStringLiteral("五行:覆灯火 定执位"));
        QCOMPARE(lines.at(6), QStringLiteral("冲:冲狗(戊戌)煞南"));
        QCOMPARE(lines.at(8), QStringLiteral("彭祖百忌:甲不开仓财物耗散 辰不哭泣必主重丧"));
        // The lists of the 子 month's 甲辰 row (lunar-javascript 1.7.7 for 5 January 2008).
        QCOMPARE(lines.at(10), QStringLiteral("吉神宜趋:月恩 四相 三合 临日 时阴 天仓 圣心"));
        QCOMPARE(lines.at(12), QStringLiteral("宜:求嗣 斋醮 塑绘 订盟 纳采 出火 拆卸 修造 动土 造桥 安机械 "
                                              "栽种 纳畜 牧养 入殓 除服 成服 移柩 破土 安葬"));
        QCOMPARE(lines.at(14), QStringLiteral("凶神宜忌:死气 天牢"));
        QCOMPARE(lines.at(16), QStringLiteral("忌:开市 嫁娶"));
        for (int blank : {1, 3, 5, 7, 9, 11, 13, 15})
            QCOMPARE(lines.at(blank), QString());

        // 29 February of a leap year is a date; 1-digit month and day find the same row, and
        // the date line shows the text as joined.
        Choose(w, QStringLiteral("2008"), QStringLiteral("02"), QStringLiteral("29"));
        QVERIFY(Child<QLabel>(w, "Label1")->text().startsWith(QStringLiteral("2008-02-29  农历戊子年")));
        Choose(w, QStringLiteral("2008"), QStringLiteral("1"), QStringLiteral("5"));
        QCOMPARE(Child<QLabel>(w, "Label1")->text(), QStringLiteral("2008-1-5  农历丁亥年冬月廿七 星期六"));
        QCOMPARE(DayLines(w).at(0), QStringLiteral("岁次:丁亥年 壬子月 甲辰日"));

        // The fields are trimmed, and so are the row's texts.
        Choose(w, QStringLiteral(" 2012 "), QStringLiteral("06"), QStringLiteral("01"));
        QCOMPARE(Child<QLabel>(w, "Label1")->text(), QStringLiteral("2012-06-01  测试日"));
        const QStringList trimmed = DayLines(w);
        QCOMPARE(trimmed.size(), 17);
        QCOMPARE(trimmed.at(0), QStringLiteral("岁次:岁"));
        QCOMPARE(trimmed.at(16), QStringLiteral("忌:忌"));

        // Years typed outside the list are found.
        Choose(w, QStringLiteral("1949"), QStringLiteral("10"), QStringLiteral("1"));
        QCOMPARE(Child<QLabel>(w, "Label1")->text(), QStringLiteral("1949-10-1  农历己丑年八月初十 星期六"));
        QCOMPARE(DayLines(w).at(0), QStringLiteral("岁次:己丑年 癸酉月 甲子日"));
        Choose(w, QStringLiteral("2050"), QStringLiteral("12"), QStringLiteral("31"));
        QVERIFY(Child<QLabel>(w, "Label1")->text().startsWith(QStringLiteral("2050-12-31  农历庚午年")));
    }

    void missingDayLeavesTheWindowUnchanged()
    {
        TFormHuangdao *w = OpenOverSmallTable();
        Choose(w, QStringLiteral("2008"), QStringLiteral("01"), QStringLiteral("05"));
        const QString label = Child<QLabel>(w, "Label1")->text();
        const QString memo = Child<QPlainTextEdit>(w, "Memo1")->toPlainText();
        QVERIFY(!memo.isEmpty());
        for (const char *year : {"2008", "1800", "08"}) {  // 1 March 2008; a year before the table; 2-digit year
            SeenBox seen;
            WatchForBox(seen, 300);
            Choose(w, QString::fromLatin1(year), QStringLiteral("03"), QStringLiteral("01"));
            QTest::qWait(400);
            QVERIFY2(!seen.seen, year);
            QCOMPARE(Child<QLabel>(w, "Label1")->text(), label);
            QCOMPARE(Child<QPlainTextEdit>(w, "Memo1")->toPlainText(), memo);
        }
    }

    void dateCheckReadsTheShortDateFormat()
    {
        TFormHuangdao *w = OpenOverSmallTable();
        orlenvo::RegionalSettings().Write(orlenvo::LocaleItem::ShortDate, "dd.MM.yyyy");
        SeenBox seen;
        QVERIFY(
            AnswerBoxOf(seen, [&] { Choose(w, QStringLiteral("2008"), QStringLiteral("01"), QStringLiteral("05")); }));
        QCOMPARE(seen.text, QStringLiteral("请选择有效的日期!"));
        orlenvo::SynchroniseRegionalSettings(orlenvo::RegionalSettings());
        Choose(w, QStringLiteral("2008"), QStringLiteral("01"), QStringLiteral("05"));
        QVERIFY(Child<QLabel>(w, "Label1")->text().startsWith(QStringLiteral("2008-01-05  ")));
    }

    void missingDatabaseShowsTheErrorBox()
    {
        folder_ = std::make_unique<ScratchFolder>();
        std::filesystem::create_directories(folder_->Path("bin"));
        folder_->UseAsProgramFolder();
        TFormHuangdao *w = Open();  // opening needs no database
        for (int run = 0; run < 2; ++run) {
            SeenBox seen;
            QVERIFY(AnswerBoxOf(
                seen, [&] { Choose(w, QStringLiteral("2008"), QStringLiteral("01"), QStringLiteral("05")); }));
            QCOMPARE(seen.icon, QMessageBox::Critical);
            QVERIFY(!seen.text.isEmpty());
            QCOMPARE(Child<QLabel>(w, "Label1")->text(), QString());
            QVERIFY(w->isVisible());
        }
        QVERIFY(!std::filesystem::exists(folder_->Path("bin/QorvFile.dll")));  // never created
    }

    void opensWithoutBlockingAndReleasesItselfOnClose()
    {
        QWidget owner;
        TFormHuangdao *first = orlenvo::calendar::OpenAlmanacWindow(&owner);
        TFormHuangdao *second = orlenvo::calendar::OpenAlmanacWindow(&owner);
        QVERIFY(first != second);
        QVERIFY(first->isVisible() && second->isVisible());
        QVERIFY(first->isWindow());
        QVERIFY(!first->isModal());
        QPointer<TFormHuangdao> guard(first);
        QTest::mouseClick(Child<QPushButton>(first, "RzBitBtn2"), Qt::LeftButton);
        QTRY_VERIFY(guard.isNull());
        QVERIFY(second->isVisible());
    }

    // The database the build makes holds every day of 1901-2050.
    void builtDatabaseHoldsEveryDay()
    {
        const std::filesystem::path built = std::filesystem::path(ORLENVO_BIN_DIR) / "QorvFile.dll";
        QVERIFY2(std::filesystem::exists(built), "the database build runs before the tests");
        orlenvo::OverrideProgramFolder(ORLENVO_BIN_DIR);
        TFormHuangdao *w = Open();
        Choose(w, QStringLiteral("1901"), QStringLiteral("01"), QStringLiteral("01"));
        QCOMPARE(Child<QLabel>(w, "Label1")->text(),
                 QString::fromStdString("1901-01-01  " + orlenvo::AlmanacEntryOf(orlenvo::EncodeDate(1901, 1, 1)).nn));
        Choose(w, QStringLiteral("2050"), QStringLiteral("12"), QStringLiteral("31"));
        const orlenvo::AlmanacEntry last = orlenvo::AlmanacEntryOf(orlenvo::EncodeDate(2050, 12, 31), MonthTable());
        const QStringList lines = DayLines(w);
        QCOMPARE(lines.at(10), QString::fromStdString("吉神宜趋:" + last.jsyq));
        QCOMPARE(lines.at(12), QString::fromStdString("宜:" + last.yi));
        QCOMPARE(lines.at(14), QString::fromStdString("凶神宜忌:" + last.xsyq));
        QCOMPARE(lines.at(16), QString::fromStdString("忌:" + last.ji));
        Choose(w, QStringLiteral("2008"), QStringLiteral("01"), QStringLiteral("05"));
        QCOMPARE(DayLines(w).at(4), QStringLiteral("五行:覆灯火 定执位"));
    }

    // The window after looking up 5 January 2008 in the built database; saved as a PNG when
    // ORLENVO_SCREENSHOT names a file (scripts/screenshot-almanac.sh).
    void screenshotAfterLookup()
    {
        orlenvo::OverrideProgramFolder(ORLENVO_BIN_DIR);
        TFormHuangdao *w = Open();
        Child<QComboBox>(w, "SYear")->setCurrentIndex(0);
        Child<QComboBox>(w, "SMonth")->setCurrentIndex(0);
        Child<QComboBox>(w, "Sday")->setCurrentIndex(4);
        QTest::mouseClick(Child<QPushButton>(w, "RzBitBtn1"), Qt::LeftButton);
        QVERIFY(Child<QLabel>(w, "Label1")->text().startsWith(QStringLiteral("2008-01-05  农历丁亥年冬月廿七")));
        const QImage image = w->grab().toImage();
        QCOMPARE(image.size(), w->size());
        const QByteArray out = qgetenv("ORLENVO_SCREENSHOT");
        if (!out.isEmpty())
            QVERIFY(image.save(QString::fromLocal8Bit(out)));
    }
};

ORLENVO_QTEST_MAIN(HuangdaoTest)
#include "HuangdaoTest.moc"
