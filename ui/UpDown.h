// A pair of arrow buttons that steps a number between two limits.
#pragma once

#include <QWidget>

class QKeyEvent;
class QResizeEvent;
class QToolButton;
class QWheelEvent;

namespace orlenvo::ui {

// A pair of arrow buttons that steps a position between two limits without wrapping
// around; every press of an arrow (or the arrow keys and the wheel) emits clicked(). It takes
// Tab focus and then shows a focus mark over the arrows; a screen reader reads it as a spin
// box with its position as value.
class UpDown final : public QWidget {
    Q_OBJECT
public:
    explicit UpDown(QWidget *parent = nullptr);

    void setRange(int minimum, int maximum);
    int minimum() const;
    int maximum() const;
    int position() const;
    void setPosition(int position);
    // Moves the position by delta within the limits and emits clicked(), as an arrow does.
    void Step(int delta);

signals:
    void clicked();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void ReportValue();

    QToolButton *up_;
    QToolButton *down_;
    int minimum_ = 0;
    int maximum_ = 100;
    int position_ = 0;
};

}  // namespace orlenvo::ui
