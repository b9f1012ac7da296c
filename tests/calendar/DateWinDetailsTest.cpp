// The calendar window's additions over its day cells: tooltips, 休/班 marks, the day's almanac on a
// double-click or Enter, good-day marks, and the keyboard on the grid. Expected values come from the
// core (calendar/DayDetails.h), whose own tests name their sources.
#include "calendar/windows/DateWin.h"

#include "app/windows/Dispatch.h"
#include "calendar/BuiltInTables.h"
#include "calendar/CalendarLabels.h"
#include "calendar/windows/huangdao.h"
#include "core/RegionalSettings.h"
#include "data/KnowledgeDb.h"
#include "tests/support/Children.h"
#include "tests/support/ModalAnswer.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QFrame>
#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <QToolTip>

#include <memory>
#include <utility>

using namespace orlenvo;
using orlenvo::calendar::TFormHuangdao;
using orlenvo::calendar::TFRM_Date;
using namespace orlenvo::testing;

namespace {

// Shows year/month through the spinners, as their arrows would.
void ShowMonthOf(TFRM_Date &w, int year, int month)
{
    for (const auto &[name, value] : {std::pair{"UpDown1", year}, std::pair{"UpDown2", month}}) {
        auto *spinner = Child<ui::UpDown>(w, QString::fromLatin1(name));
        spinner->setPosition(value);
        emit spinner->clicked();
    }
}

// The day-number and lunar-text labels of day d of the shown month.
std::pair<QLabel *, QLabel *> CellOf(TFRM_Date &w, int d)
{
    for (int i = 1; i <= TFRM_Date::kCellCount; ++i) {
        auto *number = Child<QLabel>(w, QStringLiteral("DayNumberCell%1").arg(i));
        if (!number->isHidden() && number->text() == QString::number(d))
            return {number, Child<QLabel>(w, QStringLiteral("LunarTextCell%1").arg(i))};
    }
    return {nullptr, nullptr};
}

int CellIndex(TFRM_Date &w, int d)
{
    return CellOf(w, d).first->objectName().mid(QStringLiteral("DayNumberCell").size()).toInt();
}

QString Details(CalendarDate date)
{
    QStringList lines;
    for (const std::string &line : DayDetailLines(DayDetailsOf(date)))
        lines << QString::fromStdString(line);
    return lines.join(QLatin1Char('\n'));
}

// Saves `image` as `name` in ORLENVO_SCREENSHOT_DIR when that is set (scripts/screenshot-calendar.sh).
void SaveScreenshot(const QImage &image, const char *name)
{
    const QString folder = qEnvironmentVariable("ORLENVO_SCREENSHOT_DIR");
    if (!folder.isEmpty())
        QVERIFY(image.save(folder + QLatin1Char('/') + QString::fromLatin1(name)));
}

std::unique_ptr<TFRM_Date> OpenCalendar()
{
    auto w = std::make_unique<TFRM_Date>();
    w->show();
    (void)QTest::qWaitForWindowExposed(w.get());
    return w;
}

}  // namespace

class DateWinDetailsTest : public QObject {
    Q_OBJECT

    QPointer<TFormHuangdao> almanac_;
    int opened_ = 0;

    // The calendar opens its almanac through this, as the program's dispatch would.
    std::unique_ptr<TFRM_Date> OpenCalendarWithAlmanac()
    {
        auto w = OpenCalendar();
        w->openAlmanacWindow = [this]() -> QWidget * {
            ++opened_;
            almanac_ = calendar::OpenAlmanacWindow(nullptr);
            return almanac_;
        };
        return w;
    }

