// The banner browser with its web engine, against pages of the test's own server on 127.0.0.1.
// Run as an unprivileged user the engine runs sandboxed, as in the program; run as root (where
// the sandbox cannot start) it runs without it and refuses every request off the loopback.
// Like the program, the test does not link the engine: the browser loads it.
#include "app/windows/Program.h"
#include "app/windows/Unt_Main.h"
#include "banner/windows/Banner.h"
#include "banner/windows/BannerView.h"
#include "tests/support/Doubles.h"
#include "tests/support/Images.h"
#include "tests/support/ModalAnswer.h"
#include "tests/support/TopLevel.h"

#include <QElapsedTimer>
#include <QImage>
#include <QPainter>
#include <QRandomGenerator>
#include <QTimer>
#include <QtTest>

#include <csignal>

#include <unistd.h>

using namespace orlenvo;
using namespace orlenvo::app;
using namespace orlenvo::banner;
using namespace orlenvo::testing;

namespace {

const QColor kPictureColour(30, 90, 200);
const QColor kPageColour(250, 236, 180);

// The banner page's picture: a gold 福 in a ring on the picture colour, its corners plain.
QByteArray FuPicture()
{
    QImage image(120, 81, QImage::Format_RGB32);
    image.fill(kPictureColour);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(246, 211, 101), 3));
    p.drawEllipse(QPointF(60, 40.5), 31, 31);
    QFont font(QStringLiteral("WenQuanYi Zen Hei"));
    font.setPixelSize(36);
    p.setFont(font);
    p.drawText(QRect(0, 0, 120, 81), Qt::AlignCenter, QStringLiteral("福"));
    p.end();
    return Encoded(image, "PNG");
}

// A banner page of the maker's: a picture from the same server and Chinese text, UTF-8 as
// declared only in <meta>. Its content starts at the strip's corner.
QByteArray BannerPage()
{
    return QByteArray("<!DOCTYPE html><html><head><meta http-equiv='Content-Type' content='text/html; charset=utf-8'>"
                      "<title>banner</title><style>"
                      "html,body{margin:0;background:#faecb4;width:2000px;height:600px;overflow:auto}"
                      "#pic{position:absolute;left:12px;top:17px;width:120px;height:81px}"
                      "#text{position:absolute;left:150px;top:30px;font:bold 40px 'WenQuanYi Zen Hei';color:#8b0000}"
                      "#more{position:absolute;left:560px;top:36px;font:20px 'AR PL UKai CN';color:#b5532b}"
                      "</style></head><body><img id='pic' src='/banner/fu.png'>"
                      "<div id='text'>今日宜：出行　纳财</div><div id='more'>吉祥如意 · 万事亨通</div>"
                      "<script>document.title = 'ran:' + document.characterSet;</script></body></html>");
}

bool Near(QColor a, QColor b)
{
    return std::abs(a.red() - b.red()) < 12 && std::abs(a.green() - b.green()) < 12 &&
           std::abs(a.blue() - b.blue()) < 12;
}

// The title of the page that shows.
QString Title(BannerBrowser *browser)
{
    return browser->PageView()->property("title").toString();
}

QVariant RunScript(BannerBrowser *browser, const QString &script)
{
    QVariant result;
    bool done = false;
    browser->WebEngine()->Evaluate(script, [&](const QVariant &v) {
        result = v;
        done = true;
    });
    QElapsedTimer clock;
    clock.start();
    while (!done && clock.elapsed() < 5000)
        QTest::qWait(20);
    return result;
}

// Dark pixels in a rectangle of a grab: drawn text.
int InkIn(const QImage &image, const QRect &area)
{
    int ink = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            ink += image.pixelColor(x, y).lightness() < 110;
    return ink;
}

// Counts the event loop's turns every 50 ms from its creation.
struct Ticks {
    Ticks()
    {
        QObject::connect(&timer, &QTimer::timeout, &timer, [this] { ++count; });
        timer.start(50);
        clock.start();
    }
    // The loop turned at least a third as often as it should have.
    bool KeptRunning() const { return count >= clock.elapsed() / 50 / 3; }

    QTimer timer;
    QElapsedTimer clock;
    int count = 0;
};

