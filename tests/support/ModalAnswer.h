// Answers the next modal box of a window test from the event loop.
#pragma once

#include "ui/Application.h"
#include "ui/Fonts.h"
#include "ui/Messages.h"

#include <QMessageBox>
#include <QTest>
#include <QString>

#include <functional>

namespace orlenvo::testing {

struct SeenBox {
    bool seen = false;
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    int buttons = 0;
};

// Polls for the next modal message box (up to timeoutMs), records it and presses its
// default button. Call before the action that opens the box.
void AnswerNextBox(SeenBox &seen, int timeoutMs = 5000);

// Calls fn with the active modal widget once one appears (up to timeoutMs).
void WithNextModal(std::function<void(QWidget *)> fn, int timeoutMs = 5000);

}  // namespace orlenvo::testing

// A QtTest main that uses the program's application object. Every handler guards itself, so
// an exception that reaches the application's last-resort net fails the test program.
#define ORLENVO_QTEST_MAIN(TestObject)                                                        \
    int main(int argc, char **argv)                                                            \
    {                                                                                          \
        orlenvo::ui::Application app(argc, argv);                                              \
        app.setAttribute(Qt::AA_Use96Dpi, true);                                               \
        orlenvo::ui::InstallFontSubstitutions();                                               \
        TestObject tc;                                                                         \
        QTEST_SET_MAIN_SOURCE_PATH                                                             \
        const int failed = QTest::qExec(&tc, argc, argv);                                      \
        if (const int escaped = orlenvo::ui::Application::EscapedExceptions()) {               \
            qCritical("%d exception(s) escaped an event handler to QApplication::notify", escaped); \
            return failed ? failed : 1;                                                        \
        }                                                                                      \
        return failed;                                                                         \
    }
