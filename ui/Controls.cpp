#include "ui/Controls.h"

#include "ui/Language.h"

#include <QLabel>
#include <QPalette>
#include <QPushButton>

namespace orlenvo::ui {

QLabel *SetUpLabel(QLabel *label, const QString &name, const QString &text, const QRect &geometry,
                   Qt::Alignment alignment)
{
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);
    label->setText(Tr(text));
    label->setGeometry(geometry);
    label->setAlignment(alignment);
    return label;
}

QLabel *MakeLabel(QWidget *parent, const QString &name, const QString &text, const QRect &geometry,
                  Qt::Alignment alignment)
{
    return SetUpLabel(new QLabel(parent), name, text, geometry, alignment);
}

QPushButton *MakeButton(QWidget *parent, const QString &name, const QString &text, const QRect &geometry)
{
    auto *button = new QPushButton(Tr(text), parent);
    button->setObjectName(name);
    button->setGeometry(geometry);
    button->setAutoDefault(false);
    return button;
}

void SetTextColour(QWidget *widget, const QColor &colour)
{
    if (widget->palette().color(QPalette::WindowText) == colour && widget->palette().color(QPalette::Text) == colour)
        return;
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, colour);
    palette.setColor(QPalette::Text, colour);
    widget->setPalette(palette);
}

void SetBackgroundColour(QWidget *widget, const QColor &colour)
{
    if (widget->palette().color(QPalette::Window) == colour)
        return;
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, colour);
    widget->setPalette(palette);
}

}  // namespace orlenvo::ui
