// The perpetual calendar window, driven through its controls.
#include "calendar/windows/DateWin.h"

#include "calendar/CalendarLabels.h"
#include "tests/support/Children.h"
#include "tests/support/ModalAnswer.h"

#include <QFrame>
#include <QLabel>
#include <QPointer>
#include <QRegularExpression>
#include <QTest>
#include <QToolButton>

#include <memory>

using namespace orlenvo;
using orlenvo::calendar::TFRM_Date;
using orlenvo::ui::UpDown;
using namespace orlenvo::testing;

namespace {

QLabel *Label(QWidget &window, const QString &name)
{
    return Child<QLabel>(window, name);
}

QLabel *DayNumberCell(QWidget &window, int i)
{
    return Label(window, QStringLiteral("DayNumberCell%1").arg(i));
}

QLabel *LunarTextCell(QWidget &window, int i)
{
    return Label(window, QStringLiteral("LunarTextCell%1").arg(i));
}

QColor TextColour(const QWidget *widget)
{
    return widget->palette().color(QPalette::WindowText);
}

void Click(QWidget *widget)
{
    QTest::mouseClick(widget, Qt::LeftButton, {}, widget->rect().center());
}

// Presses the spinner's arrows until it stands at target (or cannot move further).
void StepTo(QWidget &window, const QString &spinner, int target)
{
    auto *upDown = Child<UpDown>(window, spinner);
    for (int guard = 0; guard < 200 && upDown->position() != target; ++guard)
        Click(Child<QToolButton>(*upDown, upDown->position() < target ? QStringLiteral("up") : QStringLiteral("down")));
}

void ShowMonth(QWidget &window, int year, int month)
{
    StepTo(window, QStringLiteral("UpDown1"), year);
    StepTo(window, QStringLiteral("UpDown2"), month);
    QCOMPARE(Label(window, QStringLiteral("Label1"))->text(), QString::number(year));
    QCOMPARE(Label(window, QStringLiteral("Label17"))->text(), QString::number(month));
}

// The cell index (1-37) that shows day d of the month on screen, or 0.
int CellOfDay(QWidget &window, int d)
{
    for (int i = 1; i <= TFRM_Date::kCellCount; ++i) {
        QLabel *cell = DayNumberCell(window, i);
        if (!cell->isHidden() && cell->text() == QString::number(d))
            return i;
    }
    return 0;
}

// The day whose cell lies under the highlight, or 0.
int HighlightedDay(QWidget &window)
{
    const QPoint corner = Child<QFrame>(window, QStringLiteral("Shape2"))->pos();
    for (int i = 1; i <= TFRM_Date::kCellCount; ++i) {
        QLabel *cell = DayNumberCell(window, i);
        if (!cell->isHidden() && cell->pos() + QPoint(-1, 1) == corner)
            return cell->text().toInt();
    }
    return 0;
}

std::unique_ptr<TFRM_Date> OpenCalendar()
{
    auto window = std::make_unique<TFRM_Date>();
    window->show();
    return window;
}

}  // namespace

class DateWinTest : public QObject {
    Q_OBJECT

private slots:
    void controlsAsLaidOut();
    void gridOfThirtySevenCells();
    void opensOnToday();
    void february2009StartsInCellOne();
    void january2000UsesCellsSevenToThirtySeven();
    void lowerTextByPrecedence_data();
    void lowerTextByPrecedence();
    void chosenThirtyFirstSurvivesShortMonths();
    void spinnersStopAtTheirLimits();
    void dayClickMovesHighlightOnly();
    void labelClicksChooseTheSpinner();
    void todayGoesBackToToday();
    void closingOnlyHides();
    void closesWhenAnotherWindowBecomesActive();
    void february2008Screenshot();
};

