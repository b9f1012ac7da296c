// The day page window: everything the almanac says of one day (its date lines, 值神, mansion, the
// directions of five spirits, the four almanac lists and the thirteen hours), stepped day by day.
#pragma once

#include "calendar/LunarCalendar.h"

#include <QDateTime>
#include <QWidget>

#include <array>
#include <functional>

class QGroupBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QTableWidget;

namespace orlenvo {
struct DayPage;
class DayPageRules;
}  // namespace orlenvo

namespace orlenvo::calendar {

// A top-level window that opens without blocking and releases itself when closed. Page Up and Page
// Down step a day back and on, as the two buttons do, within 1901-2050; Escape closes it.
class TFormDayPage final : public QWidget {
    Q_OBJECT
public:
    explicit TFormDayPage(QWidget *parent = nullptr);

    // Shows the page of date, brought into 1901-01-01 ... 2050-12-31.
    void ShowDay(CalendarDate date);
    CalendarDate ShownDate() const { return shownDate_; }

    // The local date and time; the page of today highlights the current hour. Tests set it.
    std::function<QDateTime()> now = [] { return QDateTime::currentDateTime(); };

protected:
    void changeEvent(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void MakeHeader();
    void MakeDetails();
    void MakeSpirits();
    void MakeLists();
    void MakeHours();
    void ShowSpirits(const DayPage &page, const DayPageRules &rules);
    void ShowHours(const DayPage &page, const DayPageRules &rules);
    int CurrentHourRow() const;
    void PreviousDayClick();
    void NextDayClick();
    bool StepKey(const QKeyEvent *key);

    QPushButton *PreviousDay;
    QPushButton *NextDay;
    QPushButton *CloseButton;
    QLabel *DateCaption;
    QLabel *DateLine;
    QGroupBox *DetailsBox;
    QLabel *DetailLines;
    QGroupBox *SpiritsBox;
    std::array<QLabel *, 7> spiritCaptions_{};  // 值神, 星宿, then the five directions
    std::array<QLabel *, 7> spiritValues_{};
    QGroupBox *ListsBox;
    QPlainTextEdit *Lists;
    QGroupBox *HoursBox;
    QTableWidget *Hours;
    QLabel *HoursNote;

    CalendarDate shownDate_ = 0;
    int highlightedRow_ = -1;  // the current hour's row, -1 on another day's page
};

// Creates a day page over `parent` showing date and shows it without blocking.
TFormDayPage *OpenDayPage(QWidget *parent, CalendarDate date);

}  // namespace orlenvo::calendar
