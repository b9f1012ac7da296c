// The calendar's month grid on its own terms: the day its context menu is for, however it is
// opened, and the day Enter opens when the spinners have moved the highlight.
#include "calendar/windows/DayGrid.h"
#include "calendar/windows/DateWin.h"
#include "calendar/windows/huangdao.h"

#include "core/RegionalSettings.h"
#include "data/KnowledgeDb.h"
#include "tests/support/Children.h"
#include "tests/support/ModalAnswer.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QLabel>
#include <QMenu>
#include <QPointer>
#include <QTest>
#include <QTimer>

#include <memory>

using namespace orlenvo;
using orlenvo::calendar::DayGrid;
using orlenvo::calendar::TFRM_Date;
using namespace orlenvo::testing;

namespace {

void ShowMonthOf(TFRM_Date &w, int year, int month)
{
    for (const auto &[name, value] : {std::pair{"UpDown1", year}, std::pair{"UpDown2", month}}) {
        auto *spinner = Child<ui::UpDown>(w, QString::fromLatin1(name));
        spinner->setPosition(value);
        emit spinner->clicked();
    }
}

QLabel *DayNumberOf(TFRM_Date &w, int d)
{
    for (QLabel *cell : w.findChildren<QLabel *>())
        if (cell->objectName().startsWith(QStringLiteral("DayNumberCell")) && !cell->isHidden() &&
            cell->text() == QString::number(d))
            return cell;
    return nullptr;
}

std::unique_ptr<TFRM_Date> OpenCalendar()
{
    auto w = std::make_unique<TFRM_Date>();
    w->show();
    w->activateWindow();
    (void)QTest::qWaitForWindowActive(w.get());
    return w;
}

}  // namespace

class DayGridTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        SynchroniseRegionalSettings(RegionalSettings());
        OverrideProgramFolder(ORLENVO_BIN_DIR);
    }

    // October 2008 with the 12th chosen: a right-click is for the day under the mouse, the
    // keyboard's ways for the chosen day.
    void menuIsForItsDay_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<int>("day");
        QTest::newRow("right-click on the 5th") << QStringLiteral("mouse") << 5;
        QTest::newRow("menu key") << QStringLiteral("menu key") << 12;
        QTest::newRow("Shift+F10") << QStringLiteral("shift f10") << 12;
        QTest::newRow("the platform's keyboard menu event") << QStringLiteral("keyboard event") << 12;
    }

    void menuIsForItsDay()
    {
        QFETCH(QString, how);
        QFETCH(int, day);
        auto w = OpenCalendar();
        ShowMonthOf(*w, 2008, 10);
        QTest::mouseClick(DayNumberOf(*w, 12), Qt::LeftButton);
        auto *grid = Child<DayGrid>(w.get(), "DayGrid");
        auto *menu = Child<QMenu>(w.get(), "GridMenu");
        CalendarDate chosen = 0;
        QAction *item = grid->AddDayAction(QStringLiteral("当日黄历详情…"), [&](CalendarDate date) { chosen = date; });
        QVERIFY(menu->actions().contains(item));
        QTimer::singleShot(100, w.get(), [&] {
            if (menu->isVisible())
                item->trigger();
            menu->close();
        });
        grid->setFocus(Qt::TabFocusReason);
        QLabel *cell = DayNumberOf(*w, 5);
        const QPoint centre = cell->rect().center();
        QContextMenuEvent rightClick(QContextMenuEvent::Mouse, centre, cell->mapToGlobal(centre));
        QContextMenuEvent menuKey(QContextMenuEvent::Keyboard, QPoint(), grid->mapToGlobal(QPoint()));
        if (how == QStringLiteral("mouse"))
            QApplication::sendEvent(cell, &rightClick);
        else if (how == QStringLiteral("menu key"))
            QTest::keyClick(grid, Qt::Key_Menu);
        else if (how == QStringLiteral("shift f10"))
            QTest::keyClick(grid, Qt::Key_F10, Qt::ShiftModifier);
        else
            QApplication::sendEvent(grid, &menuKey);
        QCOMPARE(chosen, EncodeDate(2008, 10, day));
        QVERIFY(w->isVisible());
    }

    // The spinners move the highlight, not SelectedDate: Enter opens the highlighted day.
    void enterOpensTheHighlightedDay()
    {
        auto w = OpenCalendar();
        QPointer<calendar::TFormHuangdao> almanac;
        w->openAlmanacWindow = [&]() -> QWidget * { return almanac = calendar::OpenAlmanacWindow(nullptr); };
        ShowMonthOf(*w, 2008, 8);
        QTest::mouseClick(DayNumberOf(*w, 3), Qt::LeftButton);
        ShowMonthOf(*w, 2008, 9);
        auto *grid = Child<DayGrid>(w.get(), "DayGrid");
        grid->setFocus(Qt::TabFocusReason);
        QTest::keyClick(grid, Qt::Key_Return);
        QVERIFY(almanac);
        QCOMPARE(Child<QComboBox>(almanac.data(), "SMonth")->currentText(), QStringLiteral("09"));
        QCOMPARE(Child<QComboBox>(almanac.data(), "Sday")->currentText(), QStringLiteral("03"));
        delete almanac.data();
    }
};

ORLENVO_QTEST_MAIN(DayGridTest)
#include "DayGridTest.moc"
