// Memory of the main window with a banner showing, one case per run:
//   banner_memory_bench off|pictures|engine
// off: the flag document switches the banner off; pictures: a PNG banner in the view without
// the engine; engine: an HTML banner page with a picture in the web engine (sandboxed as an
// unprivileged user, loopback only without the sandbox as root). Everything comes from a
// server of the bench's own on 127.0.0.1. Prints the resident and proportional set sizes of
// the process and of its children (the engine's processes) two seconds after the page shows.
#include "banner/BannerCore.h"
#include "banner/windows/BannerView.h"
#include "app/windows/Program.h"
#include "app/windows/Unt_Main.h"
#include "tests/support/Doubles.h"
#include "ui/Application.h"
#include "ui/Messages.h"

#include <QBuffer>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QSignalSpy>
#include <QTest>

#include <cstdio>

#include <unistd.h>

using namespace orlenvo;
using namespace orlenvo::app;
using namespace orlenvo::banner;
using orlenvo::testing::LoopbackServer;

namespace {

struct Kilobytes {
    long long rss = 0;
    long long pss = 0;
    int processes = 0;
};

void Add(Kilobytes &sum, qint64 pid)
{
    QFile rollup(QStringLiteral("/proc/%1/smaps_rollup").arg(pid));
    if (!rollup.open(QIODevice::ReadOnly))
        return;
    ++sum.processes;
    for (const QByteArray &line : rollup.readAll().split('\n')) {
        const QList<QByteArray> f = line.simplified().split(' ');
        if (f.size() >= 2 && f[0] == "Rss:")
            sum.rss += f[1].toLongLong();
        else if (f.size() >= 2 && f[0] == "Pss:")
            sum.pss += f[1].toLongLong();
    }
}

// This process and every process below it.
Kilobytes Tree()
{
    Kilobytes sum;
    QList<qint64> pids{getpid()};
    for (qsizetype i = 0; i < pids.size(); ++i) {
        Add(sum, pids[i]);
        QFile children(QStringLiteral("/proc/%1/task/%1/children").arg(pids[i]));
        if (children.open(QIODevice::ReadOnly))
            for (const QByteArray &c : children.readAll().simplified().split(' '))
                if (!c.isEmpty())
                    pids.append(c.toLongLong());
    }
    return sum;
}

QByteArray Png()
{
    QImage image(800, 81, QImage::Format_RGB32);
    image.fill(QColor(200, 40, 30));
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

}  // namespace

int main(int argc, char **argv)
{
    ui::Application app(argc, argv);
    const QByteArray mode = argc > 1 ? QByteArray(argv[1]) : QByteArray("engine");
    const QByteArray &list = orlenvo::testing::kList;
    const QByteArray &flag = orlenvo::testing::kFlag;
    LoopbackServer server;
    const QByteArray page = mode == "pictures" ? "/banner.png" : "/banner.html";
    server.Serve(list, "1>60>" + server.Url(page).toEncoded() + "\r\n1>60>" + server.Url(page).toEncoded() + "\r\n");
    server.Serve(flag, mode == "off" ? "10" : "01");
    server.Serve("/banner.png", {.body = Png(), .contentType = "image/png"});
    server.Serve("/banner.html", "<html><head><meta charset='utf-8'></head><body style='margin:0'>"
                                 "<img src='/banner.png'><div style='position:absolute;top:30px;left:40px;"
                                 "font-size:30px;color:#fff'>今日宜：出行　纳财</div></body></html>");

    BannerEngineSource engine = BannerEngineSource::Program();
    engine.options.loopbackWithoutSandbox = geteuid() == 0;
    const BannerEngineSource pictures;
    orlenvo::testing::RecordingLinks links;
    orlenvo::testing::MemoryStartPage startPage;
    ServiceEnvironment env;
    env.maker.server = server.Base();
    env.links = &links;
    env.startPage = &startPage;
    env.bannerEngine = mode == "engine" ? &engine : &pictures;

    QElapsedTimer clock;
    clock.start();
    Program program(env);
    TFrmmain &w = program.mainWindow();
    w.show();
    auto *browser = w.bannerStrip()->findChild<BannerBrowser *>(QStringLiteral("EmbeddedWB2"));
    QSignalSpy shown(browser, &BannerBrowser::PageShown);
    if (mode != "off" && !shown.wait(30000)) {
        std::fprintf(stderr, "%s: no page shown\n", mode.constData());
        return 1;
    }
    const qint64 showing = clock.elapsed();
    QTest::qWait(2000);
    const Kilobytes k = Tree();
    const char *what = browser->Showing() == BannerBrowser::Shows::Page      ? "an HTML page in the engine"
                       : browser->Showing() == BannerBrowser::Shows::Picture ? "a picture"
                                                                             : "nothing";
    std::printf("%-9s %7lld kB PSS %7lld kB RSS in %d processes; shows %s after %lld ms (uid %d)\n",
                mode.constData(), k.pss, k.rss, k.processes, what, showing, int(geteuid()));
    std::fflush(stdout);
    std::_Exit(0);
}
