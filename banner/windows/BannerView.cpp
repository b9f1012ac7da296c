#include "banner/windows/BannerView.h"

#include "banner/windows/BannerPicture.h"
#include "ui/Memory.h"
#include "ui/Modules.h"

#include <QCoreApplication>
#include <QEvent>
#include <QFileInfo>
#include <QPainter>

#include <cerrno>
#include <cstring>

#include <sched.h>
#include <sys/wait.h>
#include <unistd.h>

namespace orlenvo::banner {

namespace {

// The browser is 803 × 107 with its corner 12 px left of and 17 px above the strip's; it
// grows to the strip's right edge, so no part of the strip's picture shows beside it.
constexpr QSize kBrowserSize(803, 107);
constexpr QPoint kBrowserCorner(-12, -17);
// Hidden, the browser's top edge lies this far above the strip's.
constexpr int kHiddenTop = -200;

constexpr char kEngineModule[] = "liborlenvo_banner_engine.so";

}  // namespace

bool CanSandboxEngine()
{
    // The engine refuses its sandbox as root, and ends the whole process when it tries.
    if (geteuid() == 0 || getuid() == 0)
        return false;
    // Its sandbox puts each page process into new user, process and network namespaces.
    const pid_t child = fork();
    if (child < 0)
        return false;
    if (child == 0)
        _exit(unshare(CLONE_NEWUSER) == 0 && unshare(CLONE_NEWPID | CLONE_NEWNET) == 0 ? 0 : 1);
    return ProbeChildSucceeded(child, [](pid_t waited, int *status) { return waitpid(waited, status, 0); });
}

bool ProbeChildSucceeded(pid_t child, const ChildWait &wait)
{
    int status = 0;
    for (;;) {
        const pid_t ended = wait(child, &status);
        const int error = ended < 0 ? errno : 0;
        if (ended == child)
            return WIFEXITED(status) && WEXITSTATUS(status) == 0;
        if (error == EINTR)
            continue;
        qCWarning(ui::ModuleLog).noquote()
            << "the web engine's sandbox probe could not be waited for ("
            << (error ? QString::fromLocal8Bit(strerror(error)) : QStringLiteral("process %1 ended").arg(ended))
            << "): the banner shows pictures only";
        return false;
    }
}

BannerEngineSource BannerEngineSource::Program()
{
    BannerEngineSource source;
    source.module = ui::ProgramModule(kEngineModule);
    source.canSandbox = CanSandboxEngine;
    return source;
}

QPixmap DecodeBannerPicture(const QByteArray &body)
{
    const QImage image = DecodeBannerImage(body);
    return image.isNull() ? QPixmap() : QPixmap::fromImage(image);
}

BannerPictureView::BannerPictureView(QWidget *parent) : QWidget(parent), client_(this)
{
    setObjectName(QStringLiteral("BannerPicture"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void BannerPictureView::Load(const QUrl &url)
{
    client_.Start(url, [this](const HttpResult &result) {
        picture_ = result.ok ? DecodeBannerPicture(result.body) : QPixmap();
        update();
        emit Finished(!picture_.isNull());
    });
}

void BannerPictureView::Clear()
{
    client_.Cancel();
    picture_ = QPixmap();
    update();
}

void BannerPictureView::paintEvent(QPaintEvent *)
{
    if (picture_.isNull())
        return;
    // The picture starts at the strip's top-left corner.
    QPainter p(this);
    p.drawPixmap(-kBrowserCorner, picture_);
}

BannerBrowser::BannerBrowser(QWidget *strip, BannerEngineSource source) : QWidget(strip), source_(std::move(source))
{
    setObjectName(QStringLiteral("EmbeddedWB2"));
    // Transparent while it shows nothing: the strip's picture shows through.
    setAttribute(Qt::WA_NoSystemBackground);
    move(kBrowserCorner);
    FitStrip();
    strip->installEventFilter(this);
}

BannerBrowser::~BannerBrowser()
{
    // The engine's view goes before the module that holds its code.
    engine_.reset();
}

QWidget *BannerBrowser::PageView() const
{
    if (engine_)
        return engine_->View();
    return pictures_;
}

void BannerBrowser::FitStrip()
{
    const int width = std::max(kBrowserSize.width(), parentWidget()->width() - kBrowserCorner.x());
    resize(width, kBrowserSize.height());
    if (QWidget *page = PageView())
        page->setGeometry(rect());
}

bool BannerBrowser::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == parentWidget() && event->type() == QEvent::Resize)
        FitStrip();
    return QWidget::eventFilter(watched, event);
}

void BannerBrowser::LoadEngine()
{
    // The browser chooses its view once, on its first page, and keeps it: an engine that cannot
    // be used is tried and logged once, not again on every page of the rotation.
    if (!source_.canSandbox) {
        UsePictures();
        return;
    }
    if (!source_.options.loopbackWithoutSandbox && !source_.canSandbox()) {
        qCInfo(ui::ModuleLog) << "the web engine's sandbox cannot run in this process (as root, or without user"
                                 " namespaces): the banner shows pictures only";
        UsePictures();
        return;
    }
    const QString path = source_.module.isEmpty() ? QLatin1String(kEngineModule) : source_.module;
    const auto create = reinterpret_cast<CreateBannerEngineFn>(
        source_.module.isEmpty() ? ui::ModuleEntry(kEngineModule, kCreateBannerEngineSymbol)
                                 : ui::ModuleEntryAt(source_.module, kCreateBannerEngineSymbol));
    if (create) {
        BannerEngineEvents events;
        events.finished = [this](bool ok) { Finished(ok); };
        events.processEnded = [this] {
            engine_->View()->hide();
            showing_ = Shows::Nothing;
        };
        QString refusal;
        engine_.reset(create(this, source_.options, std::move(events), &refusal));
        if (!engine_)
            ui::WarnModule(path, QStringLiteral("the engine refused to start: ") + refusal);
    }
    if (!engine_) {
        UsePictures();
        return;
    }
    kind_ = Engine::Web;
    engine_->View()->setGeometry(rect());
    engine_->View()->hide();
}

void BannerBrowser::UsePictures()
{
    kind_ = Engine::Pictures;
    if (!pictures_) {
        pictures_ = new BannerPictureView(this);
        connect(pictures_, &BannerPictureView::Finished, this, &BannerBrowser::Finished);
    }
    pictures_->setGeometry(rect());
    pictures_->show();
}

void BannerBrowser::Navigate(const QString &address)
{
    if (hiddenForGood_)
        return;
    address_ = QUrl(address);
    if (kind_ == Engine::NotLoaded && IsWebAddress(address_))
        LoadEngine();
    if (!IsWebAddress(address_)) {
        if (engine_)
            engine_->Clear();
        if (pictures_)
            pictures_->Clear();
        Finished(false);
        return;
    }
    if (engine_)
        engine_->Load(address_);
    else
        pictures_->Load(address_);
}

void BannerBrowser::Finished(bool ok)
{
    if (engine_) {
        // A failed page shows nothing: the strip's picture shows through.
        engine_->View()->setVisible(ok);
        showing_ = ok ? Shows::Page : Shows::Nothing;
        // The engine's start and each navigation leave freed memory in the program's heap.
        ui::ReleaseFreedMemory();
    } else {
        showing_ = ok ? Shows::Picture : Shows::Nothing;
    }
    emit PageShown();
}

void BannerBrowser::Hide()
{
    hiddenForGood_ = true;
    if (engine_)
        engine_->Clear();
    if (pictures_)
        pictures_->Clear();
    setVisible(false);
    move(x(), kHiddenTop);
}

}  // namespace orlenvo::banner
