// Memory of the program with every kind of window opened once, side by side with a bare Qt
// window that uses the same font. Each case runs in a process of its own:
//
//   memory_bench            runs both cases and prints them side by side
//   memory_bench bare       a bare window with the program's font, showing Chinese text
//   memory_bench menu       the bare window with the program's menu bar (607 commands) on top
//   memory_bench program    the main window, then every kind of window opened and closed once
//
// Figures are resident memory (VmRSS) and its peak (VmHWM) in MB, with the resident memory
// split by what the pages hold (smaps).
#include "app/CommandTable.h"
#include "app/windows/MenuBar.h"
#include "app/windows/Program.h"
#include "app/windows/Unt_Main.h"
#include "ui/Application.h"
#include "ui/Desktop.h"
#include "ui/Fonts.h"
#include "ui/Messages.h"

#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QPixmap>
#include <QTest>
#include <QTimer>
#include <QVBoxLayout>

#include <malloc.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <string>

namespace {

double StatusMb(const char *field)
{
    std::ifstream in("/proc/self/status");
    std::string line;
    const std::string key = std::string(field) + ":";
    while (std::getline(in, line))
        if (line.rfind(key, 0) == 0)
            return std::stod(line.substr(key.size())) / 1024.0;
    return 0;
}

// Resident memory by what the pages hold.
std::map<std::string, double> ResidentByKind()
{
    std::map<std::string, double> kinds;
    char self[4096] = {};
    const ssize_t n = readlink("/proc/self/exe", self, sizeof self - 1);
    const std::string program = n > 0 ? std::string(self, static_cast<size_t>(n)) : std::string();
    std::ifstream in("/proc/self/smaps");
    std::string line, kind = "other";
    while (std::getline(in, line)) {
        if (line.empty())
            continue;
        if (std::isxdigit(static_cast<unsigned char>(line[0])) && line.find('-') < 17) {
            std::istringstream fields(line);
            std::string range, perms, offset, dev, inode, path;
            fields >> range >> perms >> offset >> dev >> inode;
            std::getline(fields >> std::ws, path);
            if (path.find("/fonts/") != std::string::npos)
                kind = "font " + path.substr(path.rfind('/') + 1);
            else if (path.find("libQt6") != std::string::npos || path.find("/qt6/plugins/") != std::string::npos)
                kind = "Qt libraries";
            else if (path.find(".so") != std::string::npos)
                kind = "other libraries";
            else if (path.find("fontconfig") != std::string::npos || path.find(".cache-") != std::string::npos)
                kind = "font caches";
            else if (path.empty() || path == "[heap]" || path.rfind("[anon", 0) == 0)
                kind = "heap and anonymous";
            else if (!program.empty() && path == program)
                kind = "program";
            else
                kind = "other";
        } else if (line.rfind("Rss:", 0) == 0) {
            kinds[kind] += std::stod(line.substr(4)) / 1024.0;
        }
    }
    return kinds;
}

void Report(const char *step)
{
    std::printf("step %s %.1f\n", step, StatusMb("VmRSS"));
    // Where that step's memory lies, for reading the log.
    double fonts = 0, heap = 0, libraries = 0;
    for (const auto &[kind, mb] : ResidentByKind()) {
        if (kind.rfind("font ", 0) == 0)
            fonts += mb;
        else if (kind == "heap and anonymous")
            heap += mb;
        else if (kind.find("libraries") != std::string::npos)
            libraries += mb;
    }
    std::printf("  fonts %.1f, heap and anonymous %.1f, libraries %.1f\n", fonts, heap, libraries);
}

void Finish()
{
    Report("end");
    std::printf("peak %.1f\n", StatusMb("VmHWM"));
    // The heap: what is allocated, and what is freed but still held by the allocator.
    const struct mallinfo2 heap = mallinfo2();
    std::printf("kind heap allocated|%.1f\n", static_cast<double>(heap.uordblks + heap.hblkhd) / (1024.0 * 1024.0));
    std::printf("kind heap freed, held|%.1f\n", static_cast<double>(heap.fordblks) / (1024.0 * 1024.0));
    for (const auto &[kind, mb] : ResidentByKind())
        std::printf("kind %s|%.1f\n", kind.c_str(), mb);
}

void Settle(QWidget *w)
{
    // Paint it as the screen would.
    w->grab();
    for (int i = 0; i < 5; ++i)
        QApplication::processEvents();
}

int Bare(int argc, char **argv, bool withMenu)
{
    orlenvo::ui::Application app(argc, argv);
    orlenvo::ui::InstallFontSubstitutions();
    QApplication::setFont(orlenvo::ui::Font(QStringLiteral("宋体"), orlenvo::ui::Pixels{12}));
    Report("start");
    QWidget w;
    w.resize(800, 600);
    auto *column = new QVBoxLayout(&w);
    if (withMenu)
        column->setMenuBar(new orlenvo::app::WrappingMenuBar([](const orlenvo::CommandAction &) {}, &w));
    column->addWidget(
        new QLabel(QStringLiteral("万年历 黄道吉日 手机号码分析 网名分析 生男生女 关于系统 客户服务 退出")));
    w.show();
    Settle(&w);
    Report("shown");
    Finish();
    return 0;
}

// Closes each modal window once it has painted, so a modal opening returns.
void CloseModalsWhenShown()
{
    auto *timer = new QTimer(qApp);
    QObject::connect(timer, &QTimer::timeout, timer, [] {
        if (QWidget *modal = QApplication::activeModalWidget()) {
            modal->grab();
            modal->close();
        }
    });
    timer->start(30);
}

int WholeProgram(int argc, char **argv)
{
    using namespace orlenvo;
    using namespace orlenvo::app;
    orlenvo::ui::Application app(argc, argv);
    orlenvo::ui::SetUpApplication(app);
    Report("start");

    ServiceEnvironment offline;
    offline.maker.server = QUrl();  // the banner fetches nothing
    app::Program program(offline);
    TFrmmain &main = program.mainWindow();
    main.show();
    Settle(&main);
    Report("main-window");

    CloseModalsWhenShown();
    // One command of every kind of window: the first row of each action kind and window class.
    std::set<std::pair<ActionKind, std::string>> seen;
    for (const CommandRow &row : CommandTable()) {
        const std::string cls = row.kind == ActionKind::ModalWindow ? row.text : std::string();
        switch (row.kind) {
        case ActionKind::Article:
        case ActionKind::PictureArticle:
        case ActionKind::Omen:
        case ActionKind::ModalWindow:
        case ActionKind::AlmanacWindow:
        case ActionKind::CustomerService:
        case ActionKind::About: break;
        default: continue;
        }
        if (!seen.insert({row.kind, cls}).second)
            continue;
        const QWidgetList open = QApplication::topLevelWidgets();
        const QSet<QWidget *> before(open.begin(), open.end());
        main.dispatch().Run(CommandAction{row.kind, row.text, row.number});
        // Non-blocking windows: paint and close them (they release themselves).
        for (QWidget *w : QApplication::topLevelWidgets()) {
            if (!before.contains(w) && w->isVisible()) {
                Settle(w);
                w->close();
            }
        }
        // At a user's pace: the next command comes a moment after a window closes.
        QTest::qWait(300);
        Report(row.caption);
    }
    std::printf("windows %zu\n", seen.size());
    Finish();
    // Then every menu of the bar dropped down once: their captions are laid out on first show.
    for (QMenu *menu : main.menu()->Menus()) {
        menu->popup(main.mapToGlobal(QPoint(0, 0)));
        Settle(menu);
        menu->hide();
    }
    Report("menus");
    return 0;
}

struct Result {
    std::map<std::string, double> steps;
    std::map<std::string, double> kinds;
    double peak = 0;
    std::string log;
};

Result Run(const char *self, const char *mode)
{
    Result r;
    const std::string command = std::string("'") + self + "' " + mode;
    FILE *pipe = popen(command.c_str(), "r");
    char buffer[4096];
    while (pipe && std::fgets(buffer, sizeof buffer, pipe)) {
        const std::string line(buffer);
        r.log += line;
        std::istringstream in(line);
        std::string tag;
        in >> tag;
        if (tag == "peak") {
            in >> r.peak;
        } else if (tag == "kind") {
            std::string rest;
            std::getline(in >> std::ws, rest);
            const auto bar = rest.rfind('|');
            r.kinds[rest.substr(0, bar)] = std::stod(rest.substr(bar + 1));
        } else if (tag == "step") {
            std::string rest;
            std::getline(in >> std::ws, rest);
            const auto space = rest.rfind(' ');
            r.steps[rest.substr(0, space)] = std::stod(rest.substr(space + 1));
        }
    }
    if (pipe)
        pclose(pipe);
    return r;
}

}  // namespace

