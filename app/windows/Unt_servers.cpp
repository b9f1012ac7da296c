#include "app/windows/Unt_servers.h"

#include "app/windows/MakerInfo.h"
#include "app/windows/Uabout.h"
#include "ui/Controls.h"
#include "ui/Fonts.h"
#include "ui/Language.h"
#include "ui/Messages.h"
#include "ui/Pictures.h"
#include "ui/WindowSetup.h"

#include <QLabel>
#include <QPainter>
#include <QPixmap>

namespace orlenvo::app {

namespace {

constexpr int kRowHeight = 66;
constexpr int kTop = 6;

// A round icon with one glyph.
QPixmap EntryIcon(QColor colour, const QString &glyph)
{
    QPixmap pixmap = ui::Canvas(QSize(32, 32));
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    QRadialGradient shade(QPointF(12, 10), 22);
    shade.setColorAt(0, colour.lighter(150));
    shade.setColorAt(1, colour);
    p.setPen(QPen(colour.darker(130), 1));
    p.setBrush(shade);
    p.drawEllipse(QRectF(1, 1, 30, 30));
    p.setPen(Qt::white);
    p.setFont(ui::Font(QStringLiteral("黑体"), ui::Pixels{15}, true));
    p.drawText(QRectF(0, 0, 32, 32), Qt::AlignCenter, glyph);
    return pixmap;
}

}  // namespace

TFrm_servers::TFrm_servers(QWidget *parent) : TFrm_servers(DefaultMakerInfo(), parent) {}

TFrm_servers::TFrm_servers(const MakerInfo &maker, QWidget *parent) : QDialog(parent)
{
    ui::CloseBoxOnly(this);
    setFont(ui::Font(QStringLiteral("宋体"), ui::Pixels{12}));
    ui::SetUpWindow(this, {QStringLiteral("Frm_servers"), QStringLiteral("客户服务"), QSize(420, 273), true});
    setAutoFillBackground(true);
    ui::SetBackgroundColour(this, Qt::white);

    struct Entry {
        QColor colour;
        QString glyph;
        QString heading;
        QString sentence;
    };
    const Entry entries[] = {
        {QColor(230, 126, 34), ui::Tr(QStringLiteral("商")), ui::Tr(QStringLiteral("市场合作:")),
         ui::Tr(
             QStringLiteral("如果您有意购买、代理销售本软件，或需要为贵单位定制开发软件，欢迎与我们联系洽谈合作。"))},
        {QColor(39, 174, 96), ui::Tr(QStringLiteral("话")), ui::Tr(QStringLiteral("服务电话：")) + maker.telephone,
         ui::Tr(QStringLiteral("当您在使用产品的时候有任何问题、建议或疑问，欢迎您拨打热线电话。"))},
        {QColor(41, 128, 185), QStringLiteral("Q"), ui::Tr(QStringLiteral("QQ在线支持：")) + maker.chatNumber,
         ui::Tr(QStringLiteral("所有的业务咨询，我们都会于当日给您答复，所以如果您发贴后没有马上看到答复请您耐心等待，"
                               "稍后可以再来查看。"))},
        {QColor(192, 57, 43), QStringLiteral("@"), ui::Tr(QStringLiteral("技术支持邮箱：")) + maker.mailAddress,
         ui::Tr(QStringLiteral("当您在使用我们的软件过程中，有不明白或有别的问题时，您可以发送邮件到这里，"
                               "我们会尽快给您答复。"))},
    };

    const QFont heading = ui::Font(QStringLiteral("宋体"), ui::Pixels{12}, true);
    int n = 0;
    for (const Entry &entry : entries) {
        const int top = kTop + n * kRowHeight;
        ++n;
        auto *icon = new QLabel(this);
        icon->setObjectName(QStringLiteral("Image%1").arg(n));
        icon->setGeometry(12, top + 4, 32, 32);
        icon->setPixmap(EntryIcon(entry.colour, entry.glyph));

        auto *title = new QLabel(entry.heading, this);
        title->setObjectName(QStringLiteral("Heading%1").arg(n));
        title->setFont(heading);
        ui::SetTextColour(title, QColor(0, 0, 128));
        title->setGeometry(54, top + 4, 356, 16);

        auto *sentence = new QLabel(entry.sentence, this);
        sentence->setObjectName(QStringLiteral("Sentence%1").arg(n));
        sentence->setWordWrap(true);
        sentence->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        sentence->setGeometry(54, top + 24, 356, 40);
    }
}

}  // namespace orlenvo::app
