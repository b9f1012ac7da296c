// The banner start-up, rotation and browser against an HTTP server of the test's own on
// 127.0.0.1.
#include "banner/windows/Banner.h"
#include "banner/windows/BannerPicture.h"
#include "banner/windows/BannerView.h"
#include "tests/support/Doubles.h"
#include "tests/support/Images.h"
#include "tests/support/ModalAnswer.h"
#include "ui/Modules.h"

#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QImageWriter>
#include <QPlainTextEdit>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <cerrno>
#include <memory>

#include <sys/wait.h>
#include <unistd.h>

using namespace orlenvo;
using namespace orlenvo::app;
using namespace orlenvo::banner;
using namespace orlenvo::testing;

namespace {

// A strip the size of the main window's banner strip.
struct Strip final : QWidget {
    Strip() { resize(800, 81); }
};

// A banner over a strip of its own, with a recording browser.
struct Rig {
    explicit Rig(const LoopbackServer &server)
    {
        banner = std::make_unique<Banner>(&strip, &memo, &timer, server.Base(), &view);
    }

    Strip strip;
    QPlainTextEdit memo;
    QTimer timer;
    RecordingBannerView view;
    std::unique_ptr<Banner> banner;
};

QStringList Texts(std::initializer_list<const char *> items)
{
    QStringList list;
    for (const char *item : items)
        list.append(QString::fromUtf8(item));
    return list;
}

QByteArray Picture(const char *format, QSize size = QSize(40, 20))
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::red);
    return Encoded(image, format);
}

// A PNG's signature and header chunk, then the header of a text chunk announcing 1.5 GB: 41 bytes
// in all, which once made the reader take 1.59 GB (the guard's bound wrapped with 8 to 11 bytes
// left).
QByteArray AnnouncingPng()
{
    return Picture("PNG").left(33) + QByteArray::fromHex("59682f00") + "tEXt";
}

// The browser without its engine.
BannerEngineSource PicturesOnly()
{
    return BannerEngineSource{};
}

