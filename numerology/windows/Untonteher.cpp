#include "numerology/windows/Untonteher.h"

#include "ui/Language.h"

namespace orlenvo::numerology {

TFrm_onther::TFrm_onther(QWidget *parent)
    : NumberReadingWindow({QStringLiteral("Frm_onther"), ui::Tr(QStringLiteral("任意号码分析")),
                           ui::Tr(QStringLiteral("任意号码：")), ui::Tr(QStringLiteral("输入号码是：")),
                           ui::Tr(QStringLiteral("请输入你的号码！")), 271},
                          parent)
{}

}  // namespace orlenvo::numerology
