// The almanac window: looks one day up in the table huangdao of QorvFile.dll and lays the
// entry out as labelled lines, above a glossary of almanac terms.
#pragma once

#include "calendar/LunarCalendar.h"
#include "data/Query.h"

#include <QWidget>

class QComboBox;
class QGroupBox;
class QLabel;
class QMenu;
class QPlainTextEdit;
class QPushButton;

namespace orlenvo::calendar {

// A top-level window that opens without blocking and releases itself when closed.
class TFormHuangdao final : public QWidget {
    Q_OBJECT
public:
    explicit TFormHuangdao(QWidget *parent = nullptr);

    // "测算": checks the chosen date and looks it up. A failed database open is not caught.
    void RzBitBtn1Click();

    // Chooses year, month and day in the lists ("2008", "08", "07") and looks the day up.
    void ShowDay(int year, int month, int day);

    // The day of the entry shown, or 0 before the first found day.
    CalendarDate ShownDate() const { return shownDate_; }

private:
    // The right-click menu of Label1 and Memo1 (Memo1's own commands first): "当日黄历详情…" opens the
    // day page of the day shown.
    void ShowDayMenu(QWidget *control, const QPoint &pos);
    void OpenDayPageOfShownDay();

    void FormCreate();
    void RzBitBtn2Click();

    QLabel *Label2;
    QComboBox *SYear;
    QLabel *Label3;
    QComboBox *SMonth;
    QLabel *Label4;
    QComboBox *Sday;
    QLabel *Label5;
    QPushButton *RzBitBtn1;
    QPushButton *RzBitBtn2;
    QLabel *Label6;
    QLabel *Label1;
    QGroupBox *GroupBox1;
    QPlainTextEdit *Memo1;
    QGroupBox *GroupBox2;
    QPlainTextEdit *Memo2;

    Query ADOQuery1;
    CalendarDate shownDate_ = 0;
};

// Creates a new almanac window over `parent` and shows it without blocking.
TFormHuangdao *OpenAlmanacWindow(QWidget *parent);

}  // namespace orlenvo::calendar
