#include "articles/windows/NotePrinting.h"
#include "articles/windows/UntNote.h"
#include "data/KnowledgeDb.h"
#include "tests/support/ModalAnswer.h"
#include "tests/support/ScratchFolder.h"
#include "tests/support/TopLevel.h"
#include "ui/Modules.h"

#include <QApplication>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QDialog>
#include <QFrame>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPrinterInfo>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QtTest>

using namespace orlenvo::articles;
using namespace orlenvo::testing;

namespace {

QString Run(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(30000) || process.exitCode() != 0)
        return QStringLiteral("<%1 failed: %2>").arg(program, QString::fromUtf8(process.readAllStandardError()));
    return QString::fromUtf8(process.readAllStandardOutput());
}

QString WithoutBlanks(QString text)
{
    return text.remove(QRegularExpression(QStringLiteral("\\s")));
}

// Prints the window's text into a PDF file the way "打印" prints it.
QString PrintToPdf(const TFrmNote &window, const QString &file)
{
    window.Print(file);
    return file;
}

}  // namespace

class ArticleWindowTest : public QObject {
    Q_OBJECT

private:
    // A QorvBirth.dll with the given rows (id, title, body), in a scratch program folder.
    void UseArticles(const std::vector<std::array<std::string, 3>> &rows)
    {
        std::string sql = "CREATE TABLE Noter (Cid TEXT COLLATE NOCASE PRIMARY KEY, Tite TEXT, content TEXT);";
        for (const auto &r : rows)
            sql += "INSERT INTO Noter VALUES ('" + r[0] + "', " + r[1] + ", " + r[2] + ");";
        folder_ = ProgramFolderWithDatabase("QorvBirth.dll", sql);
    }

    std::unique_ptr<ScratchFolder> folder_;

private slots:
    void cleanup()
    {
        DeleteWindows<TFrmNote>();
        folder_.reset();  // and with it the program folder it stood for
    }