struct Strip {
    Strip()
    {
        widget.resize(800, 81);
        widget.show();
        browser = new BannerBrowser(&widget, TestEngine());
        browser->show();
    }
    QWidget widget;
    BannerBrowser *browser;
};

}  // namespace

Q_DECLARE_METATYPE(orlenvo::testing::LoopbackServer::Response)

class BannerEngineTest final : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void showsAnHtmlPageWithItsPictureAndText();
    void pagesGetNoWindowsDownloadsOrLocalFiles();
    void hostilePagesLeaveTheProgramAnswering_data();
    void hostilePagesLeaveTheProgramAnswering();
    void theNextPageShowsAfterAPageFailure_data();
    void theNextPageShowsAfterAPageFailure();
    void mainWindowShowsTheBannerPage();
};

void BannerEngineTest::initTestCase()
{
    if (BannerEngineSource::Program().module.isEmpty())
        QSKIP("built without the web engine");
    qInfo("running as uid %d: the engine runs %s", int(geteuid()),
          geteuid() == 0 ? "without its sandbox, loopback only" : "sandboxed");
}

void BannerEngineTest::showsAnHtmlPageWithItsPictureAndText()
{
    LoopbackServer server;
    server.Serve("/banner/page.html", BannerPage());
    server.Serve("/banner/fu.png", {.body = FuPicture(), .contentType = "image/png"});
    Strip strip;
    QCOMPARE(strip.browser->Kind(), BannerBrowser::Engine::NotLoaded);
    QSignalSpy shown(strip.browser, &BannerBrowser::PageShown);
    strip.browser->Navigate(server.Url("/banner/page.html").toString());
    QCOMPARE(strip.browser->Kind(), BannerBrowser::Engine::Web);
    QVERIFY(shown.wait(20000));
    QCOMPARE(strip.browser->Showing(), BannerBrowser::Shows::Page);
    QVERIFY(strip.browser->WebEngine());

    // Scripts ran; the text arrived as the page declared it.
    QTRY_COMPARE_WITH_TIMEOUT(Title(strip.browser), QStringLiteral("ran:UTF-8"), 5000);
    QCOMPARE(RunScript(strip.browser, QStringLiteral("document.getElementById('text').textContent")).toString(),
             QStringLiteral("今日宜：出行　纳财"));
    QCOMPARE(server.Requests("/banner/fu.png"), 1);

    // Rendered: the picture at the strip's corner, text beside it, no scroll bars although
    // the page is larger than the browser.
    QImage grab;
    QTRY_VERIFY_WITH_TIMEOUT((grab = strip.widget.grab().toImage(), Near(grab.pixelColor(5, 5), kPictureColour)), 5000);
    QVERIFY2(Near(grab.pixelColor(5, 75), kPictureColour), qPrintable(grab.pixelColor(5, 75).name()));
    QVERIFY2(Near(grab.pixelColor(115, 75), kPictureColour), qPrintable(grab.pixelColor(115, 75).name()));
    QVERIFY2(Near(grab.pixelColor(125, 40), kPageColour), qPrintable(grab.pixelColor(125, 40).name()));
    const int ink = InkIn(grab, QRect(140, 13, 380, 45));
    QVERIFY2(ink > 800, QByteArray::number(ink).constData());
    for (const QPoint &edge : {QPoint(795, 40), QPoint(400, 78), QPoint(799, 80)})
        QVERIFY2(Near(grab.pixelColor(edge), kPageColour), qPrintable(grab.pixelColor(edge).name()));
}

