#include "numerology/windows/UntQQ.h"

namespace orlenvo::numerology {

TFrmQQhm::TFrmQQhm(QWidget *parent)
    : NumberReadingWindow({QStringLiteral("FrmQQhm"), QStringLiteral("QQ号码测试"), QStringLiteral("QQ号码："),
                           QStringLiteral("qq号码是："), QStringLiteral("请输入你的QQ号码！"), 270},
                          parent)
{}

}  // namespace orlenvo::numerology
