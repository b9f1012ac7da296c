#include "numerology/windows/Untonteher.h"

namespace orlenvo::numerology {

TFrm_onther::TFrm_onther(QWidget *parent)
    : NumberReadingWindow({QStringLiteral("Frm_onther"), QStringLiteral("任意号码分析"), QStringLiteral("任意号码："),
                           QStringLiteral("输入号码是："), QStringLiteral("请输入你的号码！"), 271},
                          parent)
{}

}  // namespace orlenvo::numerology
