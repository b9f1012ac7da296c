#include "ui/WindowSetup.h"

#include "ui/Language.h"

#include <QEvent>
#include <QGuiApplication>
#include <QPointer>
#include <QScreen>
#include <QShowEvent>
#include <QWidget>
#include <QWindow>

namespace orlenvo::ui {

namespace {

QMargins FrameMargins(const QWidget *window)
{
    const QWindow *handle = window->windowHandle();
    return handle ? handle->frameMargins() : QMargins();
}

class Centring final : public QObject {
public:
    explicit Centring(QWidget *window) : QObject(window), window_(window) { window->installEventFilter(this); }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == window_ && event->type() == QEvent::Show && !event->spontaneous()) {
            CentreOnScreen(window_);
            margins_ = FrameMargins(window_);
            handle_ = window_->windowHandle();
            if (handle_)
                handle_->installEventFilter(this);
        } else if (watched == handle_ && event->type() == QEvent::Expose) {
            handle_->removeEventFilter(this);
            handle_ = nullptr;
            if (FrameMargins(window_) != margins_)
                CentreOnScreen(window_);
        }
        return false;
    }

private:
    QWidget *window_;
    QPointer<QWindow> handle_;
    QMargins margins_;
};

}  // namespace

void SetUpWindow(QWidget *window, const WindowShape &shape)
{
    window->setObjectName(shape.objectName);
    window->setWindowTitle(Tr(shape.caption));
    if (shape.fixedSize)
        window->setFixedSize(shape.clientSize);
    else
        window->resize(shape.clientSize);
    if (shape.centred) {
        CentreOnScreen(window);
        CentreWhenShown(window);
    }
}

void CentreOnScreen(QWidget *window)
{
    const QWidget *parent = window->parentWidget();
    const QScreen *screen = parent ? parent->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    // A window's position is that of its frame.
    QRect frame(QPoint(0, 0), window->size().grownBy(FrameMargins(window)));
    frame.moveCenter(screen->availableGeometry().center());
    window->move(frame.topLeft());
}

void CentreWhenShown(QWidget *window)
{
    new Centring(window);
}

void CloseBoxOnly(QWidget *window, Qt::WindowType kind)
{
    window->setWindowFlags(kind | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                           Qt::WindowCloseButtonHint);
}

}  // namespace orlenvo::ui
