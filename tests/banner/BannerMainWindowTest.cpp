// The main window's banner start-up and rotation against a loopback server, and its
// "退出" button with the exit prompt.
#include "app/windows/EndMsg.h"
#include "app/windows/Unt_Main.h"
#include "banner/windows/Banner.h"
#include "banner/windows/BannerView.h"
#include "tests/support/Doubles.h"
#include "tests/support/Images.h"
#include "tests/support/ModalAnswer.h"
#include "tests/support/TopLevel.h"

#include <QCheckBox>
#include <QElapsedTimer>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSvgRenderer>
#include <QTimer>
#include <QtTest>

#include <vector>

using namespace orlenvo;
using namespace orlenvo::app;
using namespace orlenvo::banner;
using namespace orlenvo::testing;

namespace {

// A banner picture of the maker's: a PNG strip 800 × 81 with a greeting.
QByteArray BannerPicture(const char *greeting)
{
    const QByteArray svg =
        QByteArray("<svg xmlns='http://www.w3.org/2000/svg' width='800' height='81'>"
                   "<defs><linearGradient id='g' x1='0' y1='0' x2='1' y2='1'>"
                   "<stop offset='0' stop-color='#7a0f0f'/><stop offset='1' stop-color='#d4380d'/>"
                   "</linearGradient></defs>"
                   "<rect width='800' height='81' fill='url(#g)'/>"
                   "<circle cx='52' cy='40' r='28' fill='none' stroke='#f6d365' stroke-width='3'/>"
                   "<text x='52' y='50' font-size='28' text-anchor='middle' fill='#f6d365'"
                   " font-family='WenQuanYi Zen Hei'>福</text>"
                   "<text x='100' y='38' font-size='22' fill='#fff5d6' font-family='WenQuanYi Zen Hei'>") +
        greeting +
        "</text><text x='100' y='64' font-size='13' fill='#f6d365' font-family='WenQuanYi Zen Hei'>"
        "Orlenvo 风水百科 · 黄道吉日 · 万年历法 · 姓名测算</text></svg>";
    QImage image(800, 81, QImage::Format_RGB32);
    QPainter painter(&image);
    QSvgRenderer(svg).render(&painter);
    painter.end();
    return Encoded(image, "PNG");
}

struct Services {
    explicit Services(const LoopbackServer &server)
    {
        env.maker.server = server.Base();
        env.links = &links;
        env.startPage = &startPage;
        env.bannerEngine = &picturesOnly;
    }
    // These tests take the browser's path without its engine.
    BannerEngineSource picturesOnly;
    RecordingLinks links;
    MemoryStartPage startPage;
    ServiceEnvironment env;
};

BannerBrowser *Browser(TFrmmain &w)
{
    return w.bannerStrip()->findChild<BannerBrowser *>(QStringLiteral("EmbeddedWB2"));
}

}  // namespace

class BannerMainWindowTest final : public QObject {
    Q_OBJECT

private slots:
    void bannerRotatesOverTheStrip();
    void bannerOffShowsTheStaticPicture_data();
    void bannerOffShowsTheStaticPicture();
    void serverThatNeverAnswersDelaysTheWindowOnlyWithinTheBound();
    void exitButton_data();
    void exitButton();
};

void BannerMainWindowTest::bannerRotatesOverTheStrip()
{
    LoopbackServer server;
    const QByteArray page0 = server.Url("/ads/0.png").toEncoded();
    const QByteArray page1 = server.Url("/ads/1.png").toEncoded();
    server.Serve(kList,
                 "1>5>" + page0 + "\r\n1>5>" + page1 + "\r\n1>5>" + server.Url("/ads/2.png").toEncoded() + "\r\n");
    server.Serve(kFlag, "01");
    server.Serve("/ads/0.png", {.body = BannerPicture("今日宜：出行　纳财　祈福"), .contentType = "image/png"});
    server.Serve("/ads/1.png", {.body = BannerPicture("万事如意　吉祥安康"), .contentType = "image/png"});
    Services services(server);
    RecordingDispatcher d;
    TFrmmain w(d, services.env);

    // The start-up fetches are done when the window exists, before it first shows.
    QCOMPARE(server.Requests(kList), 1);
    QCOMPARE(server.Requests(kFlag), 2);
    auto *memo = w.findChild<QPlainTextEdit *>(QStringLiteral("Memo1"));
    QVERIFY(memo);
    QVERIFY(memo->isHidden());
    QVERIFY(memo->toPlainText().startsWith(QStringLiteral("1>5>http://127.0.0.1:")));
    auto *timer = w.findChild<QTimer *>(QStringLiteral("Timer1"));
    QVERIFY(timer && timer->isActive());
    QCOMPARE(timer->interval(), 1000);

    BannerBrowser *browser = Browser(w);
    QVERIFY(browser);
    QCOMPARE(browser->geometry(), QRect(-12, -17, 803, 107));
    QVERIFY(ShowOnScreen(&w));
    QCOMPARE(browser->geometry(), QRect(-12, -17, w.bannerStrip()->width() + 12, 107));
    QVERIFY(browser->isVisible());

    // The first tick, a second after creation, shows line 0 for five seconds.
    QSignalSpy shown(browser, &BannerBrowser::PageShown);
    QVERIFY(shown.wait(4000));
    QCOMPARE(browser->Address().toEncoded(), page0);
    QCOMPARE(browser->Showing(), BannerBrowser::Shows::Picture);
    QCOMPARE(timer->interval(), 5000);
    QCOMPARE(browser->Kind(), BannerBrowser::Engine::Pictures);

    // Line 1 next, then line 0 again: line 2 never shows.
    w.banner()->Timer1Timer();
    QVERIFY(shown.wait(3000));
    QCOMPARE(browser->Address().toEncoded(), page1);
    w.banner()->Timer1Timer();
    QVERIFY(shown.wait(3000));
    QCOMPARE(browser->Address().toEncoded(), page0);
    QCOMPARE(server.Requests("/ads/2.png"), 0);
}

