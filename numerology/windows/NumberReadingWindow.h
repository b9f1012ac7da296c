// The window of a reading through the eighty-one number table; the QQ-number and the
// any-number windows differ only in their texts.
#pragma once

#include <QDialog>
#include <QString>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace orlenvo::numerology {

struct NumberWindowTexts {
    QString objectName;
    QString caption;      // window title
    QString entryLabel;   // RzLabel1
    QString numberLabel;  // RzLabel5, caption of row 1
    QString emptyPrompt;  // shown for an empty entry
    int clientHeight;
};

class NumberReadingWindow : public QDialog {
    Q_OBJECT
public:
    // Runs the reading of the entry field (button "测算" and Enter).
    void RzBitBtn1Click();
    void RzBitBtn2Click();

protected:
    NumberReadingWindow(const NumberWindowTexts &texts, QWidget *parent);

private:
    void Run();

    QString emptyPrompt_;
    QLabel *RzLabel1 = nullptr;
    QLineEdit *edtmun = nullptr;
    QPushButton *RzBitBtn1 = nullptr;
    QPushButton *RzBitBtn2 = nullptr;
    QGroupBox *RzGroupBox1 = nullptr;
    QLabel *RzLabel5 = nullptr;
    QLabel *RzLabel4 = nullptr;
    QLabel *RzLabel6 = nullptr;
    QLabel *RzLabel7 = nullptr;
    QLabel *RzLabel11 = nullptr;
    QLabel *RzLabel10 = nullptr;
    QLabel *RzLabel9 = nullptr;
    QLabel *RzLabel8 = nullptr;
};

}  // namespace orlenvo::numerology
