#include "app/BannerHttp.h"

#include <QEventLoop>
#include <QNetworkProxy>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>

#include <memory>

namespace orlenvo::app {

namespace {

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

bool IsWebAddress(const QUrl &url)
{
    const QString scheme = url.scheme().toLower();
    return url.isValid() && !url.host().isEmpty()
           && (scheme == QStringLiteral("http") || scheme == QStringLiteral("https"));
}

HttpClient::HttpClient(QObject *parent) : QObject(parent)
{
    manager_.setProxy(QNetworkProxy::NoProxy);
}

HttpClient::~HttpClient()
{
    Cancel();
}

void HttpClient::Cancel()
{
    if (QNetworkReply *reply = pending_.data()) {
        pending_ = nullptr;
        reply->disconnect(this);
        reply->abort();
        reply->deleteLater();
    }
}

void HttpClient::Start(const QUrl &url, std::function<void(const HttpResult &)> done)
{
    Cancel();
    if (!IsWebAddress(url)) {
        QTimer::singleShot(0, this, [done] { done(HttpResult{}); });
        return;
    }

    QNetworkReply *reply = manager_.get(BannerRequest(url));
    pending_ = reply;
    struct Flags {
        bool timedOut = false;
        bool tooLarge = false;
    };
    auto flags = std::make_shared<Flags>();

    auto *deadline = new QTimer(reply);
    deadline->setSingleShot(true);
    connect(deadline, &QTimer::timeout, reply, [reply, flags] {
        flags->timedOut = true;
        reply->abort();
    });
    deadline->start(kFetchTimeoutMs);

    connect(reply, &QNetworkReply::downloadProgress, reply, [reply, flags](qint64 received, qint64 total) {
        if (received > kMaxBodyBytes || total > kMaxBodyBytes) {
            flags->tooLarge = true;
            reply->abort();
        }
    });

    connect(reply, &QNetworkReply::finished, this, [this, reply, flags, done = std::move(done)] {
        if (pending_ == reply)
            pending_ = nullptr;
        HttpResult result;
        result.timedOut = flags->timedOut;
        result.status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
        if (!flags->timedOut && !flags->tooLarge && reply->error() == QNetworkReply::NoError
            && result.status >= 200 && result.status < 300) {
            result.body = reply->readAll();
            result.contentType = reply->rawHeader("Content-Type");
            result.ok = result.body.size() <= kMaxBodyBytes;
            if (!result.ok)
                result.body.clear();
        }
        reply->deleteLater();
        done(result);
    });
}

HttpResult HttpClient::Get(const QUrl &url)
{
    HttpResult result;
    bool finished = false;
    QEventLoop loop;
    Start(url, [&](const HttpResult &r) {
        result = r;
        finished = true;
        loop.quit();
    });
    if (!finished)
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    return result;
}

}  // namespace orlenvo::app
