#include "numerology/windows/NumberReadingWindow.h"

#include "core/Text.h"
#include "numerology/EightyOne.h"
#include "ui/Language.h"
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
    std::tie(RzLabel11, RzLabel10, RzLabel9, RzLabel8) =
        MakeResultRows(RzGroupBox1, texts.numberLabel,
                       {QRect(4, 24, 76, 14), 24, Qt::AlignRight | Qt::AlignVCenter, 82, QRect(82, 97, 290, 97)});
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
    RzLabel10->setText(ui::Tr(ui::FromUtf8(rows.verdict)));
    RzLabel9->setText(ui::Tr(ui::FromUtf8(rows.luck)));
    RzLabel8->setText(ui::Tr(ui::FromUtf8(rows.character)));
}

}  // namespace orlenvo::numerology