qint64 ResidentBytes()
{
    QFile status(QStringLiteral("/proc/self/statm"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    const QList<QByteArray> fields = status.readAll().split(' ');
    return fields.value(1).toLongLong() * sysconf(_SC_PAGESIZE);
}

}  // namespace

Q_DECLARE_METATYPE(orlenvo::testing::LoopbackServer::Response)

class BannerTest final : public QObject {
    Q_OBJECT

private slots:
    void startUpSendsTheHeadersAndDecodesGbk();
    void flagDocument_data();
    void flagDocument();
    void rotationOverHttp_data();
    void rotationOverHttp();
    void firstTickComesFromTheTimer();
    void badDisplayTimeRaisesNoBox();
    void serverThatNeverAnswers();
    void hugeOrBinaryBody();
    void failedAnswersAndRedirects();
    void startUpDeadlineCoversAllThreeFetches();
    void endlessStartUpDocumentKeepsMemoryBounded();
    void browserGeometryAndHiding();
    void engineChoice_data();
    void engineChoice();
    void programRefusesTheEngineAsRoot();
    void brokenEngineModuleGivesPictures_data();
    void brokenEngineModuleGivesPictures();
    void sandboxProbeFailsClosed_data();
    void sandboxProbeFailsClosed();
    void browserShowsPictures_data();
    void browserShowsPictures();
    void pictureViewFailsOnAnythingElse_data();
    void pictureViewFailsOnAnythingElse();
    void pngGuardRefusesChunksCutOff();
    void browserFetchesOnlyWebAddresses();

private:
    QTemporaryDir scratch_;
};

void BannerTest::startUpSendsTheHeadersAndDecodesGbk()
{
    LoopbackServer server;
    server.Serve(kList, Gbk("1>5>http://127.0.0.1:9/风水\r\n0>5>停用\r\n"));
    server.Serve(kFlag, "01");
    Rig rig(server);

    QCOMPARE(server.Requests(kList), 1);
    QCOMPARE(server.Requests(kFlag), 2);
    QCOMPARE(server.TotalRequests(), 3);
    for (const QByteArray &head : server.Heads()) {
        QVERIFY2(head.contains("\r\nAccept: text/html, */*\r\n"), head.constData());
        QVERIFY2(head.contains("\r\nUser-Agent: Mozilla/3.0 (compatible; Indy Library)\r\n"), head.constData());
    }
    QCOMPARE(rig.memo.toPlainText(), QStringLiteral("1>5>http://127.0.0.1:9/风水\n0>5>停用\n"));
    QCOMPARE(rig.banner->State().LastIndex(), 1);
    QCOMPARE(rig.banner->Field(1, 2), std::string("停用"));
    QCOMPARE(rig.view.hides, 0);
    QVERIFY(rig.timer.isActive());
    QCOMPARE(rig.timer.interval(), 1000);
    QVERIFY(rig.view.navigations.isEmpty());
}

void BannerTest::flagDocument_data()
{
    QTest::addColumn<QByteArray>("flag");
    QTest::addColumn<int>("bannerSwitch");
    QTest::newRow("one zero: off") << QByteArray("10") << 0;
    QTest::newRow("zero one: on") << QByteArray("01") << 1;
    QTest::newRow("single one: off") << QByteArray("1") << 0;
    QTest::newRow("letter one: off") << QByteArray("a1") << 0;
    QTest::newRow("empty: off") << QByteArray() << 0;
}

void BannerTest::flagDocument()
{
    QFETCH(QByteArray, flag);
    QFETCH(int, bannerSwitch);
    LoopbackServer server;
    server.Serve(kList, "1>5>http://127.0.0.1:9/a\r\n");
    server.Serve(kFlag, flag);
    Rig rig(server);
    QCOMPARE(rig.banner->State().Switch(), bannerSwitch);
    QCOMPARE(rig.view.hides, bannerSwitch == 0 ? 1 : 0);
    rig.banner->Timer1Timer();
    QCOMPARE(rig.view.navigations.size(), bannerSwitch == 0 ? 0 : 1);
}

void BannerTest::rotationOverHttp_data()
{
    QTest::addColumn<QByteArray>("list");
    QTest::addColumn<QStringList>("shown");  // navigations after five ticks
    QTest::addColumn<int>("hides");
    QTest::addColumn<int>("interval");  // the timer's interval afterwards

    QTest::newRow("empty list") << QByteArray() << QStringList() << 1 << 1000;
    QTest::newRow("three lines: 0 and 1 alternate")
        << QByteArray("1>5>http://h/0\r\n1>5>http://h/1\r\n1>5>http://h/2\r\n")
        << Texts({"http://h/0", "http://h/1", "http://h/0", "http://h/1", "http://h/0"}) << 0 << 5000;
    QTest::newRow("inactive lines, then the last active: stuck on it")
        << QByteArray("0>5>http://h/0\r\n0>5>http://h/1\r\n0>5>http://h/2\r\n1>9>http://h/3\r\n")
        << Texts({"http://h/3"}) << 0 << 9000;
    QTest::newRow("no active line: visible and empty")
        << QByteArray("0>5>http://h/0\r\n2>5>http://h/1\r\n") << QStringList() << 0 << 1000;
    QTest::newRow("address containing >") << QByteArray("1>10>http://h/p?a=1>2>3\r\nend\r\n")
                                          << QStringList(5, QStringLiteral("http://h/p?a=1>2>3")) << 0 << 10000;
    QTest::newRow("bad display time skipped") << QByteArray("1>soon>http://h/0\r\n1>2>http://h/1\r\n1>2>http://h/2\r\n")
                                              << Texts({"http://h/1", "http://h/1"}) << 0 << 2000;
}

void BannerTest::rotationOverHttp()
{
    QFETCH(QByteArray, list);
    QFETCH(QStringList, shown);
    QFETCH(int, hides);
    QFETCH(int, interval);
    LoopbackServer server;
    server.Serve(kList, list);
    server.Serve(kFlag, "01");
    Rig rig(server);
    QCOMPARE(rig.view.hides, hides);
    for (int i = 0; i < 5; ++i)
        rig.banner->Timer1Timer();
    QCOMPARE(rig.view.navigations, shown);
    QCOMPARE(rig.timer.interval(), interval);
    QVERIFY(rig.timer.isActive());
}

void BannerTest::firstTickComesFromTheTimer()
{
    LoopbackServer server;
    server.Serve(kList, "1>0>http://h/only\r\n1>5>http://h/never\r\n");
    server.Serve(kFlag, "01");
    Rig rig(server);
    QVERIFY(rig.view.navigations.isEmpty());
    QTRY_COMPARE_WITH_TIMEOUT(rig.view.navigations, QStringList{QStringLiteral("http://h/only")}, 3000);
    // A display time of 0 stops the timer: the page stays.
    QVERIFY(!rig.timer.isActive());
}

void BannerTest::badDisplayTimeRaisesNoBox()
{
    LoopbackServer server;
    server.Serve(kList, "1>x>http://h/bad\r\n1>1>http://h/good\r\n1>1>http://h/2\r\n");
    server.Serve(kFlag, "01");
    orlenvo::testing::SeenBox seen;
    orlenvo::testing::WatchForBox(seen, 2500);
    Rig rig(server);
    // Ticks arrive through the application's event handling, as in the program.
    QTRY_VERIFY_WITH_TIMEOUT(rig.view.navigations.contains(QStringLiteral("http://h/good")), 4000);
    QVERIFY(!seen.seen);
    QVERIFY(!rig.view.navigations.contains(QStringLiteral("http://h/bad")));
}

void BannerTest::serverThatNeverAnswers()
{
    LoopbackServer server;
    server.Serve(kList, LoopbackServer::Response{.silent = true});
    server.Serve(kFlag, "01");
    QElapsedTimer clock;
    clock.start();
    Rig rig(server);
    const qint64 elapsed = clock.elapsed();
    QVERIFY2(elapsed < kFetchTimeoutMs + 2000, QByteArray::number(elapsed).constData());
    QCOMPARE(server.Requests(kList), 1);
    QCOMPARE(server.Requests(kFlag), 0);
    QCOMPARE(rig.banner->State().Switch(), 0);
    QCOMPARE(rig.view.hides, 1);
    QVERIFY(rig.memo.toPlainText().isEmpty());

    // The flag document hanging after the list arrived: the list stays, the banner is off.
    LoopbackServer half;
    half.Serve(kList, "1>5>http://h/0\r\n");
    half.Serve(kFlag, LoopbackServer::Response{.silent = true});
    Rig rig2(half);
    QCOMPARE(rig2.memo.toPlainText(), QStringLiteral("1>5>http://h/0\n"));
    QCOMPARE(rig2.view.hides, 1);
    rig2.banner->Timer1Timer();
    QVERIFY(rig2.view.navigations.isEmpty());
}

void BannerTest::hugeOrBinaryBody()
{
    LoopbackServer huge;
    huge.Serve(kList, QByteArray("1>5>http://h/0\r\n").repeated(200'000));  // 3.2 MB
    huge.Serve(kFlag, "01");
    Rig rig(huge);
    QVERIFY(rig.memo.toPlainText().isEmpty());
    QCOMPARE(rig.view.hides, 1);
    QCOMPARE(huge.Requests(kFlag), 0);

    QByteArray binary(64 * 1024, '\0');
    QRandomGenerator random(8);
    for (char &c : binary)
        c = char(random.bounded(256));
    binary.prepend("1>1>http://h/a\r\n");
    LoopbackServer junk;
    junk.Serve(kList, LoopbackServer::Response{.body = binary, .contentType = "application/octet-stream"});
    junk.Serve(kFlag, "01");
    Rig rig2(junk);
    QVERIFY(!rig2.memo.toPlainText().isEmpty());
    QCOMPARE(rig2.view.hides, 0);
    for (int i = 0; i < 50; ++i)
        rig2.banner->Timer1Timer();
    QCOMPARE(rig2.view.navigations.value(0), QStringLiteral("http://h/a"));
}

void BannerTest::failedAnswersAndRedirects()
{
    LoopbackServer missing;
    missing.Serve(kList, "1>5>http://h/0\r\n");  // the flag document is missing: 404
    Rig rig(missing);
    QCOMPARE(missing.Requests(kFlag), 1);
    QCOMPARE(rig.banner->State().Switch(), 0);
    QCOMPARE(rig.view.hides, 1);

    LoopbackServer errors;
    errors.Serve(kList, LoopbackServer::Response{.status = 500, .body = "1>5>http://h/0\r\n"});
    errors.Serve(kFlag, "01");
    Rig rig2(errors);
    QVERIFY(rig2.memo.toPlainText().isEmpty());
    QCOMPARE(rig2.view.hides, 1);

    LoopbackServer moved;
    moved.Serve(kList, LoopbackServer::Response{
                           .status = 302, .extraHeaders = "Location: " + moved.Url("/elsewhere").toEncoded() + "\r\n"});
    moved.Serve("/elsewhere", "1>5>http://h/0\r\n");
    moved.Serve(kFlag, "01");
    Rig rig3(moved);
    QCOMPARE(moved.Requests("/elsewhere"), 0);
    QCOMPARE(rig3.view.hides, 1);
}

void BannerTest::startUpDeadlineCoversAllThreeFetches()
{
    // Each document comes just inside the time of one fetch: together they would take 9 s.
    LoopbackServer server;
    server.Serve(kList, {.body = "1>5>http://h/0\r\n", .delayMs = 3000});
    server.Serve(kFlag, {.body = "01", .delayMs = 3000});
    QElapsedTimer clock;
    clock.start();
    Rig rig(server);
    const qint64 elapsed = clock.elapsed();
    QVERIFY2(elapsed < kFetchTimeoutMs + 1000, QByteArray::number(elapsed).constData());
    QCOMPARE(rig.memo.toPlainText(), QStringLiteral("1>5>http://h/0\n"));
    QCOMPARE(server.Requests(kFlag), 1);  // the second flag fetch is not even sent
    QCOMPARE(rig.banner->State().Switch(), 0);
    QCOMPARE(rig.view.hides, 1);
}

void BannerTest::endlessStartUpDocumentKeepsMemoryBounded()
{
    LoopbackServer server;
    server.Serve(kList, {.body = QByteArray(256 * 1024, 'x'), .endless = true});
    server.Serve(kFlag, "01");
    const qint64 before = ResidentBytes();
    QElapsedTimer clock;
    clock.start();
    Rig rig(server);
    // Abandoned as soon as the body passes the bound, long before the time runs out.
    QVERIFY2(clock.elapsed() < kFetchTimeoutMs, QByteArray::number(clock.elapsed()).constData());
    QVERIFY(rig.memo.toPlainText().isEmpty());
    QCOMPARE(rig.view.hides, 1);
    const qint64 grown = ResidentBytes() - before;
    QVERIFY2(grown < 24 * kMaxBodyBytes, QByteArray::number(grown).constData());
}

void BannerTest::browserGeometryAndHiding()
{
    LoopbackServer server;
    server.Serve("/page", Picture("PNG"));
    Strip strip;
    auto *browser = new BannerBrowser(&strip, PicturesOnly());
    QCOMPARE(browser->objectName(), QStringLiteral("EmbeddedWB2"));
    // 803 × 107 from 12 px left of and 17 px above the strip, grown to cover the strip.
    QCOMPARE(browser->geometry(), QRect(-12, -17, 812, 107));
    strip.show();
    strip.resize(1000, 81);
    QCOMPARE(browser->geometry(), QRect(-12, -17, 1012, 107));
    strip.resize(600, 81);
    QCOMPARE(browser->geometry(), QRect(-12, -17, 803, 107));
    QVERIFY(browser->isVisible());
    QCOMPARE(browser->Kind(), BannerBrowser::Engine::NotLoaded);

    browser->Hide();
    QVERIFY(!browser->isVisible());
    QCOMPARE(browser->geometry().topLeft(), QPoint(-12, -200));
    browser->Navigate(server.Url("/page").toString());
    QTest::qWait(200);
    QCOMPARE(server.TotalRequests(), 0);
    QVERIFY(!browser->isVisible());
}

void BannerTest::engineChoice_data()
{
    QTest::addColumn<bool>("module");
    QTest::addColumn<bool>("sandbox");
    QTest::addColumn<int>("kind");
    const QString engine = BannerEngineSource::Program().module;
    QTest::newRow("no module") << false << true << int(BannerBrowser::Engine::Pictures);
    QTest::newRow("no sandbox (root)") << !engine.isEmpty() << false << int(BannerBrowser::Engine::Pictures);
}

void BannerTest::engineChoice()
{
    QFETCH(bool, module);
    QFETCH(bool, sandbox);
    QFETCH(int, kind);
    LoopbackServer server;
    server.Serve("/banner", Picture("PNG"));
    BannerEngineSource source = BannerEngineSource::Program();
    if (!module)
        source.module = QStringLiteral("/nonexistent/liborlenvo_banner_engine.so");
    source.canSandbox = [sandbox] { return sandbox; };
    Strip strip;
    auto *browser = new BannerBrowser(&strip, source);
    QSignalSpy shown(browser, &BannerBrowser::PageShown);
    browser->Navigate(server.Url("/banner").toString());
    QCOMPARE(int(browser->Kind()), kind);
    QVERIFY(shown.wait(3000));
    QCOMPARE(browser->Showing(), BannerBrowser::Shows::Picture);
}

void BannerTest::programRefusesTheEngineAsRoot()
{
    if (geteuid() != 0)
        QSKIP("runs as root only");
    QVERIFY(!CanSandboxEngine());
    QWidget strip;
    auto *browser = new BannerBrowser(&strip);
    browser->Navigate(QStringLiteral("http://127.0.0.1:9/"));
    QCOMPARE(browser->Kind(), BannerBrowser::Engine::Pictures);
}

void BannerTest::brokenEngineModuleGivesPictures_data()
{
    QTest::addColumn<QString>("module");
    QTest::addColumn<QString>("reason");
    const QString garbage = scratch_.filePath(QStringLiteral("liborlenvo_banner_engine.so"));
    QFile file(garbage);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(QByteArray(4096, '\x5a'));
    QTest::newRow("garbage bytes") << garbage << QStringLiteral("Cannot load library");
    QTest::newRow("another version")
        << QStringLiteral(ORLENVO_STALE_MODULE_DIR "/other-version.so")
        << QStringLiteral("version %1, the program's is %2").arg(ui::kModuleVersion + 1).arg(ui::kModuleVersion);
}

void BannerTest::brokenEngineModuleGivesPictures()
{
    QFETCH(QString, module);
    QFETCH(QString, reason);
    LoopbackServer server;
    server.Serve("/banner", Picture("PNG"));
    BannerEngineSource source;
    source.module = module;
    source.canSandbox = [] { return true; };
    Strip strip;
    auto *browser = new BannerBrowser(&strip, source);
    QSignalSpy shown(browser, &BannerBrowser::PageShown);
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^module %1 not used: .*%2")
                                                              .arg(QRegularExpression::escape(module),
                                                                   QRegularExpression::escape(reason))));
    browser->Navigate(server.Url("/banner").toString());
    QCOMPARE(browser->Kind(), BannerBrowser::Engine::Pictures);
    QVERIFY(shown.wait(3000));
    QCOMPARE(browser->Showing(), BannerBrowser::Shows::Picture);
}

void BannerTest::sandboxProbeFailsClosed_data()
{
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QList<int>>("waitErrors");  // the errors of the waits before waitpid itself runs
    QTest::addColumn<bool>("works");
    QTest::newRow("exited with 0") << 0 << QList<int>{} << true;
    QTest::newRow("exited with 1") << 1 << QList<int>{} << false;
    QTest::newRow("interrupted twice, then exited with 0") << 0 << QList<int>{EINTR, EINTR} << true;
    QTest::newRow("wait failed (ECHILD)") << 0 << QList<int>{ECHILD} << false;
}

void BannerTest::sandboxProbeFailsClosed()
{
    QFETCH(int, exitCode);
    QFETCH(QList<int>, waitErrors);
    QFETCH(bool, works);
    const pid_t child = fork();
    QVERIFY(child >= 0);
    if (child == 0)
        _exit(exitCode);
    if (waitErrors.size() > waitErrors.count(EINTR))
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("sandbox probe could not be waited for")));
    qsizetype waits = 0;
    const bool result = ProbeChildSucceeded(child, [&](pid_t waited, int *status) -> pid_t {
        if (waits < waitErrors.size()) {
            errno = waitErrors[waits++];
            return -1;
        }
        return waitpid(waited, status, 0);
    });
    QCOMPARE(result, works);
    QCOMPARE(waits, waitErrors.size());
    waitpid(child, nullptr, 0);  // the child a failed wait left
}

