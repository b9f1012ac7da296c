// The QQ-number window: a QQ number read through the eighty-one number table.
#pragma once

#include "numerology/windows/NumberReadingWindow.h"

namespace orlenvo::numerology {

class TFrmQQhm final : public NumberReadingWindow {
    Q_OBJECT
public:
    explicit TFrmQQhm(QWidget *parent = nullptr);
};

}  // namespace orlenvo::numerology
