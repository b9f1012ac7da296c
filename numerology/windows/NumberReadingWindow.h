// The window of a reading through the eighty-one number table; the QQ-number and the
// any-number windows differ only in their texts.
#pragma once

#include "numerology/windows/WindowParts.h"

#include <QString>

class QLabel;

namespace orlenvo::numerology {

struct NumberWindowTexts {
    QString objectName;
    QString caption;      // window title
    QString entryLabel;   // RzLabel1
    QString numberLabel;  // RzLabel5, caption of row 1
    QString emptyPrompt;  // shown for an empty entry
    int clientHeight;
};

class NumberReadingWindow : public EntryWindow {
    Q_OBJECT
public:
    // Runs the reading of the entry field (button "测算" and Enter).
    void RzBitBtn1Click() override;

protected:
    NumberReadingWindow(const NumberWindowTexts &texts, QWidget *parent);

private:
    void Run();

    QString emptyPrompt_;
    QLabel *RzLabel11 = nullptr;
    QLabel *RzLabel10 = nullptr;
    QLabel *RzLabel9 = nullptr;
    QLabel *RzLabel8 = nullptr;
};

}  // namespace orlenvo::numerology
