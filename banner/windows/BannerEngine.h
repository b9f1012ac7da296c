// The banner browser's web engine, built as a module of its own and loaded on the first
// navigation, so that its libraries and processes cost nothing while no banner page shows.
// Only Qt and standard types cross the module boundary: no Qt object of the program does.
#pragma once

#include <QString>
#include <QUrl>
#include <QVariant>

#include <functional>

class QWidget;

namespace orlenvo::banner {

// What the engine tells its browser, always from the event loop.
struct BannerEngineEvents {
    // A navigation ended: the page shows (true) or failed (false).
    std::function<void(bool ok)> finished;
    // The process of the page that shows ended (crashed or was killed): nothing shows.
    std::function<void()> processEnded;
};

struct BannerEngineOptions {
    // Tests only: run the engine's processes without their sandbox and refuse every request
    // that does not go to 127.0.0.0/8 or ::1. The program never sets it.
    bool loopbackWithoutSandbox = false;
};

class BannerEngine {
public:
    virtual ~BannerEngine() = default;
    // The engine's view, a child of the `parent` given at creation.
    virtual QWidget *View() = 0;
    virtual void Load(const QUrl &url) = 0;
    // Stops loading and shows an empty page.
    virtual void Clear() = 0;
    // The process of the page that shows, 0 when there is none.
    virtual qint64 PageProcess() const = 0;
    // Runs a script in the page that shows; `done` receives its result from the event loop.
    virtual void Evaluate(const QString &script, std::function<void(const QVariant &)> done) = 0;
};

// The module's one entry point: null when the engine cannot start here, with the reason in
// `refusal`.
using CreateBannerEngineFn = BannerEngine *(*)(QWidget *parent, const BannerEngineOptions &options,
                                               BannerEngineEvents events, QString *refusal) noexcept;
inline constexpr char kCreateBannerEngineSymbol[] = "OrlenvoCreateBannerEngine";

}  // namespace orlenvo::banner
