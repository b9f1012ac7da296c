#include "data/Catalogue.h"
#include "data/KnowledgeDb.h"
#include "data/Query.h"
#include "numerology/windows/Unt_sjcs.h"
#include "tests/numerology/ResultRows.h"
#include "tests/support/Children.h"
#include "tests/support/ModalAnswer.h"
#include "tests/support/ScratchFolder.h"
#include "tests/support/TopLevel.h"

#include <QApplication>
#include <QClipboard>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QtTest>

using orlenvo::numerology::TFrm_SJcs;
using namespace orlenvo::testing;

namespace {

// The statements of a dream.dll whose every row names its key, with blanks and line breaks around each value.
std::string NamedReadings()
{
    std::string sql =
        "BEGIN; CREATE TABLE shouji (num TEXT COLLATE NOCASE PRIMARY KEY, title TEXT, jx TEXT, content TEXT);";
    for (int key = 0; key < 80; ++key) {
        if (key == 33)
            continue;  // a key without a row
        const std::string k = std::to_string(key);
        sql += "INSERT INTO shouji VALUES ('" + k + "', '  标题" + k + " ', char(13,10) || '吉' || char(9), ' 说明" +
               k + "' || char(13,10) || '第二行' || char(13,10));";
    }
    sql += "COMMIT;";
    return sql;
}

}  // namespace

class SjcsTest : public QObject {
    Q_OBJECT

private:
    TFrm_SJcs *Open()
    {
        auto *window = new TFrm_SJcs;
        window->show();
        return window;
    }
    // The window over the scratch readings, showing the reading of 13812345678 (typed, then Enter).
    TFrm_SJcs *OpenWithReading()
    {
        UseNamedReadings();
        TFrm_SJcs *window = Open();
        QTest::keyClicks(Entry(window), QStringLiteral("13812345678"));
        QTest::keyClick(Entry(window), Qt::Key_Return);
        return window;
    }
    static QLineEdit *Entry(QWidget *w) { return Child<QLineEdit>(w, "edtmun"); }
    void UseNamedReadings() { folder_ = ProgramFolderWithDatabase("dream.dll", NamedReadings()); }

    std::unique_ptr<ScratchFolder> folder_;

private slots:
    void cleanup()
    {
        DeleteWindows<TFrm_SJcs>();
        folder_.reset();  // and with it the program folder it stood for
    }

    void layout()
    {
        TFrm_SJcs w;
        QCOMPARE(w.windowTitle(), QStringLiteral("手机号码测算"));
        QCOMPARE(w.size(), QSize(437, 300));
        QVERIFY(w.testAttribute(Qt::WA_DeleteOnClose));
        QVERIFY(CloseButtonOnly(&w));
        QCOMPARE(w.font().family(), QStringLiteral("宋体"));
        QCOMPARE(w.font().pointSize(), 9);
        const struct {
            const char *name;
            const char *text;
        } captions[] = {
            {"RzLabel1", "输入号码："},
            {"RzLabel2", "请注意：手机号码是11位，请正确输入。"},
            {"RzLabel5", "手机号码是："},
            {"RzLabel4", "状态："},
            {"RzLabel6", "吉凶："},
            {"RzLabel7", "具体表现："},
            {"RzLabel11", ""},
            {"RzLabel10", ""},
            {"RzLabel9", ""},
            {"RzLabel8", ""},
        };
        for (const auto &c : captions) {
            QVERIFY2(w.findChild<QLabel *>(QString::fromUtf8(c.name)), c.name);
            QCOMPARE(Child<QLabel>(&w, c.name)->text(), QString::fromUtf8(c.text));
        }
        QVERIFY(Child<QLabel>(&w, "RzLabel3")->text().startsWith(QStringLiteral("注：有些人会问，手机号码为什么")));
        QVERIFY(Child<QLabel>(&w, "RzLabel3")->text().endsWith(QStringLiteral("也代表您与所有人的沟通桥梁！")));
        QCOMPARE(Child<QPushButton>(&w, "RzBitBtn1")->text(), QStringLiteral("测算"));
        QCOMPARE(Child<QPushButton>(&w, "RzBitBtn2")->text(), QStringLiteral("关闭"));
        QCOMPARE(w.findChild<QGroupBox *>(QStringLiteral("RzGroupBox1"))->title(), QStringLiteral("测算结果"));
        QCOMPARE(Entry(&w)->text(), QString());
        QCOMPARE(Entry(&w)->maxLength(), 11);
        QCOMPARE(Child<QLabel>(&w, "RzLabel11")->width(), 202);
        QCOMPARE(Child<QLabel>(&w, "RzLabel10")->width(), 290);
        QCOMPARE(Child<QLabel>(&w, "RzLabel9")->width(), 98);
        QCOMPARE(Child<QLabel>(&w, "RzLabel9")->font().pointSize(), 8);
        QCOMPARE(Child<QLabel>(&w, "RzLabel9")->palette().color(QPalette::WindowText), QColor(255, 0, 0));
        QCOMPARE(Child<QLabel>(&w, "RzLabel8")->size(), QSize(337, 83));
        QVERIFY(Child<QLabel>(&w, "RzLabel8")->wordWrap());
        QCOMPARE(Child<QLabel>(&w, "RzLabel3")->size(), QSize(384, 36));
    }