    void CheckAlmanacShows(CalendarDate date, const char *dateText)
    {
        QVERIFY(almanac_);
        QCOMPARE(opened_, 1);
        int year = 0, month = 0, day = 0;
        DecodeDate(date, year, month, day);
        QCOMPARE(Child<QComboBox>(almanac_.data(), "SYear")->currentText(), QString::number(year));
        QCOMPARE(Child<QComboBox>(almanac_.data(), "SMonth")->currentText(), QString::fromLatin1(dateText).mid(5, 2));
        QCOMPARE(Child<QComboBox>(almanac_.data(), "Sday")->currentText(), QString::fromLatin1(dateText).mid(8, 2));
        const AlmanacEntry entry = AlmanacEntryOf(date, BuiltInAlmanacMonthTable());
        QCOMPARE(Child<QLabel>(almanac_.data(), "Label1")->text(),
                 QString::fromLatin1(dateText) + QStringLiteral("  ") + QString::fromStdString(entry.nn));
        QVERIFY(Child<QPlainTextEdit>(almanac_.data(), "Memo1")
                    ->toPlainText()
                    .contains(QString::fromStdString("宜:" + entry.yi)));
    }

private slots:
    void initTestCase()
    {
        SynchroniseRegionalSettings(RegionalSettings());
        OverrideProgramFolder(ORLENVO_BIN_DIR);
    }

    void cleanup()
    {
        delete almanac_.data();
        opened_ = 0;
    }