void DateWinTest::controlsAsLaidOut()
{
    auto w = OpenCalendar();
    QCOMPARE(w->windowTitle(), QStringLiteral("Kestrin日历"));
    QCOMPARE(w->size(), QSize(330, 336));
    QVERIFY(!w->testAttribute(Qt::WA_DeleteOnClose));
    QVERIFY(w->windowFlags() & Qt::WindowCloseButtonHint);
    QVERIFY(!(w->windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
    QCOMPARE(w->palette().color(QPalette::Window), QColor(Qt::white));
    QCOMPARE(w->font().pixelSize(), 12);

    QCOMPARE(Label(*w, QStringLiteral("Label1"))->toolTip(), QStringLiteral("单击改变年份"));
    QCOMPARE(Label(*w, QStringLiteral("Label17"))->toolTip(), QStringLiteral("单击改变月份"));
    QCOMPARE(Label(*w, QStringLiteral("Label19"))->text(), QStringLiteral("年"));
    QCOMPARE(Label(*w, QStringLiteral("Label18"))->text(), QStringLiteral("月"));
    QCOMPARE(Label(*w, QStringLiteral("StaticText1"))->text(), QStringLiteral("今天"));
    QVERIFY(Label(*w, QStringLiteral("StaticText1"))->frameShape() != QFrame::NoFrame);
    QVERIFY(Label(*w, QStringLiteral("day1"))->isHidden());
    QVERIFY(Label(*w, QStringLiteral("Cnday"))->isHidden());

    auto *years = Child<UpDown>(*w, QStringLiteral("UpDown1"));
    auto *months = Child<UpDown>(*w, QStringLiteral("UpDown2"));
    QCOMPARE(years->minimum(), 1901);
    QCOMPARE(years->maximum(), 2050);
    QCOMPARE(months->minimum(), 1);
    QCOMPARE(months->maximum(), 12);

    const QString weekdays[7] = {QStringLiteral("星期日"), QStringLiteral("星期一"), QStringLiteral("星期二"),
                                 QStringLiteral("星期三"), QStringLiteral("星期四"), QStringLiteral("星期五"),
                                 QStringLiteral("星期六")};
    for (int i = 0; i < 7; ++i) {
        const QColor expected = i == 0 || i == 6 ? QColor(Qt::red) : QColor(Qt::black);
        for (int first : {2, 9}) {
            QLabel *label = Label(*w, QStringLiteral("Label%1").arg(first + i));
            QCOMPARE(label->text(), weekdays[i]);
            QCOMPARE(TextColour(label), expected);
            // Each heading stands over its column of the grid.
            QCOMPARE(label->geometry().center().x(), DayNumberCell(*w, i + 1)->geometry().center().x());
        }
    }
}

void DateWinTest::gridOfThirtySevenCells()
{
    auto w = OpenCalendar();
    QLabel *day1 = Label(*w, QStringLiteral("day1"));
    QLabel *cnday = Label(*w, QStringLiteral("Cnday"));
    QCOMPARE(w->findChildren<QLabel *>(QRegularExpression(QStringLiteral("^DayNumberCell\\d+$"))).size(), 37);
    QCOMPARE(w->findChildren<QLabel *>(QRegularExpression(QStringLiteral("^LunarTextCell\\d+$"))).size(), 37);
    for (int i = 1; i <= 37; ++i) {
        const int row = (i - 1) / 7;
        const int column = (i - 1) % 7;
        QLabel *number = DayNumberCell(*w, i);
        QLabel *lunar = LunarTextCell(*w, i);
        QCOMPARE(number->geometry(), day1->geometry().translated(42 * column, 32 * row));
        QCOMPARE(lunar->geometry(), cnday->geometry().translated(42 * column, 32 * row));
        QCOMPARE(lunar->font().family(), cnday->font().family());
        QCOMPARE(lunar->font().pixelSize(), 12);
        // After a fill the day numbers are 11 points.
        QCOMPARE(number->font().pointSize(), 11);
        QCOMPARE(number->font().family(), day1->font().family());
    }
}

void DateWinTest::opensOnToday()
{
    int year = 0, month = 0, day = 0;
    DecodeDate(Today(), year, month, day);
    auto w = OpenCalendar();
    QCOMPARE(Label(*w, QStringLiteral("Label1"))->text(), QString::number(year));
    QCOMPARE(Label(*w, QStringLiteral("Label20"))->text(), QString::number(year));
    QCOMPARE(Label(*w, QStringLiteral("Label17"))->text(), QString::number(month));
    QCOMPARE(Label(*w, QStringLiteral("Label16"))->text(), QString::number(month));
    QCOMPARE(Child<UpDown>(*w, QStringLiteral("UpDown1"))->position(), year);
    QCOMPARE(Child<UpDown>(*w, QStringLiteral("UpDown2"))->position(), month);
    QCOMPARE(HighlightedDay(*w), day);
    QCOMPARE(Label(*w, QStringLiteral("Label21"))->text(), QString::fromStdString(ZodiacAnimalOf(Today())));
    QCOMPARE(Label(*w, QStringLiteral("Label22"))->text(), QString::fromStdString(ConstellationOf(Today())));
    QVERIFY(!Child<UpDown>(*w, QStringLiteral("UpDown1"))->isHidden());
    QVERIFY(!Child<UpDown>(*w, QStringLiteral("UpDown2"))->isHidden());
}

void DateWinTest::february2009StartsInCellOne()
{
    auto w = OpenCalendar();
    ShowMonth(*w, 2009, 2);
    QCOMPARE(DayNumberCell(*w, 1)->text(), QStringLiteral("1"));
    QCOMPARE(LunarTextCell(*w, 1)->text(), QStringLiteral("初七"));
    QCOMPARE(DayNumberCell(*w, 28)->text(), QStringLiteral("28"));
    for (int i = 1; i <= 37; ++i) {
        QCOMPARE(DayNumberCell(*w, i)->isHidden(), i > 28);
        QCOMPARE(LunarTextCell(*w, i)->isHidden(), i > 28);
    }
}

void DateWinTest::january2000UsesCellsSevenToThirtySeven()
{
    auto w = OpenCalendar();
    ShowMonth(*w, 2000, 1);
    for (int i = 1; i <= 37; ++i) {
        QCOMPARE(DayNumberCell(*w, i)->isHidden(), i < 7);
        if (i >= 7)
            QCOMPARE(DayNumberCell(*w, i)->text(), QString::number(i - 6));
    }
    QCOMPARE(Label(*w, QStringLiteral("Label21"))->text(), QStringLiteral("卯兔"));
}

void DateWinTest::lowerTextByPrecedence_data()
{
    QTest::addColumn<int>("year");
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("day");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QColor>("colour");

    const QColor dayName(0x00, 0x40, 0x00), monthName(0xFF, 0x00, 0x00), festival(0xFF, 0x80, 0x00),
        term(0x53, 0x53, 0xFF);
    QTest::newRow("春节 over 正月") << 2008 << 2 << 7 << QStringLiteral("春节") << festival;
    QTest::newRow("立春") << 2008 << 2 << 4 << QStringLiteral("立春") << term;
    QTest::newRow("除夕") << 2008 << 2 << 6 << QStringLiteral("除夕") << festival;
    QTest::newRow("plain day") << 2008 << 2 << 10 << QStringLiteral("初四") << dayName;
    QTest::newRow("情人节") << 2008 << 2 << 14 << QStringLiteral("情人节") << festival;
    QTest::newRow("元宵节") << 2008 << 2 << 21 << QStringLiteral("元宵节") << festival;
    QTest::newRow("七夕节 over 立秋") << 2008 << 8 << 7 << QStringLiteral("七夕节") << festival;
    QTest::newRow("国庆节") << 2008 << 10 << 1 << QStringLiteral("国庆节") << festival;
    QTest::newRow("中秋节 over 国庆节") << 2001 << 10 << 1 << QStringLiteral("中秋节") << festival;
    QTest::newRow("五月") << 2008 << 6 << 4 << QStringLiteral("五月") << monthName;
    QTest::newRow("闰四") << 2001 << 5 << 23 << QStringLiteral("闰四") << monthName;
    QTest::newRow("妇女节 over 二月") << 2008 << 3 << 8 << QStringLiteral("妇女节") << festival;
    QTest::newRow("立夏 over 四月") << 2008 << 5 << 5 << QStringLiteral("立夏") << term;
    QTest::newRow("1989 七月廿九") << 1989 << 8 << 30 << QStringLiteral("廿九") << dayName;
    QTest::newRow("1989 八月") << 1989 << 8 << 31 << QStringLiteral("八月") << monthName;
    QTest::newRow("1989 七月") << 1989 << 8 << 2 << QStringLiteral("七月") << monthName;
    QTest::newRow("2013 端午节") << 2013 << 6 << 12 << QStringLiteral("端午节") << festival;
    QTest::newRow("2049 清明") << 2049 << 4 << 4 << QStringLiteral("清明") << term;
}

void DateWinTest::lowerTextByPrecedence()
{
    QFETCH(int, year);
    QFETCH(int, month);
    QFETCH(int, day);
    QFETCH(QString, text);
    QFETCH(QColor, colour);
    auto w = OpenCalendar();
    ShowMonth(*w, year, month);
    const int cell = CellOfDay(*w, day);
    QVERIFY(cell != 0);
    QCOMPARE(LunarTextCell(*w, cell)->text(), text);
    QCOMPARE(TextColour(LunarTextCell(*w, cell)), colour);
    QCOMPARE(TextColour(DayNumberCell(*w, cell)), QColor(Qt::black));
    QVERIFY(!LunarTextCell(*w, cell)->isHidden());
}

void DateWinTest::chosenThirtyFirstSurvivesShortMonths()
{
    auto w = OpenCalendar();
    ShowMonth(*w, 2008, 1);
    Click(DayNumberCell(*w, CellOfDay(*w, 31)));
    QCOMPARE(HighlightedDay(*w), 31);

    auto *months = Child<UpDown>(*w, QStringLiteral("UpDown2"));
    Click(Child<QToolButton>(*months, QStringLiteral("up")));
    QCOMPARE(Label(*w, QStringLiteral("Label17"))->text(), QStringLiteral("2"));
    QCOMPARE(HighlightedDay(*w), 29);
    QCOMPARE(Label(*w, QStringLiteral("Label22"))->text(), QStringLiteral("双鱼座"));

    Click(Child<QToolButton>(*months, QStringLiteral("up")));
    QCOMPARE(Label(*w, QStringLiteral("Label17"))->text(), QStringLiteral("3"));
    QCOMPARE(HighlightedDay(*w), 31);
    QCOMPARE(Label(*w, QStringLiteral("Label22"))->text(), QStringLiteral("白羊座"));

    // The year spinner keeps the chosen day as well: February of 2009 has 28 days.
    StepTo(*w, QStringLiteral("UpDown2"), 2);
    StepTo(*w, QStringLiteral("UpDown1"), 2009);
    QCOMPARE(HighlightedDay(*w), 28);
}

void DateWinTest::spinnersStopAtTheirLimits()
{
    auto w = OpenCalendar();
    auto *years = Child<UpDown>(*w, QStringLiteral("UpDown1"));
    auto *months = Child<UpDown>(*w, QStringLiteral("UpDown2"));
    StepTo(*w, QStringLiteral("UpDown1"), 1901);
    Click(Child<QToolButton>(*years, QStringLiteral("down")));
    QCOMPARE(years->position(), 1901);
    QCOMPARE(Label(*w, QStringLiteral("Label1"))->text(), QStringLiteral("1901"));
    QCOMPARE(Label(*w, QStringLiteral("Label20"))->text(), QStringLiteral("1901"));

    StepTo(*w, QStringLiteral("UpDown1"), 2050);
    Click(Child<QToolButton>(*years, QStringLiteral("up")));
    QCOMPARE(years->position(), 2050);
    QCOMPARE(Label(*w, QStringLiteral("Label1"))->text(), QStringLiteral("2050"));

    // The month does not wrap into the next or previous year.
    StepTo(*w, QStringLiteral("UpDown2"), 12);
    Click(Child<QToolButton>(*months, QStringLiteral("up")));
    QCOMPARE(months->position(), 12);
    QCOMPARE(Label(*w, QStringLiteral("Label17"))->text(), QStringLiteral("12"));
    QCOMPARE(Label(*w, QStringLiteral("Label1"))->text(), QStringLiteral("2050"));
    StepTo(*w, QStringLiteral("UpDown2"), 1);
    Click(Child<QToolButton>(*months, QStringLiteral("down")));
    QCOMPARE(months->position(), 1);
    QCOMPARE(Label(*w, QStringLiteral("Label1"))->text(), QStringLiteral("2050"));

    // Keys and the wheel step the same way.
    years->setFocus();
    QTest::keyClick(years, Qt::Key_Down);
    QCOMPARE(Label(*w, QStringLiteral("Label1"))->text(), QStringLiteral("2049"));
}

void DateWinTest::dayClickMovesHighlightOnly()
{
    auto w = OpenCalendar();
    ShowMonth(*w, 2008, 1);
    Click(DayNumberCell(*w, CellOfDay(*w, 5)));
    StepTo(*w, QStringLiteral("UpDown2"), 2);
    StepTo(*w, QStringLiteral("UpDown2"), 1);
    QCOMPARE(HighlightedDay(*w), 5);
    QCOMPARE(Label(*w, QStringLiteral("Label22"))->text(), QStringLiteral("摩羯座"));

    // A click on the lower text of 25 January: the highlight moves there at once ...
    Click(LunarTextCell(*w, CellOfDay(*w, 25)));
    QCOMPARE(HighlightedDay(*w), 25);
    // ... but the constellation and the month stay as filled.
    QCOMPARE(Label(*w, QStringLiteral("Label22"))->text(), QStringLiteral("摩羯座"));
    QCOMPARE(Label(*w, QStringLiteral("Label17"))->text(), QStringLiteral("1"));

    // The next fill shows the clicked day's constellation.
    StepTo(*w, QStringLiteral("UpDown2"), 2);
    StepTo(*w, QStringLiteral("UpDown2"), 1);
    QCOMPARE(HighlightedDay(*w), 25);
    QCOMPARE(Label(*w, QStringLiteral("Label22"))->text(), QStringLiteral("水瓶座"));

    // A press without release inside the label moves the highlight but chooses nothing.
    QLabel *tenth = DayNumberCell(*w, CellOfDay(*w, 10));
    QTest::mousePress(tenth, Qt::LeftButton, {}, tenth->rect().center());
    QTest::mouseRelease(tenth, Qt::LeftButton, {}, QPoint(-20, -20));
    QCOMPARE(HighlightedDay(*w), 10);
    StepTo(*w, QStringLiteral("UpDown2"), 2);
    QCOMPARE(HighlightedDay(*w), 25);
}

void DateWinTest::labelClicksChooseTheSpinner()
{
    auto w = OpenCalendar();
    auto *years = Child<UpDown>(*w, QStringLiteral("UpDown1"));
    auto *months = Child<UpDown>(*w, QStringLiteral("UpDown2"));
    Click(Label(*w, QStringLiteral("Label1")));
    QVERIFY(!years->isHidden());
    QVERIFY(months->isHidden());
    Click(Label(*w, QStringLiteral("Label17")));
    QVERIFY(years->isHidden());
    QVERIFY(!months->isHidden());
    Click(Label(*w, QStringLiteral("Label1")));
    QVERIFY(!years->isHidden());
    QVERIFY(months->isHidden());
}

void DateWinTest::todayGoesBackToToday()
{
    int year = 0, month = 0, day = 0;
    DecodeDate(Today(), year, month, day);
    auto w = OpenCalendar();
    ShowMonth(*w, 1950, month == 3 ? 4 : 3);
    Click(DayNumberCell(*w, CellOfDay(*w, 1)));
    Click(Label(*w, QStringLiteral("StaticText1")));
    QCOMPARE(Label(*w, QStringLiteral("Label1"))->text(), QString::number(year));
    QCOMPARE(Label(*w, QStringLiteral("Label17"))->text(), QString::number(month));
    QCOMPARE(Child<UpDown>(*w, QStringLiteral("UpDown1"))->position(), year);
    QCOMPARE(Child<UpDown>(*w, QStringLiteral("UpDown2"))->position(), month);
    QCOMPARE(HighlightedDay(*w), day);
    QCOMPARE(Label(*w, QStringLiteral("Label22"))->text(), QString::fromStdString(ConstellationOf(Today())));
    // The spinners work from today again.
    Click(Child<QToolButton>(*Child<UpDown>(*w, QStringLiteral("UpDown1")), QStringLiteral("down")));
    QCOMPARE(Label(*w, QStringLiteral("Label1"))->text(), QString::number(year - 1));
}

void DateWinTest::closingOnlyHides()
{
    QPointer<TFRM_Date> w = new TFRM_Date();
    w->show();
    ShowMonth(*w, 1999, 9);
    QVERIFY(w->close());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!w.isNull());
    QVERIFY(w->isHidden());
    delete w.data();
}

void DateWinTest::closesWhenAnotherWindowBecomesActive()
{
    auto w = OpenCalendar();
    w->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(w.get()));
    QWidget other;
    other.resize(100, 100);
    other.show();
    other.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&other));
    QTRY_VERIFY(w->isHidden());
}

