// The network side of the banner's HTTP fetch.
#include "banner/windows/BannerHttpTransport.h"
#include "ui/Modules.h"

#include <QNetworkAccessManager>

#include <QNetworkProxy>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QPointer>
#include <QTimer>

#include <memory>

namespace orlenvo::banner {

namespace {

constexpr qint64 kReadAheadBytes = 64 * 1024;

QNetworkRequest BannerRequest(const QUrl &url)
{
    QNetworkRequest request(url);
    request.setRawHeader("Accept", "text/html, */*");
    request.setRawHeader("User-Agent", "Mozilla/3.0 (compatible; Indy Library)");
    // Set by hand, so the body arrives as sent and is never inflated behind the size bound.
    request.setRawHeader("Accept-Encoding", "identity");
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::ManualRedirectPolicy);
    request.setAttribute(QNetworkRequest::Http2AllowedAttribute, false);
    request.setAttribute(QNetworkRequest::CacheLoadControlAttribute, QNetworkRequest::AlwaysNetwork);
    return request;
}

}  // namespace

class NetworkTransport final : public HttpTransport {
public:
    explicit NetworkTransport(QObject *parent) : HttpTransport(parent) { manager_.setProxy(QNetworkProxy::NoProxy); }
    ~NetworkTransport() override { Cancel(); }

    void Start(const QUrl &url, std::function<void(const HttpResult &)> done, int timeoutMs) override;
    void Cancel() override;

private:
    QNetworkAccessManager manager_;
    QPointer<QNetworkReply> pending_;
};

void NetworkTransport::Cancel()
{
    if (QNetworkReply *reply = pending_.data()) {
        pending_ = nullptr;
        reply->disconnect(this);
        reply->abort();
        reply->deleteLater();
    }
}

void NetworkTransport::Start(const QUrl &url, std::function<void(const HttpResult &)> done, int timeoutMs)
{
    Cancel();
    QNetworkReply *reply = manager_.get(BannerRequest(url));
    // The network thread reads ahead no further than this, so the bound holds while reading.
    reply->setReadBufferSize(kReadAheadBytes);
    pending_ = reply;
    struct Progress {
        bool timedOut = false;
        bool tooLarge = false;
        QByteArray body;
    };
    auto progress = std::make_shared<Progress>();

    auto *deadline = new QTimer(reply);
    deadline->setSingleShot(true);
    connect(deadline, &QTimer::timeout, reply, [reply, progress] {
        progress->timedOut = true;
        reply->abort();
    });
    deadline->start(timeoutMs);

    const auto tooLarge = [reply, progress] {
        progress->tooLarge = true;
        progress->body.clear();
        progress->body.squeeze();
        reply->abort();
    };
    connect(reply, &QNetworkReply::metaDataChanged, reply, [reply, tooLarge] {
        if (reply->header(QNetworkRequest::ContentLengthHeader).toLongLong() > kMaxBodyBytes)
            tooLarge();
    });
    connect(reply, &QIODevice::readyRead, reply, [reply, progress, tooLarge] {
        if (progress->tooLarge)
            return;
        progress->body += reply->read(kMaxBodyBytes + 1 - progress->body.size());
        if (progress->body.size() > kMaxBodyBytes)
            tooLarge();
    });

    connect(reply, &QNetworkReply::finished, this, [this, reply, progress, done = std::move(done)] {
        if (pending_ == reply)
            pending_ = nullptr;
        HttpResult result;
        result.timedOut = progress->timedOut;
        result.status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
        if (!progress->timedOut && !progress->tooLarge && reply->error() == QNetworkReply::NoError &&
            result.status >= 200 && result.status < 300) {
            progress->body += reply->read(kMaxBodyBytes + 1 - progress->body.size());
            result.ok = progress->body.size() <= kMaxBodyBytes;
            if (result.ok) {
                result.body = std::move(progress->body);
                result.contentType = reply->rawHeader("Content-Type");
            }
        }
        reply->deleteLater();
        done(result);
    });
}

}  // namespace orlenvo::banner

ORLENVO_MODULE_VERSION()

extern "C" Q_DECL_EXPORT orlenvo::banner::HttpTransport *OrlenvoCreateHttpTransport(QObject *parent) noexcept
{
    // No exception leaves the module: without a transport every fetch fails.
    try {
        return new orlenvo::banner::NetworkTransport(parent);
    } catch (...) {
        return nullptr;
    }
}