    // 2008-08-07: the cell shows 七夕节; its tooltip names 立秋 and its moment too.
    void tooltipTellsEverything()
    {
        auto w = OpenCalendar();
        ShowMonthOf(*w, 2008, 8);
        const auto [number, lunar] = CellOf(*w, 7);
        QTest::mouseClick(number, Qt::LeftButton);
        QCOMPARE(lunar->text(), QStringLiteral("七夕节"));
        const QString expected = Details(EncodeDate(2008, 8, 7));
        QVERIFY(expected.contains(QStringLiteral("七夕节")));
        QVERIFY(expected.contains(QStringLiteral("\n立秋 8月7日 ")));
        QCOMPARE(number->toolTip(), expected);
        QCOMPARE(lunar->toolTip(), expected);
        QCOMPARE(number->accessibleName(), expected);

        // The tooltip as the user sees it, over the window.
        QToolTip::showText(number->mapToGlobal(QPoint(number->width() / 2, number->height())), expected, number);
        QWidget *tip = nullptr;
        QTRY_VERIFY((tip = QApplication::activePopupWidget() ? nullptr : [] {
                        for (QWidget *top : QApplication::topLevelWidgets())
                            if (top->inherits("QTipLabel") && top->isVisible())
                                return top;
                        return static_cast<QWidget *>(nullptr);
                    }()) != nullptr);
        const QRect window(w->mapToGlobal(QPoint(0, 0)), w->size());
        const QRect both = window.united(tip->geometry());
        QImage image(both.size(), QImage::Format_ARGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        painter.drawPixmap(window.topLeft() - both.topLeft(), w->grab());
        painter.drawPixmap(tip->geometry().topLeft() - both.topLeft(), tip->grab());
        painter.end();
        SaveScreenshot(image, "calendar-2008-08-tooltip.png");
        QToolTip::hideText();
    }

    // October 2026: a mark on each day of the holiday table, clear of the cell's texts.
    void holidayMarks()
    {
        auto w = OpenCalendar();
        ShowMonthOf(*w, 2026, 10);
        int marks = 0;
        for (int d = 1; d <= 31; ++d) {
            const auto [number, lunar] = CellOf(*w, d);
            auto *mark = Child<QLabel>(*w, QStringLiteral("HolidayMark%1").arg(CellIndex(*w, d)));
            const HolidayStatus status = HolidayStatusOf(EncodeDate(2026, 10, d));
            QCOMPARE(mark->isVisible(), status.kind != HolidayKind::None);
            if (status.kind == HolidayKind::None)
                continue;
            ++marks;
            QCOMPARE(mark->text(), QString::fromUtf8(HolidayMark(status.kind)));
            QVERIFY(number->toolTip().endsWith(QString::fromStdString(HolidayNote(EncodeDate(2026, 10, d)))));
            // Clear of the widest day number's glyphs and of the lunar text.
            const int numberWidth = number->fontMetrics().horizontalAdvance(QStringLiteral("28"));
            const QRect digits(number->geometry().center().x() - numberWidth / 2, number->y(), numberWidth,
                               number->height());
            QVERIFY(!mark->geometry().intersects(digits));
            QVERIFY(!mark->geometry().intersects(lunar->geometry()));
            // White on a dark ground reads on white and on the green highlight.
            QVERIFY(mark->palette().color(QPalette::Window).lightness() < 140);
            QCOMPARE(mark->palette().color(QPalette::WindowText), QColor(Qt::white));
        }
        QCOMPARE(marks, 8);  // 国庆节 1-7 and the make-up day of the 10th
        // Choose the 1st, under a 休 mark.
        QTest::mouseClick(CellOf(*w, 1).first, Qt::LeftButton);
        SaveScreenshot(w->grab().toImage(), "calendar-2026-10-holidays.png");

        // A year after the table's last.
        ShowMonthOf(*w, LastHolidayYear() + 1, 10);
        QVERIFY(CellOf(*w, 1).first->toolTip().contains(QStringLiteral("尚未收录")));
    }

    // A double-click on either label of a day closes the calendar and opens that day's almanac.
    void doubleClickOpensTheAlmanac()
    {
        auto w = OpenCalendarWithAlmanac();
        ShowMonthOf(*w, 2008, 8);
        QLabel *lunar = CellOf(*w, 7).second;
        QTest::mouseDClick(lunar, Qt::LeftButton, {}, lunar->rect().center());
        QVERIFY(w->isHidden());
        CheckAlmanacShows(EncodeDate(2008, 8, 7), "2008-08-07");
    }

    // In the program, the calendar opens modally from its command and the almanac comes from the
    // operation of "黄道吉日": the dispatcher holds it as its almanac window.
    void almanacThroughTheProgramsOperation()
    {
        QWidget owner;
        app::AppDispatcher d(&owner);
        app::RegisterProgramOperations(d);
        bool pressed = false;
        QTimer::singleShot(0, &owner, [&] {
            auto *calendar = qobject_cast<TFRM_Date *>(d.ModalWindow("TFRM_Date"));
            QVERIFY(calendar && calendar->isVisible());
            ShowMonthOf(*calendar, 1949, 10);
            auto *grid = Child<QWidget>(calendar, "DayGrid");
            grid->setFocus();
            QTest::keyClick(grid, Qt::Key_Right);  // one day on, within October 1949
            QTest::keyClick(grid, Qt::Key_Enter);
            pressed = true;
        });
        d.Run({ActionKind::ModalWindow, "TFRM_Date", 0});
        QVERIFY(pressed);
        QVERIFY(d.ModalWindow("TFRM_Date")->isHidden());
        almanac_ = qobject_cast<TFormHuangdao *>(d.AlmanacWindow());
        QVERIFY(almanac_);
        QVERIFY(almanac_->isVisible());
        QVERIFY(Child<QLabel>(almanac_.data(), "Label1")->text().startsWith(QStringLiteral("1949-10-")));
    }

    // Arrows move the chosen day like clicks, across months; Enter opens its almanac.
    void keyboardOnTheGrid()
    {
        auto w = OpenCalendarWithAlmanac();
        ShowMonthOf(*w, 2008, 8);
        QTest::mouseClick(CellOf(*w, 3).first, Qt::LeftButton);
        auto *grid = Child<QWidget>(w.get(), "DayGrid");
        QVERIFY(grid->hasFocus());
        auto *focusMark = Child<QFrame>(w.get(), "FocusMark");
        auto *highlight = Child<QFrame>(w.get(), "Shape2");
        QVERIFY(!focusMark->isVisible());  // a click gives the focus; the keyboard shows it
        QTest::keyClick(grid, Qt::Key_Right);
        QVERIFY(focusMark->isVisible());
        QCOMPARE(highlight->pos(), CellOf(*w, 4).first->pos() + QPoint(-1, 1));
        QCOMPARE(focusMark->pos(), highlight->pos());
        QTest::keyClick(grid, Qt::Key_Up);  // 4 August - 7 days: 28 July
        QCOMPARE(Child<QLabel>(w.get(), "Label17")->text(), QStringLiteral("7"));
        QCOMPARE(Child<ui::UpDown>(w.get(), "UpDown2")->position(), 7);
        QCOMPARE(highlight->pos(), CellOf(*w, 28).first->pos() + QPoint(-1, 1));
        QVERIFY(grid->accessibleName().startsWith(QStringLiteral("2008年7月28日")));
        QCOMPARE(grid->accessibleName(),
                 Details(EncodeDate(2008, 7, 28)).replace(QLatin1Char('\n'), QStringLiteral("，")));
        QTest::keyClick(grid, Qt::Key_Down);
        QTest::keyClick(grid, Qt::Key_Left);  // 3 August
        QCOMPARE(Child<QLabel>(w.get(), "Label17")->text(), QStringLiteral("8"));
        grid->clearFocus();
        QVERIFY(!focusMark->isVisible());
        grid->setFocus(Qt::TabFocusReason);
        QVERIFY(focusMark->isVisible());
        QTest::keyClick(grid, Qt::Key_Return);
        QVERIFY(w->isHidden());
        CheckAlmanacShows(EncodeDate(2008, 8, 3), "2008-08-03");
    }

    // The right-click menu marks the good days of the shown month; the marks stay over month steps
    // and "今天" until cleared; the open menu does not close the calendar.
    void goodDayMarks()
    {
        auto w = OpenCalendar();
        w->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w.get()));
        auto *menu = Child<QMenu>(w.get(), "GridMenu");
        const auto action = [&](const QString &text) {
            for (QAction *a : menu->findChildren<QAction *>())
                if (a->text() == text)
                    return a;
            return static_cast<QAction *>(nullptr);
        };
        int marked = 0;
        const auto checkMarks = [&](int year, int month, const GoodDayQuery &query) {
            marked = 0;
            for (int d = 1; d <= MonthLength(year, month); ++d) {
                const DayDetails details = DayDetailsOf(EncodeDate(year, month, d));
                const bool good = IsGoodDay(details, query);
                auto *mark = Child<QFrame>(*w, QStringLiteral("GoodDayMark%1").arg(CellIndex(*w, d)));
                QCOMPARE(mark->isVisible(), good);
                QCOMPARE(CellOf(*w, d).first->toolTip().endsWith(QString::fromStdString("\n" + GoodDayReason(query))),
                         good);
                marked += good;
            }
        };
        ShowMonthOf(*w, 2008, 10);
        QTest::mouseClick(CellOf(*w, 1).first, Qt::LeftButton);
        for (const char *activity : kGoodDayActivities)
            QVERIFY2(action(QString::fromUtf8(activity)), activity);
        action(QStringLiteral("嫁娶"))->trigger();
        checkMarks(2008, 10, {"嫁娶", -1});
        QVERIFY(marked > 0);
        SaveScreenshot(w->grab().toImage(), "calendar-2008-10-marriage.png");
        action(QStringLiteral("鼠"))->trigger();
        checkMarks(2008, 10, {"嫁娶", 0});
        ShowMonthOf(*w, 2008, 11);
        checkMarks(2008, 11, {"嫁娶", 0});
        QTest::mouseClick(Child<QLabel>(w.get(), "StaticText1"), Qt::LeftButton);
        int year = 0, month = 0, day = 0;
        DecodeDate(Today(), year, month, day);
        if (year >= kFirstTableYear && year <= kLastTableYear)
            checkMarks(year, month, {"嫁娶", 0});
        action(QStringLiteral("清除标记"))->trigger();
        ShowMonthOf(*w, 2008, 10);
        checkMarks(2008, 10, {});
        QCOMPARE(marked, 0);

        // Open the menu by a right click; while it is open the calendar stays.
        bool stayedOpen = false;
        QTimer::singleShot(200, w.get(), [&] {
            stayedOpen = w->isVisible() && menu->isVisible();
            menu->close();
        });
        QLabel *cell = CellOf(*w, 5).first;
        QContextMenuEvent rightClick(QContextMenuEvent::Mouse, cell->rect().center(),
                                     cell->mapToGlobal(cell->rect().center()));
        QApplication::sendEvent(cell, &rightClick);
        QVERIFY(stayedOpen);
        QVERIFY(w->isVisible());
    }
};

ORLENVO_QTEST_MAIN(DateWinDetailsTest)
#include "DateWinDetailsTest.moc"
