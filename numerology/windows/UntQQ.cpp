#include "numerology/windows/UntQQ.h"

#include "ui/Language.h"

namespace orlenvo::numerology {

TFrmQQhm::TFrmQQhm(QWidget *parent)
    : NumberReadingWindow({QStringLiteral("FrmQQhm"), ui::Tr(QStringLiteral("QQ号码测试")),
                           ui::Tr(QStringLiteral("QQ号码：")), ui::Tr(QStringLiteral("qq号码是：")),
                           ui::Tr(QStringLiteral("请输入你的QQ号码！")), 270},
                          parent)
{}

}  // namespace orlenvo::numerology
