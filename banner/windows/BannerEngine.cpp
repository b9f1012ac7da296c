// The banner engine module: a sealed QWebEngineView over an off-the-record profile, drawn in
// software into the widget like any other child, in one small page process.
#include "banner/windows/BannerEngine.h"

#include "ui/Modules.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QHostAddress>
#include <QLibraryInfo>
#include <QOpenGLContext>
#include <QPointer>
#include <QQuickWindow>
#include <QTimer>
#include <QWebEngineDownloadRequest>
#include <QWebEngineFullScreenRequest>
#include <QWebEngineLoadingInfo>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QWebEngineSettings>
#include <QWebEngineUrlRequestInterceptor>
#include <QWebEngineView>

#include <csignal>
#include <exception>
#include <utility>

// QtGui's shared context, which the engine asks for when it starts.
Q_GUI_EXPORT QOpenGLContext *qt_gl_global_share_context();
Q_GUI_EXPORT void qt_gl_set_global_share_context(QOpenGLContext *context);

namespace orlenvo::banner {

namespace {

// A page whose navigation takes longer is stopped and counts as failed.
constexpr int kPageTimeoutMs = 8000;
// The pages' memory cache: a banner page and its pictures are small.
constexpr int kHttpCacheBytes = 2 * 1024 * 1024;

// The engine's switches, all of them ours. A strip 803 × 107 needs no GPU: frames are drawn in
// software and composited in the program (no OpenGL context, so the main window keeps its
// native window and its raster surface). One page process at a time, a small script heap,
// Chromium's low-memory mode, and none of the features a banner has no use for. None of them
// touches the sandbox.
constexpr char kEngineSwitches[] =
    "--disable-gpu --disable-gpu-compositing --renderer-process-limit=1 --num-raster-threads=1"
    " --no-unsandboxed-zygote --enable-low-end-device-mode --js-flags=\"--jitless --max-old-space-size=32\""
    " --disable-features=SpareRendererForSitePerProcess,BackForwardCache,MediaRouter,DialMediaRouteProvider,"
    "OptimizationHints,Translate,InterestCohortAPI,AutofillServerCommunication,CertificateTransparencyComponentUpdater"
    " --disable-background-networking --disable-component-update --disable-domain-reliability"
    " --disable-breakpad --disable-speech-api --no-pings";

// What the engine would otherwise take from the environment: switches, a debugging port, another
// helper program.
constexpr const char *kEngineEnvironment[] = {"QTWEBENGINE_CHROMIUM_FLAGS", "QTWEBENGINE_REMOTE_DEBUGGING",
                                              "QTWEBENGINE_PROCESS_PATH", "QTWEBENGINE_DISABLE_GPU",
                                              "QTWEBENGINE_DISABLE_SANDBOX"};

bool IsWebScheme(const QUrl &url)
{
    const QString scheme = url.scheme().toLower();
    return scheme == QLatin1String("http") || scheme == QLatin1String("https");
}

bool IsLoopback(const QUrl &url)
{
    QString host = url.host();
    if (host.startsWith(QLatin1Char('[')))
        host = host.mid(1, host.size() - 2);
    const QHostAddress address(host);
    return !address.isNull() && address.isLoopback();
}

// Tests only: every request outside the loopback addresses is refused.
class LoopbackOnly final : public QWebEngineUrlRequestInterceptor {
public:
    using QWebEngineUrlRequestInterceptor::QWebEngineUrlRequestInterceptor;
    void interceptRequest(QWebEngineUrlRequestInfo &info) override
    {
        const QUrl url = info.requestUrl();
        if (!(IsWebScheme(url) && IsLoopback(url)))
            info.block(true);
    }
};

// No windows, pop-ups, dialogs, file choosers or permissions; only web addresses.
class SealedPage final : public QWebEnginePage {
public:
    SealedPage(QWebEngineProfile *profile, QObject *parent) : QWebEnginePage(profile, parent)
    {
        connect(this, &QWebEnginePage::featurePermissionRequested, this, [this](const QUrl &origin, Feature feature) {
            setFeaturePermission(origin, feature, PermissionDeniedByUser);
        });
        connect(this, &QWebEnginePage::fullScreenRequested, this,
                [](QWebEngineFullScreenRequest request) { request.reject(); });
    }

protected:
    QWebEnginePage *createWindow(WebWindowType) override { return nullptr; }
    bool acceptNavigationRequest(const QUrl &url, NavigationType, bool) override
    {
        return IsWebScheme(url) || url == QUrl(QStringLiteral("about:blank"));
    }
    void javaScriptAlert(const QUrl &, const QString &) override {}
    bool javaScriptConfirm(const QUrl &, const QString &) override { return false; }
    bool javaScriptPrompt(const QUrl &, const QString &, const QString &, QString *) override { return false; }
    void javaScriptConsoleMessage(JavaScriptConsoleMessageLevel, const QString &, int, const QString &) override {}
    QStringList chooseFiles(FileSelectionMode, const QStringList &, const QStringList &) override { return {}; }
};

void Seal(QWebEngineSettings *s)
{
    using A = QWebEngineSettings;
    s->setAttribute(A::JavascriptEnabled, true);
    for (A::WebAttribute off : {A::ShowScrollBars,
                                A::JavascriptCanOpenWindows,
                                A::JavascriptCanAccessClipboard,
                                A::JavascriptCanPaste,
                                A::LocalContentCanAccessFileUrls,
                                A::LocalContentCanAccessRemoteUrls,
                                A::LocalStorageEnabled,
                                A::PluginsEnabled,
                                A::PdfViewerEnabled,
                                A::FullScreenSupportEnabled,
                                A::ScreenCaptureEnabled,
                                A::ErrorPageEnabled,
                                A::AutoLoadIconsForPage,
                                A::TouchIconsEnabled,
                                A::FocusOnNavigationEnabled,
                                A::AllowRunningInsecureContent,
                                A::AllowGeolocationOnInsecureOrigins,
                                A::AllowWindowActivationFromJavaScript,
                                A::DnsPrefetchEnabled,
                                A::NavigateOnDropEnabled,
                                A::HyperlinkAuditingEnabled,
                                A::WebGLEnabled,
                                A::Accelerated2dCanvasEnabled})
        s->setAttribute(off, false);
    s->setAttribute(A::PlaybackRequiresUserGesture, true);
}

class WebEngine final : public BannerEngine {
public:
    WebEngine(QWidget *parent, const BannerEngineOptions &options, BannerEngineEvents events)
        : events_(std::move(events)), profile_(new QWebEngineProfile), view_(new QWebEngineView(parent))
    {
        // No storage name: off the record, nothing is written to disk.
        profile_->setHttpCacheType(QWebEngineProfile::MemoryHttpCache);
        profile_->setHttpCacheMaximumSize(kHttpCacheBytes);
        profile_->setPersistentCookiesPolicy(QWebEngineProfile::NoPersistentCookies);
        profile_->setSpellCheckEnabled(false);
        QObject::connect(profile_, &QWebEngineProfile::downloadRequested, profile_,
                         [](QWebEngineDownloadRequest *download) { download->cancel(); });
        if (options.loopbackWithoutSandbox)
            profile_->setUrlRequestInterceptor(new LoopbackOnly(profile_));

        auto *page = new SealedPage(profile_, view_);
        Seal(page->settings());
        page->setBackgroundColor(Qt::transparent);
        view_->setPage(page);
        view_->setObjectName(QStringLiteral("BannerPage"));
        view_->setContextMenuPolicy(Qt::NoContextMenu);
        view_->setFocusPolicy(Qt::NoFocus);
        view_->setAcceptDrops(false);

        deadline_.setSingleShot(true);
        QObject::connect(&deadline_, &QTimer::timeout, view_, [this] {
            // The page's process may be stuck in the page: it goes, and the next page waits
            // for its end and then starts a new one.
            const qint64 process = killing_ ? 0 : view_->page()->renderProcessPid();
            killing_ = process > 0 && ::kill(static_cast<pid_t>(process), SIGKILL) == 0;
            queued_ = QUrl();
            if (events_.finished)
                events_.finished(false);
        });
        QObject::connect(page, &QWebEnginePage::loadingChanged, view_, [this](const QWebEngineLoadingInfo &info) {
            // Not reported: the empty page of Clear(), and the end of a navigation given up or
            // replaced, which the engine may report after the next one was asked for (a page
            // process that crashed reports its page as failed only then): a navigation's end
            // counts once that navigation has started.
            if (!deadline_.isActive() || info.url() == QUrl(QStringLiteral("about:blank")))
                return;
            if (info.status() == QWebEngineLoadingInfo::LoadStartedStatus) {
                started_ = true;
                return;
            }
            if (!started_)
                return;
            deadline_.stop();
            if (events_.finished)
                events_.finished(info.status() == QWebEngineLoadingInfo::LoadSucceededStatus);
        });
        QObject::connect(page, &QWebEnginePage::renderProcessTerminated, view_,
                         [this](QWebEnginePage::RenderProcessTerminationStatus, int) {
                             if (killing_) {
                                 killing_ = false;
                                 if (!queued_.isEmpty())
                                     view_->load(std::exchange(queued_, QUrl()));
                             } else if (deadline_.isActive()) {
                                 deadline_.stop();
                                 if (events_.finished)
                                     events_.finished(false);
                             } else if (events_.processEnded) {
                                 events_.processEnded();
                             }
                         });
    }

