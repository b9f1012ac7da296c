// Setting up a window: its object name, caption, client size and place on the screen.
#pragma once

#include <QSize>
#include <QString>
#include <Qt>

class QWidget;

namespace orlenvo::ui {

struct WindowShape {
    QString objectName;
    QString caption;
    QSize clientSize;
    bool fixedSize = false;  // the user cannot resize it
    bool centred = true;     // centred on the screen at once and each time it is shown
};

void SetUpWindow(QWidget *window, const WindowShape &shape);

// A title bar with the system menu and a close box only, on a dialog or a plain window.
void CloseBoxOnly(QWidget *window, Qt::WindowType kind = Qt::Dialog);

// Centres the window's whole frame, title bar included, on its parent's screen (the primary
// screen without a parent).
void CentreOnScreen(QWidget *window);

// Centres the window each time it is shown, and once more when the window system has put its
// frame around it: before that the frame's size is not known.
void CentreWhenShown(QWidget *window);

}  // namespace orlenvo::ui
