// The net-name window: a character trait read from the pinyin initials of a net name.
#pragma once

#include <QDialog>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace orlenvo::numerology {

class TFrmWangming final : public QDialog {
    Q_OBJECT
public:
    explicit TFrmWangming(QWidget *parent = nullptr);

    // Runs the analysis of the entry field (button "测算" and Enter).
    void RzBitBtn1Click();
    void RzBitBtn2Click();

private:
    void Run();

    QLabel *RzLabel1 = nullptr;
    QLineEdit *edtmun = nullptr;
    QPushButton *RzBitBtn1 = nullptr;
    QPushButton *RzBitBtn2 = nullptr;
    QGroupBox *RzGroupBox1 = nullptr;
    QLabel *RzLabel11 = nullptr;
    QLabel *RzLabel8 = nullptr;
};

}  // namespace orlenvo::numerology
