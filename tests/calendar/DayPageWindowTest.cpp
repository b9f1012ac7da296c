// The day page window: opened from the almanac window's right-click menu for the day shown, and
// stepped day by day over the built QorvFile.dll's span.
#include "calendar/DayPage.h"
#include "calendar/Sexagenary.h"
#include "calendar/windows/DayPage.h"
#include "calendar/windows/huangdao.h"
#include "core/RegionalSettings.h"
#include "data/KnowledgeDb.h"
#include "tests/support/Children.h"
#include "tests/support/Doubles.h"
#include "tests/support/ModalAnswer.h"
#include "tests/support/TopLevel.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QtTest>

using namespace orlenvo;
using namespace orlenvo::testing;
using orlenvo::calendar::TFormDayPage;
using orlenvo::calendar::TFormHuangdao;

namespace {

// Right-clicks (or presses the menu key on) a control and returns the action of the menu that opens.
QAction *DayPageAction(QWidget *control, QContextMenuEvent::Reason reason)
{
    QContextMenuEvent event(reason, control->rect().center(), control->mapToGlobal(control->rect().center()));
    QApplication::sendEvent(control, &event);
    QMenu *menu = nullptr;
    if (!QTest::qWaitFor([&] { return (menu = qobject_cast<QMenu *>(QApplication::activePopupWidget())); }))
        return nullptr;
    for (QAction *action : menu->actions())
        if (action->text() == QStringLiteral("当日黄历详情…"))
            return action;
    return nullptr;
}

TFormDayPage *OpenedDayPage()
{
    const QList<TFormDayPage *> pages = OpenWindows<TFormDayPage>();
    return pages.size() == 1 ? pages.front() : nullptr;
}

// The texts of an hour row and whether its cells are red and on the highlight.
struct ShownHour {
    QStringList texts;
    bool red = true;
    bool highlighted = true;
};

ShownHour HourOf(QTableWidget *table, int row)
{
    ShownHour hour;
    for (int column = 0; column < table->columnCount(); ++column) {
        const QTableWidgetItem *item = table->item(row, column);
        hour.texts << item->text();
        hour.red = hour.red && item->foreground().color() == QColor(0xFF, 0x00, 0x00);
        hour.highlighted = hour.highlighted && item->background().style() != Qt::NoBrush;
    }
    return hour;
}

}  // namespace

class DayPageWindowTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { SynchroniseRegionalSettings(RegionalSettings()); }

    void cleanup()
    {
        CloseWindows<TFormDayPage>();
        CloseWindows<TFormHuangdao>();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        OverrideProgramFolder({});
    }

    // The almanac window's date line and entry offer the day page of the day shown, by mouse and by the
    // menu key; before a day is found the command is there but off. The page's lists are the entry's.
    void opensFromTheAlmanacWindow()
    {
        OverrideProgramFolder(ORLENVO_BIN_DIR);
        TFormHuangdao *almanac = calendar::OpenAlmanacWindow(nullptr);
        QVERIFY(QTest::qWaitForWindowExposed(almanac));
        auto *label = Child<QLabel>(almanac, "Label1");
        auto *memo = Child<QPlainTextEdit>(almanac, "Memo1");
        QAction *none = DayPageAction(label, QContextMenuEvent::Mouse);
        QVERIFY(none);
        QVERIFY(!none->isEnabled());
        QApplication::activePopupWidget()->close();

        almanac->ShowDay(2026, 2, 17);
        QCOMPARE(almanac->ShownDate(), EncodeDate(2026, 2, 17));
        const struct {
            QWidget *control;
            QContextMenuEvent::Reason reason;
        } entries[] = {{label, QContextMenuEvent::Mouse}, {memo, QContextMenuEvent::Keyboard}};
        for (const auto &entry : entries) {
            QAction *open = DayPageAction(entry.control, entry.reason);
            QVERIFY(open);
            QVERIFY(open->isEnabled());
            open->trigger();
            TFormDayPage *page = OpenedDayPage();
            QVERIFY(page);
            QVERIFY(QTest::qWaitForWindowExposed(page));
            QCOMPARE(page->ShownDate(), EncodeDate(2026, 2, 17));
            QCOMPARE(Child<QLabel>(page, "DateLine")->text(), QStringLiteral("2026年2月17日 星期二"));
            QVERIFY(Child<QLabel>(page, "DetailLines")->text().contains(QStringLiteral("春节")));
            // The four lists read as the almanac window shows them from its database row.
            const QStringList entryLines = memo->toPlainText().split(QLatin1Char('\n'));
            QCOMPARE(Child<QPlainTextEdit>(page, "Lists")->toPlainText().split(QLatin1Char('\n')), entryLines.mid(10));
            page->close();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        }
    }

    // The buttons and Page Up / Page Down step the days to the ends of the span; the hours follow the core,
    // 黄道 hours red and marked 吉, and on today's page the current hour alone is highlighted.
    void stepsTheDays()
    {
        const CalendarDate last = EncodeDate(2050, 12, 31);
        TFormDayPage *page = calendar::OpenDayPage(nullptr, last - 1);
        page->now = [] { return QDateTime(QDate(2050, 12, 31), QTime(10, 30)); };
        QVERIFY(QTest::qWaitForWindowExposed(page));
        auto *hours = Child<QTableWidget>(page, "Hours");
        auto *next = Child<QPushButton>(page, "NextDay");
        auto *previous = Child<QPushButton>(page, "PreviousDay");

        const auto checkHours = [&](CalendarDate date, int currentRow) {
            const DayPage expected = DayPageOf(date);
            for (int row = 0; row < 13; ++row) {
                const HourRow &h = expected.hours[row];
                const ShownHour shown = HourOf(hours, row);
                QCOMPARE(shown.texts.at(0), QString::fromStdString(h.name));
                QCOMPARE(shown.texts.at(2), QString::fromStdString(CycleName(h.cycle)));
                QCOMPARE(shown.texts.at(4), h.yellowPath ? QStringLiteral("吉") : QStringLiteral("凶"));
                QCOMPARE(shown.red, h.yellowPath);
                QCOMPARE(shown.highlighted, row == currentRow);
            }
        };
        checkHours(last - 1, -1);
        page->setFocus();
        QTest::keyClick(page, Qt::Key_PageDown);
        QCOMPARE(page->ShownDate(), last);
        checkHours(last, HourRowOf(10));
        QVERIFY(!next->isEnabled());
        QTest::keyClick(page, Qt::Key_PageDown);
        QCOMPARE(page->ShownDate(), last);
        // Past the hour, the highlight moves when the page is activated again.
        page->now = [] { return QDateTime(QDate(2050, 12, 31), QTime(11, 5)); };
        QApplication::setActiveWindow(nullptr);
        QApplication::setActiveWindow(page);
        QVERIFY(QTest::qWaitForWindowActive(page));
        checkHours(last, HourRowOf(11));
        // From the focused hours table too.
        hours->setFocus();
        QTest::keyClick(hours, Qt::Key_PageUp);
        QCOMPARE(page->ShownDate(), last - 1);
        QVERIFY(next->isEnabled());
        next->click();
        QCOMPARE(page->ShownDate(), last);

        page->ShowDay(EncodeDate(1901, 1, 2));
        previous->click();
        QCOMPARE(page->ShownDate(), EncodeDate(1901, 1, 1));
        QVERIFY(!previous->isEnabled());
        QTest::keyClick(page, Qt::Key_PageUp);
        QCOMPARE(page->ShownDate(), EncodeDate(1901, 1, 1));
        QCOMPARE(Child<QLabel>(page, "DateLine")->text(), QStringLiteral("1901年1月1日 星期二"));
    }

    // The page of 2026-02-17 (春节) at 10:15, saved as docs/screenshots/day-page-2026-02-17.png when
    // ORLENVO_SCREENSHOT_DIR is set (scripts/screenshot-daypage.sh).
    void springFestivalScreenshot()
    {
        auto *page = new TFormDayPage;
        page->now = [] { return QDateTime(QDate(2026, 2, 17), QTime(10, 15)); };
        page->ShowDay(EncodeDate(2026, 2, 17));
        page->show();
        QVERIFY(QTest::qWaitForWindowExposed(page));
        QVERIFY(HourOf(Child<QTableWidget>(page, "Hours"), HourRowOf(10)).highlighted);
        QVERIFY(SaveScreenshot(page, "day-page-2026-02-17"));
    }
};

ORLENVO_QTEST_MAIN(DayPageWindowTest)
#include "DayPageWindowTest.moc"
