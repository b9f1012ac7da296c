// Exporting the calendar's days to an iCalendar file and importing holiday data, as the perpetual
// calendar's right-click menu offers them ("导出到日历文件…", "导入节假日安排…").
#pragma once

#include "calendar/CalendarExport.h"

#include <QDialog>
#include <QString>

#include <functional>

class QCheckBox;
class QComboBox;
class QDialogButtonBox;
class QGroupBox;
class QLayout;
class QLineEdit;
class QListWidget;
class QPushButton;
class QSpinBox;

namespace orlenvo::calendar {

// The export dialog: the years, the kinds of days, the good days (the calendar's marks
// pre-selected), lunar anniversaries to add; "导出…" asks for the file and writes it.
class IcsExportDialog final : public QDialog {
    Q_OBJECT
public:
    IcsExportDialog(QWidget *parent, int year, const GoodDayQuery &goodDayMarks);

    // What the controls choose.
    ExportChoice Choice() const;

    // Asks for the file to write, given the suggested path; "" cancels. When unset, a Chinese save
    // dialog.
    std::function<QString(const QString &suggested)> chooseFile;

    // Asks for the file, writes it and tells the result; closes the dialog once written.
    void ExportClick();

private:
    QLayout *MakeYears(int year);
    QGroupBox *MakeKinds(const GoodDayQuery &goodDayMarks);
    QGroupBox *MakeAnniversaries();
    void MakeAnniversaryEntry(QGroupBox *lunar);
    QDialogButtonBox *MakeButtons();
    void AddAnniversaryClick();
    void RemoveAnniversaryClick();

    QSpinBox *fromYear_;
    QSpinBox *toYear_;
    QCheckBox *holidays_;
    QCheckBox *terms_;
    QCheckBox *festivals_;
    QCheckBox *goodDays_;
    QComboBox *activity_;
    QComboBox *animal_;
    QLineEdit *anniversaryTitle_;
    QComboBox *anniversaryMonth_;
    QComboBox *anniversaryDay_;
    QCheckBox *anniversaryLeap_;
    QListWidget *anniversaries_;
    QPushButton *export_;
    std::vector<LunarAnniversary> chosenAnniversaries_;
};

// Opens the export dialog over parent, modal, for year and year + 1.
void OpenIcsExportDialog(QWidget *parent, int year, const GoodDayQuery &goodDayMarks);

// Asks for a holiday file (a Chinese open dialog, unless file is given), imports it into the store
// and tells which years were added or replaced, or why nothing was imported. True when imported:
// the calendar should fill its month again.
bool ImportHolidaysFromUser(QWidget *parent, const QString &file = {});

}  // namespace orlenvo::calendar
