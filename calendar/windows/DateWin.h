// The perpetual calendar window: one Gregorian month with lunar days, festivals and solar
// terms, stepped by year and month from 1901 to 2050.
#pragma once

#include "calendar/LunarCalendar.h"
#include "calendar/windows/DayGrid.h"
#include "ui/UpDown.h"

#include <QDialog>
#include <QWidget>

#include <array>
#include <cstdint>
#include <functional>

class QEvent;
class QFrame;
class QLabel;

namespace orlenvo::calendar {

class TFRM_Date final : public QDialog {
    Q_OBJECT
public:
    static constexpr int kCellCount = DayGrid::kCellCount;

    explicit TFRM_Date(QWidget *parent = nullptr);

    // Shows the month that contains date, with date's day as the chosen day.
    void FillMonth(CalendarDate date);

    // Opens an almanac window the way the command "黄道吉日" does and returns it; when unset, the
    // calendar opens one over its parent itself.
    std::function<QWidget *()> openAlmanacWindow;

protected:
    void showEvent(QShowEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void MakeBackdrop();
    void MakeHeader();
    void MakeSignLabels();
    void MakeWeekdayRows();
    void MakeTemplates();
    void FormCreate();
    void FormShow();
    void DayCellClick(CalendarDate date);
    void UpDown1Click();
    void UpDown2Click();
    void Label1Click();
    void Label17Click();
    void StaticText1Click();
    void OpenAlmanacOf(CalendarDate date);
    void CloseIfInactive();
    // The grid menu's "导出到日历文件…" and "导入节假日安排…".
    void ExportToCalendarFile();
    void ImportHolidayArrangement();

    CalendarDate SelectedDate = 0;
    std::uint16_t CurrentYear = 0;
    std::uint16_t CurrentMonth = 0;
    std::uint16_t CurrentDay = 0;

    // The day cells (DayNumberCells and LunarTextCells), their marks, keys and menu.
    DayGrid *dayGrid_ = nullptr;
    bool fileDialogOpen_ = false;  // the export or import has the input, and the calendar stays open

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
};

}  // namespace orlenvo::calendar