    ~WebEngine() override
    {
        // The page goes before its profile.
        delete view_.data();
        delete profile_;
    }

    QWidget *View() override { return view_; }

    void Load(const QUrl &url) override
    {
        started_ = false;
        deadline_.start(kPageTimeoutMs);
        if (killing_)
            queued_ = url;
        else
            view_->load(url);
    }

    qint64 PageProcess() const override { return view_->page()->renderProcessPid(); }

    void Evaluate(const QString &script, std::function<void(const QVariant &)> done) override
    {
        view_->page()->runJavaScript(script, std::move(done));
    }

    void Clear() override
    {
        queued_ = QUrl();
        deadline_.stop();
        view_->setUrl(QUrl(QStringLiteral("about:blank")));
    }

private:
    BannerEngineEvents events_;
    QTimer deadline_;
    bool started_ = false;  // the navigation asked for last has started
    bool killing_ = false;  // the page's process was killed and has not ended yet
    QUrl queued_;           // the page to load once it has
    QWebEngineProfile *profile_;
    QPointer<QWebEngineView> view_;
};

// The engine needs its helper process and its resources; without them it would end the
// program instead of failing.
bool EngineInstalled()
{
    const QString process =
        QLibraryInfo::path(QLibraryInfo::LibraryExecutablesPath) + QStringLiteral("/QtWebEngineProcess");
    return QFileInfo(process).isExecutable();
}

// Sets the engine's switches for the making of its first profile, and clears them again however
// the making ends, so that no program started later inherits them.
class EngineSwitches final {
public:
    explicit EngineSwitches(const BannerEngineOptions &options)
    {
        // The engine also asks whether OpenGL may run in threads, which under X makes a trial
        // context and so loads the whole OpenGL driver; without the trial the answer is only not
        // checked.
        qputenv("QT_OPENGL_NO_SANITY_CHECK", "1");
        for (const char *name : kEngineEnvironment)
            qunsetenv(name);
        qputenv("QTWEBENGINE_CHROMIUM_FLAGS", kEngineSwitches);
        if (options.loopbackWithoutSandbox)
            qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    }
    ~EngineSwitches()
    {
        for (const char *name : kEngineEnvironment)
            qunsetenv(name);
        qunsetenv("QT_OPENGL_NO_SANITY_CHECK");
    }
    EngineSwitches(const EngineSwitches &) = delete;
    EngineSwitches &operator=(const EngineSwitches &) = delete;
};

BannerEngine *CreateEngine(QWidget *parent, const BannerEngineOptions &options, BannerEngineEvents events,
                           QString &refusal)
{
    if (!EngineInstalled()) {
        refusal = QStringLiteral("Qt WebEngine's helper QtWebEngineProcess is not installed");
        return nullptr;
    }
    // The engine takes switches from the environment and from the command line; none of
    // them may turn its sandbox off or change how it runs.
    if (QCoreApplication::arguments().contains(QStringLiteral("--webEngineArgs"))) {
        refusal = QStringLiteral("the command line holds --webEngineArgs");
        return nullptr;
    }
    // The view is a Qt Quick widget: drawn in software it needs no OpenGL context shared with the
    // windows, and the window it joins stays a raster window. Set before the first view.
    if (QQuickWindow::sceneGraphBackend() != QLatin1String("software"))
        QQuickWindow::setGraphicsApi(QSGRendererInterface::Software);
    // The engine reads the format of QtGui's shared context when it starts. A context that is
    // never created tells it there is no OpenGL to share, and loads no OpenGL library.
    if (!qt_gl_global_share_context())
        qt_gl_set_global_share_context(new QOpenGLContext(QCoreApplication::instance()));
    // The engine reads its switches once, when its first profile is made.
    const EngineSwitches switches(options);
    return new WebEngine(parent, options, std::move(events));
}

}  // namespace

}  // namespace orlenvo::banner

ORLENVO_MODULE_VERSION()

extern "C" Q_DECL_EXPORT orlenvo::banner::BannerEngine *
OrlenvoCreateBannerEngine(QWidget *parent, const orlenvo::banner::BannerEngineOptions &options,
                          orlenvo::banner::BannerEngineEvents events, QString *refusal) noexcept
{
    // No exception leaves the module: one is a refusal.
    QString reason;
    orlenvo::banner::BannerEngine *engine = nullptr;
    try {
        engine = orlenvo::banner::CreateEngine(parent, options, std::move(events), reason);
    } catch (const std::exception &e) {
        reason = QStringLiteral("it failed: ") + QString::fromLocal8Bit(e.what());
    } catch (...) {
        reason = QStringLiteral("it failed");
    }
    if (refusal)
        *refusal = reason;
    return engine;
}
