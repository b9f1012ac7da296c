#include "numerology/windows/NumberReadingWindow.h"

#include "core/Text.h"
#include "numerology/EightyOne.h"
#include "ui/Fonts.h"
#include "ui/Keyboard.h"
#include "ui/Messages.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace orlenvo::numerology {

namespace {

constexpr int kClientWidth = 388;

}  // namespace

NumberReadingWindow::NumberReadingWindow(const NumberWindowTexts &texts, QWidget *parent)
    : EntryWindow(parent, texts.objectName, texts.caption, QSize(kClientWidth, texts.clientHeight),
                  {texts.entryLabel, QRect(4, 20, 78, 14), QRect(84, 16, 152, 21), QRect(246, 14, 62, 25),
                   QRect(316, 14, 62, 25), QRect(6, 50, 376, texts.clientHeight - 58), true}),
      emptyPrompt_(texts.emptyPrompt)
{
    RzLabel1->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    // Captions end at x = 80 of the group box; values start at 82.
    QWidget *g = RzGroupBox1;
    RzLabel5 = MakeLabel(g, QStringLiteral("RzLabel5"), texts.numberLabel, QRect(4, 24, 76, 14));
    RzLabel4 = MakeLabel(g, QStringLiteral("RzLabel4"), QStringLiteral("状态："), QRect(4, 48, 76, 14));
    RzLabel6 = MakeLabel(g, QStringLiteral("RzLabel6"), QStringLiteral("吉凶："), QRect(4, 72, 76, 14));
    RzLabel7 = MakeLabel(g, QStringLiteral("RzLabel7"), QStringLiteral("具体表现："), QRect(4, 96, 76, 14));
    for (QLabel *caption : {RzLabel5, RzLabel4, RzLabel6, RzLabel7})
        caption->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    RzLabel11 = MakeLabel(g, QStringLiteral("RzLabel11"), {}, QRect(82, 24, 202, 14));
    RzLabel10 = MakeLabel(g, QStringLiteral("RzLabel10"), {}, QRect(82, 48, 290, 14));
    RzLabel9 = MakeLabel(g, QStringLiteral("RzLabel9"), {}, QRect(82, 72, 98, 14));
    RzLabel9->setFont(ui::Font(QStringLiteral("宋体"), ui::Points{8}));
    SetTextColour(RzLabel9, Qt::red);
    RzLabel8 = MakeLabel(g, QStringLiteral("RzLabel8"), {}, QRect(82, 97, 290, 97));
    RzLabel8->setWordWrap(true);
    RzLabel8->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    ui::PairRows({{RzLabel5, RzLabel11}, {RzLabel4, RzLabel10}, {RzLabel6, RzLabel9}, {RzLabel7, RzLabel8}});
}

void NumberReadingWindow::RzBitBtn1Click()
{
    // A number that does not convert is reported by the general error box; the rows stay.
    ui::Guarded([this] { Run(); });
}

void NumberReadingWindow::Run()
{
    const std::string number = Trim(ui::ToUtf8(edtmun->text()));
    if (number.empty()) {
        ui::ShowInformation(emptyPrompt_);
        return;
    }
    const EightyOneRows rows = SplitEightyOne(LookupEightyOne(number));
    RzLabel11->setText(ui::FromUtf8(number));
    RzLabel10->setText(ui::FromUtf8(rows.verdict));
    RzLabel9->setText(ui::FromUtf8(rows.luck));
    RzLabel8->setText(ui::FromUtf8(rows.character));
}

}  // namespace orlenvo::numerology
