#include "ui/UpDown.h"

#include "ui/Keyboard.h"
#include "ui/Messages.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QToolButton>
#include <QWheelEvent>

#include <algorithm>

namespace orlenvo::ui {

UpDown::UpDown(QWidget *parent) : QWidget(parent), up_(new QToolButton(this)), down_(new QToolButton(this))
{
    setFocusPolicy(Qt::TabFocus);
    AddFocusMark(this);
    up_->setObjectName(QStringLiteral("up"));
    down_->setObjectName(QStringLiteral("down"));
    for (QToolButton *button : {up_, down_}) {
        button->setAutoRepeat(true);
        button->setFocusPolicy(Qt::NoFocus);
    }
    up_->setArrowType(Qt::UpArrow);
    down_->setArrowType(Qt::DownArrow);
    connect(up_, &QToolButton::clicked, this, Guard([this] { Step(1); }));
    connect(down_, &QToolButton::clicked, this, Guard([this] { Step(-1); }));
}

void UpDown::setRange(int minimum, int maximum)
{
    minimum_ = minimum;
    maximum_ = std::max(minimum, maximum);
    position_ = std::clamp(position_, minimum_, maximum_);
}

int UpDown::minimum() const
{
    return minimum_;
}

int UpDown::maximum() const
{
    return maximum_;
}

int UpDown::position() const
{
    return position_;
}

void UpDown::setPosition(int position)
{
    position_ = std::clamp(position, minimum_, maximum_);
    ReportValue();
}

void UpDown::Step(int delta)
{
    position_ = std::clamp(position_ + delta, minimum_, maximum_);
    ReportValue();
    emit clicked();
}

void UpDown::ReportValue()
{
    if (!QAccessible::isActive())
        return;
    QAccessibleValueChangeEvent event(this, position_);
    QAccessible::updateAccessibility(&event);
}

void UpDown::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Up)
        Step(1);
    else if (event->key() == Qt::Key_Down)
        Step(-1);
    else
        QWidget::keyPressEvent(event);
}

void UpDown::wheelEvent(QWheelEvent *event)
{
    const int delta = event->angleDelta().y();
    if (delta != 0)
        Step(delta > 0 ? 1 : -1);
    event->accept();
}

void UpDown::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    const int half = height() / 2;
    up_->setGeometry(0, 0, width(), half);
    down_->setGeometry(0, half, width(), height() - half);
}

}  // namespace orlenvo::ui
