// The top-level windows of one class, for window tests that open and close them.
#pragma once

#include <QApplication>
#include <QList>
#include <QPointer>
#include <QTest>
#include <QWidget>

#include <string>

namespace orlenvo::testing {

// Shows the window and waits until the window system has put it on the screen; false when it
// does not get there in time.
inline bool ShowOnScreen(QWidget *window)
{
    window->show();
    return QTest::qWaitForWindowExposed(window);
}

// True when the window's title bar has a close button and neither a minimise nor a maximise one.
inline bool CloseButtonOnly(const QWidget *window)
{
    const Qt::WindowFlags flags = window->windowFlags();
    return (flags & Qt::WindowCloseButtonHint) &&
           !(flags & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));
}

// The name of window class T without its namespace ("TAbout"), as the dispatcher and the
// command table name the windows they open.
template <typename T>
std::string WindowName()
{
    const std::string full = T::staticMetaObject.className();
    return full.substr(full.rfind(':') + 1);
}

// The visible top-level windows of class T, in the application's order.
template <typename T>
QList<T *> OpenWindows()
{
    QList<T *> windows;
    for (QWidget *w : QApplication::topLevelWidgets())
        if (auto *window = qobject_cast<T *>(w); window && window->isVisible())
            windows.append(window);
    return windows;
}

// Closes the visible windows of class T and lets those that delete themselves on closing go.
template <typename T>
void CloseWindows()
{
    for (T *window : OpenWindows<T>())
        window->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// Deletes every top-level window of class T, shown or not. A window takes its own pop-ups
// (top-level widgets too) with it, so the list is watched while deleting.
template <typename T>
void DeleteWindows()
{
    QList<QPointer<T>> windows;
    for (QWidget *w : QApplication::topLevelWidgets())
        if (auto *window = qobject_cast<T *>(w))
            windows.append(window);
    for (const QPointer<T> &window : windows)
        delete window.data();
}

}  // namespace orlenvo::testing
