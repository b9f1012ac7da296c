// Program entry.
#include "app/windows/Program.h"
#include "app/windows/Unt_Main.h"
#include "core/RegionalSettings.h"
#include "ui/Application.h"

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <thread>

#include <fontconfig/fontconfig.h>

int main(int argc, char **argv)
{
    // The font configuration loads while the application connects to the display: the main
    // window's layout needs fonts before it first shows.
    std::thread fonts([] { FcInit(); });
    // 1. The application object; its event handling reports escaped errors in an error box.
    orlenvo::ui::Application app(argc, argv);
    fonts.join();
    // 2. The application title; with it the desktop id, the window icon from the icon theme,
    // Qt's own dialogs in Chinese, memory given back as windows close, and the program's font.
    orlenvo::ui::SetUpApplication(app);
    // 3. The regional date and time formats the windows rely on.
    orlenvo::SynchroniseRegionalSettings(orlenvo::RegionalSettings());
    // 4. The program: every operation bound to the dispatcher, and the main window over it;
    // creating the window runs its start-up fetches before it first shows.
    auto program = std::make_unique<orlenvo::app::Program>();
    program->mainWindow().show();
    // 5. The message loop.
    const int result = QApplication::exec();
    // The program ends at once: tearing the application object down would wait for name
    // look-ups still running in the network's threads. Nothing is left to write.
    program.reset();
    std::fflush(nullptr);
    std::_Exit(result);
}