void BannerTest::browserShowsPictures_data()
{
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<QByteArray>("contentType");
    QTest::newRow("png") << Picture("PNG") << QByteArray("image/png");
    QTest::newRow("jpeg") << Picture("JPEG") << QByteArray("image/jpeg");
    // A 1 × 1 GIF whose one pixel is palette entry 0, red.
    QTest::newRow("gif") << QByteArray("GIF89a\x01\x00\x01\x00\x80\x00\x00\xff\x00\x00\x00\x00\x00"
                                       ",\x00\x00\x00\x00\x01\x00\x01\x00\x00\x02\x02\x44\x01\x00;",
                                       35)
                         << QByteArray("image/gif");
    QTest::newRow("png served as text/html") << Picture("PNG") << QByteArray("text/html");
}

void BannerTest::browserShowsPictures()
{
    QFETCH(QByteArray, body);
    QFETCH(QByteArray, contentType);
    LoopbackServer server;
    server.Serve("/banner", LoopbackServer::Response{.body = body, .contentType = contentType});
    Strip strip;
    auto *browser = new BannerBrowser(&strip, PicturesOnly());
    QSignalSpy shown(browser, &BannerBrowser::PageShown);
    browser->Navigate(server.Url("/banner").toString());
    QVERIFY(shown.wait(3000));
    QCOMPARE(browser->Showing(), BannerBrowser::Shows::Picture);
    const QImage picture = browser->PictureView()->Picture().toImage();
    QVERIFY(picture.size() == QSize(40, 20) || picture.size() == QSize(1, 1));
    // Drawn from the strip's top-left corner.
    strip.show();
    const QImage grabbed = strip.grab().toImage();
    const QColor corner = grabbed.pixelColor(0, 0);
    QVERIFY2(corner.red() > 240 && corner.green() < 16 && corner.blue() < 16, qPrintable(corner.name()));
}

