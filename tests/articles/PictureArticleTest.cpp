// The picture-article window: layout, paging through its buttons, opening from the commands.
#include "app/CommandTable.h"
#include "articles/windows/ImageInfo.h"
#include "core/Script.h"
#include "data/KnowledgeDb.h"
#include "tests/support/Children.h"
#include "tests/support/Images.h"
#include "tests/support/ModalAnswer.h"
#include "tests/support/ScratchFolder.h"
#include "tests/support/TopLevel.h"

#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPointer>
#include <QScrollBar>
#include <QTabBar>
#include <QTabWidget>
#include <QtTest>

#include <map>

using orlenvo::ui::FrameButton;
using namespace orlenvo::articles;
using namespace orlenvo::testing;

namespace {

const QColor kMarked(255, 0, 0);
const QColor kNormal(0, 60, 116);

QByteArray Jpeg(int width, int height, QColor color)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(color);
    return Encoded(image, "JPEG", 90);
}

QList<PicturePage> Pages(int count)
{
    QList<PicturePage> pages;
    for (int i = 1; i <= count; ++i)
        pages.append({Jpeg(200 + i, 100, QColor::fromHsv(i * 20, 120, 220)), QStringLiteral("第%1页的文字").arg(i)});
    return pages;
}

FrameButton *Button(QWidget *window, const QString &name)
{
    return orlenvo::testing::Child<FrameButton>(window, name);
}

// The numbers of the page buttons framed in red.
QList<int> Marked(QWidget *window)
{
    QList<int> marked;
    for (int i = 1; i <= 15; ++i)
        if (Button(window, QStringLiteral("ABtn%1").arg(i))->frameColour() == kMarked)
            marked.append(i);
    return marked;
}

int VisiblePage(QWidget *window)
{
    auto *pages = window->findChild<QTabWidget *>(QStringLiteral("RzPageControl1"));
    return pages->currentIndex() + 1;
}

}  // namespace

class PictureArticleTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { CloseWindows<TImageInfoLoad>(); }

    void layoutOfTheWindow()
    {
        TImageInfoLoad window;
        window.setWindowTitle(QStringLiteral("客厅招财布局 [图]"));
        QVERIFY(ShowOnScreen(&window));

        QCOMPARE(window.size(), QSize(652, 524));
        QCOMPARE(window.pos(), QPoint(229, 126));
        QVERIFY(window.testAttribute(Qt::WA_DeleteOnClose));
        QVERIFY(CloseButtonOnly(&window));

        auto *pages = window.findChild<QTabWidget *>(QStringLiteral("RzPageControl1"));
        QVERIFY(pages);
        QCOMPARE(pages->count(), 15);
        QVERIFY(!pages->tabBar()->isVisible());
        QCOMPARE(pages->currentIndex(), 0);
        for (int i = 1; i <= 15; ++i) {
            QCOMPARE(pages->widget(i - 1)->objectName(), QStringLiteral("TabSheet%1").arg(i));
            QCOMPARE(pages->widget(i - 1)->palette().color(QPalette::Window), QColor(247, 246, 245));
            auto *image = window.findChild<QLabel *>(QStringLiteral("Image%1").arg(i));
            auto *memo = window.findChild<QPlainTextEdit *>(QStringLiteral("RzMemo%1").arg(i));
            QVERIFY(image && memo);
            QCOMPARE(image->alignment(), Qt::AlignCenter);
            QVERIFY(!image->hasScaledContents());
            QCOMPARE(memo->height(), 166);
            QCOMPARE(memo->isReadOnly(), i == 15);
            QCOMPARE(memo->verticalScrollBarPolicy(), i == 15 ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
        }

        auto *panel = window.findChild<QFrame *>(QStringLiteral("RzPanel1"));
        QVERIFY(panel);
        QCOMPARE(panel->height(), 56);
        QCOMPARE(panel->geometry().bottom(), window.height() - 1);

        const std::map<QString, QString> captions = {{QStringLiteral("RzBitBtn20"), QStringLiteral("首页")},
                                                     {QStringLiteral("RzBitBtn18"), QStringLiteral("上一页")},
                                                     {QStringLiteral("RzBitBtn19"), QStringLiteral("下一页")},
                                                     {QStringLiteral("RzBitBtn21"), QStringLiteral("最末")},
                                                     {QStringLiteral("RzBitBtn1"), QStringLiteral("关闭")}};
        for (const auto &[name, caption] : captions)
            QCOMPARE(Button(&window, name)->text(), caption);
        // First row: BtnBegin, "1" to "15" side by side, each 20 wide, then BtnEnd.
        int left = Button(&window, QStringLiteral("BtnBegin"))->geometry().right();
        for (int i = 1; i <= 15; ++i) {
            FrameButton *b = Button(&window, QStringLiteral("ABtn%1").arg(i));
            QCOMPARE(b->text(), QString::number(i));
            QCOMPARE(b->width(), 20);
            QVERIFY(b->geometry().left() > left);
            left = b->geometry().right();
        }
        QVERIFY(Button(&window, QStringLiteral("BtnEnd"))->geometry().left() > left);
        // "关闭" stands at the right edge of the second row.
        QVERIFY(Button(&window, QStringLiteral("RzBitBtn1"))->geometry().right() > window.width() - 20);
        for (FrameButton *b : window.findChildren<FrameButton *>())
            QCOMPARE(b->frameColour(), kNormal);
    }

    void threePagesDisableTheOtherButtons()
    {
        TImageInfoLoad window;
        window.SetPages(Pages(3));
        QCOMPARE(window.pageCount(), 3);
        QCOMPARE(window.currentPage(), 1);
        for (int i = 1; i <= 15; ++i)
            QCOMPARE(Button(&window, QStringLiteral("ABtn%1").arg(i))->isEnabled(), i <= 3);
        // Each page shows its own picture and text; only the visible page holds a decoded picture.
        for (int i = 1; i <= 3; ++i) {
            window.ShowPage(i);
            for (int j = 1; j <= 3; ++j) {
                const QPixmap picture = window.findChild<QLabel *>(QStringLiteral("Image%1").arg(j))->pixmap();
                QCOMPARE(picture.isNull(), j != i);
            }
            QCOMPARE(window.findChild<QLabel *>(QStringLiteral("Image%1").arg(i))->pixmap().width(), 200 + i);
            QCOMPARE(window.findChild<QPlainTextEdit *>(QStringLiteral("RzMemo%1").arg(i))->toPlainText(),
                     QStringLiteral("第%1页的文字").arg(i));
        }
        QVERIFY(window.findChild<QLabel *>(QStringLiteral("Image4"))->pixmap().isNull());
        QVERIFY(window.findChild<QPlainTextEdit *>(QStringLiteral("RzMemo4"))->toPlainText().isEmpty());
    }

    void buttonsMoveAndMark_data()
    {
        QTest::addColumn<QStringList>("clicks");
        QTest::addColumn<int>("page");
        QTest::addColumn<QList<int>>("marked");
        const auto list = [](std::initializer_list<const char *> names) {
            QStringList out;
            for (const char *n : names)
                out.append(QString::fromLatin1(n));
            return out;
        };
        // Page count 3 throughout.
        QTest::newRow("nothing clicked") << QStringList() << 1 << QList<int>{};
        QTest::newRow("最末 goes to the last page") << list({"RzBitBtn21"}) << 3 << QList<int>{3};
        QTest::newRow("下一页 on the last page stays and marks it")
            << list({"RzBitBtn21", "RzBitBtn19"}) << 3 << QList<int>{3};
        QTest::newRow("上一页 on page 1 stays and marks it") << list({"RzBitBtn18"}) << 1 << QList<int>{1};
        QTest::newRow("下一页") << list({"RzBitBtn19"}) << 2 << QList<int>{2};
        QTest::newRow("下一页 past the end") << list({"RzBitBtn19", "RzBitBtn19", "RzBitBtn19"}) << 3 << QList<int>{3};
        QTest::newRow("上一页 from 3") << list({"ABtn3", "RzBitBtn18"}) << 2 << QList<int>{2};
        QTest::newRow("page button 2") << list({"ABtn2"}) << 2 << QList<int>{2};
        QTest::newRow("首页 from 3") << list({"ABtn3", "RzBitBtn20"}) << 1 << QList<int>{1};
        QTest::newRow("BtnEnd") << list({"BtnEnd"}) << 3 << QList<int>{3};
        QTest::newRow("BtnBegin from 2") << list({"ABtn2", "BtnBegin"}) << 1 << QList<int>{1};
        QTest::newRow("disabled page button does nothing") << list({"ABtn2", "ABtn7"}) << 2 << QList<int>{2};
    }

    void buttonsMoveAndMark()
    {
        QFETCH(QStringList, clicks);
        QFETCH(int, page);
        QFETCH(QList<int>, marked);
        auto *window = new TImageInfoLoad;
        window->SetPages(Pages(3));
        QVERIFY(ShowOnScreen(window));
        for (const QString &name : clicks)
            QTest::mouseClick(Button(window, name), Qt::LeftButton);
        QCOMPARE(window->currentPage(), page);
        QCOMPARE(VisiblePage(window), page);
        QCOMPARE(Marked(window), marked);
        window->close();
    }

    void lastPageWithNothingLoadedStaysOnPageOne()
    {
        auto *window = new TImageInfoLoad;
        window->SetPages({});
        QVERIFY(ShowOnScreen(window));
        for (int i = 1; i <= 15; ++i)
            QVERIFY(!Button(window, QStringLiteral("ABtn%1").arg(i))->isEnabled());
        QTest::mouseClick(Button(window, QStringLiteral("RzBitBtn21")), Qt::LeftButton);
        QCOMPARE(window->currentPage(), 1);
        QCOMPARE(VisiblePage(window), 1);
        QTest::mouseClick(Button(window, QStringLiteral("RzBitBtn19")), Qt::LeftButton);
        QCOMPARE(window->currentPage(), 1);
        window->close();
    }

    void closeButtonDestroysTheWindow()
    {
        QPointer<TImageInfoLoad> window = new TImageInfoLoad;
        QVERIFY(ShowOnScreen(window));
        QTest::mouseClick(Button(window, QStringLiteral("RzBitBtn1")), Qt::LeftButton);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(window.isNull());
    }

    // Every picture command of the menu opens its own number with its own caption as title,
    // loaded from the built QorvFile.dll, without a page marked.
    void everyPictureCommandOpensItsArticle()
    {
        orlenvo::OverrideProgramFolder(ORLENVO_BIN_DIR "/");
        std::map<int, int> uses;
        int commands = 0;
        for (const orlenvo::CommandRow &row : orlenvo::CommandTable()) {
            if (row.kind != orlenvo::ActionKind::PictureArticle)
                continue;
            ++commands;
            ++uses[row.number];
            const QString caption = QString::fromUtf8(row.caption);
            OpenPictureArticle(row.number, caption, nullptr);
            const QList<TImageInfoLoad *> open = OpenWindows<TImageInfoLoad>();
            QCOMPARE(open.size(), 1);
            TImageInfoLoad *window = open.first();
            QCOMPARE(window->windowTitle(), caption);
            QCOMPARE(window->articleNumber(), row.number);
            QVERIFY2(window->pageCount() >= 3 && window->pageCount() <= 8, qPrintable(caption));
            QCOMPARE(window->currentPage(), 1);
            QCOMPARE(VisiblePage(window), 1);
            QCOMPARE(Marked(window), QList<int>{});
            for (int i = 1; i <= 15; ++i)
                QCOMPARE(Button(window, QStringLiteral("ABtn%1").arg(i))->isEnabled(), i <= window->pageCount());
            QVERIFY(!window->findChild<QLabel *>(QStringLiteral("Image1"))->pixmap().isNull());
            QVERIFY(!window->findChild<QPlainTextEdit *>(QStringLiteral("RzMemo1"))->toPlainText().isEmpty());
            CloseWindows<TImageInfoLoad>();
        }
        orlenvo::OverrideProgramFolder({});
        // Twenty-two commands for 1 to 18, 20 and 21, two each for 8 and 16, and
        // "风水理气盘[图]" for 19.
        QCOMPARE(commands, 23);
        QCOMPARE(uses[19], 1);
        QCOMPARE(uses[8], 2);
        QCOMPARE(uses[16], 2);
        for (int n = 1; n <= 21; ++n)
            QVERIFY2(uses.count(n) == 1, qPrintable(QStringLiteral("article %1 has no command").arg(n)));
    }

    void sameArticleTwiceGivesTwoWindows()
    {
        orlenvo::OverrideProgramFolder(ORLENVO_BIN_DIR "/");
        OpenPictureArticle(8, QStringLiteral("财神摆放指南 [图]"), nullptr);
        OpenPictureArticle(8, QStringLiteral("财神摆放指南 [图]"), nullptr);
        orlenvo::OverrideProgramFolder({});
        const QList<TImageInfoLoad *> open = OpenWindows<TImageInfoLoad>();
        QCOMPARE(open.size(), 2);
        QTest::mouseClick(Button(open.first(), QStringLiteral("RzBitBtn21")), Qt::LeftButton);
        QCOMPARE(Marked(open.last()), QList<int>{});
        open.first()->close();
        QCOMPARE(OpenWindows<TImageInfoLoad>().size(), 1);
    }

    void missingDatabaseStillOpensAnEmptyWindow()
    {
        orlenvo::testing::ScratchFolder empty;
        orlenvo::OverrideProgramFolder(empty.Path().string() + "/");
        OpenPictureArticle(11, QStringLiteral("客厅招财布局 [图]"), nullptr);
        orlenvo::OverrideProgramFolder({});
        const QList<TImageInfoLoad *> open = OpenWindows<TImageInfoLoad>();
        QCOMPARE(open.size(), 1);
        QCOMPARE(open.first()->pageCount(), 0);
        QCOMPARE(open.first()->windowTitle(), QStringLiteral("客厅招财布局 [图]"));
        QVERIFY(!Button(open.first(), QStringLiteral("ABtn1"))->isEnabled());
    }

    // Pages are read in order up to the first missing one; a picture that does not decode
    // leaves its page without a picture; a file without the table loads nothing.
    void pagesReadFromTheTable_data()
    {
        QTest::addColumn<QString>("statements");
        QTest::addColumn<int>("count");
        QTest::addColumn<QStringList>("texts");
        const QString table =
            QStringLiteral("CREATE TABLE tuwen (num INTEGER, page INTEGER, picture BLOB, text TEXT);");
        QTest::newRow("pages in order, other articles ignored")
            << table + QStringLiteral("INSERT INTO tuwen VALUES (5, 2, x'00', '  第二页\n');"
                                      "INSERT INTO tuwen VALUES (5, 1, x'00', '第一页');"
                                      "INSERT INTO tuwen VALUES (6, 1, x'00', '别的文章');")
            << 2 << QStringList{QStringLiteral("第一页"), QStringLiteral("第二页")};
        QTest::newRow("a gap ends the article")
            << table + QStringLiteral("INSERT INTO tuwen VALUES (5, 1, x'00', 'a');"
                                      "INSERT INTO tuwen VALUES (5, 3, x'00', 'c');")
            << 1 << QStringList{QStringLiteral("a")};
        QTest::newRow("no such article") << table << 0 << QStringList{};
        QTest::newRow("no table") << QStringLiteral("CREATE TABLE other (x INTEGER);") << 0 << QStringList{};
    }

    void pagesReadFromTheTable()
    {
        QFETCH(QString, statements);
        QFETCH(int, count);
        QFETCH(QStringList, texts);
        orlenvo::testing::ScratchFolder folder;
        folder.Sqlite("QorvFile.dll", statements.toStdString());
        orlenvo::Query query;
        query.SetConnectionString("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=" + folder.Path().string() +
                                  "\\QorvFile.dll;Persist Security Info=True");
        const QList<PicturePage> pages = orlenvo::articles::ReadPicturePages(query, 5);
        QCOMPARE(pages.size(), count);
        for (int i = 0; i < count; ++i) {
            QCOMPARE(pages[i].text, texts[i]);
            QCOMPARE(pages[i].picture, QByteArray(1, '\0'));
        }
        QVERIFY(!query.IsOpen());

        // A page whose picture does not decode still counts, without a picture.
        TImageInfoLoad window;
        window.SetPages(pages);
        QCOMPARE(window.pageCount(), count);
        if (count > 0)
            QVERIFY(window.findChild<QLabel *>(QStringLiteral("Image1"))->pixmap().isNull());
    }

    // Under a Traditional script the window shows that script's copy of QorvFile.dll: the page
    // text and the picture drawn in Traditional, as the built zh_TW and zh_HK files hold them.
    void traditionalPages()
    {
        using orlenvo::Script;
        for (const auto &[script, folder] :
             {std::pair(Script::Taiwan, "zh_TW"), std::pair(Script::HongKong, "zh_HK")}) {
            orlenvo::OverrideProgramFolder(ORLENVO_BIN_DIR "/");
            orlenvo::SetScript(script);
            OpenPictureArticle(13, QStringLiteral("除夕 [图]"), nullptr);
            orlenvo::SetScript(Script::Simplified);
            OpenPictureArticle(13, QStringLiteral("除夕 [图]"), nullptr);
            orlenvo::OverrideProgramFolder({});
            const QList<TImageInfoLoad *> windows = OpenWindows<TImageInfoLoad>();
            QCOMPARE(windows.size(), 2);
            const auto pageText = [](TImageInfoLoad *w) {
                return w->findChild<QPlainTextEdit *>(QStringLiteral("RzMemo2"))->toPlainText();
            };
            const auto picture = [](TImageInfoLoad *w) {
                return w->findChild<QLabel *>(QStringLiteral("Image2"))->pixmap().toImage();
            };
            // Which window is which: the Simplified text holds 贴 (paste), the Traditional 貼.
            TImageInfoLoad *traditional = pageText(windows[0]).contains(QStringLiteral("貼")) ? windows[0] : windows[1];
            TImageInfoLoad *simplified = traditional == windows[0] ? windows[1] : windows[0];
            for (TImageInfoLoad *w : windows) {
                QVERIFY(QTest::qWaitForWindowExposed(w));
                QTest::mouseClick(Button(w, QStringLiteral("ABtn2")), Qt::LeftButton);
                QVERIFY(!picture(w).isNull());
            }
            QVERIFY2(pageText(simplified).contains(QStringLiteral("贴")), folder);
            QVERIFY2(pageText(traditional).contains(QStringLiteral("貼")), folder);
            QVERIFY2(!pageText(traditional).contains(QStringLiteral("贴")), folder);
            QCOMPARE(picture(traditional).size(), picture(simplified).size());
            QVERIFY2(picture(traditional) != picture(simplified), folder);
            CloseWindows<TImageInfoLoad>();
        }
    }

    // With ORLENVO_SCREENSHOT_DIR set, article 11 on page 1 is saved as picture-article.png, and
    // pages of articles 13 and 14 under each script.
    void screenshot()
    {
        const QString dir = qEnvironmentVariable("ORLENVO_SCREENSHOT_DIR");
        if (dir.isEmpty())
            QSKIP("ORLENVO_SCREENSHOT_DIR not set");
        struct Shot {
            orlenvo::Script script;
            int number;
            const char *caption;
            int page;
            const char *file;
        };
        using orlenvo::Script;
        const Shot shots[] = {
            {Script::Simplified, 11, "客厅招财布局 [图]", 1, "picture-article.png"},
            {Script::Simplified, 13, "除夕家居风水摆设与新年运 [图]", 2, "picture-13-2.png"},
            {Script::Simplified, 14, "6种类型的住宅学会驱邪避凶 [图]", 3, "picture-14-3.png"},
            {Script::Taiwan, 13, "除夕家居风水摆设与新年运 [图]", 2, "zh_TW-picture-13-2.png"},
            {Script::HongKong, 14, "6种类型的住宅学会驱邪避凶 [图]", 3, "zh_HK-picture-14-3.png"},
        };
        for (const Shot &shot : shots) {
            orlenvo::OverrideProgramFolder(ORLENVO_BIN_DIR "/");
            orlenvo::SetScript(shot.script);
            OpenPictureArticle(shot.number, QString::fromUtf8(orlenvo::Localized(shot.caption)), nullptr);
            orlenvo::OverrideProgramFolder({});
            TImageInfoLoad *window = OpenWindows<TImageInfoLoad>().first();
            QVERIFY(QTest::qWaitForWindowExposed(window));
            QTest::mouseClick(Button(window, QStringLiteral("ABtn%1").arg(shot.page)), Qt::LeftButton);
            QVERIFY(window->grab().save(dir + QLatin1Char('/') + QLatin1String(shot.file)));
            CloseWindows<TImageInfoLoad>();
            orlenvo::SetScript(Script::Simplified);
        }
    }
};

ORLENVO_QTEST_MAIN(PictureArticleTest)
#include "PictureArticleTest.moc"
