// The perpetual calendar's month grid: its day cells, each day's details as tooltip, the 休/班 and
// good-day marks, the keyboard on the grid with its focus mark, and the context menu of a day.
#pragma once

#include "calendar/DayDetails.h"
#include "calendar/LunarCalendar.h"

#include <QColor>
#include <QWidget>

#include <array>
#include <functional>

class QAction;
class QActionGroup;
class QContextMenuEvent;
class QFocusEvent;
class QFrame;
class QKeyEvent;
class QLabel;
class QMenu;

namespace orlenvo::calendar {

class DayGrid final : public QWidget {
    Q_OBJECT
public:
    // 37 cells hold a month of 31 days whose first day falls on a Saturday.
    static constexpr int kCellCount = 37;
    static constexpr int kColumns = 7;      // Sunday first
    static constexpr int kColumnStep = 42;  // from a cell's left edge to the next one's
    static constexpr int kRowStep = 32;     // from a cell's top edge to the one below

    // Spans `window`, so that its cells share the window's coordinates with the templates and
    // the highlight, but takes the mouse only over its cells. Cell 1 takes the places, fonts and
    // alignments of the two templates; `highlight`, the frame behind the chosen day, is a
    // control of the window beneath the grid.
    DayGrid(QWidget *window, const QLabel &dayTemplate, const QLabel &lunarTemplate, QFrame *highlight);

    // Shows the month of `date` with date's day as the chosen day.
    void ShowMonth(CalendarDate date);

    // The chosen day of the shown month; 0 before the first ShowMonth.
    CalendarDate ChosenDate() const { return chosen_; }

    // True while the context menu is open: it has the input then, not the window.
    bool MenuOpen() const { return menuOpen_; }

    // The good days the menu marks (no activity: none).
    const GoodDayQuery &GoodDays() const { return goodDays_; }

    // Adds an item to the end of the context menu; choosing it calls `chosen` with the day the
    // menu was opened for (the right-clicked day, or the chosen day from the keyboard).
    QAction *AddDayAction(const QString &text, std::function<void(CalendarDate)> chosen);

    // The rectangle of the cells and their good-day frames, in the grid's (the window's)
    // coordinates.
    QRect CellArea() const;

signals:
    void DayChosen(CalendarDate date);     // a click on a day, or an arrow key within the month
    void MonthLeft(CalendarDate date);     // an arrow key stepped to `date` in another month
    void DayActivated(CalendarDate date);  // a double-click or Enter on the chosen day
    void GoodDaysChanged();                // the menu's choice of good days changed
    void MenuClosed();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    void BuildCells(const QLabel &dayTemplate, const QLabel &lunarTemplate);
    void BuildMarks();
    void BuildMenu();
    void ResetCell(int cell);
    void FillCell(CalendarDate date, const QString &goodDayReason);
    void FillDetails(int cell, CalendarDate date, const QString &goodDayReason);
    int CellOfDate(CalendarDate date) const;
    int CellOfLabel(const QObject *label) const;
    QPoint HighlightCorner(int cell) const;
    CalendarDate DateOfCell(int cell) const;
    bool CellMouseEvent(const QWidget *label, int cell, QEvent *event);
    void DayCellMouseDown(int cell);
    void DayCellClick(int cell);
    void ShowChosenDay();
    void NoteFocus(const QFocusEvent *event);
    bool GridKeyPress(const QKeyEvent *key);
    void MoveChosenDay(int days);
    void OpenMenu(CalendarDate day, const QPoint &globalPos);
    void OpenMenuOfChosenDay();
    void GoodDaysChosen();

    // Cell i of the grid (0-based here) is DayNumberCells[i] above LunarTextCells[i]; each
    // label's "tag" property holds the day it shows.
    std::array<QLabel *, kCellCount> DayNumberCells{};
    std::array<QLabel *, kCellCount> LunarTextCells{};
    std::array<QLabel *, kCellCount> holidayMarks_{};
    std::array<QFrame *, kCellCount> goodDayMarks_{};
    QColor lunarDayColour_;  // the lunar-text template's
    QFrame *highlight_;
    QFrame *focusMark_ = nullptr;
    QMenu *menu_ = nullptr;
    QAction *dayActions_ = nullptr;  // the separator before the items of AddDayAction
    QActionGroup *activityChoices_ = nullptr;
    QActionGroup *animalChoices_ = nullptr;

    CalendarDate chosen_ = 0;   // the shown month and its chosen day, the one under the highlight
    CalendarDate menuDay_ = 0;  // the day the open (or last) menu is for
    GoodDayQuery goodDays_;
    bool menuOpen_ = false;
    bool focusByKeyboard_ = false;  // the focus mark shows only once the keyboard gave or used the focus
};

}  // namespace orlenvo::calendar