void BannerTest::pictureViewFailsOnAnythingElse_data()
{
    QTest::addColumn<LoopbackServer::Response>("response");
    QByteArray binary(64 * 1024, '\0');
    QRandomGenerator random(8);
    for (char &c : binary)
        c = char(random.bounded(256));
    QByteArray tables;
    for (int i = 0; i < 3000; ++i)
        tables += "<table><tr><td>";
    QTest::newRow("html page") << LoopbackServer::Response{.body = Gbk("<p>今日吉祥</p>")};
    QTest::newRow("3000 nested tables") << LoopbackServer::Response{.body = tables};
    QTest::newRow("svg") << LoopbackServer::Response{
        .body = "<svg xmlns='http://www.w3.org/2000/svg' width='40' height='20'/>", .contentType = "image/svg+xml"};
    QTest::newRow("binary") << LoopbackServer::Response{.body = binary, .contentType = "application/octet-stream"};
    QTest::newRow("png of too many pixels") << LoopbackServer::Response{.body = Picture("PNG", QSize(2001, 2000))};
    // A text chunk announcing 1.7 GB in a picture of a few hundred bytes (found by the fuzz target).
    QByteArray announcing = Picture("PNG");
    announcing.insert(announcing.size() - 12, QByteArray::fromHex("66f4b46c") + "tEXtComment");
    QTest::newRow("png chunk longer than the body") << LoopbackServer::Response{.body = announcing};
    QTest::newRow("png of 41 bytes announcing 1.5 GB") << LoopbackServer::Response{.body = AnnouncingPng()};
    QTest::newRow("picture over 1 MiB") << LoopbackServer::Response{.body =
                                                                        Picture("PNG") + QByteArray(kMaxBodyBytes, 0)};
    QTest::newRow("endless body") << LoopbackServer::Response{.endless = true};
    QTest::newRow("error status") << LoopbackServer::Response{.status = 500, .body = Picture("PNG")};
    QTest::newRow("no answer") << LoopbackServer::Response{.silent = true};
}

