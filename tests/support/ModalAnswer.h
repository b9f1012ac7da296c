// Answers the next modal box of a window test from the event loop, and fails the test when a
// box it waits for never comes.
#pragma once

#include "ui/Application.h"
#include "ui/Fonts.h"
#include "ui/Messages.h"

#include <QMessageBox>
#include <QString>
#include <QTest>

#include <functional>
#include <memory>

namespace orlenvo::testing {

struct ModalWatch;

// The message box that AnswerNextBox or WatchForBox answered. When it goes out of scope while
// the box that AnswerNextBox waits for has not come, it fails the test.
struct SeenBox {
    bool seen = false;
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    int buttons = 0;

    SeenBox() = default;
    SeenBox(const SeenBox &) = delete;
    SeenBox &operator=(const SeenBox &) = delete;
    ~SeenBox();

    std::shared_ptr<ModalWatch> watch;
};

// Polls for the next modal message box (up to timeoutMs), records it and presses its
// default button. Call before the action that opens the box. The test fails when no box
// comes: at the timeout, or when `seen` goes out of scope first.
void AnswerNextBox(SeenBox &seen, int timeoutMs = 5000, const char *file = __builtin_FILE(),
                   int line = __builtin_LINE());

// AnswerNextBox, then `act`, then waits up to timeoutMs for the box that act opens; true once
// it has come and been answered. Use as QVERIFY(AnswerBoxOf(seen, [&] { ... })).
bool AnswerBoxOf(SeenBox &seen, const std::function<void()> &act, int timeoutMs = 5000,
                 const char *file = __builtin_FILE(), int line = __builtin_LINE());

// As AnswerNextBox, for a box that may come or not (seen.seen tells).
void WatchForBox(SeenBox &seen, int timeoutMs);

// Calls fn with the active modal widget once one appears (up to timeoutMs). The test fails
// when none appears: at the timeout if the test function that asked still runs, else at the
// end of the test program (ORLENVO_QTEST_MAIN).
void WithNextModal(std::function<void(QWidget *)> fn, int timeoutMs = 5000, const char *file = __builtin_FILE(),
                   int line = __builtin_LINE());

// As WithNextModal, for a modal widget that may come or not.
void WithModalIfAny(std::function<void(QWidget *)> fn, int timeoutMs);

// Reports every awaited modal box that has not come, each with the place that waited for it;
// returns their number. ORLENVO_QTEST_MAIN calls it after the tests.
int ReportMissingModals();

}  // namespace orlenvo::testing

// A QtTest main that uses the program's application object. Every handler guards itself, so
// an exception that reaches the application's last-resort net fails the test program, and so
// does a modal box that a test waited for in vain after its test function ended.
#define ORLENVO_QTEST_MAIN(TestObject)                                                                                 \
    int main(int argc, char **argv)                                                                                    \
    {                                                                                                                  \
        orlenvo::ui::Application app(argc, argv);                                                                      \
        app.setAttribute(Qt::AA_Use96Dpi, true);                                                                       \
        orlenvo::ui::InstallFontSubstitutions();                                                                       \
        TestObject tc;                                                                                                 \
        QTEST_SET_MAIN_SOURCE_PATH                                                                                     \
        const int failed = QTest::qExec(&tc, argc, argv);                                                              \
        if (const int escaped = orlenvo::ui::Application::EscapedExceptions()) {                                       \
            qCritical("%d exception(s) escaped an event handler to QApplication::notify", escaped);                    \
            return failed ? failed : 1;                                                                                \
        }                                                                                                              \
        if (orlenvo::testing::ReportMissingModals())                                                                   \
            return failed ? failed : 1;                                                                                \
        return failed;                                                                                                 \
    }
