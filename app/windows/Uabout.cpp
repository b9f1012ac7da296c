#include "app/windows/Uabout.h"

#include "app/windows/MakerInfo.h"
#include "ui/Application.h"
#include "ui/Controls.h"
#include "ui/Fonts.h"
#include "ui/Language.h"
#include "ui/Messages.h"
#include "ui/Pictures.h"
#include "ui/WindowSetup.h"

#include <QApplication>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QScreen>

namespace orlenvo::app {

namespace {

constexpr QColor kNavy(0, 0, 128);
constexpr QColor kRed(255, 0, 0);

// The About picture: a yin-yang disc inside the eight trigrams on a deep blue field.
QPixmap AboutPicture(QSize size)
{
    QPixmap pixmap = ui::Canvas(size);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient field(0, 0, 0, size.height());
    field.setColorAt(0, QColor(22, 52, 110));
    field.setColorAt(1, QColor(8, 24, 60));
    p.fillRect(QRect(QPoint(), size), field);

    const QPointF c(size.width() / 2.0, size.height() / 2.0 - 6);
    const double r = 34;
    // Trigrams: three lines each, solid (1) or broken (0), from the inner line out.
    // clang-format off
    static constexpr int kTrigrams[8][3] = {
        {1, 1, 1}, {0, 1, 1}, {1, 0, 1}, {0, 0, 1},
        {1, 1, 0}, {0, 1, 0}, {1, 0, 0}, {0, 0, 0},
    };
    // clang-format on
    p.setPen(QPen(QColor(236, 200, 110), 3, Qt::SolidLine, Qt::FlatCap));
    for (int t = 0; t < 8; ++t) {
        p.save();
        p.translate(c);
        p.rotate(t * 45.0);
        for (int line = 0; line < 3; ++line) {
            const double y = -(r + 8 + line * 6);
            if (kTrigrams[t][line]) {
                p.drawLine(QPointF(-11, y), QPointF(11, y));
            } else {
                p.drawLine(QPointF(-11, y), QPointF(-3, y));
                p.drawLine(QPointF(3, y), QPointF(11, y));
            }
        }
        p.restore();
    }

    const QRectF disc(c.x() - r, c.y() - r, 2 * r, 2 * r);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawEllipse(disc);
    QPainterPath dark;
    dark.moveTo(c.x(), c.y() - r);
    dark.arcTo(disc, 90, 180);
    dark.arcTo(QRectF(c.x() - r / 2, c.y(), r, r), 270, -180);
    dark.arcTo(QRectF(c.x() - r / 2, c.y() - r, r, r), 270, 180);
    p.setBrush(QColor(20, 20, 20));
    p.drawPath(dark);
    p.drawEllipse(QPointF(c.x(), c.y() + r / 2), r / 7, r / 7);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(c.x(), c.y() - r / 2), r / 7, r / 7);

    p.setPen(QColor(236, 200, 110));
    p.setFont(ui::Font(QStringLiteral("Arial Black"), ui::Pixels{13}));
    p.drawText(QRectF(0, size.height() - 26, size.width(), 20), Qt::AlignCenter, ui::ApplicationTitle());
    return pixmap;
}

QLabel *TextLine(const QString &text, const QString &name, const QFont &font, QColor colour, QRect where,
                 QWidget *parent)
{
    QLabel *label = ui::MakeLabel(parent, name, text, where);
    label->setFont(font);
    ui::SetTextColour(label, colour);
    return label;
}

}  // namespace

TAbout::TAbout(QWidget *parent) : TAbout(DefaultMakerInfo(), parent) {}

TAbout::TAbout(const MakerInfo &maker, QWidget *parent) : QDialog(parent)
{
    ui::CloseBoxOnly(this);
    setFont(ui::Font(QStringLiteral("宋体"), ui::Pixels{12}));
    ui::SetUpWindow(this, {QStringLiteral("About"), QStringLiteral("关于系统"), QSize(321, 149), true});

    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(0, 0, 153, 149);
    Image1->setPixmap(AboutPicture(Image1->size()));

    const QFont title = ui::Font(QStringLiteral("楷体_GB2312"), ui::Pixels{16}, true);
    const QFont rights = ui::Font(QStringLiteral("楷体_GB2312"), ui::Pixels{12}, true);
    const QFont body = ui::Font(QStringLiteral("宋体"), ui::Pixels{12});
    const QColor text(0, 0, 0);
    Label1 = TextLine(ui::ApplicationTitle(), QStringLiteral("Label1"), title, kNavy, QRect(166, 12, 150, 22), this);
    Label2 = TextLine(ui::Tr(QStringLiteral("版权所有：")) + maker.companyName, QStringLiteral("Label2"), rights, kRed,
                      QRect(166, 40, 152, 16), this);
    Label3 = TextLine(ui::Tr(QStringLiteral("联系人：")) + maker.contactPerson, QStringLiteral("Label3"), body, text,
                      QRect(166, 66, 152, 15), this);
    Label4 = TextLine(QStringLiteral("QQ：") + maker.chatNumber, QStringLiteral("Label4"), body, text,
                      QRect(166, 85, 152, 15), this);
    Label5 = TextLine(ui::Tr(QStringLiteral("电话：")) + maker.telephone, QStringLiteral("Label5"), body, text,
                      QRect(166, 104, 152, 15), this);
    Label6 = TextLine(ui::Tr(QStringLiteral("邮箱：")) + maker.mailAddress, QStringLiteral("Label6"), body, text,
                      QRect(166, 123, 152, 15), this);
}

}  // namespace orlenvo::app