void BannerEngineTest::pagesGetNoWindowsDownloadsOrLocalFiles()
{
    LoopbackServer server;
    server.Serve("/popup", "<p>popup</p>");
    server.Serve("/file.bin", {.body = QByteArray(4096, 'z'),
                               .contentType = "application/octet-stream",
                               .extraHeaders = "Content-Disposition: attachment; filename=x.bin\r\n"});
    server.Serve("/page", "<html><body><script>"
                          "var w = window.open('/popup', '_blank');"
                          "alert('boxes block nothing');"
                          "var r = 'open:' + (w === null);"
                          "fetch('file:///etc/passwd').then(function(){ document.title = r + ' file:read'; },"
                          "  function(){ document.title = r + ' file:refused'; });"
                          "</script><a id='dl' href='/file.bin' download>x</a></body></html>");
    Strip strip;
    QSignalSpy shown(strip.browser, &BannerBrowser::PageShown);
    const int windows = int(QApplication::topLevelWidgets().size());
    strip.browser->Navigate(server.Url("/page").toString());
    QVERIFY(shown.wait(20000));
    QVERIFY(strip.browser->WebEngine());
    QTRY_COMPARE_WITH_TIMEOUT(Title(strip.browser), QStringLiteral("open:true file:refused"), 5000);
    RunScript(strip.browser, QStringLiteral("document.getElementById('dl').click(); 1"));
    QTest::qWait(1000);
    QCOMPARE(server.Requests("/popup"), 0);
    QCOMPARE(int(QApplication::topLevelWidgets().size()), windows);
    QVERIFY(!QApplication::activeModalWidget());

    // A local file is not navigated to.
    strip.browser->Navigate(QStringLiteral("file:///etc/passwd"));
    QCOMPARE(strip.browser->Showing(), BannerBrowser::Shows::Nothing);
}

void BannerEngineTest::hostilePagesLeaveTheProgramAnswering_data()
{
    QTest::addColumn<LoopbackServer::Response>("response");
    QByteArray tables = "<html><body>";
    for (int i = 0; i < 3000; ++i)
        tables += "<table><tr><td>";
    tables += "deep";
    QByteArray binary(256 * 1024, '\0');
    QRandomGenerator random(13);
    for (char &c : binary)
        c = char(random.bounded(256));
    QTest::newRow("3000 nested tables") << LoopbackServer::Response{.body = tables};
    QTest::newRow("50 MB page") << LoopbackServer::Response{
        .body = "<html><body>" + QByteArray("<p>吉祥如意</p>").repeated(50 * 1024 * 1024 / 19)};
    QTest::newRow("endless body") << LoopbackServer::Response{.body = QByteArray("<div>风水</div>").repeated(4096),
                                                              .endless = true};
    QTest::newRow("binary body") << LoopbackServer::Response{.body = binary, .contentType = "application/octet-stream"};
    QTest::newRow("binary as html") << LoopbackServer::Response{.body = binary};
}

void BannerEngineTest::hostilePagesLeaveTheProgramAnswering()
{
    QFETCH(LoopbackServer::Response, response);
    LoopbackServer server;
    server.Serve("/hostile", response);
    server.Serve("/good", {.body = "<html><body style='margin:0;background:#1e5ac8'></body></html>"});
    Strip strip;
    QSignalSpy shown(strip.browser, &BannerBrowser::PageShown);
    Ticks ticks;
    strip.browser->Navigate(server.Url("/hostile").toString());
    QVERIFY(shown.wait(30000));
    const qint64 elapsed = ticks.clock.elapsed();
    qInfo("ended after %lld ms: %s", elapsed,
          strip.browser->Showing() == BannerBrowser::Shows::Page ? "shows the page" : "failed, shows nothing");
    // The event loop kept running while the page loaded.
    QVERIFY2(ticks.KeptRunning(), QByteArray::number(ticks.count).constData());
    QCOMPARE(strip.browser->Kind(), BannerBrowser::Engine::Web);

    // The engine shows the next page.
    strip.browser->Navigate(server.Url("/good").toString());
    QVERIFY(shown.wait(20000));
    QCOMPARE(strip.browser->Showing(), BannerBrowser::Shows::Page);
    QTRY_VERIFY_WITH_TIMEOUT(Near(strip.widget.grab().toImage().pixelColor(400, 40), kPictureColour), 5000);
}

void BannerEngineTest::theNextPageShowsAfterAPageFailure_data()
{
    QTest::addColumn<bool>("stuck");
    QTest::newRow("page stuck in a script, given up by the engine") << true;
    QTest::newRow("page process killed from outside") << false;
}

