// The perpetual calendar's month grid.
#include "calendar/windows/DayGrid.h"

#include "calendar/CalendarLabels.h"
#include "ui/Controls.h"
#include "ui/Fonts.h"
#include "ui/Language.h"
#include "ui/Messages.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QActionGroup>
#include <QContextMenuEvent>
#include <QFocusEvent>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>

#include <algorithm>
#include <utility>

namespace orlenvo::calendar {

namespace {

// Places relative to the corner of a cell's day number.
constexpr QPoint kHighlightOffset{-1, 1};       // the highlight and the focus mark
constexpr QRect kGoodDayFrame{-3, -1, 42, 33};  // around the cell, clear of its texts
constexpr QRect kHolidayMark{29, -1, 11, 11};   // top right, right of the widest number

const QString kGoodDayFrameStyle = QStringLiteral("QFrame { border: 2px solid %1; background: transparent; }");
const QString kFocusMarkStyle = QStringLiteral("QFrame { border: 1px dashed #000000; background: transparent; }");

constexpr int kDayNumberPoints = 11;  // the day numbers' size after a fill

constexpr QColor kBlack{0x00, 0x00, 0x00};
constexpr QColor kWhite{0xFF, 0xFF, 0xFF};
constexpr QColor kLunarDayColour{0x00, 0x40, 0x00};
constexpr QColor kMonthNameColour{0xFF, 0x00, 0x00};
constexpr QColor kFestivalColour{0xFF, 0x80, 0x00};
constexpr QColor kSolarTermColour{0x53, 0x53, 0xFF};
constexpr QColor kRestMarkColour{0xE0, 0x30, 0x1E};     // 休: white on red
constexpr QColor kWorkdayMarkColour{0x4A, 0x4A, 0x4A};  // 班: white on dark grey
constexpr QColor kGoodDayColour{0xD4, 0x23, 0x7A};      // the frame of a marked good day

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

QString DetailText(const std::vector<std::string> &lines)
{
    QStringList text;
    for (const std::string &line : lines)
        text << QString::fromStdString(line);
    return text.join(QLatin1Char('\n'));
}

int DayOf(CalendarDate date)
{
    int year = 0, month = 0, day = 0;
    DecodeDate(date, year, month, day);
    return day;
}

// A cell label like `model`, moved by `step` from it.
QLabel *CellLabel(QWidget *grid, const QString &name, const QLabel &model, QPoint step, const QColor &colour)
{
    auto *label = new QLabel(grid);
    label->setObjectName(name);
    label->setFont(model.font());
    label->setAlignment(model.alignment());
    ui::SetTextColour(label, colour);
    label->setGeometry(model.geometry().translated(step));
    label->hide();
    return label;
}

// A mark over the cells that lets the mouse through to them; hidden until a day has it.
template <typename T>
T *Mark(QWidget *grid, const QString &name, const QRect &geometry, const QString &styleSheet = QString())
{
    auto *mark = new T(grid);
    mark->setObjectName(name);
    mark->setGeometry(geometry);
    if (!styleSheet.isEmpty())
        mark->setStyleSheet(styleSheet);
    mark->setAttribute(Qt::WA_TransparentForMouseEvents);
    mark->hide();
    return mark;
}

// Checkable items of which at most one is checked; each item's data is its place in `texts`.
QActionGroup *Choices(QMenu *menu, const QStringList &texts)
{
    auto *group = new QActionGroup(menu);
    group->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
    for (int i = 0; i < texts.size(); ++i) {
        QAction *action = menu->addAction(ui::Tr(texts[i]));
        action->setCheckable(true);
        action->setData(i);
        group->addAction(action);
    }
    return group;
}

// A screen reader or magnifier finds the grid where its cells are, not over the whole window.
class GridAccessible final : public QAccessibleWidget {
public:
    explicit GridAccessible(DayGrid *grid) : QAccessibleWidget(grid), grid_(grid) {}
    QRect rect() const override
    {
        const QRect area = grid_->CellArea();
        return QRect(grid_->mapToGlobal(area.topLeft()), area.size());
    }

private:
    DayGrid *grid_;
};

QAccessibleInterface *GridAccessibleFactory(const QString &className, QObject *object)
{
    if (className == QLatin1String("orlenvo::calendar::DayGrid"))
        return new GridAccessible(static_cast<DayGrid *>(object));
    return nullptr;
}

}  // namespace

DayGrid::DayGrid(QWidget *window, const QLabel &dayTemplate, const QLabel &lunarTemplate, QFrame *highlight)
    : QWidget(window), lunarDayColour_(lunarTemplate.palette().color(QPalette::WindowText)), highlight_(highlight)
{
    static const bool accessible = (QAccessible::installFactory(&GridAccessibleFactory), true);
    (void)accessible;
    setObjectName(QStringLiteral("DayGrid"));
    setGeometry(window->rect());
    setFocusPolicy(Qt::TabFocus);  // a press on a cell gives the focus, not one beside the cells
    setAccessibleDescription(ui::Tr(QStringLiteral("方向键选择日期，回车打开当日黄历，菜单键标记吉日")));
    BuildCells(dayTemplate, lunarTemplate);
    BuildMarks();
    BuildMenu();
    // The window's controls around the cells stay within reach of the mouse.
    QRect drawn = CellArea();
    for (const QLabel *mark : holidayMarks_)
        drawn |= mark->geometry();
    setMask(drawn);
}

void DayGrid::BuildCells(const QLabel &dayTemplate, const QLabel &lunarTemplate)
{
    for (int i = 0; i < kCellCount; ++i) {
        const QPoint step(i % kColumns * kColumnStep, i / kColumns * kRowStep);
        DayNumberCells[i] = CellLabel(this, QStringLiteral("DayNumberCell%1").arg(i + 1), dayTemplate, step, kBlack);
        LunarTextCells[i] =
            CellLabel(this, QStringLiteral("LunarTextCell%1").arg(i + 1), lunarTemplate, step, kLunarDayColour);
        DayNumberCells[i]->installEventFilter(this);
        LunarTextCells[i]->installEventFilter(this);
    }
}

void DayGrid::BuildMarks()
{
    for (int i = 0; i < kCellCount; ++i) {
        const QPoint corner = DayNumberCells[i]->pos();
        goodDayMarks_[i] =
            Mark<QFrame>(this, QStringLiteral("GoodDayMark%1").arg(i + 1), kGoodDayFrame.translated(corner),
                         kGoodDayFrameStyle.arg(kGoodDayColour.name()));
        goodDayMarks_[i]->stackUnder(DayNumberCells[0]);  // over the highlight and beneath the texts
        QLabel *mark = holidayMarks_[i] =
            Mark<QLabel>(this, QStringLiteral("HolidayMark%1").arg(i + 1), kHolidayMark.translated(corner));
        mark->setTextFormat(Qt::PlainText);
        mark->setAlignment(Qt::AlignCenter);
        mark->setFont(ui::Font(QStringLiteral("宋体"), ui::Pixels{10}));
        mark->setAutoFillBackground(true);
        ui::SetTextColour(mark, kWhite);
    }
    focusMark_ = Mark<QFrame>(this, QStringLiteral("FocusMark"), QRect(QPoint(), highlight_->size()), kFocusMarkStyle);
}

void DayGrid::BuildMenu()
{
    menu_ = new QMenu(this);
    menu_->setObjectName(QStringLiteral("GridMenu"));
    QStringList activities, animals;
    for (const char *activity : kGoodDayActivities)
        activities << QString::fromUtf8(activity);
    for (int branch = 0; branch < 12; ++branch)
        animals << QString::fromUtf8(BranchAnimal(branch));
    activityChoices_ = Choices(menu_->addMenu(ui::Tr(QStringLiteral("宜…"))), activities);
    animalChoices_ = Choices(menu_->addMenu(ui::Tr(QStringLiteral("不冲属相"))), animals);
    QAction *clear = menu_->addAction(ui::Tr(QStringLiteral("清除标记")));
    connect(activityChoices_, &QActionGroup::triggered, this, ui::Guard(this, &DayGrid::GoodDaysChosen));
    connect(animalChoices_, &QActionGroup::triggered, this, ui::Guard(this, &DayGrid::GoodDaysChosen));
    connect(clear, &QAction::triggered, this, ui::Guard([this] {
                for (QActionGroup *group : {activityChoices_, animalChoices_})
                    for (QAction *action : group->actions())
                        action->setChecked(false);
                GoodDaysChosen();
            }));
}

QAction *DayGrid::AddDayAction(const QString &text, std::function<void(CalendarDate)> chosen)
{
    if (dayActions_ == nullptr)
        dayActions_ = menu_->addSeparator();
    QAction *action = menu_->addAction(text);
    connect(action, &QAction::triggered, this,
            [this, chosen = std::move(chosen)] { ui::Guarded([&] { chosen(menuDay_); }); });
    return action;
}

QRect DayGrid::CellArea() const
{
    QRect area;
    for (const QFrame *frame : goodDayMarks_)
        area |= frame->geometry();
    return area;
}

void DayGrid::ShowMonth(CalendarDate date)
{
    int year = 0, month = 0, day = 0;
    DecodeDate(date, year, month, day);
    chosen_ = EncodeDate(year, month, day);
    for (int i = 0; i < kCellCount; ++i)
        ResetCell(i);
    const QString reason = QString::fromStdString(GoodDayReason(goodDays_));
    for (int d = 1, length = MonthLength(year, month); d <= length; ++d)
        FillCell(EncodeDate(year, month, d), reason);
    highlight_->move(HighlightCorner(CellOfDate(chosen_)));
    ShowChosenDay();
}

void DayGrid::ResetCell(int cell)
{
    QLabel *number = DayNumberCells[cell];
    QLabel *lunar = LunarTextCells[cell];
    for (QLabel *label : {number, lunar}) {
        label->hide();
        ui::SetTextColour(label, kBlack);
        ui::SetBackgroundColour(label, palette().color(QPalette::Window));
        label->setToolTip(QString());
        label->setAccessibleName(QString());
    }
    if (number->font().pointSize() != kDayNumberPoints) {
        QFont font = number->font();
        font.setPointSize(kDayNumberPoints);
        number->setFont(font);
    }
    holidayMarks_[cell]->hide();
    goodDayMarks_[cell]->hide();
}

// The lower text is, by precedence, the lunar festival, else the solar term, else the Gregorian
// festival, else the lunar month's name on its first day, else the lunar day's name.
void DayGrid::FillCell(CalendarDate date, const QString &goodDayReason)
{
    const int cell = CellOfDate(date);
    QLabel *number = DayNumberCells[cell];
    QLabel *lunar = LunarTextCells[cell];
    const int day = DayOf(date);
    number->setText(QString::number(day));
    number->setProperty("tag", day);
    lunar->setProperty("tag", day);
    const DayCell label = DayCellLabel(date);
    lunar->setText(QString::fromStdString(label.text));
    ui::SetTextColour(lunar, ColourOf(label.kind, lunarDayColour_));
    number->show();
    lunar->show();
    FillDetails(cell, date, goodDayReason);
}

// The day's details as tooltip and spoken name, its good-day mark and its 休/班 mark.
void DayGrid::FillDetails(int cell, CalendarDate date, const QString &goodDayReason)
{
    const DayDetails details = DayDetailsOf(date);
    QString text = DetailText(DayDetailLines(details));
    if (IsGoodDay(details, goodDays_)) {
        text += QLatin1Char('\n') + goodDayReason;
        goodDayMarks_[cell]->show();
    }
    DayNumberCells[cell]->setToolTip(text);
    LunarTextCells[cell]->setToolTip(text);
    DayNumberCells[cell]->setAccessibleName(text);
    if (details.holiday.kind == HolidayKind::None)
        return;
    QLabel *mark = holidayMarks_[cell];
    mark->setText(QString::fromUtf8(HolidayMark(details.holiday.kind)));
    ui::SetBackgroundColour(mark, details.holiday.kind == HolidayKind::Rest ? kRestMarkColour : kWorkdayMarkColour);
    mark->show();
    mark->raise();
}

// The 0-based cell that shows `date`, or -1 when the date lies outside the shown month.
int DayGrid::CellOfDate(CalendarDate date) const
{
    int year = 0, month = 0, day = 0, shownYear = 0, shownMonth = 0, chosenDay = 0;
    DecodeDate(date, year, month, day);
    DecodeDate(chosen_, shownYear, shownMonth, chosenDay);
    if (chosen_ == 0 || year != shownYear || month != shownMonth)
        return -1;
    return day + DayOfWeek(EncodeDate(year, month, 1)) - 2;  // cell d + w - 1, 0-based
}

// The date of a shown cell: its tag's day of the shown month.
CalendarDate DayGrid::DateOfCell(int cell) const
{
    return chosen_ + DayNumberCells[cell]->property("tag").toInt() - DayOf(chosen_);
}

// The cell of which `label` is the day number or the lunar text, or -1.
int DayGrid::CellOfLabel(const QObject *label) const
{
    for (int i = 0; i < kCellCount; ++i)
        if (DayNumberCells[i] == label || LunarTextCells[i] == label)
            return i;
    return -1;
}

// Where the highlight lies behind a cell: one pixel left of and below its day number's corner,
// which is also the lunar text's left edge, 16 pixels above its top.
QPoint DayGrid::HighlightCorner(int cell) const
{
    return DayNumberCells[cell]->pos() + kHighlightOffset;
}

bool DayGrid::eventFilter(QObject *watched, QEvent *event)
{
    const int cell = CellOfLabel(watched);
    if (cell < 0)
        return QWidget::eventFilter(watched, event);
    return CellMouseEvent(static_cast<QWidget *>(watched), cell, event);
}

// A press on either label of a cell moves the highlight there, a click chooses its day, a
// double-click also activates it, and a right-click opens the menu for it.
bool DayGrid::CellMouseEvent(const QWidget *label, int cell, QEvent *event)
{
    // The mouse's events only: the cast is made once the type is known.
    const auto mouse = [event] { return static_cast<const QMouseEvent *>(event); };
    switch (event->type()) {
    case QEvent::MouseButtonPress:
        setFocus(Qt::MouseFocusReason);
        DayCellMouseDown(cell);
        return false;
    case QEvent::MouseButtonRelease:
        if (mouse()->button() == Qt::LeftButton && label->rect().contains(mouse()->position().toPoint()))
            ui::Guarded([&] { DayCellClick(cell); });
        return false;
    case QEvent::MouseButtonDblClick:
        if (mouse()->button() != Qt::LeftButton)
            return false;
        ui::Guarded([&] {
            DayCellMouseDown(cell);
            DayCellClick(cell);
            emit DayActivated(chosen_);
        });
        return true;
    case QEvent::ContextMenu:
        OpenMenu(DateOfCell(cell), static_cast<QContextMenuEvent *>(event)->globalPos());
        return true;
    default: return false;
    }
}

void DayGrid::DayCellMouseDown(int cell)
{
    highlight_->move(HighlightCorner(cell));
}

void DayGrid::DayCellClick(int cell)
{
    chosen_ = DateOfCell(cell);
    ShowChosenDay();
    emit DayChosen(chosen_);
}

// The focus mark and the grid's spoken name follow the chosen day.
void DayGrid::ShowChosenDay()
{
    const int cell = CellOfDate(chosen_);
    if (cell < 0 || DayNumberCells[cell]->isHidden())
        return;
    setAccessibleName(DayNumberCells[cell]->toolTip().split(QLatin1Char('\n')).join(QStringLiteral("，")));
    focusMark_->move(HighlightCorner(cell));
    focusMark_->raise();
    focusMark_->setVisible(hasFocus() && focusByKeyboard_);
    if (hasFocus()) {
        QAccessibleEvent changed(this, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&changed);
    }
}

void DayGrid::focusInEvent(QFocusEvent *event)
{
    NoteFocus(event);
    QWidget::focusInEvent(event);
}

void DayGrid::focusOutEvent(QFocusEvent *event)
{
    NoteFocus(event);
    QWidget::focusOutEvent(event);
}

void DayGrid::NoteFocus(const QFocusEvent *event)
{
    const Qt::FocusReason reason = event->reason();
    if (reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason)
        focusByKeyboard_ = event->gotFocus() && (reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason ||
                                                 reason == Qt::ShortcutFocusReason);
    ShowChosenDay();
}

void DayGrid::keyPressEvent(QKeyEvent *event)
{
    focusByKeyboard_ = true;
    bool handled = false;
    ui::Guarded([&] { handled = GridKeyPress(event); });
    if (!handled)
        QWidget::keyPressEvent(event);
}

// Arrows step a day or a week, Enter activates the chosen day, the menu key and Shift+F10 open
// the menu for it.
bool DayGrid::GridKeyPress(const QKeyEvent *key)
{
    if (chosen_ == 0)
        return false;
    constexpr std::pair<int, int> kSteps[] = {
        {Qt::Key_Left, -1}, {Qt::Key_Right, 1}, {Qt::Key_Up, -7}, {Qt::Key_Down, 7}};
    for (const auto &[arrow, days] : kSteps)
        if (key->key() == arrow) {
            MoveChosenDay(days);
            return true;
        }
    if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
        emit DayActivated(chosen_);
        return true;
    }
    if (key->key() == Qt::Key_Menu || (key->key() == Qt::Key_F10 && key->modifiers() == Qt::ShiftModifier)) {
        OpenMenuOfChosenDay();
        return true;
    }
    return false;
}

