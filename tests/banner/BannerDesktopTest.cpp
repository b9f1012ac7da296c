// The main window with its web-engine banner on an X server with a window manager, as a user
// sees it (run by desktop.sh: Xvfb, openbox, the xcb platform, the unprivileged user). What
// shows is read back from the X server, and whether the main window stays mapped is asked of it.
#include "app/windows/Program.h"
#include "app/windows/Unt_Main.h"
#include "banner/BannerCore.h"
#include "banner/windows/BannerView.h"
#include "tests/support/Doubles.h"
#include "tests/support/TopLevel.h"
#include "ui/Application.h"
#include "ui/Fonts.h"

#include <QGuiApplication>
#include <QScreen>
#include <QTimer>
#include <QtTest>

#include <xcb/xcb.h>

#include <cstdlib>

using namespace orlenvo;
using namespace orlenvo::app;
using namespace orlenvo::banner;
using namespace orlenvo::testing;

namespace {

struct Colour {
    const char *css;
    QColor rgb;
};
// The two pages of the rotation: each fills the strip with its colour.
const Colour kPages[] = {{"#faecb4", QColor(0xfa, 0xec, 0xb4)}, {"#1e5ac8", QColor(0x1e, 0x5a, 0xc8)}};

bool Near(QColor a, QColor b)
{
    return std::abs(a.red() - b.red()) < 12 && std::abs(a.green() - b.green()) < 12 &&
           std::abs(a.blue() - b.blue()) < 12;
}

// The strip's middle as the X server shows it on the screen.
QColor OnScreen(QWidget *strip)
{
    const QPoint middle = strip->mapToGlobal(QPoint(strip->width() / 2, strip->height() / 2));
    return QGuiApplication::primaryScreen()->grabWindow(0, middle.x(), middle.y(), 1, 1).toImage().pixelColor(0, 0);
}

// The window's map state as the X server has it.
int MapState(WId window)
{
    auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    xcb_connection_t *connection = x11->connection();
    const auto cookie = xcb_get_window_attributes(connection, xcb_window_t(window));
    xcb_get_window_attributes_reply_t *reply = xcb_get_window_attributes_reply(connection, cookie, nullptr);
    const int state = reply ? reply->map_state : -1;
    std::free(reply);
    return state;
}

// What happens to a top-level's native window while it is watched.
class NativeWindowWatch final : public QObject {
public:
    explicit NativeWindowWatch(QWidget *window) : window_(window), id_(window->winId())
    {
        window->installEventFilter(this);
        window->windowHandle()->installEventFilter(this);
        connect(&poll_, &QTimer::timeout, this, [this] {
            ids_ += window_->internalWinId() != id_;
            unmapped_ += MapState(id_) != XCB_MAP_STATE_VIEWABLE;
        });
        poll_.start(10);
    }

    // Changes of the window id, surfaces taken down, samples in which the X server did not
    // have the window viewable, samples with another id.
    QString Changes() const
    {
        return QStringLiteral("id changes %1, surfaces destroyed %2, unmapped samples %3, other ids %4")
            .arg(idChanges_)
            .arg(surfacesDestroyed_)
            .arg(unmapped_)
            .arg(ids_);
    }
    bool None() const { return idChanges_ + surfacesDestroyed_ + unmapped_ + ids_ == 0; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::WinIdChange)
            ++idChanges_;
        else if (event->type() == QEvent::PlatformSurface &&
                 static_cast<QPlatformSurfaceEvent *>(event)->surfaceEventType() ==
                     QPlatformSurfaceEvent::SurfaceAboutToBeDestroyed)
            ++surfacesDestroyed_;
        return QObject::eventFilter(watched, event);
    }

private:
    QWidget *window_;
    WId id_;
    QTimer poll_;
    int idChanges_ = 0;
    int surfacesDestroyed_ = 0;
    int unmapped_ = 0;
    int ids_ = 0;
};

}  // namespace

class BannerDesktopTest final : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void pagesShowOnTheScreenInOneNativeWindow();
};

void BannerDesktopTest::initTestCase()
{
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        QSKIP("needs an X server (tests/banner/desktop.sh)");
    if (BannerEngineSource::Program().module.isEmpty())
        QSKIP("built without the web engine");
}

void BannerDesktopTest::pagesShowOnTheScreenInOneNativeWindow()
{
    LoopbackServer server;
    QByteArray list;
    for (int i : {0, 1, 0}) {
        const QByteArray path = "/page" + QByteArray::number(i) + ".html";
        server.Serve(path, QByteArray("<html><body style='margin:0;background:") + kPages[i].css + "'></body></html>");
        // The last line never shows: the first two alternate every 5 s.
        list += "1>5>" + server.Url(path).toEncoded() + "\r\n";
    }
    server.Serve(kList, list);
    server.Serve(kFlag, "01");
    TestServices services(server.Base(), TestEngine());
    Program program(services.env);
    TFrmmain &w = program.mainWindow();
    // The banner waits until the window is on the screen and watched.
    auto *timer = w.findChild<QTimer *>(QStringLiteral("Timer1"));
    QVERIFY(timer);
    timer->stop();
    QVERIFY(ShowOnScreen(&w));
    QTRY_COMPARE_WITH_TIMEOUT(MapState(w.winId()), int(XCB_MAP_STATE_VIEWABLE), 5000);
    NativeWindowWatch watch(&w);
    timer->start();
    auto *browser = w.bannerStrip()->findChild<BannerBrowser *>(QStringLiteral("EmbeddedWB2"));
    QVERIFY(browser);
    QCOMPARE(browser->Kind(), BannerBrowser::Engine::NotLoaded);

    // The first page and the next: each is seen on the screen, in the strip.
    QSignalSpy shown(browser, &BannerBrowser::PageShown);
    for (const Colour &page : kPages) {
        QVERIFY(shown.wait(20000));
        QCOMPARE(browser->Showing(), BannerBrowser::Shows::Page);
        QTRY_VERIFY2_WITH_TIMEOUT(Near(OnScreen(w.bannerStrip()), page.rgb),
                                  qPrintable(OnScreen(w.bannerStrip()).name() + QStringLiteral(" on the screen, not ") +
                                             QLatin1String(page.css)),
                                  5000);
    }
    // Through both, the main window kept its one native window, mapped all along.
    QVERIFY2(watch.None(), qPrintable(watch.Changes()));
}

int main(int argc, char **argv)
{
    orlenvo::ui::Application app(argc, argv);
    orlenvo::ui::InstallFontSubstitutions();
    BannerDesktopTest tc;
    return QTest::qExec(&tc, argc, argv);
}

#include "BannerDesktopTest.moc"
