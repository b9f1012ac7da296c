// The banner browser `EmbeddedWB2`: shows the banner pages over the banner strip.
#pragma once

#include "banner/windows/BannerEngine.h"
#include "banner/windows/BannerHttp.h"

#include <QPixmap>
#include <QString>
#include <QUrl>
#include <QWidget>

#include <functional>
#include <memory>

#include <sys/types.h>

namespace orlenvo::banner {

// What the banner timer asks of its browser.
class BannerView {
public:
    virtual ~BannerView() = default;
    virtual void Navigate(const QString &address) = 0;
    // Hides the browser for the rest of the run.
    virtual void Hide() = 0;
};

// Where the browser finds its web engine, and whether it may run it.
struct BannerEngineSource {
    // The engine module's file; empty when there is none.
    QString module;
    // Whether the engine's sandbox can run in this process.
    std::function<bool()> canSandbox;
    BannerEngineOptions options;

    // The program's: the module beside the program, the sandbox as this process allows.
    static BannerEngineSource Program();
};

// Whether this process can run the engine's sandbox: not as root, and with user namespaces.
bool CanSandboxEngine();

// How the probe waits for its child: waitpid(child, status, 0), or a test's stand-in.
using ChildWait = std::function<pid_t(pid_t child, int *status)>;
// Whether the probe's child exited with 0. A wait that fails (other than by a signal, which
// is retried) leaves the answer unknown: false, so the banner shows pictures only.
bool ProbeChildSucceeded(pid_t child, const ChildWait &wait);

// The view used without the engine: pictures only (PNG, JPEG, the first frame of a GIF),
// fetched through the bounded banner fetch. Anything else is a failed navigation. It is
// transparent while it shows nothing.
class BannerPictureView final : public QWidget {
    Q_OBJECT
public:
    explicit BannerPictureView(QWidget *parent);

    void Load(const QUrl &url);
    void Clear();
    const QPixmap &Picture() const { return picture_; }

signals:
    void Finished(bool ok);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    HttpClient client_;
    QPixmap picture_;
};

// DecodeBannerImage() as a pixmap: null when the body is no picture the view shows.
QPixmap DecodeBannerPicture(const QByteArray &body);

// The program's browser: the web engine, loaded on the first navigation, or the picture view
// when the engine is missing or cannot run sandboxed. It covers the strip, which clips it.
class BannerBrowser final : public QWidget, public BannerView {
    Q_OBJECT
public:
    explicit BannerBrowser(QWidget *strip, BannerEngineSource source = BannerEngineSource::Program());
    ~BannerBrowser() override;

    void Navigate(const QString &address) override;
    void Hide() override;

    bool IsHiddenForGood() const { return hiddenForGood_; }
    // The address of the last navigation, and what it shows.
    const QUrl &Address() const { return address_; }
    enum class Engine { NotLoaded, Web, Pictures };
    Engine Kind() const { return kind_; }
    enum class Shows { Nothing, Page, Picture };
    Shows Showing() const { return showing_; }
    // The web engine's view or the picture view; null before the first navigation.
    QWidget *PageView() const;
    BannerPictureView *PictureView() const { return pictures_; }
    BannerEngine *WebEngine() const { return engine_.get(); }

signals:
    // A navigation has ended: its page shows, or nothing shows when it failed.
    void PageShown();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void LoadEngine();
    void UsePictures();
    void Finished(bool ok);
    void FitStrip();

    BannerEngineSource source_;
    std::unique_ptr<BannerEngine> engine_;
    BannerPictureView *pictures_ = nullptr;
    Engine kind_ = Engine::NotLoaded;
    QUrl address_;
    Shows showing_ = Shows::Nothing;
    bool hiddenForGood_ = false;
};

}  // namespace orlenvo::banner
