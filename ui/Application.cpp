#include "ui/Application.h"

#include "ui/Desktop.h"
#include "ui/Fonts.h"
#include "ui/Keyboard.h"
#include "ui/Memory.h"
#include "ui/Messages.h"
#include "ui/Pictures.h"

#include <QPointer>
#include <QProxyStyle>

#include <atomic>

namespace orlenvo::ui {

namespace {

std::atomic<int> escapedExceptions{0};

// The platform's style, whose toolbar extension icons are read when first drawn. Every menu bar
// makes one for a button that shows only when its menus overflow, which ours never do; reading it
// is the program's first picture read by content, and that loads every image format plugin.
class ProgramStyle final : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;

    QIcon standardIcon(StandardPixmap which, const QStyleOption *option, const QWidget *widget) const override
    {
        if (which == SP_ToolBarHorizontalExtensionButton || which == SP_ToolBarVerticalExtensionButton)
            return QIcon(new DeferredIcon([style = QPointer<QStyle>(baseStyle()), which] {
                return style ? style->standardIcon(which) : QIcon();
            }));
        return QProxyStyle::standardIcon(which, option, widget);
    }
};

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
    // The program's menu bars are drawn in their windows, never handed to a desktop's global
    // menu: a bar then skips asking the session bus whether one is there.
    QCoreApplication::setAttribute(Qt::AA_DontUseNativeMenuBar);
    QApplication::setStyle(new ProgramStyle(QApplication::style()));
    InstallDesktopIdentity(app);
    ReleaseMemoryWhenWindowsClose(app);
    InstallFontSubstitutions();
    QApplication::setFont(Font(QStringLiteral("宋体"), Pixels{12}));
}

}  // namespace orlenvo::ui
