// The main window with its banner, driven for bench/banner_memory.sh, which reads the memory of
// every process of the program each time this one reports a state:
//   banner_memory_bench off|picture|page [MINUTES]
// off: the flag document switches the banner off; picture: a PNG banner in the pictures-only
// view; page: two HTML banner pages with a picture, rotating every 5 s, in the web engine
// (sandboxed as an unprivileged user, loopback only without the sandbox as root), for MINUTES
// (default 0) after the first one shows. Everything comes from a server of the bench's own on
// 127.0.0.1. Prints "state <name>" at each state and holds it for 4 s; "done" at the end.
#include "app/windows/Program.h"
#include "app/windows/Unt_Main.h"
#include "banner/BannerCore.h"
#include "banner/windows/BannerView.h"
#include "tests/support/Doubles.h"
#include "ui/Application.h"

#include <QBuffer>
#include <QElapsedTimer>
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

QByteArray Png(QColor colour)
{
    QImage image(800, 81, QImage::Format_RGB32);
    image.fill(colour);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

QByteArray Page(const char *background, const char *picture, const char *text)
{
    return QByteArray("<html><head><meta charset='utf-8'></head><body style='margin:0;background:") + background +
           "'><img src='" + picture + "' style='position:absolute;left:12px;top:17px;width:120px;height:81px'>" +
           "<div style='position:absolute;top:30px;left:160px;font:bold 30px sans-serif;color:#8b0000'>" + text +
           "</div><script>var n = 0; setInterval(function(){ document.title = 'tick ' + (++n); }, 500);</script>"
           "</body></html>";
}

void State(const char *name, const char *shows)
{
    std::printf("state %s: shows %s (uid %d)\n", name, shows, int(geteuid()));
    std::fflush(stdout);
    QTest::qWait(4000);
}

const char *Shows(const BannerBrowser &browser)
{
    switch (browser.Showing()) {
    case BannerBrowser::Shows::Page: return "an HTML page in the engine";
    case BannerBrowser::Shows::Picture: return "a picture";
    case BannerBrowser::Shows::Nothing: break;
    }
    return "nothing";
}

}  // namespace

int main(int argc, char **argv)
{
    ui::Application app(argc, argv);
    const QByteArray mode = argc > 1 ? QByteArray(argv[1]) : QByteArray("page");
    const double minutes = argc > 2 ? QByteArray(argv[2]).toDouble() : 0.0;
    const QByteArray &list = orlenvo::testing::kList;
    const QByteArray &flag = orlenvo::testing::kFlag;
    LoopbackServer server;
    const QByteArray first = mode == "picture" ? "/red.png" : "/gold.html";
    const QByteArray second = mode == "picture" ? "/red.png" : "/blue.html";
    // Every line active: the last line is never shown, so the first two alternate.
    server.Serve(list, "1>5>" + server.Url(first).toEncoded() + "\r\n1>5>" + server.Url(second).toEncoded() +
                           "\r\n1>5>" + server.Url(first).toEncoded() + "\r\n");
    server.Serve(flag, mode == "off" ? "10" : "01");
    server.Serve("/red.png", {.body = Png(QColor(200, 40, 30)), .contentType = "image/png"});
    server.Serve("/green.png", {.body = Png(QColor(30, 160, 60)), .contentType = "image/png"});
    server.Serve("/gold.html", Page("#faecb4", "/red.png", "今日宜：出行　纳财"));
    server.Serve("/blue.html", Page("#b4d2fa", "/green.png", "吉祥如意 · 万事亨通"));

    orlenvo::testing::TestServices services(server.Base(),
                                            mode == "page" ? orlenvo::testing::TestEngine() : BannerEngineSource());
    Program program(services.env);
    TFrmmain &w = program.mainWindow();
    w.show();
    auto *browser = w.bannerStrip()->findChild<BannerBrowser *>(QStringLiteral("EmbeddedWB2"));
    QSignalSpy shown(browser, &BannerBrowser::PageShown);
    if (mode != "off" && !shown.wait(30000)) {
        std::fprintf(stderr, "%s: no page shown\n", mode.constData());
        return 1;
    }
    QTest::qWait(1000);
    State(mode.constData(), Shows(*browser));

    if (minutes > 0) {
        // The rotation goes on; every five minutes a state, and the last at the end.
        QElapsedTimer clock;
        clock.start();
        const qint64 end = qint64(minutes * 60000);
        int failed = 0;
        QObject::connect(browser, &BannerBrowser::PageShown, browser,
                         [&] { failed += browser->Showing() != BannerBrowser::Shows::Page; });
        for (qint64 next = 300000; clock.elapsed() < end; next += 300000) {
            QTest::qWait(int(std::min(next, end) - clock.elapsed()));
            const QByteArray name = "after-" + QByteArray::number(clock.elapsed() / 60000.0, 'f', 1) + "-min";
            std::printf("rotation: %d pages asked, %d failed\n", int(shown.count()), failed);
            State(name.constData(), Shows(*browser));
        }
    }
    std::printf("done\n");
    std::fflush(stdout);
    std::_Exit(0);
}
