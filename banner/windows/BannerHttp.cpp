#include "banner/windows/BannerHttp.h"

#include "banner/windows/BannerHttpTransport.h"
#include "ui/Modules.h"

#include <QEventLoop>
#include <QTimer>

namespace orlenvo::banner {

namespace {

// The network module, loaded once for the run: at start-up, off the main thread, before the
// banner's clients are made. Each client takes its transport when it is made and keeps it, so
// loading again later would help no client and only repeat the warning.
CreateHttpTransportFn HttpModuleEntry()
{
    static const auto entry =
        reinterpret_cast<CreateHttpTransportFn>(ui::ModuleEntry(kHttpModule, kCreateHttpTransportSymbol));
    return entry;
}

}  // namespace

bool IsWebAddress(const QUrl &url)
{
    const QString scheme = url.scheme().toLower();
    return url.isValid() && !url.host().isEmpty() &&
           (scheme == QStringLiteral("http") || scheme == QStringLiteral("https"));
}

void LoadHttpModule()
{
    HttpModuleEntry();
}

HttpClient::HttpClient(QObject *parent) : QObject(parent)
{
    const CreateHttpTransportFn create = HttpModuleEntry();
    transport_ = create ? create(this) : nullptr;
}

HttpClient::~HttpClient()
{
    Cancel();
}

void HttpClient::Cancel()
{
    if (transport_)
        transport_->Cancel();
}

void HttpClient::Start(const QUrl &url, std::function<void(const HttpResult &)> done, int timeoutMs)
{
    Cancel();
    if (!transport_ || !IsWebAddress(url) || timeoutMs <= 0) {
        QTimer::singleShot(0, this, [done] { done(HttpResult{}); });
        return;
    }
    transport_->Start(url, std::move(done), timeoutMs);
}

HttpResult HttpClient::Get(const QUrl &url, int timeoutMs)
{
    HttpResult result;
    bool finished = false;
    QEventLoop loop;
    Start(
        url,
        [&](const HttpResult &r) {
            result = r;
            finished = true;
            loop.quit();
        },
        timeoutMs);
    if (!finished)
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    return result;
}

}  // namespace orlenvo::banner