    void keyFilterAdmitsDigitsAndElevenCharacters()
    {
        TFrm_SJcs *w = Open();
        QTest::keyClicks(Entry(w), QStringLiteral("1a3 8-x1.2+3"));
        QKeyEvent wide(QEvent::KeyPress, 0, Qt::NoModifier, QStringLiteral("４"));  // a full-width digit
        QApplication::sendEvent(Entry(w), &wide);
        QTest::keyClicks(Entry(w), QStringLiteral("45678999"));
        QCOMPARE(Entry(w)->text(), QStringLiteral("13812345678"));
        QTest::keyClick(Entry(w), Qt::Key_Backspace);
        QCOMPARE(Entry(w)->text(), QStringLiteral("1381234567"));
        // Pasted text arrives, letters in upper case.
        Entry(w)->clear();
        QApplication::clipboard()->setText(QStringLiteral("1381234abcd"));
        Entry(w)->paste();
        QCOMPARE(Entry(w)->text(), QStringLiteral("1381234ABCD"));
    }

    void readingOfTheKeyDigits_data()
    {
        QTest::addColumn<QString>("number");
        QTest::addColumn<QString>("key");
        QTest::newRow("ends 5678") << QStringLiteral("13812345678") << QStringLiteral("78");
        QTest::newRow("ends 0079") << QStringLiteral("13800000079") << QStringLiteral("79");
        QTest::newRow("ends 0000") << QStringLiteral("13900000000") << QStringLiteral("0");
        QTest::newRow("ends 0080") << QStringLiteral("13900000080") << QStringLiteral("0");
        QTest::newRow("ends 8000") << QStringLiteral("13900008000") << QStringLiteral("0");
        QTest::newRow("ten digits") << QStringLiteral("1380000567") << QStringLiteral("7");
        QTest::newRow("eight digits") << QStringLiteral("13800005") << QStringLiteral("5");
        QTest::newRow("other first seven") << QStringLiteral("15900005678") << QStringLiteral("78");
    }

    void readingOfTheKeyDigits()
    {
        QFETCH(QString, number);
        QFETCH(QString, key);
        UseNamedReadings();
        TFrm_SJcs *w = Open();
        QTest::keyClicks(Entry(w), number);
        QTest::keyClick(Entry(w), Qt::Key_Return);
        // Every value trimmed; inner line breaks of the description stay.
        QCOMPARE(ResultRows(w), (QStringList{number, QStringLiteral("标题") + key, QStringLiteral("吉"),
                                             QStringLiteral("说明") + key + QStringLiteral("\r\n第二行")}));
    }

    void buttonRunsTheBuiltDatabase()
    {
        // The databases built beside the program.
        orlenvo::Query q;
        q.SetConnectionString(orlenvo::ConnectionStringFor(orlenvo::kDreamFile));
        q.SetStatement(orlenvo::MobileReadingStatement("37"));
        q.Open();
        QVERIFY(!q.IsEmpty());

        TFrm_SJcs *w = Open();
        QTest::keyClicks(Entry(w), QStringLiteral("13900000037"));
        QTest::mouseClick(Child<QPushButton>(w, "RzBitBtn1"), Qt::LeftButton);
        QCOMPARE(ResultRows(w),
                 (QStringList{QStringLiteral("13900000037"), QString::fromStdString(orlenvo::Trim(q.Field(0))),
                              QString::fromStdString(orlenvo::Trim(q.Field(1))),
                              QString::fromStdString(orlenvo::Trim(q.Field(2)))}));
        QVERIFY(!ResultRows(w).at(1).isEmpty());
    }

    void emptyEntryAsksForTheNumber()
    {
        TFrm_SJcs *w = OpenWithReading();
        const QStringList shown = ResultRows(w);
        Entry(w)->setText(QStringLiteral("   "));
        SeenBox seen;
        QVERIFY(AnswerBoxOf(seen, [&] { QTest::mouseClick(Child<QPushButton>(w, "RzBitBtn1"), Qt::LeftButton); }));
        QCOMPARE(seen.title, QStringLiteral("提示"));
        QCOMPARE(seen.text, QStringLiteral("请输入11位手机号码！"));
        QCOMPARE(seen.icon, QMessageBox::Information);
        QCOMPARE(ResultRows(w), shown);
    }

