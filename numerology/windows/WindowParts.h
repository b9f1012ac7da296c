// Parts shared by the number and net-name windows: the entry field, the window frame and the
// entry window they derive from.
#pragma once

#include "ui/Controls.h"

#include <QDialog>
#include <QObject>
#include <QRect>
#include <QString>
#include <QValidator>

#include <functional>
#include <tuple>

class QColor;
class QFont;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

namespace orlenvo::numerology {

// Shows the Latin letters a..z of the field in capitals, typed or pasted; accepts any text.
class UpperCaseLatin final : public QValidator {
    Q_OBJECT
public:
    explicit UpperCaseLatin(QObject *parent = nullptr);
    State validate(QString &input, int &pos) const override;
};

// Key handling of an entry field: Enter runs `onEnter` and goes no further. With digitsOnly,
// typed characters other than "0".."9" are discarded (keys without text, such as backspace,
// arrows and delete, and shortcuts such as Ctrl+V, still reach the field, so pasted text
// arrives); text committed by an input method keeps only its digits.
class EntryKeys final : public QObject {
    Q_OBJECT
public:
    EntryKeys(QLineEdit *field, bool digitsOnly, std::function<void()> onEnter);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool digitsOnly_;
    std::function<void()> onEnter_;
};

// The entry field of the three windows: at most 18 characters, Latin letters in capitals.
void SetUpEntryField(QLineEdit *field);

// A tool window: released on close, sizeable frame with a close box only, "宋体" 9 pt,
// the given client size, centred on the screen.
void SetUpToolWindow(QDialog *window, const QString &objectName, const QString &caption, int width, int height);

// Where the controls of an entry window's top row and result box stand.
struct EntryRowShape {
    QString caption;  // of the entry field
    QRect captionRect;
    QRect fieldRect;
    QRect runRect;
    QRect closeRect;
    QRect resultsRect;
    bool digitsOnly;         // the field takes digits only
    QString fieldName = {};  // what a screen reader calls the field; the caption without its colon when empty
};

// A tool window with an entry row: caption RzLabel1, field edtmun, buttons RzBitBtn1 "测算"
// and RzBitBtn2 "关闭", and the group box RzGroupBox1 "测算结果" that the window fills with
// its result rows. "测算" and Enter in the field run RzBitBtn1Click; "关闭" closes the window.
class EntryWindow : public QDialog {
    Q_OBJECT
public:
    virtual void RzBitBtn1Click() = 0;
    void RzBitBtn2Click();

protected:
    EntryWindow(QWidget *parent, const QString &objectName, const QString &caption, QSize clientSize,
                const EntryRowShape &row);

    QLabel *RzLabel1 = nullptr;
    QLineEdit *edtmun = nullptr;
    QPushButton *RzBitBtn1 = nullptr;
    QPushButton *RzBitBtn2 = nullptr;
    QGroupBox *RzGroupBox1 = nullptr;
};

// Where the result rows of a reading stand in their group box: the first caption, the step
// down to the next row, the left edge of the values and the character row.
struct ResultRowsShape {
    QRect firstCaption;
    int step;
    Qt::Alignment captionAlignment;
    int valueLeft;
    QRect characterRect;
};

// The result rows of a reading in `box`: captions RzLabel5 (numberLabel), RzLabel4 "状态：",
// RzLabel6 "吉凶：" and RzLabel7 "具体表现："; beside them the values RzLabel11 (the number),
// RzLabel10 (the verdict), RzLabel9 (the luck, 8-point red) and RzLabel8 (the character,
// wrapped). Returns the values in that order.
std::tuple<QLabel *, QLabel *, QLabel *, QLabel *> MakeResultRows(QGroupBox *box, const QString &numberLabel,
                                                                  const ResultRowsShape &shape);

using ui::MakeButton;
using ui::MakeLabel;
using ui::SetTextColour;

}  // namespace orlenvo::numerology