int main(int argc, char **argv)
{
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
    if (argc == 2 && std::string(argv[1]) == "bare")
        return Bare(argc, argv, false);
    if (argc == 2 && std::string(argv[1]) == "menu")
        return Bare(argc, argv, true);
    if (argc == 2 && std::string(argv[1]) == "program")
        return WholeProgram(argc, argv);

    const Result bare = Run(argv[0], "bare");
    const Result menu = Run(argv[0], "menu");
    const Result program = Run(argv[0], "program");
    std::printf("%s\n", program.log.c_str());
    const auto at = [](const std::map<std::string, double> &m, const std::string &key) {
        const auto it = m.find(key);
        return it == m.end() ? 0.0 : it->second;
    };
    std::printf("%-28s %10s %10s %10s\n", "MB (resident)", "bare", "bare+menu", "program");
    std::printf("%-28s %10.1f %10.1f %10.1f\n", "after start-up", at(bare.steps, "shown"), at(menu.steps, "shown"),
                at(program.steps, "main-window"));
    std::printf("%-28s %10s %10s %10.1f\n", "every window opened once", "-", "-", at(program.steps, "end"));
    std::printf("%-28s %10s %10s %10.1f\n", "and every menu dropped down", "-", "-", at(program.steps, "menus"));
    std::printf("%-28s %10.1f %10.1f %10.1f\n", "peak", bare.peak, menu.peak, program.peak);
    std::set<std::string> kinds;
    for (const Result *r : {&bare, &menu, &program})
        for (const auto &k : r->kinds)
            kinds.insert(k.first);
    for (const std::string &k : kinds)
        std::printf("  %-26s %10.1f %10.1f %10.1f\n", k.c_str(), at(bare.kinds, k), at(menu.kinds, k),
                    at(program.kinds, k));
    const bool ran = bare.peak > 0 && menu.peak > 0 && program.peak > 0;
    return ran ? 0 : 1;
}
