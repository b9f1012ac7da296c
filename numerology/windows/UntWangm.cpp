#include "numerology/windows/UntWangm.h"

#include "core/Text.h"
#include "numerology/Pinyin.h"
#include "numerology/windows/WindowParts.h"
#include "ui/Language.h"
#include "ui/Messages.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace orlenvo::numerology {

namespace {

constexpr int kClientWidth = 387;
constexpr int kClientHeight = 179;

}  // namespace

TFrmWangming::TFrmWangming(QWidget *parent)
    : EntryWindow(parent, QStringLiteral("FrmWangming"), ui::Tr(QStringLiteral("网名与性格")),
                  QSize(kClientWidth, kClientHeight),
                  {ui::Tr(QStringLiteral("输入网名：")), QRect(4, 20, 78, 14), QRect(84, 16, 152, 21),
                   QRect(246, 14, 62, 25), QRect(316, 14, 62, 25), QRect(6, 50, 375, kClientHeight - 56), false,
                   ui::Tr(QStringLiteral("网名"))})
{
    RzLabel1->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    RzLabel11 = MakeLabel(RzGroupBox1, QStringLiteral("RzLabel11"), {}, QRect(14, 22, 321, 14));
    SetTextColour(RzLabel11, QColor(0x00, 0x80, 0x00));
    RzLabel8 = MakeLabel(RzGroupBox1, QStringLiteral("RzLabel8"), {}, QRect(14, 44, 329, 75));
    RzLabel8->setWordWrap(true);
    RzLabel8->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    SetTextColour(RzLabel8, QColor(0x00, 0x00, 0x80));
}

void TFrmWangming::RzBitBtn1Click()
{
    ui::Guarded([this] { Run(); });
}

void TFrmWangming::Run()
{
    const std::string name = Trim(ui::ToUtf8(edtmun->text()));
    if (name.empty()) {
        ui::ShowInformation(QStringLiteral("请输入你的网名！"));
        return;
    }
    RzLabel11->setText(ui::Tr(QStringLiteral("你的网名：")) + ui::FromUtf8(name));
    try {
        const std::string trait = NetNameTrait(NetNameGbk(name));
        RzLabel8->setText(ui::Tr(QStringLiteral("你的性格：")) + ui::Tr(ui::FromUtf8(trait)));
    } catch (const UnreadableCodeError &) {
        RzLabel8->setText(ui::Tr(QStringLiteral("请重新输入网名，请不要输入特殊字符！")));
    }
}

}  // namespace orlenvo::numerology
