// The application's last-resort net, which no other test may reach: an exception that escapes
// an event handler is shown in the general error box, counted, and the program goes on.
#include "tests/support/ModalAnswer.h"

#include <QTimer>

#include <cstdio>
#include <stdexcept>

namespace {

class Throwing final : public QObject {
public:
    bool event(QEvent *e) override
    {
        if (e->type() == QEvent::User)
            throw std::runtime_error("escaped");
        return QObject::event(e);
    }
};

bool Expect(bool ok, const char *what)
{
    if (!ok)
        std::fprintf(stderr, "FAIL: %s\n", what);
    return ok;
}

}  // namespace

int main(int argc, char **argv)
{
    orlenvo::ui::Application app(argc, argv);
    bool ok = Expect(orlenvo::ui::Application::EscapedExceptions() == 0, "nothing escaped at start");
    for (int i = 1; i <= 2; ++i) {
        orlenvo::testing::SeenBox seen;
        orlenvo::testing::AnswerNextBox(seen);
        Throwing target;
        QEvent user(QEvent::User);
        QApplication::sendEvent(&target, &user);
        ok &= Expect(seen.seen, "the error box is shown");
        ok &= Expect(seen.text == QStringLiteral("escaped"), "the box shows the error text");
        ok &= Expect(seen.title == QStringLiteral("Orlenvo") && seen.icon == QMessageBox::Critical,
                     "the box is the general error box");
        ok &= Expect(orlenvo::ui::Application::EscapedExceptions() == i, "each escape is counted");
    }
    std::puts(ok ? "PASS: last-resort net" : "FAIL: last-resort net");
    return ok ? 0 : 1;
}
