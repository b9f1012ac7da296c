// The perpetual calendar window: one Gregorian month with lunar days, festivals and solar
// terms, stepped by year and month from 1901 to 2050.
#pragma once

#include "calendar/DayDetails.h"
#include "calendar/LunarCalendar.h"
#include "ui/UpDown.h"

#include <QDialog>
#include <QWidget>

#include <array>
#include <cstdint>
#include <functional>

class QActionGroup;
class QEvent;
class QFrame;
class QKeyEvent;
class QLabel;
class QMenu;

namespace orlenvo::calendar {

class TFRM_Date final : public QDialog {
    Q_OBJECT
public:
    static constexpr int kCellCount = 37;

    explicit TFRM_Date(QWidget *parent = nullptr);

    // Shows the month that contains date, with date's day as the chosen day.
    void FillMonth(CalendarDate date);

    // Opens an almanac window the way the command "黄道吉日" does and returns it; when unset, the
    // calendar opens one over its parent itself.
    std::function<QWidget *()> openAlmanacWindow;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void FormCreate();
    void FormShow();
    void BuildGrid();
    void DayCellMouseDown(QLabel *cell);
    void DayCellClick(QLabel *cell);
    void UpDown1Click();
    void UpDown2Click();
    void Label1Click();
    void Label17Click();
    void StaticText1Click();

    CalendarDate SelectedDate = 0;
    std::uint16_t CurrentYear = 0;
    std::uint16_t CurrentMonth = 0;
    std::uint16_t CurrentDay = 0;

    // Cell i of the grid is DayNumberCells[i - 1] above LunarTextCells[i - 1].
    std::array<QLabel *, kCellCount> DayNumberCells{};
    std::array<QLabel *, kCellCount> LunarTextCells{};

    QLabel *Label1;
    QLabel *Label19;
    ui::UpDown *UpDown1;
    QLabel *Label17;
    QLabel *Label18;
    ui::UpDown *UpDown2;
    QLabel *StaticText1;
    std::array<QLabel *, 7> Label2to8{};
    std::array<QLabel *, 7> Label9to15{};
    QLabel *Label20;
    QLabel *Label16;
    QLabel *Label21;
    QLabel *Label22;
    QFrame *Shape2;
    QLabel *day1;
    QLabel *Cnday;

    // Beyond the day cells' texts: each day's details as tooltip and accessible name, the 休/班 mark
    // of the holidays, the good-day marks of the right-click menu, double-click or Enter to the
    // day's almanac, and the grid's keyboard focus.
    void BuildDayExtras();
    void FillDayExtras(int year, int month, int chosenDay);
    void ChosenDayChanged(int day);
    bool DayExtrasEvent(QObject *watched, QEvent *event);
    bool GridKeyPress(const QKeyEvent *key);
    void MoveChosenDay(int days);
    void OpenAlmanacOfChosenDay();
    void ShowGridMenu(const QPoint &globalPos);
    void GoodDaysChosen();
    int CellOfDay(int day) const;  // 0-based cell of a day of the shown month, or -1

    int shownYear_ = 0;  // the month of the last fill and its chosen day, the one under the highlight
    int shownMonth_ = 0;
    int chosenDay_ = 0;
    GoodDayQuery goodDays_;
    std::array<QString, kCellCount> cellDetails_;
    std::array<QLabel *, kCellCount> holidayMarks_{};
    std::array<QFrame *, kCellCount> goodDayMarks_{};
    QWidget *dayGrid_ = nullptr;
    QFrame *focusMark_ = nullptr;
    QMenu *gridMenu_ = nullptr;
    QActionGroup *activityChoices_ = nullptr;
    QActionGroup *animalChoices_ = nullptr;
    bool gridMenuOpen_ = false;
    bool gridFocusByKeyboard_ = false;  // the focus mark shows only once the keyboard gave or used the focus
};

}  // namespace orlenvo::calendar