void BannerEngineTest::theNextPageShowsAfterAPageFailure()
{
    QFETCH(bool, stuck);
    LoopbackServer server;
    server.Serve("/stuck", "<html><body style='background:#faecb4'><script>for (;;) {}</script></body></html>");
    server.Serve("/first", "<html><body style='margin:0;background:#faecb4'></body></html>");
    server.Serve("/next", "<html><body style='margin:0;background:#1e5ac8'></body></html>");
    Strip strip;
    QSignalSpy shown(strip.browser, &BannerBrowser::PageShown);
    Ticks ticks;
    if (stuck) {
        strip.browser->Navigate(server.Url("/stuck").toString());
        QVERIFY(shown.wait(30000));
        QCOMPARE(strip.browser->Showing(), BannerBrowser::Shows::Nothing);
        // Unstuck, the same page shows on its next turn.
        server.Serve("/stuck", "<html><body style='margin:0;background:#1e5ac8'></body></html>");
    } else {
        strip.browser->Navigate(server.Url("/first").toString());
        QVERIFY(shown.wait(20000));
        QCOMPARE(strip.browser->Showing(), BannerBrowser::Shows::Page);
        const qint64 process = strip.browser->WebEngine()->PageProcess();
        QVERIFY(process > 0);
        QCOMPARE(::kill(pid_t(process), SIGKILL), 0);
        QTRY_COMPARE_WITH_TIMEOUT(strip.browser->Showing(), BannerBrowser::Shows::Nothing, 10000);
    }
    // The next navigation, the banner's next tick, shows its page: it is not spent on the
    // process that went.
    strip.browser->Navigate(server.Url(stuck ? "/stuck" : "/next").toString());
    QVERIFY(shown.wait(20000));
    QCOMPARE(strip.browser->Showing(), BannerBrowser::Shows::Page);
    QTRY_VERIFY_WITH_TIMEOUT(Near(strip.widget.grab().toImage().pixelColor(400, 40), kPictureColour), 5000);
    // The event loop kept running throughout.
    QVERIFY2(ticks.KeptRunning(), QByteArray::number(ticks.count).constData());
}

void BannerEngineTest::mainWindowShowsTheBannerPage()
{
    LoopbackServer server;
    server.Serve(kList, "1>30>" + server.Url("/banner/page.html").toEncoded() + "\r\n1>30>http://127.0.0.1:9/\r\n");
    server.Serve(kFlag, "01");
    server.Serve("/banner/page.html", BannerPage());
    server.Serve("/banner/fu.png", {.body = FuPicture(), .contentType = "image/png"});
    TestServices services(server.Base(), TestEngine());
    Program program(services.env);
    TFrmmain &w = program.mainWindow();
    QVERIFY(ShowOnScreen(&w));
    auto *browser = w.bannerStrip()->findChild<BannerBrowser *>(QStringLiteral("EmbeddedWB2"));
    QVERIFY(browser);
    // The engine loads with the first page, a second after start-up.
    QCOMPARE(browser->Kind(), BannerBrowser::Engine::NotLoaded);
    QSignalSpy shown(browser, &BannerBrowser::PageShown);
    QVERIFY(shown.wait(20000));
    QCOMPARE(browser->Showing(), BannerBrowser::Shows::Page);
    const QPoint strip = w.bannerStrip()->mapTo(&w, QPoint(0, 0));
    QImage grab;
    QTRY_VERIFY_WITH_TIMEOUT((grab = w.grab().toImage(), Near(grab.pixelColor(strip + QPoint(5, 5)), kPictureColour)),
                             5000);
    QTest::qWait(300);
    QVERIFY(InkIn(w.grab().toImage(), QRect(strip + QPoint(140, 13), QSize(380, 45))) > 800);
    // The page covers the whole strip: none of the static picture shows at its right.
    QVERIFY(Near(w.grab().toImage().pixelColor(strip + QPoint(w.bannerStrip()->width() - 2, 40)), kPageColour));
    QVERIFY(orlenvo::testing::SaveScreenshot(&w, "main-banner"));
}

int main(int argc, char **argv)
{
    orlenvo::ui::Application app(argc, argv);
    app.setAttribute(Qt::AA_Use96Dpi, true);
    orlenvo::ui::InstallFontSubstitutions();
    BannerEngineTest tc;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&tc, argc, argv);
}

#include "BannerEngineTest.moc"
