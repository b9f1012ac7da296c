// The mobile-number window: reads the luck of an eleven-digit number from table shouji.
#pragma once

#include "numerology/windows/WindowParts.h"

class QLabel;

namespace orlenvo::numerology {

class TFrm_SJcs final : public EntryWindow {
    Q_OBJECT
public:
    explicit TFrm_SJcs(QWidget *parent = nullptr);

    // Runs the analysis ("测算", or Enter in the entry field).
    void RzBitBtn1Click() override;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void FormShow();

    QLabel *RzLabel2;
    QLabel *RzLabel11;
    QLabel *RzLabel10;
    QLabel *RzLabel9;
    QLabel *RzLabel8;
    QLabel *RzLabel3;
};

}  // namespace orlenvo::numerology
