#include "tests/support/ModalAnswer.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPushButton>
#include <QTimer>

#include <vector>

namespace orlenvo::testing {

// One wait for a modal widget.
struct ModalWatch {
    std::function<void(QWidget *)> answer;
    QElapsedTimer clock;
    int timeoutMs = 0;
    bool awaited = false;  // the test fails when nothing comes
    bool answered = false;
    bool reported = false;  // its failure is recorded
    bool stopped = false;   // timed out, or its SeenBox is gone
    QByteArray testFunction;
    const char *file = "";  // where the test waits
    int line = 0;
};

namespace {

// Awaited watches that may still fail, for ReportMissingModals.
std::vector<std::shared_ptr<ModalWatch>> &Awaited()
{
    static std::vector<std::shared_ptr<ModalWatch>> watches;
    return watches;
}

QByteArray CurrentTestFunction()
{
    const char *name = QTest::currentTestFunction();
    return name ? QByteArray(name) : QByteArray();
}

QByteArray MissingMessage(const ModalWatch &watch)
{
    return "the modal box waited for in " + watch.testFunction + " never appeared";
}

// Fails the test function that waited, while it still runs; later the program's end reports it.
void Missing(const std::shared_ptr<ModalWatch> &watch)
{
    if (!watch->awaited || watch->answered || watch->reported)
        return;
    if (!watch->testFunction.isEmpty() && watch->testFunction == CurrentTestFunction()) {
        watch->reported = true;
        QTest::qFail(MissingMessage(*watch).constData(), watch->file, watch->line);
    }
}

void Poll(const std::shared_ptr<ModalWatch> &watch)
{
    if (watch->answered || watch->reported || watch->stopped)
        return;
    QWidget *modal = QApplication::activeModalWidget();
    if (modal && modal->isVisible()) {
        watch->answered = true;
        watch->answer(modal);
        return;
    }
    if (watch->clock.elapsed() > watch->timeoutMs) {
        watch->stopped = true;
        Missing(watch);
        return;
    }
    QTimer::singleShot(10, [watch] { Poll(watch); });
}

std::shared_ptr<ModalWatch> Watch(std::function<void(QWidget *)> answer, int timeoutMs, bool awaited, const char *file,
                                  int line)
{
    auto watch = std::make_shared<ModalWatch>();
    watch->answer = std::move(answer);
    watch->timeoutMs = timeoutMs;
    watch->awaited = awaited;
    watch->testFunction = CurrentTestFunction();
    watch->file = file;
    watch->line = line;
    watch->clock.start();
    if (awaited)
        Awaited().push_back(watch);
    QTimer::singleShot(0, [watch] { Poll(watch); });
    return watch;
}

void Answer(SeenBox &seen, int timeoutMs, bool awaited, const char *file, int line)
{
    if (seen.watch) {  // armed again: the earlier box must have come
        Missing(seen.watch);
        seen.watch->stopped = true;
    }
    seen.seen = false;
    seen.title.clear();
    seen.text.clear();
    seen.icon = QMessageBox::NoIcon;
    seen.buttons = 0;
    seen.watch = Watch(
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
        timeoutMs, awaited, file, line);
}

}  // namespace

SeenBox::~SeenBox()
{
    if (!watch)
        return;
    Missing(watch);
    // The answer writes into this object: it must not run once the object is gone.
    watch->stopped = true;
}

void AnswerNextBox(SeenBox &seen, int timeoutMs, const char *file, int line)
{
    Answer(seen, timeoutMs, true, file, line);
}

bool AnswerBoxOf(SeenBox &seen, const std::function<void()> &act, int timeoutMs, const char *file, int line)
{
    Answer(seen, timeoutMs, true, file, line);
    act();
    return QTest::qWaitFor([&seen] { return seen.seen || seen.watch->stopped; }, timeoutMs) && seen.seen;
}

void WatchForBox(SeenBox &seen, int timeoutMs)
{
    Answer(seen, timeoutMs, false, __FILE__, __LINE__);
}

void WithNextModal(std::function<void(QWidget *)> fn, int timeoutMs, const char *file, int line)
{
    Watch(std::move(fn), timeoutMs, true, file, line);
}

void WithModalIfAny(std::function<void(QWidget *)> fn, int timeoutMs)
{
    Watch(std::move(fn), timeoutMs, false, __FILE__, __LINE__);
}

int ReportMissingModals()
{
    int missing = 0;
    for (const std::shared_ptr<ModalWatch> &watch : Awaited()) {
        if (watch->answered || watch->reported)
            continue;
        ++missing;
        qCritical("%s:%d: %s", watch->file, watch->line, MissingMessage(*watch).constData());
    }
    Awaited().clear();
    return missing;
}

}  // namespace orlenvo::testing