    void layout()
    {
        TFrmNote w;
        QCOMPARE(w.windowTitle(), QStringLiteral("算命"));
        QVERIFY(w.testAttribute(Qt::WA_DeleteOnClose));
        QVERIFY(w.isWindow());
        QVERIFY(w.windowFlags() & Qt::WindowMinMaxButtonsHint);
        w.show();
        const char *names[] = {"RzBitBtn1", "RzBitBtn2", "RzBitBtn3"};
        const QString captions[] = {QStringLiteral("打印"), QStringLiteral("打印设置"), QStringLiteral("关闭")};
        int left = -1;
        for (int i = 0; i < 3; ++i) {
            auto *b = w.findChild<QPushButton *>(QString::fromLatin1(names[i]));
            QVERIFY2(b, names[i]);
            QCOMPARE(b->text(), captions[i]);
            QVERIFY(!b->icon().isNull());
            QVERIFY(b->x() > left);  // left to right
            left = b->x();
        }
        auto *strip = w.findChild<QFrame *>(QStringLiteral("RzToolbar1"));
        QCOMPARE(strip->height(), 33);
        QCOMPARE(strip->y(), 0);

        auto *memo = w.findChild<QPlainTextEdit *>(QStringLiteral("RzMemo1"));
        QVERIFY(memo->isReadOnly());
        QCOMPARE(memo->geometry().top(), 33);
        QCOMPARE(memo->geometry().bottom(), w.height() - 1);
        QCOMPARE(memo->width(), w.width());
        QCOMPARE(memo->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
        QCOMPARE(memo->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
        QCOMPARE(memo->lineWrapMode(), QPlainTextEdit::WidgetWidth);
        QCOMPARE(memo->palette().color(QPalette::Base), QColor(239, 248, 254));
        QCOMPARE(memo->palette().color(QPalette::Inactive, QPalette::Highlight),
                 memo->palette().color(QPalette::Active, QPalette::Highlight));
        QCOMPARE(memo->font().family(), QStringLiteral("宋体"));
        QCOMPARE(memo->font().pixelSize(), 12);

        const QPageLayout page = w.PageLayout();
        QCOMPARE(page.pageSize().id(), QPageSize::Letter);
        QCOMPARE(page.orientation(), QPageLayout::Portrait);
        const QMarginsF margins = page.margins(QPageLayout::Millimeter);
        for (double m : {margins.left(), margins.top(), margins.right(), margins.bottom()})
            QVERIFY(qAbs(m - 12.7) < 0.01);
    }

    void rightClickOpensNoMenu()
    {
        TFrmNote w;
        w.show();
        auto *memo = w.Memo();
        memo->appendPlainText(QStringLiteral("正文"));
        QContextMenuEvent click(QContextMenuEvent::Mouse, QPoint(20, 20),
                                memo->viewport()->mapToGlobal(QPoint(20, 20)));
        QApplication::sendEvent(memo->viewport(), &click);
        QTest::qWait(100);
        QCOMPARE(QApplication::activePopupWidget(), nullptr);
        QCOMPARE(memo->contextMenuPolicy(), Qt::PreventContextMenu);
    }

    void xiaojingTwiceOpensTwoWindows()
    {
        // The databases built beside the program.
        OpenArticle("b5", nullptr);
        OpenArticle("b5", nullptr);
        const QList<TFrmNote *> windows = OpenWindows<TFrmNote>();
        QCOMPARE(windows.size(), 2);
        QVERIFY(windows[0] != windows[1]);
        for (TFrmNote *w : windows) {
            QCOMPARE(w->windowTitle(), QStringLiteral("孝经"));
            QVERIFY(w->Memo()->toPlainText().startsWith(QStringLiteral("开宗明义章第一")));
            QCOMPARE(w->Memo()->textCursor().position(), 0);
            QCOMPARE(w->Memo()->verticalScrollBar()->value(), 0);
        }
        windows[0]->close();
        QTRY_COMPARE(OpenWindows<TFrmNote>().size(), 1);
    }

    void titleAndBodyAreShownTrimmed_data()
    {
        QTest::addColumn<QString>("id");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("body");
        QTest::newRow("blanks and breaks")
            << QStringLiteral("b1") << QStringLiteral("标 题") << QStringLiteral("第一行\n\n  第三行");
        QTest::newRow("empty title") << QStringLiteral("b2") << QString() << QStringLiteral("正文");
        QTest::newRow("null fields") << QStringLiteral("b3") << QString() << QString();
        QTest::newRow("letter case of the id")
            << QStringLiteral("B1") << QStringLiteral("标 题") << QStringLiteral("第一行\n\n  第三行");
        QTest::newRow("quote in the id") << QStringLiteral("o'k") << QStringLiteral("引号") << QStringLiteral("x");
        QTest::newRow("no such article") << QStringLiteral("c99") << QStringLiteral("算命") << QString();
    }

    void titleAndBodyAreShownTrimmed()
    {
        QFETCH(QString, id);
        QFETCH(QString, title);
        QFETCH(QString, body);
        UseArticles({
            {"b1", "char(13,10) || ' 标 题 ' || char(9)",
             "char(13,10,32,13,10) || '第一行' || char(13,10,13,10) || "
             "'  第三行' || char(32,13,10,0)"},
            {"b2", "'   '", "'正文'"},
            {"b3", "NULL", "NULL"},
            {"o''k", "'引号'", "'x'"},
        });
        OpenArticle(id.toStdString(), nullptr);
        const QList<TFrmNote *> windows = OpenWindows<TFrmNote>();
        QCOMPARE(windows.size(), 1);
        QCOMPARE(windows[0]->windowTitle(), title);
        QCOMPARE(windows[0]->Memo()->toPlainText(), body);
    }

    void unreadableDatabaseOpensNoWindowAndShowsNoMessage_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::newRow("missing") << QByteArray();
        QTest::newRow("zero length") << QByteArray("");
        QTest::newRow("random bytes") << QByteArray("\x13\x88\xfe\x00\x42 not a database", 20);
        QTest::newRow("another table") << QByteArray("sqlite:CREATE TABLE shouji (num TEXT);");
    }

    void unreadableDatabaseOpensNoWindowAndShowsNoMessage()
    {
        QFETCH(QByteArray, file);
        ScratchFolder folder;
        if (file.startsWith("sqlite:"))
            folder.Sqlite("bin/QorvBirth.dll", file.mid(7).toStdString());
        else if (!file.isNull())
            folder.Write("bin/QorvBirth.dll", file.toStdString());
        folder.UseAsProgramFolder();
        const int before = QApplication::topLevelWidgets().size();
        SeenBox seen;
        WatchForBox(seen, 300);
        OpenArticle("b5", nullptr);
        QTest::qWait(400);
        QVERIFY(!seen.seen);
        QCOMPARE(OpenWindows<TFrmNote>().size(), 0);
        QTRY_COMPARE(QApplication::topLevelWidgets().size(), before);
        QCOMPARE(file.isNull(), !std::filesystem::exists(folder.Path("bin/QorvBirth.dll")));
    }

    void printsTheWholeTextWithinMarginsAndBands()
    {
        UseArticles({{"b1", "'长文'", "'" + std::string("开篇第一句。") + "'"}});
        OpenArticle("b1", nullptr);
        TFrmNote *w = OpenWindows<TFrmNote>().value(0);
        QVERIFY(w);
        // Enough lines for several pages, each line numbered.
        QStringList lines;
        for (int i = 1; i <= 150; ++i)
            lines << QStringLiteral("第%1行：孝悌忠信礼义廉耻。").arg(i);
        w->Memo()->appendPlainText(lines.join(QLatin1Char('\n')));

        QTemporaryDir dir;
        const QString pdf = PrintToPdf(*w, dir.filePath(QStringLiteral("note.pdf")));
        const QString info = Run(QStringLiteral("pdfinfo"), {pdf});
        QVERIFY2(info.contains(QStringLiteral("612 x 792 pts (letter)")), qPrintable(info));
        const int pages = QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)")).match(info).captured(1).toInt();
        QVERIFY2(pages >= 3, qPrintable(info));

        const QString text = WithoutBlanks(Run(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")}));
        QVERIFY2(text.contains(QStringLiteral("开篇第一句。")), qPrintable(text.left(200)));
        for (const QString &line : lines)
            QVERIFY2(text.contains(WithoutBlanks(line)), qPrintable(line));

        // Every word lies inside margin plus band: 12.7 + 6.35 mm = 54 pt from the top and bottom.
        const QString boxes = Run(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdf, QStringLiteral("-")});
        const auto words = QRegularExpression(QStringLiteral("yMin=\"([0-9.]+)\" xMax=\"[0-9.]+\" yMax=\"([0-9.]+)\""))
                               .globalMatch(boxes);
        int count = 0;
        for (auto it = words; it.hasNext();) {
            const auto m = it.next();
            QVERIFY2(m.captured(1).toDouble() >= 54.0 - 1.0, qPrintable(m.captured(0)));
            QVERIFY2(m.captured(2).toDouble() <= 792.0 - 54.0 + 1.0, qPrintable(m.captured(0)));
            ++count;
        }
        QVERIFY(count >= 150);
    }

    void printButtonWithoutPrinterShowsTheError()
    {
        if (!QPrinterInfo::defaultPrinter().isNull())
            QSKIP("a default printer is installed here");
        UseArticles({{"b1", "'t'", "'body'"}});
        OpenArticle("b1", nullptr);
        TFrmNote *w = OpenWindows<TFrmNote>().value(0);
        QVERIFY(w);
        SeenBox seen;
        QVERIFY(AnswerBoxOf(seen, [&] {
            QTest::mouseClick(w->findChild<QPushButton *>(QStringLiteral("RzBitBtn1")), Qt::LeftButton);
        }));
        QCOMPARE(seen.icon, QMessageBox::Critical);
        QCOMPARE(seen.text, QStringLiteral("There is no default printer currently selected."));
        QCOMPARE(OpenWindows<TFrmNote>().size(), 1);
    }

    // Every way the printing module can fail: a box in Chinese, a warning naming the module's path
    // and the reason, and a print that works once the module is there again.
    void printWithoutAWorkingModuleShowsWhy_data()
    {
        QTest::addColumn<QString>("module");  // what lies where the module is looked for
        QTest::addColumn<QString>("reason");
        const QString stale = QStringLiteral(ORLENVO_STALE_MODULE_DIR "/");
        QTest::newRow("missing") << QString() << QStringLiteral("no such file");
        QTest::newRow("garbage bytes") << QStringLiteral("garbage") << QStringLiteral("Cannot load library");
        QTest::newRow("no version") << stale + QStringLiteral("unversioned.so")
                                    << QStringLiteral("no version symbol orlenvo_module_version");
        QTest::newRow("another version") << stale + QStringLiteral("other-version.so")
                                         << QStringLiteral("version %1, the program's is %2")
                                                .arg(orlenvo::ui::kModuleVersion + 1)
                                                .arg(orlenvo::ui::kModuleVersion);
        QTest::newRow("no entry") << stale + QStringLiteral("no-entry.so")
                                  << QStringLiteral("no entry ") + QLatin1String(kNotePrintingSymbol);
    }

    void printWithoutAWorkingModuleShowsWhy()
    {
        QFETCH(QString, module);
        QFETCH(QString, reason);
        UseArticles({{"b1", "'t'", "'body'"}});
        OpenArticle("b1", nullptr);
        TFrmNote *w = OpenWindows<TFrmNote>().value(0);
        QVERIFY(w);
        QTemporaryDir modules;
        const QString path = modules.filePath(QLatin1String(kPrintModule));
        if (module == QStringLiteral("garbage")) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(QByteArray(4096, '\x5a'));
        } else if (!module.isEmpty()) {
            QVERIFY(QFile::copy(module, path));
        }
        orlenvo::ui::OverrideModuleFolder(modules.path());
        const auto contains = [](const QString &text) {
            return QStringLiteral("(?=.*%1)").arg(QRegularExpression::escape(text));
        };
        QTest::ignoreMessage(QtWarningMsg,
                             QRegularExpression(QStringLiteral("^module ") + contains(path) + contains(reason)));
        SeenBox seen;
        const bool answered = AnswerBoxOf(
            seen, [&] { QTest::mouseClick(w->findChild<QPushButton *>(QStringLiteral("RzBitBtn1")), Qt::LeftButton); });
        orlenvo::ui::OverrideModuleFolder({});
        QVERIFY(answered);
        QCOMPARE(seen.icon, QMessageBox::Critical);
        QCOMPARE(seen.text, QStringLiteral("打印模块 liborlenvo_print.so 未能加载，无法打印。"));
        QCOMPARE(OpenWindows<TFrmNote>().size(), 1);

        // The failure is not kept: with the program's module found again, printing works.
        QTemporaryDir dir;
        QVERIFY(QFileInfo(PrintToPdf(*w, dir.filePath(QStringLiteral("again.pdf")))).size() > 0);
    }

