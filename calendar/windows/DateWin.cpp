// The perpetual calendar window.
#include "calendar/windows/DateWin.h"

#include "calendar/CalendarLabels.h"
#include "calendar/windows/huangdao.h"
#include "ui/Controls.h"
#include "ui/Fonts.h"
#include "ui/Keyboard.h"
#include "ui/Messages.h"
#include "ui/WindowSetup.h"

#include <QAccessible>
#include <QActionGroup>
#include <QApplication>
#include <QContextMenuEvent>
#include <QFocusEvent>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QShowEvent>

#include <algorithm>
#include <utility>

namespace orlenvo::calendar {

namespace {

constexpr int kClientWidth = 330;
constexpr int kClientHeight = 336;

// Cell 1 of the grid: the day-number template's corner; the lunar-text template sits one
// pixel further left and 17 pixels lower, so that the highlight, placed one pixel left of
// and below the day number, also lies 16 pixels above the lunar text.
constexpr int kGridLeft = 21;
constexpr int kGridTop = 118;
constexpr int kColumnStep = 42;
constexpr int kRowStep = 32;

constexpr QColor kWhite{0xFF, 0xFF, 0xFF};
constexpr QColor kBlack{0x00, 0x00, 0x00};
constexpr QColor kRed{0xFF, 0x00, 0x00};
constexpr QColor kBlue{0x00, 0x00, 0xFF};
constexpr QColor kLunarDayColour{0x00, 0x40, 0x00};
constexpr QColor kMonthNameColour{0xFF, 0x00, 0x00};
constexpr QColor kFestivalColour{0xFF, 0x80, 0x00};
constexpr QColor kSolarTermColour{0x53, 0x53, 0xFF};
constexpr QColor kHighlightColour{0x7E, 0xE2, 0x81};

QColor ColourOf(DayCellKind kind, const QColor &lunarDay)
{
    switch (kind) {
    case DayCellKind::MonthName: return kMonthNameColour;
    case DayCellKind::GregorianFestival:
    case DayCellKind::LunarFestival: return kFestivalColour;
    case DayCellKind::SolarTerm: return kSolarTermColour;
    case DayCellKind::LunarDay: break;
    }
    return lunarDay;
}

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

ui::UpDown *Spinner(QWidget *parent, const QString &name, const QRect &geometry, int minimum, int maximum)
{
    auto *spinner = new ui::UpDown(parent);
    spinner->setObjectName(name);
    spinner->setGeometry(geometry);
    spinner->setRange(minimum, maximum);
    return spinner;
}

}  // namespace

TFRM_Date::TFRM_Date(QWidget *parent) : QDialog(parent)
{
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setFont(ui::Font(QStringLiteral("宋体"), ui::Pixels{12}));
    ui::SetBackgroundColour(this, kWhite);
    setAutoFillBackground(true);
    ui::SetUpWindow(
        this, {QStringLiteral("FRM_Date"), QStringLiteral("Kestrin日历"), QSize(kClientWidth, kClientHeight), true});

    // Created first so that they lie beneath the highlight and the grid.
    const QRect gridArea(kGridLeft - 1, kGridTop, 6 * kColumnStep + 38, 5 * kRowStep + 31);
    Label16 = ui::MakeLabel(this, QStringLiteral("Label16"), QString(), gridArea, Qt::AlignCenter);
    Label16->setFont(ui::Font(QStringLiteral("Arial Black"), ui::Pixels{120}));
    ui::SetTextColour(Label16, QColor(0xEB, 0xEB, 0xEB));
    Label20 = ui::MakeLabel(this, QStringLiteral("Label20"), QString(), gridArea.adjusted(0, 0, 0, 6),
                            Qt::AlignRight | Qt::AlignBottom);
    Label20->setFont(ui::Font(QStringLiteral("Arial Black"), ui::Pixels{64}));
    ui::SetTextColour(Label20, QColor(0xFF, 0xE8, 0xDD));

    Shape2 = new QFrame(this);
    Shape2->setObjectName(QStringLiteral("Shape2"));
    Shape2->setGeometry(kGridLeft - 1, kGridTop + 1, 38, 30);
    ui::SetBackgroundColour(Shape2, kHighlightColour);
    Shape2->setAutoFillBackground(true);

    auto *year = ClickableNumber(this, QStringLiteral("Label1"), QRect(12, 4, 90, 42),
                                 ui::Font(QStringLiteral("Arial Black"), ui::Pixels{29}), kBlue,
                                 QStringLiteral("单击改变年份"), QStringLiteral("%1年"));
    Label1 = year;
    Label19 = ui::MakeLabel(this, QStringLiteral("Label19"), QStringLiteral("年"), QRect(104, 24, 14, 16));
    UpDown1 = Spinner(this, QStringLiteral("UpDown1"), QRect(120, 10, 17, 34), kFirstTableYear, kLastTableYear);
    ui::SetSpokenName(UpDown1, QStringLiteral("年"));

    auto *month = ClickableNumber(this, QStringLiteral("Label17"), QRect(146, 4, 46, 42),
                                  ui::Font(QStringLiteral("Arial"), ui::Pixels{32}, true), QColor(0x80, 0x80, 0xC0),
                                  QStringLiteral("单击改变月份"), QStringLiteral("%1月"));
    Label17 = month;
    Label18 = ui::MakeLabel(this, QStringLiteral("Label18"), QStringLiteral("月"), QRect(194, 24, 14, 16));
    UpDown2 = Spinner(this, QStringLiteral("UpDown2"), QRect(210, 10, 17, 34), 1, 12);
    ui::SetSpokenName(UpDown2, QStringLiteral("月"));

    auto *today = new ui::PressableLabel(ui::PressableLabel::Kind::Button, this);
    StaticText1 = ui::SetUpLabel(today, QStringLiteral("StaticText1"), QStringLiteral("今天"), QRect(266, 16, 48, 22),
                                 Qt::AlignCenter);
    StaticText1->setFrameStyle(QFrame::Panel | QFrame::Sunken);

    Label21 = ui::MakeLabel(this, QStringLiteral("Label21"), QString(), QRect(14, 50, 130, 44));
    Label21->setFont(ui::Font(QStringLiteral("隶书"), ui::Pixels{35}, true));
    ui::SetTextColour(Label21, QColor(0xDD, 0xDD, 0xFF));
    Label22 = ui::MakeLabel(this, QStringLiteral("Label22"), QString(), QRect(180, 60, 134, 28),
                            Qt::AlignRight | Qt::AlignVCenter);
    Label22->setFont(ui::Font(QStringLiteral("黑体"), ui::Pixels{19}, true));
    ui::SetTextColour(Label22, QColor(0xFF, 0x80, 0xFF));

    for (int i = 0; i < 7; ++i) {
        const QString name = QString::fromUtf8(WeekdayName(i + 1));
        const QColor colour = i == 0 || i == 6 ? kRed : kBlack;
        const int left = kGridLeft - 1 + i * kColumnStep;
        Label2to8[i] =
            ui::MakeLabel(this, QStringLiteral("Label%1").arg(2 + i), name, QRect(left, 98, 38, 14), Qt::AlignCenter);
        ui::SetTextColour(Label2to8[i], colour);
        Label9to15[i] =
            ui::MakeLabel(this, QStringLiteral("Label%1").arg(9 + i), name, QRect(left, 312, 38, 14), Qt::AlignCenter);
        ui::SetTextColour(Label9to15[i], colour);
    }

    day1 = ui::MakeLabel(this, QStringLiteral("day1"), QString(), QRect(kGridLeft, kGridTop, 36, 16), Qt::AlignCenter);
    day1->setFont(ui::Font(QStringLiteral("Arial Black"), ui::Pixels{14}));
    ui::SetTextColour(day1, kBlack);
    day1->hide();
    Cnday = ui::MakeLabel(this, QStringLiteral("Cnday"), QString(), QRect(kGridLeft - 1, kGridTop + 17, 36, 12),
                          Qt::AlignCenter);
    Cnday->setFont(ui::Font(QStringLiteral("宋体"), ui::Pixels{12}));
    ui::SetTextColour(Cnday, kLunarDayColour);
    Cnday->hide();

    connect(year, &ui::PressableLabel::clicked, this, ui::Guard(this, &TFRM_Date::Label1Click));
    connect(month, &ui::PressableLabel::clicked, this, ui::Guard(this, &TFRM_Date::Label17Click));
    connect(today, &ui::PressableLabel::clicked, this, ui::Guard(this, &TFRM_Date::StaticText1Click));
    UpDown1->setFocus();  // when the window opens, the arrow keys step the year
    connect(UpDown1, &ui::UpDown::clicked, this, ui::Guard(this, &TFRM_Date::UpDown1Click));
    connect(UpDown2, &ui::UpDown::clicked, this, ui::Guard(this, &TFRM_Date::UpDown2Click));

    FormCreate();
}

void TFRM_Date::FormCreate()
{
    BuildGrid();
    BuildDayExtras();
    SelectedDate = TodayInSpan();
}

void TFRM_Date::BuildGrid()
{
    for (int i = 0; i < kCellCount; ++i) {
        auto *number = new QLabel(this);
        number->setObjectName(QStringLiteral("DayNumberCell%1").arg(i + 1));
        number->setFont(day1->font());
        number->setAlignment(day1->alignment());
        ui::SetTextColour(number, kBlack);
        auto *lunar = new QLabel(this);
        lunar->setObjectName(QStringLiteral("LunarTextCell%1").arg(i + 1));
        lunar->setFont(Cnday->font());
        lunar->setAlignment(Cnday->alignment());
        ui::SetTextColour(lunar, kLunarDayColour);

        if (i == 0) {
            number->setGeometry(day1->geometry());
            lunar->setGeometry(Cnday->geometry());
        } else if (i % 7 == 0) {
            number->setGeometry(QRect(QPoint(day1->x(), DayNumberCells[i - 1]->y() + kRowStep), day1->size()));
            lunar->setGeometry(QRect(QPoint(Cnday->x(), LunarTextCells[i - 1]->y() + kRowStep), Cnday->size()));
        } else {
            number->setGeometry(DayNumberCells[i - 1]->geometry().translated(kColumnStep, 0));
            lunar->setGeometry(LunarTextCells[i - 1]->geometry().translated(kColumnStep, 0));
        }
        number->hide();
        lunar->hide();
        number->installEventFilter(this);
        lunar->installEventFilter(this);
        DayNumberCells[i] = number;
        LunarTextCells[i] = lunar;
    }
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
    int year = 0, month = 0, chosenDay = 0;
    DecodeDate(date, year, month, chosenDay);
    Label20->setText(Number(year));
    Label1->setText(Number(year));
    Label17->setText(Number(month));
    Label16->setText(Label17->text());
    Label21->setText(QString::fromStdString(ZodiacAnimalOf(date)));

    for (int i = 0; i < kCellCount; ++i) {
        QLabel *number = DayNumberCells[i];
        QLabel *lunar = LunarTextCells[i];
        number->hide();
        lunar->hide();
        ui::SetTextColour(number, kBlack);
        ui::SetTextColour(lunar, kBlack);
        if (number->font().pointSize() != 11) {
            QFont font = number->font();
            font.setPointSize(11);
            number->setFont(font);
        }
        ui::SetBackgroundColour(number, palette().color(QPalette::Window));
        ui::SetBackgroundColour(lunar, palette().color(QPalette::Window));
    }

    const int firstWeekday = DayOfWeek(EncodeDate(year, month, 1));
    const int length = MonthLength(year, month);
    for (int d = 1; d <= length; ++d) {
        const int cell = d + firstWeekday - 2;  // 0-based index of cell d + w - 1
        QLabel *number = DayNumberCells[cell];
        QLabel *lunar = LunarTextCells[cell];
        const CalendarDate x = EncodeDate(year, month, d);

        number->setText(Number(d));
        number->setProperty("tag", d);
        lunar->setProperty("tag", d);

        const DayCell label = DayCellLabel(x);
        lunar->setText(QString::fromStdString(label.text));
        ui::SetTextColour(lunar, ColourOf(label.kind, Cnday->palette().color(QPalette::WindowText)));

        if (d == chosenDay) {
            Shape2->move(number->x() - 1, number->y() + 1);
            Label22->setText(QString::fromStdString(ConstellationOf(x)));
        }
        number->show();
        lunar->show();
    }
    FillDayExtras(year, month, chosenDay);
}

void TFRM_Date::DayCellMouseDown(QLabel *cell)
{
    if (std::find(DayNumberCells.begin(), DayNumberCells.end(), cell) != DayNumberCells.end())
        Shape2->move(cell->x() - 1, cell->y() + 1);
    else
        Shape2->move(cell->x(), cell->y() - 16);
}

void TFRM_Date::DayCellClick(QLabel *cell)
{
    CurrentDay = static_cast<std::uint16_t>(cell->property("tag").toInt());
    SelectedDate = EncodeDate(CurrentYear, CurrentMonth, CurrentDay);
    ChosenDayChanged(CurrentDay);
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

bool TFRM_Date::eventFilter(QObject *watched, QEvent *event)
{
    if (DayExtrasEvent(watched, event))
        return true;
    auto *label = qobject_cast<QLabel *>(watched);
    if (label == nullptr)
        return QDialog::eventFilter(watched, event);
    const bool isCell = std::find(DayNumberCells.begin(), DayNumberCells.end(), label) != DayNumberCells.end() ||
                        std::find(LunarTextCells.begin(), LunarTextCells.end(), label) != LunarTextCells.end();

    if (event->type() == QEvent::MouseButtonPress) {
        if (isCell)
            DayCellMouseDown(label);
        return false;
    }
    if (event->type() == QEvent::MouseButtonRelease) {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        if (mouse->button() != Qt::LeftButton || !label->rect().contains(mouse->position().toPoint()))
            return false;
        if (isCell)
            ui::Guarded([&] { DayCellClick(label); });
        return false;
    }
    return QDialog::eventFilter(watched, event);
}

void TFRM_Date::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        ui::Guarded([this] { FormShow(); });
}

void TFRM_Date::changeEvent(QEvent *event)
{
    QDialog::changeEvent(event);
    // The calendar is a glance window: it closes as soon as another window takes over.
    if (event->type() == QEvent::ActivationChange && isVisible() && !isActiveWindow() && !gridMenuOpen_)
        close();
}

// Day details, holiday marks, good-day marks, the almanac of a day and the keyboard on the grid.

namespace {

constexpr QColor kRestMarkColour{0xE0, 0x30, 0x1E};     // 休: white on red
constexpr QColor kWorkdayMarkColour{0x4A, 0x4A, 0x4A};  // 班: white on dark grey
constexpr QColor kGoodDayColour{0xD4, 0x23, 0x7A};      // the frame of a marked good day

QString DetailText(const std::vector<std::string> &lines)
{
    QStringList text;
    for (const std::string &line : lines)
        text << QString::fromStdString(line);
    return text.join(QLatin1Char('\n'));
}

}  // namespace

void TFRM_Date::BuildDayExtras()
{
    for (int i = 0; i < kCellCount; ++i) {
        QLabel *number = DayNumberCells[i];
        // A frame around the cell, over the highlight and beneath the texts; the texts keep clear of it.
        auto *frame = new QFrame(this);
        frame->setObjectName(QStringLiteral("GoodDayMark%1").arg(i + 1));
        frame->setGeometry(number->x() - 3, number->y() - 1, 42, 33);
        frame->setStyleSheet(
            QStringLiteral("QFrame { border: 2px solid %1; background: transparent; }").arg(kGoodDayColour.name()));
        frame->setAttribute(Qt::WA_TransparentForMouseEvents);
        frame->stackUnder(DayNumberCells[0]);
        frame->hide();
        goodDayMarks_[i] = frame;
        // 休 or 班 in the day number's top right corner, right of the widest number.
        auto *mark = ui::MakeLabel(this, QStringLiteral("HolidayMark%1").arg(i + 1), QString(),
                                   QRect(number->x() + 29, number->y() - 1, 11, 11), Qt::AlignCenter);
        mark->setFont(ui::Font(QStringLiteral("宋体"), ui::Pixels{10}));
        mark->setAutoFillBackground(true);
        ui::SetTextColour(mark, kWhite);
        mark->setAttribute(Qt::WA_TransparentForMouseEvents);
        mark->hide();
        holidayMarks_[i] = mark;
    }

    // The grid takes the keyboard focus: it lies under the cells and lets the mouse through to them.
    dayGrid_ = new QWidget(this);
    dayGrid_->setObjectName(QStringLiteral("DayGrid"));
    dayGrid_->setGeometry(kGridLeft - 3, kGridTop - 1, 6 * kColumnStep + 42, 5 * kRowStep + 33);
    dayGrid_->setFocusPolicy(Qt::StrongFocus);
    dayGrid_->setAttribute(Qt::WA_TransparentForMouseEvents);
    dayGrid_->setAccessibleDescription(QStringLiteral("方向键选择日期，回车打开当日黄历，菜单键标记吉日"));
    dayGrid_->installEventFilter(this);
    focusMark_ = new QFrame(this);
    focusMark_->setObjectName(QStringLiteral("FocusMark"));
    focusMark_->setStyleSheet(QStringLiteral("QFrame { border: 1px dashed #000000; background: transparent; }"));
    focusMark_->setAttribute(Qt::WA_TransparentForMouseEvents);
    focusMark_->resize(Shape2->size());
    focusMark_->hide();

    gridMenu_ = new QMenu(this);
    gridMenu_->setObjectName(QStringLiteral("GridMenu"));
    QMenu *activities = gridMenu_->addMenu(QStringLiteral("宜…"));
    activityChoices_ = new QActionGroup(gridMenu_);
    activityChoices_->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
    for (const char *activity : kGoodDayActivities) {
        QAction *action = activities->addAction(QString::fromUtf8(activity));
        action->setCheckable(true);
        activityChoices_->addAction(action);
    }
    QMenu *animals = gridMenu_->addMenu(QStringLiteral("不冲属相"));
    animalChoices_ = new QActionGroup(gridMenu_);
    animalChoices_->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
    for (int branch = 0; branch < 12; ++branch) {
        QAction *action = animals->addAction(QString::fromUtf8(BranchAnimal(branch)));
        action->setCheckable(true);
        action->setData(branch);
        animalChoices_->addAction(action);
    }
    QAction *clear = gridMenu_->addAction(QStringLiteral("清除标记"));
    connect(activityChoices_, &QActionGroup::triggered, this, ui::Guard(this, &TFRM_Date::GoodDaysChosen));
    connect(animalChoices_, &QActionGroup::triggered, this, ui::Guard(this, &TFRM_Date::GoodDaysChosen));
    connect(clear, &QAction::triggered, this, ui::Guard([this] {
                for (QActionGroup *group : {activityChoices_, animalChoices_})
                    for (QAction *action : group->actions())
                        action->setChecked(false);
                GoodDaysChosen();
            }));
}

void TFRM_Date::FillDayExtras(int year, int month, int chosenDay)
{
    shownYear_ = year;
    shownMonth_ = month;
    for (int i = 0; i < kCellCount; ++i) {
        holidayMarks_[i]->hide();
        goodDayMarks_[i]->hide();
        cellDetails_[i].clear();
        for (QLabel *label : {DayNumberCells[i], LunarTextCells[i]}) {
            label->setToolTip(QString());
            label->setAccessibleName(QString());
        }
    }
    const QString reason = QString::fromStdString(GoodDayReason(goodDays_));
    const int length = MonthLength(year, month);
    for (int d = 1; d <= length; ++d) {
        const int i = CellOfDay(d);
        const DayDetails details = DayDetailsOf(EncodeDate(year, month, d));
        QString text = DetailText(DayDetailLines(details));
        if (IsGoodDay(details, goodDays_)) {
            text += QLatin1Char('\n') + reason;
            goodDayMarks_[i]->show();
        }
        cellDetails_[i] = text;
        DayNumberCells[i]->setToolTip(text);
        LunarTextCells[i]->setToolTip(text);
        DayNumberCells[i]->setAccessibleName(text);
        if (details.holiday.kind != HolidayKind::None) {
            QLabel *mark = holidayMarks_[i];
            mark->setText(QString::fromUtf8(HolidayMark(details.holiday.kind)));
            ui::SetBackgroundColour(mark,
                                    details.holiday.kind == HolidayKind::Rest ? kRestMarkColour : kWorkdayMarkColour);
            mark->show();
            mark->raise();
        }
    }
    ChosenDayChanged(chosenDay);
}

int TFRM_Date::CellOfDay(int day) const
{
    if (shownMonth_ < 1 || day < 1 || day > MonthLength(shownYear_, shownMonth_))
        return -1;
    return day + DayOfWeek(EncodeDate(shownYear_, shownMonth_, 1)) - 2;
}

// The grid and its focus mark follow the chosen day: the day under the highlight.
void TFRM_Date::ChosenDayChanged(int day)
{
    const int cell = CellOfDay(day);
    if (cell < 0 || DayNumberCells[cell]->isHidden())
        return;
    chosenDay_ = day;
    const QString name = cellDetails_[cell].split(QLatin1Char('\n')).join(QStringLiteral("，"));
    dayGrid_->setAccessibleName(name);
    focusMark_->move(DayNumberCells[cell]->x() - 1, DayNumberCells[cell]->y() + 1);
    focusMark_->raise();
    focusMark_->setVisible(dayGrid_->hasFocus() && gridFocusByKeyboard_);
    if (dayGrid_->hasFocus()) {
        QAccessibleEvent changed(dayGrid_, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&changed);
    }
}

bool TFRM_Date::DayExtrasEvent(QObject *watched, QEvent *event)
{
    if (watched == dayGrid_) {
        if (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut) {
            const Qt::FocusReason reason = static_cast<QFocusEvent *>(event)->reason();
            if (reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason)
                gridFocusByKeyboard_ = event->type() == QEvent::FocusIn &&
                                       (reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason ||
                                        reason == Qt::ShortcutFocusReason);
            ChosenDayChanged(chosenDay_);
            return false;
        }
        if (event->type() == QEvent::KeyPress) {
            gridFocusByKeyboard_ = true;
            bool handled = false;
            ui::Guarded([&] { handled = GridKeyPress(static_cast<QKeyEvent *>(event)); });
            return handled;
        }
        if (event->type() == QEvent::ContextMenu) {
            const QPoint corner = focusMark_->geometry().bottomRight();
            ShowGridMenu(mapToGlobal(corner));
            return true;
        }
        return false;
    }
    auto *label = qobject_cast<QLabel *>(watched);
    const bool isCell = label != nullptr && label->property("tag").isValid() &&
                        (std::find(DayNumberCells.begin(), DayNumberCells.end(), label) != DayNumberCells.end() ||
                         std::find(LunarTextCells.begin(), LunarTextCells.end(), label) != LunarTextCells.end());
    if (!isCell)
        return false;
    if (event->type() == QEvent::MouseButtonPress) {
        dayGrid_->setFocus(Qt::MouseFocusReason);
        return false;
    }
    if (event->type() == QEvent::MouseButtonDblClick && static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton) {
        ui::Guarded([&] {
            DayCellMouseDown(label);
            DayCellClick(label);
            OpenAlmanacOfChosenDay();
        });
        return true;
    }
    if (event->type() == QEvent::ContextMenu) {
        ShowGridMenu(static_cast<QContextMenuEvent *>(event)->globalPos());
        return true;
    }
    return false;
}

bool TFRM_Date::GridKeyPress(const QKeyEvent *key)
{
    // Arrows step a day or a week.
    constexpr std::pair<int, int> kSteps[] = {
        {Qt::Key_Left, -1}, {Qt::Key_Right, 1}, {Qt::Key_Up, -7}, {Qt::Key_Down, 7}};
    for (const auto &[arrow, days] : kSteps)
        if (key->key() == arrow) {
            MoveChosenDay(days);
            return true;
        }
    if (key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter)
        return false;
    OpenAlmanacOfChosenDay();
    return true;
}

// As a click on the day `days` away would, crossing into the neighbouring month by filling it.
void TFRM_Date::MoveChosenDay(int days)
{
    if (shownMonth_ < 1)
        return;
    const CalendarDate from = EncodeDate(shownYear_, shownMonth_, chosenDay_);
    const CalendarDate to =
        std::clamp(from + days, EncodeDate(kFirstTableYear, 1, 1), EncodeDate(kLastTableYear, 12, 31));
    int year = 0, month = 0, day = 0;
    DecodeDate(to, year, month, day);
    if (year == shownYear_ && month == shownMonth_ && year == CurrentYear && month == CurrentMonth) {
        QLabel *cell = DayNumberCells[CellOfDay(day)];
        DayCellMouseDown(cell);
        DayCellClick(cell);
        return;
    }
    CurrentYear = static_cast<std::uint16_t>(year);
    CurrentMonth = static_cast<std::uint16_t>(month);
    CurrentDay = static_cast<std::uint16_t>(day);
    SelectedDate = to;
    UpDown1->setPosition(CurrentYear);
    UpDown2->setPosition(CurrentMonth);
    FillMonth(to);
}

// Closes the calendar, as losing the activation does, and opens the chosen day's almanac.
void TFRM_Date::OpenAlmanacOfChosenDay()
{
    int year = 0, month = 0, day = 0;
    DecodeDate(SelectedDate, year, month, day);
    close();
    QWidget *window = openAlmanacWindow ? openAlmanacWindow() : OpenAlmanacWindow(parentWidget());
    if (auto *almanac = qobject_cast<TFormHuangdao *>(window))
        almanac->ShowDay(year, month, day);
}

void TFRM_Date::ShowGridMenu(const QPoint &globalPos)
{
    // The menu takes the input while it is open: the calendar must not close as if it lost it.
    gridMenuOpen_ = true;
    gridMenu_->exec(globalPos);
    gridMenuOpen_ = false;
    if (isVisible() && !isActiveWindow() && QApplication::activeWindow() != nullptr &&
        QApplication::activePopupWidget() == nullptr)
        close();
}

void TFRM_Date::GoodDaysChosen()
{
    const QAction *activity = activityChoices_->checkedAction();
    const QAction *animal = animalChoices_->checkedAction();
    goodDays_.activity = activity != nullptr ? ui::ToUtf8(activity->text()) : std::string();
    goodDays_.animal = animal != nullptr ? animal->data().toInt() : -1;
    if (shownMonth_ >= 1)
        FillMonth(EncodeDate(shownYear_, shownMonth_, chosenDay_));
}

}  // namespace orlenvo::calendar
