// Program entry.
#include "app/CommandLine.h"
#include "app/windows/Program.h"
#include "app/windows/Unt_Main.h"
#include "banner/windows/BannerHttp.h"
#include "calendar/HolidayImport.h"
#include "core/RegionalSettings.h"
#include "ui/Application.h"
#include "ui/KnowledgeDbLog.h"
#include "ui/Language.h"

#include <QDBusConnection>
#include <QFontDatabase>
#include <QImageReader>
#include <QLoggingCategory>

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <iostream>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include <fontconfig/fontconfig.h>

Q_LOGGING_CATEGORY(lcHolidays, "orlenvo.calendar.holidays")

namespace {

// Work Qt does first on the main window's way that other threads can do meanwhile, once the
// application object exists. The main thread finds the results behind Qt's own locks.
struct StartedAside {
    // The session bus, which the accessibility bridge connects to when the first widget gets its
    // text (without a bus, libdbus first starts dbus-launch).
    std::thread bus{[] { QDBusConnection::sessionBus(); }};
    // The font list first, which the menu bar's titles wait for; then the image format plugins'
    // list and the SVG one, with the menu bar's picture, for the first paint; then the banner's
    // network module, which the start-up fetches need. (Font engines are kept per thread: making one here,
    // with its fallback fonts, held the main thread at the font database's lock for longer than
    // making its own takes, about 1 ms in all.)
    std::thread loads{[] {
        QFontDatabase::families();
        QImageReader(QStringLiteral(":/pictures/menubar.svg")).read();
        orlenvo::banner::LoadHttpModule();
    }};

    ~StartedAside()
    {
        bus.join();
        loads.join();
    }
};

}  // namespace

int main(int argc, char **argv)
{
    // The command line (export, import, help) runs before any application object, so it needs no
    // display.
    const std::vector<std::string> args(argv + 1, argv + argc);
    // The script of every text: --lang zh_CN|zh_TW|zh_HK, else the locale's languages.
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    orlenvo::ui::ChooseScript(arguments);
    orlenvo::ui::LogKnowledgeDbWarnings();  // the script's databases, or the Simplified ones and why
    if (orlenvo::WantsCommandLine(args))
        return orlenvo::RunCommandLine(args, std::cout, std::cerr, std::time(nullptr));
    // The holiday years a user imported, over the built-in ones.
    if (const auto problem = orlenvo::LoadStoredHolidays(orlenvo::HolidayStorePath()))
        qCWarning(lcHolidays, "stored holidays not used, the built-in ones are: %s", problem->c_str());
    // The font configuration loads while the application connects to the display: the main
    // window's layout needs fonts before it first shows.
    std::thread fonts([] { FcInit(); });
    // 1. The application object; its event handling reports escaped errors in an error box.
    orlenvo::ui::Application app(argc, argv);
    fonts.join();
    auto aside = std::make_unique<StartedAside>();
    // 2. The application title; with it the desktop id, the window icon (the icon theme's once
    // the window shows), Qt's own dialogs in Chinese, memory given back as windows close, and
    // the program's font.
    orlenvo::ui::SetUpApplication(app);
    // 3. The regional date and time formats the windows rely on.
    orlenvo::SynchroniseRegionalSettings(orlenvo::RegionalSettings());
    // 4. The program: every operation bound to the dispatcher, and the main window over it;
    // creating the window runs its start-up fetches before it first shows.
    auto program = std::make_unique<orlenvo::app::Program>();
    program->mainWindow().show();
    aside.reset();
    // 5. The message loop.
    const int result = QApplication::exec();
    // The program ends at once: tearing the application object down would wait for name
    // look-ups still running in the network's threads. Nothing is left to write.
    program.reset();
    std::fflush(nullptr);
    std::_Exit(result);
}
