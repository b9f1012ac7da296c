// A flat push button framed in one colour, as the article windows use.
#pragma once

#include <QColor>
#include <QPushButton>
#include <QString>

namespace orlenvo::ui {

// A push button with a one-pixel frame in a settable colour on a flat face that lights up
// under the mouse.
class FrameButton final : public QPushButton {
    Q_OBJECT
public:
    explicit FrameButton(const QString &caption, QWidget *parent = nullptr);

    QColor frameColour() const;
    void setFrameColour(const QColor &color);

private:
    QColor frame_;
};

}  // namespace orlenvo::ui
