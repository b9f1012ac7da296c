#include "ui/Application.h"

#include "ui/Desktop.h"
#include "ui/Fonts.h"
#include "ui/Keyboard.h"
#include "ui/Memory.h"
#include "ui/Messages.h"

#include <atomic>

namespace orlenvo::ui {

namespace {

std::atomic<int> escapedExceptions{0};

}  // namespace

QString ApplicationTitle()
{
    return QStringLiteral("Orlenvo");
}

Application::Application(int &argc, char **argv) : QApplication(argc, argv)
{
    InstallAccessibility();
}

int Application::EscapedExceptions()
{
    return escapedExceptions.load();
}

bool Application::notify(QObject *receiver, QEvent *event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (...) {
        ++escapedExceptions;
        ReportException(std::current_exception());
        return true;
    }
}

void SetUpApplication(QCoreApplication &app)
{
    QCoreApplication::setApplicationName(ApplicationTitle());
    InstallDesktopIdentity(app);
    ReleaseMemoryWhenWindowsClose(app);
    InstallFontSubstitutions();
    QApplication::setFont(Font(QStringLiteral("宋体"), Pixels{12}));
}

}  // namespace orlenvo::ui