void BannerTest::pictureViewFailsOnAnythingElse()
{
    QFETCH(LoopbackServer::Response, response);
    LoopbackServer server;
    server.Serve("/good", Picture("PNG"));
    server.Serve("/bad", response);
    Strip strip;
    strip.show();
    auto *browser = new BannerBrowser(&strip, PicturesOnly());
    QSignalSpy shown(browser, &BannerBrowser::PageShown);
    browser->Navigate(server.Url("/good").toString());
    QVERIFY(shown.wait(3000));
    QCOMPARE(browser->Showing(), BannerBrowser::Shows::Picture);

    QElapsedTimer clock;
    clock.start();
    browser->Navigate(server.Url("/bad").toString());
    // The program answers events while the page arrives.
    int ticks = 0;
    QTimer ticker;
    connect(&ticker, &QTimer::timeout, &ticker, [&] { ++ticks; });
    ticker.start(50);
    QVERIFY(shown.wait(kFetchTimeoutMs + 2000));
    QCOMPARE(browser->Showing(), BannerBrowser::Shows::Nothing);
    QVERIFY(browser->PictureView()->Picture().isNull());
    QVERIFY2(ticks >= clock.elapsed() / 50 / 2, QByteArray::number(ticks).constData());
    // Nothing shows: the strip beneath shows through.
    const QImage grabbed = strip.grab().toImage();
    QCOMPARE(grabbed.pixelColor(0, 0), strip.palette().color(QPalette::Window));
}