    void pageSetupAppliesToThisWindowOnly()
    {
        UseArticles({{"b1", "'t'", "'页面设置之后的正文'"}});
        OpenArticle("b1", nullptr);
        OpenArticle("b1", nullptr);
        TFrmNote *first = OpenWindows<TFrmNote>().value(0);
        TFrmNote *second = OpenWindows<TFrmNote>().value(1);
        QVERIFY(first && second);
        auto *setup = first->findChild<QPushButton *>(QStringLiteral("RzBitBtn2"));

        // Cancelled: nothing changes.
        bool shown = false;
        WithNextModal([&](QWidget *dialog) {
            shown = true;
            static_cast<QDialog *>(dialog)->reject();
        });
        QTest::mouseClick(setup, Qt::LeftButton);
        QVERIFY(shown);
        QCOMPARE(first->PageLayout().pageSize().id(), QPageSize::Letter);

        // A4 chosen and accepted.
        QString picked;
        WithNextModal([&](QWidget *dialog) {
            for (QComboBox *box : dialog->findChildren<QComboBox *>()) {
                const int a4 = box->findText(QStringLiteral("A4"), Qt::MatchStartsWith);
                if (a4 >= 0 && box->isVisibleTo(dialog)) {
                    box->setCurrentIndex(a4);
                    picked = box->currentText();
                    break;
                }
            }
            static_cast<QDialog *>(dialog)->accept();
        });
        QTest::mouseClick(setup, Qt::LeftButton);
        QVERIFY2(!picked.isEmpty(), "no paper-size list in the page-setup dialog");
        QCOMPARE(first->PageLayout().pageSize().id(), QPageSize::A4);
        QCOMPARE(second->PageLayout().pageSize().id(), QPageSize::Letter);

        QTemporaryDir dir;
        const QString info =
            Run(QStringLiteral("pdfinfo"), {PrintToPdf(*first, dir.filePath(QStringLiteral("a4.pdf")))});
        QVERIFY2(info.contains(QStringLiteral("595 x 842 pts (A4)")), qPrintable(info));
    }

