// The any-number window: any whole number read through the eighty-one number table.
#pragma once

#include "numerology/windows/NumberReadingWindow.h"

namespace orlenvo::numerology {

class TFrm_onther final : public NumberReadingWindow {
    Q_OBJECT
public:
    explicit TFrm_onther(QWidget *parent = nullptr);
};

}  // namespace orlenvo::numerology
