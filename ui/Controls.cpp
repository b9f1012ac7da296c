#include "ui/Controls.h"

#include <QFont>
#include <QLabel>
#include <QPalette>
#include <QPushButton>

namespace orlenvo::ui {

QFont SongTi(int pointSize)
{
    QFont font(QStringLiteral("宋体"));
    font.setPointSize(pointSize);
    return font;
}

QLabel *MakeLabel(QWidget *parent, const QString &name, const QString &text, const QRect &geometry)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);
    label->setGeometry(geometry);
    return label;
}

QPushButton *MakeButton(QWidget *parent, const QString &name, const QString &text, const QRect &geometry)
{
    auto *button = new QPushButton(text, parent);
    button->setObjectName(name);
    button->setGeometry(geometry);
    button->setAutoDefault(false);
    return button;
}

void SetTextColor(QLabel *label, const QColor &color)
{
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, color);
    label->setPalette(palette);
}

}  // namespace orlenvo::ui
