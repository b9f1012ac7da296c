#include "ui/Memory.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace orlenvo::ui {

void ReleaseFreedMemory()
{
#if defined(__GLIBC__)
    malloc_trim(0);
#endif
}

namespace {

// After a window hides, waits for its deferred deletion and then releases the freed memory;
// windows closing in a row release once.
class WindowCloseWatcher final : public QObject {
public:
    explicit WindowCloseWatcher(QObject *parent) : QObject(parent)
    {
        timer_.setSingleShot(true);
        timer_.setInterval(250);
        connect(&timer_, &QTimer::timeout, this, [] { ReleaseFreedMemory(); });
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Hide && watched->isWidgetType()) {
            const auto *widget = static_cast<QWidget *>(watched);
            if (widget->isWindow() && !(widget->windowType() == Qt::Popup || widget->windowType() == Qt::ToolTip))
                timer_.start();
        }
        return false;
    }

private:
    QTimer timer_;
};

}  // namespace

void ReleaseMemoryWhenWindowsClose(QCoreApplication &app)
{
    app.installEventFilter(new WindowCloseWatcher(&app));
}

}  // namespace orlenvo::ui