// Also writes the window to ORLENVO_SCREENSHOT when that is set (scripts/screenshot-calendar.sh).
void DateWinTest::february2008Screenshot()
{
    auto w = OpenCalendar();
    ShowMonth(*w, 2008, 1);
    Click(DayNumberCell(*w, CellOfDay(*w, 7)));
    StepTo(*w, QStringLiteral("UpDown2"), 2);
    QCOMPARE(HighlightedDay(*w), 7);
    const QString expected[][2] = {
        {QStringLiteral("4"), QStringLiteral("立春")},
        {QStringLiteral("6"), QStringLiteral("除夕")},
        {QStringLiteral("7"), QStringLiteral("春节")},
        {QStringLiteral("21"), QStringLiteral("元宵节")},
    };
    for (const auto &pair : expected)
        QCOMPARE(LunarTextCell(*w, CellOfDay(*w, pair[0].toInt()))->text(), pair[1]);
    QCOMPARE(Label(*w, QStringLiteral("Label21"))->text(), QStringLiteral("子鼠"));
    QCOMPARE(Label(*w, QStringLiteral("Label22"))->text(), QStringLiteral("水瓶座"));

    const QString path = qEnvironmentVariable("ORLENVO_SCREENSHOT");
    if (!path.isEmpty())
        QVERIFY(w->grab().save(path));
}

ORLENVO_QTEST_MAIN(DateWinTest)
#include "DateWinTest.moc"