void BannerTest::pngGuardRefusesChunksCutOff()
{
    QVERIFY(PngChunksFit(Picture("PNG")));
    const QByteArray announcing = AnnouncingPng();
    QCOMPARE(announcing.size(), 41);
    // Ending after the header chunk is no cut; any of the next chunk's first 8 bytes is.
    QVERIFY(PngChunksFit(announcing.left(33)));
    for (qsizetype size = 34; size <= announcing.size(); ++size)
        QVERIFY2(!PngChunksFit(announcing.left(size)), qPrintable(QString::number(size)));
}

void BannerTest::browserFetchesOnlyWebAddresses()
{
    LoopbackServer server;
    server.Serve("/page", Picture("PNG"));
    Strip strip;
    auto *browser = new BannerBrowser(&strip, PicturesOnly());
    QSignalSpy shown(browser, &BannerBrowser::PageShown);
    for (const QString &address : {QStringLiteral("file:///etc/hostname"), QStringLiteral("javascript:alert(1)"),
                                   QStringLiteral("127.0.0.1/page"), QString(), QStringLiteral("ftp://127.0.0.1/x")}) {
        browser->Navigate(address);
        QCOMPARE(browser->Showing(), BannerBrowser::Shows::Nothing);
        QCOMPARE(browser->Kind(), BannerBrowser::Engine::NotLoaded);
    }
    QCOMPARE(shown.size(), 5);
    QCOMPARE(server.TotalRequests(), 0);
}

ORLENVO_QTEST_MAIN(BannerTest)
#include "BannerTest.moc"
