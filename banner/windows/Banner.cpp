#include "banner/windows/Banner.h"

#include "banner/windows/BannerView.h"
#include "core/Text.h"
#include "ui/Messages.h"

#include <QDeadlineTimer>
#include <QPlainTextEdit>
#include <QTimer>
#include <QWidget>

#include <stdexcept>

namespace orlenvo::banner {

Banner::Banner(QWidget *strip, QPlainTextEdit *memo, QTimer *timer, const QUrl &server, BannerView *view,
               QObject *parent)
    : QObject(parent), IdHTTP1(new HttpClient(this)), IdHTTP2(new HttpClient(this)), Timer1(timer),
      view_(view ? view : new BannerBrowser(strip))
{
    setObjectName(QStringLiteral("Banner"));
    IdHTTP1->setObjectName(QStringLiteral("IdHTTP1"));
    IdHTTP2->setObjectName(QStringLiteral("IdHTTP2"));

    // One deadline covers the three fetches: once it has passed, the rest fail at once.
    const QDeadlineTimer deadline(kFetchTimeoutMs);
    rotation_.Start(FetchBannerDocuments([&](BannerClient client, std::string_view path) {
        return Fetch(client == BannerClient::IdHTTP1 ? *IdHTTP1 : *IdHTTP2, server, path, deadline);
    }));
    memo->setPlainText(QString::fromStdString(rotation_.Store().Text()));
    if (rotation_.HideAtStart())
        HideBrowser();

    connect(Timer1, &QTimer::timeout, this, ui::Guard(this, &Banner::Timer1Timer));
    Timer1->setInterval(kBannerFirstInterval);
    Timer1->start();
}

std::string Banner::Fetch(HttpClient &client, const QUrl &server, std::string_view path, const QDeadlineTimer &deadline)
{
    QUrl url = server;
    url.setPath(QString::fromUtf8(path.data(), static_cast<qsizetype>(path.size())));
    const HttpResult result = client.Get(url, static_cast<int>(deadline.remainingTime()));
    if (!result.ok)
        throw std::runtime_error("fetch failed");
    return GbkToUtf8(std::string_view(result.body.constData(), static_cast<std::size_t>(result.body.size())));
}

void Banner::HideBrowser()
{
    view_->Hide();
}

void Banner::Timer1Timer()
{
    const BannerTick tick = rotation_.Tick();
    if (tick.navigate)
        view_->Navigate(QString::fromStdString(tick.address));
    switch (tick.timer) {
    case BannerTick::Timer::Keep: break;
    case BannerTick::Timer::SetInterval: Timer1->setInterval(tick.intervalMs); break;
    case BannerTick::Timer::Stop: Timer1->stop(); break;
    }
}

}  // namespace orlenvo::banner