void BannerMainWindowTest::bannerOffShowsTheStaticPicture_data()
{
    QTest::addColumn<QByteArray>("list");
    QTest::addColumn<QByteArray>("flag");
    QTest::newRow("switch off") << QByteArray("1>5>http://127.0.0.1:9/a\r\n") << QByteArray("10");
    QTest::newRow("empty list") << QByteArray() << QByteArray("01");
    QTest::newRow("flag of one character") << QByteArray("1>5>http://127.0.0.1:9/a\r\n") << QByteArray("1");
}

void BannerMainWindowTest::bannerOffShowsTheStaticPicture()
{
    QFETCH(QByteArray, list);
    QFETCH(QByteArray, flag);
    LoopbackServer server;
    server.Serve(kList, list);
    server.Serve(kFlag, flag);
    Services services(server);
    RecordingDispatcher d;
    TFrmmain w(d, services.env);
    QVERIFY(ShowOnScreen(&w));
    BannerBrowser *browser = Browser(w);
    QVERIFY(browser);
    QVERIFY(!browser->isVisible());
    QCOMPARE(browser->y(), -200);
    QVERIFY(w.bannerStrip()->isVisible());
    const int before = server.TotalRequests();
    w.banner()->Timer1Timer();
    QTest::qWait(100);
    QCOMPARE(server.TotalRequests(), before);
}

void BannerMainWindowTest::serverThatNeverAnswersDelaysTheWindowOnlyWithinTheBound()
{
    LoopbackServer server;
    server.Serve(kList, LoopbackServer::Response{.silent = true});
    Services services(server);
    RecordingDispatcher d;
    QElapsedTimer clock;
    clock.start();
    TFrmmain w(d, services.env);
    QVERIFY(ShowOnScreen(&w));
    QVERIFY2(clock.elapsed() < kFetchTimeoutMs + 2000, QByteArray::number(clock.elapsed()).constData());
    QVERIFY(!Browser(w)->isVisible());
}

void BannerMainWindowTest::exitButton_data()
{
    QTest::addColumn<QString>("startPage");
    QTest::addColumn<bool>("uncheck");
    QTest::addColumn<QString>("button");
    QTest::addColumn<bool>("ends");
    QTest::addColumn<int>("writes");
    const QString directory = DefaultMakerInfo().webDirectory.toString();
    QTest::newRow("yes, box checked") << QString() << false << QStringLiteral("Button1") << true << 1;
    QTest::newRow("yes, box unchecked") << QString() << true << QStringLiteral("Button1") << true << 0;
    QTest::newRow("yes, start page already set")
        << (QStringLiteral(" ") + directory) << false << QStringLiteral("Button1") << true << 0;
    QTest::newRow("no") << QString() << false << QStringLiteral("Button2") << false << 0;
}

void BannerMainWindowTest::exitButton()
{
    QFETCH(QString, startPage);
    QFETCH(bool, uncheck);
    QFETCH(QString, button);
    QFETCH(bool, ends);
    QFETCH(int, writes);
    LoopbackServer server;
    Services services(server);
    services.startPage.value = startPage;
    RecordingDispatcher d;
    TFrmmain w(d, services.env);
    QVERIFY(ShowOnScreen(&w));

    bool prompted = false;
    orlenvo::testing::WithNextModal([&](QWidget *modal) {
        auto *prompt = qobject_cast<TFrmMsG *>(modal);
        if (!prompt) {
            modal->close();
            return;
        }
        prompted = true;
        if (uncheck)
            prompt->findChild<QCheckBox *>(QStringLiteral("CheckBox1"))->setChecked(false);
        QTest::mouseClick(prompt->findChild<QPushButton *>(button), Qt::LeftButton);
    });
    QTest::mouseClick(w.findChild<QPushButton *>(QStringLiteral("RzBitBtn4")), Qt::LeftButton);
    QVERIFY(prompted);
    QVERIFY(w.findChildren<TFrmMsG *>().isEmpty());  // destroyed in every case

    if (ends) {
        QVERIFY(d.seen == std::vector<CommandAction>{CommandAction{ActionKind::EndProgram}});
        QCOMPARE(services.links.opened, QList<QUrl>{services.env.maker.webSite});
    } else {
        QVERIFY(d.seen.empty());
        QVERIFY(services.links.opened.isEmpty());
        QVERIFY(w.isVisible());
    }
    QCOMPARE(services.startPage.writes, writes);
    if (writes)
        QCOMPARE(services.startPage.value, services.env.maker.webDirectory.toString());
    else
        QCOMPARE(services.startPage.value, startPage);
}

ORLENVO_QTEST_MAIN(BannerMainWindowTest)
#include "BannerMainWindowTest.moc"
