// HTTP GET for the banner: the request headers of the banner documents, no proxy, no
// redirects followed, a bounded body and one time-out for each fetch.
#pragma once

#include "banner/BannerCore.h"

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QUrl>

#include <functional>

namespace orlenvo::banner {

class HttpTransport;

struct HttpResult {
    bool ok = false;  // a 2xx answer received in full within the time and size bounds
    int status = 0;   // HTTP status, 0 when none arrived
    bool timedOut = false;
    QByteArray body;
    QByteArray contentType;
};

class HttpClient final : public QObject {
    Q_OBJECT
public:
    explicit HttpClient(QObject *parent = nullptr);
    ~HttpClient() override;

    // Blocks the calling thread's event handling (user input excluded) until the fetch ends.
    HttpResult Get(const QUrl &url, int timeoutMs = kFetchTimeoutMs);

    // Starts a fetch; `done` runs once, from the event loop, with its result. Starting another
    // fetch or Cancel() abandons the one in flight without calling its `done`.
    void Start(const QUrl &url, std::function<void(const HttpResult &)> done, int timeoutMs = kFetchTimeoutMs);
    void Cancel();

private:
    HttpTransport *transport_;  // null when the network module is missing
};

// Only web addresses are fetched.
bool IsWebAddress(const QUrl &url);

// Loads the network module, from any thread; the first HttpClient loads it otherwise.
void LoadHttpModule();

}  // namespace orlenvo::banner
