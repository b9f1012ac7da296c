#include "numerology/windows/Unt_sjcs.h"

#include "core/Text.h"
#include "data/Catalogue.h"
#include "data/Query.h"
#include "ui/Language.h"
#include "ui/Messages.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>

namespace orlenvo::numerology {

namespace {

constexpr int kNumberLength = 11;

}  // namespace

TFrm_SJcs::TFrm_SJcs(QWidget *parent)
    : EntryWindow(parent, QStringLiteral("Frm_SJcs"), ui::Tr(QStringLiteral("手机号码测算")), QSize(437, 300),
                  {ui::Tr(QStringLiteral("输入号码：")), QRect(20, 20, 64, 16), QRect(84, 16, 170, 22),
                   QRect(266, 14, 70, 26), QRect(346, 14, 70, 26), QRect(6, 66, 425, 178), true,
                   ui::Tr(QStringLiteral("手机号码"))})
{
    edtmun->setMaxLength(kNumberLength);
    RzLabel2 = MakeLabel(this, QStringLiteral("RzLabel2"), QStringLiteral("请注意：手机号码是11位，请正确输入。"),
                         QRect(84, 44, 300, 16));
    std::tie(RzLabel11, RzLabel10, RzLabel9, RzLabel8) =
        MakeResultRows(RzGroupBox1, ui::Tr(QStringLiteral("手机号码是：")),
                       {QRect(8, 24, 72, 16), 22, Qt::AlignLeft | Qt::AlignVCenter, 84, QRect(84, 90, 337, 83)});

    RzLabel3 = MakeLabel(
        this, QStringLiteral("RzLabel3"),
        ui::Tr(QStringLiteral("注：有些人会问，手机号码为什么会影响一个人的运势？其实这就像风水、阳宅会影响运势"
                              "命运的意义是一样的。虽然这只是一个号码，但是它与您的生活息息相关，也代表您与所有"
                              "人的沟通桥梁！")),
        QRect(26, 254, 384, 36));
    RzLabel3->setWordWrap(true);
    RzLabel3->setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

void TFrm_SJcs::RzBitBtn1Click()
{
    const std::string entry = Trim(ui::ToUtf8(edtmun->text()));
    if (entry.empty()) {
        ui::ShowInformation(QStringLiteral("请输入11位手机号码！"));
        return;
    }
    // A conversion error goes to the general error box; the rows keep what they showed.
    const std::string key = MobileNumberKey(entry);

    Query query;
    query.SetConnectionString(ConnectionStringFor(kDreamFile));
    query.Close();
    query.ClearStatement();
    query.SetStatement(MobileReadingStatement(key));
    try {
        query.Open();
    } catch (const DbError &) {
        return;
    }

    for (QLabel *row : {RzLabel11, RzLabel10, RzLabel9, RzLabel8})
        row->clear();
    RzLabel11->setText(ui::FromUtf8(entry));
    RzLabel10->setText(ui::FromUtf8(Trim(query.Field(0))));
    RzLabel9->setText(ui::FromUtf8(Trim(query.Field(1))));
    RzLabel8->setText(ui::FromUtf8(Trim(query.Field(2))));
}

void TFrm_SJcs::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())  // not when the window manager restores it
        ui::Guarded([this] { FormShow(); });
}

void TFrm_SJcs::FormShow()
{
    if (!Trim(ui::ToUtf8(edtmun->text())).empty())
        RzBitBtn1Click();
}

}  // namespace orlenvo::numerology