// As a click on the day `days` away would; a day in another month is the window's to show.
void DayGrid::MoveChosenDay(int days)
{
    const CalendarDate to = std::clamp(chosen_ + days, kFirstTableDate, kLastTableDate);
    const int cell = CellOfDate(to);
    if (cell < 0) {
        emit MonthLeft(to);
        return;
    }
    DayCellMouseDown(cell);
    DayCellClick(cell);
}

// The menu key as the platform reports it; a right-click beside the cells is the window's.
void DayGrid::contextMenuEvent(QContextMenuEvent *event)
{
    if (event->reason() == QContextMenuEvent::Mouse || chosen_ == 0) {
        event->ignore();
        return;
    }
    OpenMenuOfChosenDay();
}

// At the focus mark's bottom right corner.
void DayGrid::OpenMenuOfChosenDay()
{
    OpenMenu(chosen_, mapToGlobal(focusMark_->geometry().bottomRight()));
}

void DayGrid::OpenMenu(CalendarDate day, const QPoint &globalPos)
{
    if (menuOpen_)
        return;
    menuDay_ = day;
    menuOpen_ = true;
    menu_->exec(globalPos);
    menuOpen_ = false;
    emit MenuClosed();
}

void DayGrid::GoodDaysChosen()
{
    const QAction *activity = activityChoices_->checkedAction();
    const QAction *animal = animalChoices_->checkedAction();
    goodDays_.activity = activity != nullptr ? kGoodDayActivities[activity->data().toInt()] : std::string();
    goodDays_.animal = animal != nullptr ? animal->data().toInt() : -1;
    emit GoodDaysChanged();
}

}  // namespace orlenvo::calendar
