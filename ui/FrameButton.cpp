#include "ui/FrameButton.h"

namespace orlenvo::ui {

namespace {

const QColor kDefaultFrameColour(0, 60, 116);
const QColor kFaceColour(244, 244, 240);

QString ButtonStyle(const QColor &frame)
{
    return QStringLiteral("QPushButton { border: 1px solid %1; background-color: %2; padding: 0px 2px; }"
                          "QPushButton:hover { background-color: rgb(255, 246, 214); }"
                          "QPushButton:pressed { background-color: rgb(226, 228, 220); }"
                          "QPushButton:disabled { color: rgb(160, 160, 160); }")
        .arg(frame.name(), kFaceColour.name());
}

}  // namespace

FrameButton::FrameButton(const QString &caption, QWidget *parent) : QPushButton(caption, parent)
{
    setFocusPolicy(Qt::TabFocus);
    setFrameColour(kDefaultFrameColour);
}

QColor FrameButton::frameColour() const
{
    return frame_;
}

void FrameButton::setFrameColour(const QColor &color)
{
    if (color == frame_)
        return;
    frame_ = color;
    setStyleSheet(ButtonStyle(color));
}

}  // namespace orlenvo::ui