    // With ORLENVO_SCREENSHOT_DIR set, the window of 孝经 is saved as article.png.
    void screenshot()
    {
        const QString dir = qEnvironmentVariable("ORLENVO_SCREENSHOT_DIR");
        if (dir.isEmpty())
            QSKIP("ORLENVO_SCREENSHOT_DIR not set");
        OpenArticle("b5", nullptr);
        TFrmNote *w = OpenWindows<TFrmNote>().value(0);
        QVERIFY(w);
        QVERIFY(w->grab().save(dir + QStringLiteral("/article.png")));
    }

    void closeDestroysTheWindow()
    {
        UseArticles({{"b1", "'t'", "'x'"}});
        OpenArticle("b1", nullptr);
        QPointer<TFrmNote> w = OpenWindows<TFrmNote>().value(0);
        QVERIFY(w);
        QTest::mouseClick(w->findChild<QPushButton *>(QStringLiteral("RzBitBtn3")), Qt::LeftButton);
        QTRY_VERIFY(w.isNull());
    }

    void openedWithAParentClosesWithIt()
    {
        UseArticles({{"b1", "'t'", "'x'"}});
        auto *owner = new QWidget;
        owner->show();
        OpenArticle("b1", owner);
        QPointer<TFrmNote> w = owner->findChild<TFrmNote *>();
        QVERIFY(w);
        QVERIFY(w->isWindow());
        QVERIFY(w->isVisible());
        delete owner;
        QVERIFY(w.isNull());
    }
};

ORLENVO_QTEST_MAIN(ArticleWindowTest)
#include "ArticleWindowTest.moc"
