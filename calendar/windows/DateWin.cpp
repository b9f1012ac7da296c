// The perpetual calendar window.
#include "calendar/windows/DateWin.h"

#include "calendar/CalendarLabels.h"
#include "calendar/windows/DayPage.h"
#include "calendar/windows/IcsExport.h"
#include "calendar/windows/huangdao.h"
#include "ui/Controls.h"
#include "ui/Fonts.h"
#include "ui/Keyboard.h"
#include "ui/Language.h"
#include "ui/Messages.h"
#include "ui/WindowSetup.h"

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QScopedValueRollback>
#include <QShowEvent>

#include <algorithm>

namespace orlenvo::calendar {

namespace {

constexpr QSize kClientSize{330, 336};

// The templates of cell 1: the day number's corner, and the lunar text one pixel further left
// and 17 pixels lower, so that the highlight, one pixel left of and below the day number, also
// lies 16 pixels above the lunar text.
constexpr QRect kDayTemplate{21, 118, 36, 16};
constexpr QRect kLunarTemplate{20, 135, 36, 12};
constexpr QRect kHighlight{20, 119, 38, 30};
// The six rows of seven cells, behind which the month and the year show large and pale.
constexpr QRect kGridArea{20, 118, 290, 191};
constexpr QRect kYearBackdrop = kGridArea.adjusted(0, 0, 0, 6);

constexpr QRect kYearNumber{12, 4, 90, 42};
constexpr QRect kYearUnit{104, 24, 14, 16};
constexpr QRect kYearSpinner{120, 10, 17, 34};
constexpr QRect kMonthNumber{146, 4, 46, 42};
constexpr QRect kMonthUnit{194, 24, 14, 16};
constexpr QRect kMonthSpinner{210, 10, 17, 34};
constexpr QRect kTodayButton{266, 16, 48, 22};
constexpr QRect kZodiac{14, 50, 130, 44};
constexpr QRect kConstellation{180, 60, 134, 28};
// The weekday headings of the first column, above and below the grid.
constexpr QRect kHeadingAbove{20, 98, 38, 14};
constexpr QRect kHeadingBelow{20, 312, 38, 14};

constexpr QColor kWhite{0xFF, 0xFF, 0xFF};
constexpr QColor kBlack{0x00, 0x00, 0x00};
constexpr QColor kRed{0xFF, 0x00, 0x00};
constexpr QColor kBlue{0x00, 0x00, 0xFF};
constexpr QColor kMonthColour{0x80, 0x80, 0xC0};
constexpr QColor kPaleMonthColour{0xEB, 0xEB, 0xEB};
constexpr QColor kPaleYearColour{0xFF, 0xE8, 0xDD};
constexpr QColor kZodiacColour{0xDD, 0xDD, 0xFF};
constexpr QColor kConstellationColour{0xFF, 0x80, 0xFF};
constexpr QColor kHighlightColour{0x7E, 0xE2, 0x81};
constexpr QColor kLunarDayColour{0x00, 0x40, 0x00};

QString Number(int value)
{
    return QString::number(value);
}

// Today, or the same day of the nearest year of 1901-2050 when today lies outside that
// span: the year spinner cannot hold another year and the lunar tables end there.
CalendarDate TodayInSpan()
{
    int year = 0, month = 0, day = 0;
    DecodeDate(Today(), year, month, day);
    if (year >= kFirstTableYear && year <= kLastTableYear)
        return EncodeDate(year, month, day);
    return ClampedDate(std::clamp(year, kFirstTableYear, kLastTableYear), month, day);
}

QLabel *StyledLabel(QWidget *parent, const QString &name, const QRect &geometry, Qt::Alignment alignment,
                    const QFont &font, const QColor &colour)
{
    QLabel *label = ui::MakeLabel(parent, name, QString(), geometry, alignment);
    label->setFont(font);
    ui::SetTextColour(label, colour);
    return label;
}

// The shown year or month: a large number that a click (or Enter and Space after Tab) lets
// the user change; a screen reader calls it by `spokenName` with the number.
ui::PressableLabel *ClickableNumber(QWidget *parent, const QString &name, const QRect &geometry, const QFont &font,
                                    const QColor &colour, const QString &tip, const QString &spokenName)
{
    auto *label = new ui::PressableLabel(ui::PressableLabel::Kind::Button, parent);
    ui::SetUpLabel(label, name, QString(), geometry, Qt::AlignRight | Qt::AlignVCenter);
    ui::SetSpokenName(label, spokenName);
    label->setFont(font);
    ui::SetTextColour(label, colour);
    label->setToolTip(tip);
    return label;
}

ui::UpDown *Spinner(QWidget *parent, const QString &name, const QRect &geometry, int minimum, int maximum,
                    const QString &spokenName)
{
    auto *spinner = new ui::UpDown(parent);
    spinner->setObjectName(name);
    spinner->setGeometry(geometry);
    spinner->setRange(minimum, maximum);
    ui::SetSpokenName(spinner, spokenName);
    return spinner;
}

}  // namespace

TFRM_Date::TFRM_Date(QWidget *parent) : QDialog(parent)
{
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setFont(ui::Font(QStringLiteral("宋体"), ui::Pixels{12}));
    ui::SetBackgroundColour(this, kWhite);
    setAutoFillBackground(true);
    ui::SetUpWindow(this, {QStringLiteral("FRM_Date"), QStringLiteral("Kestrin日历"), kClientSize, true});
    // In this order, which is the order of drawing: the backdrop beneath the highlight beneath the grid.
    MakeBackdrop();
    MakeHeader();
    MakeSignLabels();
    MakeWeekdayRows();
    MakeTemplates();
    UpDown1->setFocus();  // when the window opens, the arrow keys step the year
    FormCreate();
}

void TFRM_Date::MakeBackdrop()
{
    Label16 = StyledLabel(this, QStringLiteral("Label16"), kGridArea, Qt::AlignCenter,
                          ui::Font(QStringLiteral("Arial Black"), ui::Pixels{120}), kPaleMonthColour);
    Label20 = StyledLabel(this, QStringLiteral("Label20"), kYearBackdrop, Qt::AlignRight | Qt::AlignBottom,
                          ui::Font(QStringLiteral("Arial Black"), ui::Pixels{64}), kPaleYearColour);
    Shape2 = new QFrame(this);
    Shape2->setObjectName(QStringLiteral("Shape2"));
    Shape2->setGeometry(kHighlight);
    ui::SetBackgroundColour(Shape2, kHighlightColour);
    Shape2->setAutoFillBackground(true);
}

void TFRM_Date::MakeHeader()
{
    auto *year = ClickableNumber(this, QStringLiteral("Label1"), kYearNumber,
                                 ui::Font(QStringLiteral("Arial Black"), ui::Pixels{29}), kBlue,
                                 ui::Tr(QStringLiteral("单击改变年份")), ui::Tr(QStringLiteral("%1年")));
    Label1 = year;
    Label19 = ui::MakeLabel(this, QStringLiteral("Label19"), QStringLiteral("年"), kYearUnit);
    UpDown1 = Spinner(this, QStringLiteral("UpDown1"), kYearSpinner, kFirstTableYear, kLastTableYear,
                      ui::Tr(QStringLiteral("年")));
    auto *month = ClickableNumber(this, QStringLiteral("Label17"), kMonthNumber,
                                  ui::Font(QStringLiteral("Arial"), ui::Pixels{32}, true), kMonthColour,
                                  ui::Tr(QStringLiteral("单击改变月份")), ui::Tr(QStringLiteral("%1月")));
    Label17 = month;
    Label18 = ui::MakeLabel(this, QStringLiteral("Label18"), QStringLiteral("月"), kMonthUnit);
    UpDown2 = Spinner(this, QStringLiteral("UpDown2"), kMonthSpinner, 1, 12, ui::Tr(QStringLiteral("月")));
    auto *today = new ui::PressableLabel(ui::PressableLabel::Kind::Button, this);
    StaticText1 =
        ui::SetUpLabel(today, QStringLiteral("StaticText1"), QStringLiteral("今天"), kTodayButton, Qt::AlignCenter);
    StaticText1->setFrameStyle(QFrame::Panel | QFrame::Sunken);

    connect(year, &ui::PressableLabel::clicked, this, ui::Guard(this, &TFRM_Date::Label1Click));
    connect(month, &ui::PressableLabel::clicked, this, ui::Guard(this, &TFRM_Date::Label17Click));
    connect(today, &ui::PressableLabel::clicked, this, ui::Guard(this, &TFRM_Date::StaticText1Click));
    connect(UpDown1, &ui::UpDown::clicked, this, ui::Guard(this, &TFRM_Date::UpDown1Click));
    connect(UpDown2, &ui::UpDown::clicked, this, ui::Guard(this, &TFRM_Date::UpDown2Click));
}

void TFRM_Date::MakeSignLabels()
{
    Label21 = StyledLabel(this, QStringLiteral("Label21"), kZodiac, Qt::AlignLeft | Qt::AlignVCenter,
                          ui::Font(QStringLiteral("隶书"), ui::Pixels{35}, true), kZodiacColour);
    Label22 = StyledLabel(this, QStringLiteral("Label22"), kConstellation, Qt::AlignRight | Qt::AlignVCenter,
                          ui::Font(QStringLiteral("黑体"), ui::Pixels{19}, true), kConstellationColour);
}

void TFRM_Date::MakeWeekdayRows()
{
    for (int i = 0; i < DayGrid::kColumns; ++i) {
        const QString name = QString::fromUtf8(WeekdayName(i + 1));
        const QColor colour = i == 0 || i == DayGrid::kColumns - 1 ? kRed : kBlack;
        const int step = i * DayGrid::kColumnStep;
        Label2to8[i] = ui::MakeLabel(this, QStringLiteral("Label%1").arg(2 + i), name,
                                     kHeadingAbove.translated(step, 0), Qt::AlignCenter);
        ui::SetTextColour(Label2to8[i], colour);
        Label9to15[i] = ui::MakeLabel(this, QStringLiteral("Label%1").arg(9 + i), name,
                                      kHeadingBelow.translated(step, 0), Qt::AlignCenter);
        ui::SetTextColour(Label9to15[i], colour);
    }
}

void TFRM_Date::MakeTemplates()
{
    day1 = StyledLabel(this, QStringLiteral("day1"), kDayTemplate, Qt::AlignCenter,
                       ui::Font(QStringLiteral("Arial Black"), ui::Pixels{14}), kBlack);
    day1->hide();
    Cnday = StyledLabel(this, QStringLiteral("Cnday"), kLunarTemplate, Qt::AlignCenter,
                        ui::Font(QStringLiteral("宋体"), ui::Pixels{12}), kLunarDayColour);
    Cnday->hide();
}

void TFRM_Date::FormCreate()
{
    dayGrid_ = new DayGrid(this, *day1, *Cnday, Shape2);
    connect(dayGrid_, &DayGrid::DayChosen, this, [this](CalendarDate date) { DayCellClick(date); });
    // An arrow key that leaves the month shows the new month as "今天" shows today.
    connect(dayGrid_, &DayGrid::MonthLeft, this, [this](CalendarDate date) {
        SelectedDate = date;
        FormShow();
    });
    connect(dayGrid_, &DayGrid::DayActivated, this, [this](CalendarDate date) { OpenAlmanacOf(date); });
    // A new choice of good days fills the shown month again.
    connect(dayGrid_, &DayGrid::GoodDaysChanged, this, ui::Guard([this] {
                if (dayGrid_->ChosenDate() != 0)
                    FillMonth(dayGrid_->ChosenDate());
            }));
    connect(dayGrid_, &DayGrid::MenuClosed, this, ui::Guard(this, &TFRM_Date::CloseIfInactive));
    // The day page takes over as the almanac does: the calendar closes.
    dayGrid_->AddDayAction(ui::Tr(QStringLiteral("当日黄历详情…")), [this](CalendarDate date) {
        close();
        OpenDayPage(parentWidget(), date);
    });
    dayGrid_->AddDayAction(ui::Tr(QStringLiteral("导出到日历文件…")), [this](CalendarDate) { ExportToCalendarFile(); });
    dayGrid_->AddDayAction(ui::Tr(QStringLiteral("导入节假日安排…")),
                           [this](CalendarDate) { ImportHolidayArrangement(); });
    SelectedDate = TodayInSpan();
}

void TFRM_Date::FormShow()
{
    int year = 0, month = 0, day = 0;
    DecodeDate(SelectedDate, year, month, day);
    CurrentYear = static_cast<std::uint16_t>(year);
    CurrentMonth = static_cast<std::uint16_t>(month);
    CurrentDay = static_cast<std::uint16_t>(day);
    UpDown1->setPosition(CurrentYear);
    UpDown2->setPosition(CurrentMonth);
    FillMonth(SelectedDate);
}

void TFRM_Date::FillMonth(CalendarDate date)
{
    int year = 0, month = 0, day = 0;
    DecodeDate(date, year, month, day);
    Label20->setText(Number(year));
    Label1->setText(Number(year));
    Label17->setText(Number(month));
    Label16->setText(Label17->text());
    Label21->setText(QString::fromStdString(ZodiacAnimalOf(date)));
    dayGrid_->ShowMonth(date);
    Label22->setText(QString::fromStdString(ConstellationOf(EncodeDate(year, month, day))));
}

// The grid has moved the highlight to the clicked day already.
void TFRM_Date::DayCellClick(CalendarDate date)
{
    int year = 0, month = 0, day = 0;
    DecodeDate(date, year, month, day);
    CurrentDay = static_cast<std::uint16_t>(day);
    SelectedDate = EncodeDate(CurrentYear, CurrentMonth, CurrentDay);
}

void TFRM_Date::UpDown1Click()
{
    CurrentYear = static_cast<std::uint16_t>(UpDown1->position());
    FillMonth(ClampedDate(CurrentYear, CurrentMonth, CurrentDay));
}

void TFRM_Date::UpDown2Click()
{
    CurrentMonth = static_cast<std::uint16_t>(UpDown2->position());
    FillMonth(ClampedDate(CurrentYear, CurrentMonth, CurrentDay));
}

void TFRM_Date::Label1Click()
{
    UpDown1->show();
    UpDown2->hide();
}

void TFRM_Date::Label17Click()
{
    UpDown2->show();
    UpDown1->hide();
}

void TFRM_Date::StaticText1Click()
{
    SelectedDate = TodayInSpan();
    FormShow();
}

// Closes the calendar, as losing the activation does, and opens the day's almanac.
void TFRM_Date::OpenAlmanacOf(CalendarDate date)
{
    int year = 0, month = 0, day = 0;
    DecodeDate(date, year, month, day);
    close();
    QWidget *window = openAlmanacWindow ? openAlmanacWindow() : OpenAlmanacWindow(parentWidget());
    if (auto *almanac = qobject_cast<TFormHuangdao *>(window))
        almanac->ShowDay(year, month, day);
}

// This year and the next, with the good days the grid marks.
void TFRM_Date::ExportToCalendarFile()
{
    const QScopedValueRollback<bool> open(fileDialogOpen_, true);
    OpenIcsExportDialog(this, GregorianDateOf(Today()).year, dayGrid_->GoodDays());
}

// An import changes the 休/班 marks and the notes of the shown month.
void TFRM_Date::ImportHolidayArrangement()
{
    const QScopedValueRollback<bool> open(fileDialogOpen_, true);
    if (ImportHolidaysFromUser(this) && dayGrid_->ChosenDate() != 0)
        FillMonth(dayGrid_->ChosenDate());
}

void TFRM_Date::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        ui::Guarded([this] { FormShow(); });
}

// The calendar is a glance window: it closes as soon as another window takes over, but not
// while its grid's menu, the export dialog or the import has the input.
void TFRM_Date::changeEvent(QEvent *event)
{
    QDialog::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isVisible() && !isActiveWindow() && !dayGrid_->MenuOpen() &&
        !fileDialogOpen_)
        close();
}

// After the grid's menu: another window may have taken over while it was open.
void TFRM_Date::CloseIfInactive()
{
    if (isVisible() && !isActiveWindow() && QApplication::activeWindow() != nullptr &&
        QApplication::activePopupWidget() == nullptr)
        close();
}

}  // namespace orlenvo::calendar
