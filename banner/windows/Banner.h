// The online banner of the main window: the start-up fetches, the banner list store `Memo1`,
// the banner timer `Timer1` and the browser `EmbeddedWB2` over the banner strip.
#pragma once

#include "banner/BannerCore.h"
#include "banner/windows/BannerHttp.h"

#include <QObject>
#include <QPointer>
#include <QUrl>

class QDeadlineTimer;
class QPlainTextEdit;
class QTimer;
class QWidget;

namespace orlenvo::banner {

class BannerView;

class Banner final : public QObject {
    Q_OBJECT
public:
    // Runs the banner start-up at once: fetches the banner list and the flag document from
    // `server` (blocking, all three within kFetchTimeoutMs), fills the store and the
    // state, hides the browser when the banner is off or empty, and starts the timer with its
    // first interval. Without a `view` the banner makes its browser over the strip.
    Banner(QWidget *strip, QPlainTextEdit *memo, QTimer *timer, const QUrl &server, BannerView *view = nullptr,
           QObject *parent = nullptr);

    // One tick of the banner timer.
    void Timer1Timer();

    BannerView &View() { return *view_; }
    const BannerRotation &State() const { return rotation_; }
    // BannerField over the store.
    std::string Field(int line, int n) const { return BannerField(rotation_.Store(), line, n); }

private:
    std::string Fetch(HttpClient &client, const QUrl &server, std::string_view path, const QDeadlineTimer &deadline);
    void HideBrowser();

    HttpClient *IdHTTP1;
    HttpClient *IdHTTP2;
    QTimer *Timer1;
    BannerView *view_;
    BannerRotation rotation_;
};

}  // namespace orlenvo::banner
