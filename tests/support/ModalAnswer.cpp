#include "tests/support/ModalAnswer.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPushButton>
#include <QTimer>

#include <memory>

namespace orlenvo::testing {

namespace {

void Poll(std::shared_ptr<QElapsedTimer> clock, int timeoutMs, std::function<void(QWidget *)> fn)
{
    QWidget *modal = QApplication::activeModalWidget();
    if (modal && modal->isVisible()) {
        fn(modal);
        return;
    }
    if (clock->elapsed() > timeoutMs)
        return;
    QTimer::singleShot(10, [clock, timeoutMs, fn] { Poll(clock, timeoutMs, fn); });
}

}  // namespace

void WithNextModal(std::function<void(QWidget *)> fn, int timeoutMs)
{
    auto clock = std::make_shared<QElapsedTimer>();
    clock->start();
    QTimer::singleShot(0, [clock, timeoutMs, fn] { Poll(clock, timeoutMs, fn); });
}

void AnswerNextBox(SeenBox &seen, int timeoutMs)
{
    seen = SeenBox{};
    WithNextModal(
        [&seen](QWidget *w) {
            auto *box = qobject_cast<QMessageBox *>(w);
            if (!box) {
                w->close();
                return;
            }
            seen.seen = true;
            seen.title = box->windowTitle();
            seen.text = box->text();
            seen.icon = box->icon();
            seen.buttons = static_cast<int>(box->buttons().size());
            if (QAbstractButton *b = box->defaultButton())
                b->click();
            else
                box->accept();
        },
        timeoutMs);
}

}  // namespace orlenvo::testing
