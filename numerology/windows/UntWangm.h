// The net-name window: a character trait read from the pinyin initials of a net name.
#pragma once

#include "numerology/windows/WindowParts.h"

class QLabel;

namespace orlenvo::numerology {

class TFrmWangming final : public EntryWindow {
    Q_OBJECT
public:
    explicit TFrmWangming(QWidget *parent = nullptr);

    // Runs the analysis of the entry field (button "测算" and Enter).
    void RzBitBtn1Click() override;

private:
    void Run();

    QLabel *RzLabel11 = nullptr;
    QLabel *RzLabel8 = nullptr;
};

}  // namespace orlenvo::numerology
