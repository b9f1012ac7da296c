// The omen window: the seven pages as the commands open them, the note under every page.
#include "app/CommandTable.h"
#include "articles/windows/UntOnther.h"
#include "tests/support/ModalAnswer.h"
#include "tests/support/TopLevel.h"

#include <QApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPointer>
#include <QRegularExpression>
#include <QTabBar>
#include <QTabWidget>
#include <QtTest>

#include <algorithm>

using orlenvo::articles::OpenOmenWindow;
using orlenvo::articles::TFormOnther;
using namespace orlenvo::testing;

namespace {

// Each page's shape and its first and last lines, as the readings are written down.
struct PageShape {
    int lines;
    const char *first;
    const char *last;
};

// clang-format off
const PageShape kPageShapes[] = {
    {12, "凌晨1 点-凌晨3点 有人思念你、有客人前来相求事情。", "晚上11点-凌晨1点 有人欢朋宴客。"},
    {6, "子时：主有喜事，右主得财。  午时：主有亲来，想见大吉。", "巳时：主有要事，人相大吉。  亥时：主有官非，口舌之事。"},
    {6, "子时：主有女子，右喜事至。 午时：主有饮食，及喜事至。", "巳时：主有女思，及喜事至。 亥时：主有丧服，及恶梦凶。"},
    {6, "子时：主夫之人，时争闹画。 午时：主有酒食，宴会事吉。", "巳时：主亲人来，及有信至。 亥时：主有官司，词讼随后。"},
    {6, "子时：左有贵人，右有饮食。午时：左主饮食，右有凶事。", "巳时：左有饮食，右有凶恶。亥时：左主客至，右主官非。"},
    {6, "子时：主有僧道来商量事 。午时：主有饮食，喜事来吉。", "已时：主有财物，之事不利。亥时：主有官非，词讼之事。"},
    {6, "子时：左主女思，右主失财。丑时：左主口舌，右主争讼。", "午时：左主远信，右主亲来。亥时：左主大吉，右主饮食。"},
};

// Lines inside the pages whose odd characters and spacing are the readings' own.
struct ExactLine {
    int page;
    int line;
    const char *text;
};

const ExactLine kExactLines[] = {
    {0, 3, "早上 7点-早上9点 有人请食饭、大喜之事将发生。"},
    {0, 7, "下午 3点-下午5点 小心饮食。"},
    {1, 1, "丑时；主有烦恼，忧悉子事。  未时：主有镅讼，口舌是非。"},
    {3, 2, "寅时：主失得财，帛大吉利。 申时：主家宅内，小口事凶。"},
    {5, 4, "辰时：主有财喜，大通达吉，戌时：主有镅讼，口舌之事。"},
    {6, 3, "辰时：左主远行，右主室至。酉时：左主失财，右主大吉。"},
};
// clang-format on

const char *const kExpectedNote[] = {
    "说明：",
    "   子时为23点-1点 丑时为1点-3点 寅时为3点-5点 卯时为5点-7点",
    "   辰时为7点-9点 巳时为9点-11点 午时11点-13点 未时13点-15点",
    "   申时15点-17点 酉时17点-19点 戌时19点-21点 亥时为21点-23点",
};

struct OmenCommand {
    const char *menu;
    const char *title;
    int page;
};

const OmenCommand kCommands[] = {
    {"打喷嚏占卜", "打喷嚏占卜吉凶", 0}, {"面热测占卜", "面热测吉凶", 1}, {"心惊测占卜", "心惊测吉凶", 2},
    {"犬吠测占卜", "犬吠测吉凶", 3},     {"眼跳测占卜", "眼跳测吉凶", 4}, {"耳热测占卜", "耳热测吉凶", 5},
    {"耳鸣测占卜", "耳鸣测吉凶", 6},
};

// A page's text is its lines with one empty line between consecutive lines.
QStringList PageLines(const QString &text)
{
    return text.split(QStringLiteral("\n\n"));
}

QString PageText(TFormOnther &window, int page)
{
    auto *pages = window.findChild<QTabWidget *>(QStringLiteral("RzPageControl1"));
    return pages->widget(page)->findChild<QPlainTextEdit *>()->toPlainText();
}

// Runs the command of the menu whose caption is `menu` as the program's menu does.
void Choose(const char *menu)
{
    for (const orlenvo::CommandRow &row : orlenvo::CommandTable()) {
        if (std::string_view(row.caption) != menu)
            continue;
        const orlenvo::CommandAction action = orlenvo::ActionOf(row);
        QCOMPARE(action.kind, orlenvo::ActionKind::Omen);
        OpenOmenWindow(QString::fromStdString(action.text), action.number, nullptr);
        return;
    }
    QFAIL(menu);
}

QPlainTextEdit *ShownMemo(TFormOnther *window)
{
    auto *pages = window->findChild<QTabWidget *>(QStringLiteral("RzPageControl1"));
    return pages->currentWidget()->findChild<QPlainTextEdit *>();
}

}  // namespace

class OmenWindowTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { CloseWindows<TFormOnther>(); }

    void everyCommandOpensItsPage_data()
    {
        QTest::addColumn<int>("index");
        for (int i = 0; i < 7; ++i)
            QTest::newRow(kCommands[i].menu) << i;
    }

    void everyCommandOpensItsPage()
    {
        QFETCH(int, index);
        const OmenCommand &command = kCommands[index];
        Choose(command.menu);
        const QList<TFormOnther *> open = OpenWindows<TFormOnther>();
        QCOMPARE(open.size(), 1);
        TFormOnther *window = open.first();
        QCOMPARE(window->windowTitle(), QString::fromUtf8(command.title));
        QCOMPARE(window->activePage(), command.page);
        QPlainTextEdit *memo = ShownMemo(window);
        const QStringList lines = PageLines(memo->toPlainText());
        QCOMPARE(lines.size(), kPageShapes[command.page].lines);
        QCOMPARE(lines.first(), QString::fromUtf8(kPageShapes[command.page].first));
        QCOMPARE(lines.last(), QString::fromUtf8(kPageShapes[command.page].last));
        QVERIFY(memo->isReadOnly());
        QCOMPARE(memo->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
        QCOMPARE(memo->lineWrapMode(), QPlainTextEdit::WidgetWidth);
    }

    void allSevenPagesHoldTheirTexts()
    {
        TFormOnther window;
        auto *pages = window.findChild<QTabWidget *>(QStringLiteral("RzPageControl1"));
        QCOMPARE(pages->count(), 7);
        for (int page = 0; page < 7; ++page) {
            QCOMPARE(pages->widget(page)->objectName(), QStringLiteral("TabSheet%1").arg(page + 1));
            const QString text = PageText(window, page);
            const QStringList lines = PageLines(text);
            const PageShape &shape = kPageShapes[page];
            QCOMPARE(lines.size(), shape.lines);
            QCOMPARE(lines.first(), QString::fromUtf8(shape.first));
            QCOMPARE(lines.last(), QString::fromUtf8(shape.last));
            for (const QString &line : lines)
                QVERIFY2(!line.isEmpty() && line.trimmed() == line, qPrintable(line));
            QVERIFY(!text.contains(QStringLiteral("\n\n\n")));
        }
        for (const ExactLine &exact : kExactLines)
            QCOMPARE(PageLines(PageText(window, exact.page)).at(exact.line), QString::fromUtf8(exact.text));
    }

    // Pages 1 to 6 read two of the twelve two-hour periods a line, each period once a page
    // (page 5 writes 巳 as 已, as the readings have it).
    void periodPagesNameEveryPeriodOnce()
    {
        TFormOnther window;
        const QRegularExpression period(QStringLiteral("([子丑寅卯辰巳已午未申酉戌亥])时[：；]"));
        const QString all = QStringLiteral("子丑寅卯辰巳午未申酉戌亥");
        for (int page = 1; page < 7; ++page) {
            QString seen;
            for (const QString &line : PageLines(PageText(window, page))) {
                int readings = 0;
                for (auto it = period.globalMatch(line); it.hasNext(); ++readings)
                    seen += it.next().captured(1);
                QCOMPARE(readings, 2);
            }
            seen.replace(QStringLiteral("已"), QStringLiteral("巳"));
            std::sort(seen.begin(), seen.end(), [&](QChar a, QChar b) { return all.indexOf(a) < all.indexOf(b); });
            QCOMPARE(seen, all);
        }
    }

    void eyeTwitchOpensPageFour()
    {
        Choose("眼跳测占卜");
        TFormOnther *window = OpenWindows<TFormOnther>().first();
        QCOMPARE(window->windowTitle(), QStringLiteral("眼跳测吉凶"));
        QCOMPARE(window->activePage(), 4);
        QVERIFY(ShownMemo(window)->toPlainText().startsWith(QStringLiteral("子时：左有贵人")));
    }

    void sameCommandTwiceGivesTwoWindows()
    {
        Choose("耳鸣测占卜");
        Choose("耳鸣测占卜");
        QList<TFormOnther *> open = OpenWindows<TFormOnther>();
        QCOMPARE(open.size(), 2);
        QPointer<TFormOnther> closed = open.first();
        closed->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(closed.isNull());
        open = OpenWindows<TFormOnther>();
        QCOMPARE(open.size(), 1);
        QCOMPARE(open.first()->windowTitle(), QStringLiteral("耳鸣测吉凶"));
        QCOMPARE(open.first()->activePage(), 6);
    }

    void noteUnderEveryPage()
    {
        QStringList note;
        for (const char *line : kExpectedNote)
            note.append(QString::fromUtf8(line));
        QCOMPARE(orlenvo::articles::OmenNoteText(), note.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n"));
        for (int page = 0; page < 7; ++page) {
            auto *window = new TFormOnther;
            window->setActivePage(page);
            QVERIFY(ShowOnScreen(window));
            auto *label = window->findChild<QLabel *>(QStringLiteral("RzLabel1"));
            auto *pages = window->findChild<QTabWidget *>(QStringLiteral("RzPageControl1"));
            QVERIFY(label->isVisible());
            QCOMPARE(label->text().split(QLatin1Char('\n')), note);
            QVERIFY(label->wordWrap());
            QCOMPARE(label->palette().color(QPalette::WindowText), QColor(0, 0, 128));
            QVERIFY(label->geometry().top() >= pages->geometry().bottom());
            // All four lines fit inside the window.
            QVERIFY(label->mapTo(window, QPoint(0, label->heightForWidth(label->width()))).y() <= window->height());
            window->close();
        }
    }

    void windowShape()
    {
        TFormOnther window;
        QVERIFY(ShowOnScreen(&window));
        QCOMPARE(window.size(), QSize(382, 258));
        QVERIFY(window.testAttribute(Qt::WA_DeleteOnClose));
        QVERIFY(CloseButtonOnly(&window));
        QVERIFY(!window.findChild<QTabWidget *>(QStringLiteral("RzPageControl1"))->tabBar()->isVisible());
        window.setAttribute(Qt::WA_DeleteOnClose, false);
    }

    // With ORLENVO_SCREENSHOT_DIR set, the eye-twitch window is saved as omen.png.
    void screenshot()
    {
        const QString dir = qEnvironmentVariable("ORLENVO_SCREENSHOT_DIR");
        if (dir.isEmpty())
            QSKIP("ORLENVO_SCREENSHOT_DIR not set");
        Choose("眼跳测占卜");
        TFormOnther *window = OpenWindows<TFormOnther>().first();
        QVERIFY(QTest::qWaitForWindowExposed(window));
        QVERIFY(window->grab().save(dir + QStringLiteral("/omen.png")));
    }
};

ORLENVO_QTEST_MAIN(OmenWindowTest)
#include "OmenWindowTest.moc"