    void noKeyDigitsEndInTheConversionError_data()
    {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("message");
        QTest::newRow("seven digits") << QStringLiteral("1381234") << QStringLiteral("'' is not a valid integer value");
        QTest::newRow("pasted letters") << QStringLiteral("1381234abcd")
                                        << QStringLiteral("'ABCD' is not a valid integer value");
    }

    void noKeyDigitsEndInTheConversionError()
    {
        QFETCH(QString, entry);
        QFETCH(QString, message);
        TFrm_SJcs *w = OpenWithReading();
        const QStringList shown = ResultRows(w);
        Entry(w)->clear();
        QApplication::clipboard()->setText(entry);
        Entry(w)->paste();
        SeenBox seen;
        QVERIFY(AnswerBoxOf(seen, [&] { QTest::mouseClick(Child<QPushButton>(w, "RzBitBtn1"), Qt::LeftButton); }));
        QCOMPARE(seen.text, message);
        QCOMPARE(seen.icon, QMessageBox::Critical);
        QCOMPARE(ResultRows(w), shown);
    }

    void keyWithoutRowShowsOnlyTheNumber()
    {
        TFrm_SJcs *w = OpenWithReading();
        Entry(w)->setText(QStringLiteral("13800000033"));
        QTest::keyClick(Entry(w), Qt::Key_Return);
        QCOMPARE(ResultRows(w), (QStringList{QStringLiteral("13800000033"), QString(), QString(), QString()}));
    }

    void unreadableDatabaseEndsTheRunSilently_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::newRow("missing") << QByteArray();
        QTest::newRow("zero length") << QByteArray("");
        QTest::newRow("not a database") << QByteArray("this is not a database at all, but plain text.");
    }

    void unreadableDatabaseEndsTheRunSilently()
    {
        QFETCH(QByteArray, file);
        TFrm_SJcs *w = OpenWithReading();
        const QStringList shown = ResultRows(w);

        ScratchFolder other;
        if (!file.isNull())
            other.Write("bin/dream.dll", file.toStdString());
        other.UseAsProgramFolder();
        Entry(w)->setText(QStringLiteral("13800000001"));
        SeenBox seen;
        WatchForBox(seen, 300);
        QTest::keyClick(Entry(w), Qt::Key_Return);
        QTest::qWait(400);
        QVERIFY(!seen.seen);
        QCOMPARE(ResultRows(w), shown);
        QCOMPARE(file.isNull(), !std::filesystem::exists(other.Path("bin/dream.dll")));
    }

    void showingWithTextRunsAtOnce()
    {
        UseNamedReadings();
        auto *w = new TFrm_SJcs;
        QCOMPARE(Child<QLabel>(w, "RzLabel10")->text(), QString());
        Entry(w)->setText(QStringLiteral("13812345645"));
        w->show();
        QCOMPARE(Child<QLabel>(w, "RzLabel10")->text(), QStringLiteral("标题45"));
        // An empty field: showing does nothing, and no message appears.
        auto *fresh = new TFrm_SJcs;
        SeenBox seen;
        WatchForBox(seen, 300);
        fresh->show();
        QTest::qWait(400);
        QVERIFY(!seen.seen);
    }

    // With ORLENVO_SCREENSHOT_DIR set, the window after a reading is saved as mobile.png.
    void screenshot()
    {
        const QString dir = qEnvironmentVariable("ORLENVO_SCREENSHOT_DIR");
        if (dir.isEmpty())
            QSKIP("ORLENVO_SCREENSHOT_DIR not set");
        TFrm_SJcs *w = Open();
        QTest::keyClicks(Entry(w), QStringLiteral("13812345678"));
        QTest::keyClick(Entry(w), Qt::Key_Return);
        QVERIFY(!Child<QLabel>(w, "RzLabel10")->text().isEmpty());
        QVERIFY(w->grab().save(dir + QStringLiteral("/mobile.png")));
    }

    void closeReleasesTheWindow()
    {
        QPointer<TFrm_SJcs> w = Open();
        QTest::mouseClick(Child<QPushButton>(w, "RzBitBtn2"), Qt::LeftButton);
        QVERIFY(!w->isVisible());
        QTRY_VERIFY(w.isNull());
    }
};

ORLENVO_QTEST_MAIN(SjcsTest)
#include "SjcsTest.moc"
