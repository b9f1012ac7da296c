// Test doubles of the main window's seams (commands, banner, services), and an HTTP server on
// 127.0.0.1 only.
#pragma once

#include "app/windows/Dispatch.h"
#include "app/windows/Links.h"
#include "app/windows/StartPage.h"
#include "banner/BannerCore.h"
#include "banner/windows/BannerView.h"

#include <QByteArray>
#include <QList>
#include <QMap>
#include <QObject>
#include <QStringList>
#include <QTcpServer>
#include <QUrl>

#include <vector>

namespace orlenvo::testing {

// Paths of the banner list and the flag document on the server.
inline const QByteArray kList = QByteArray(kBannerListPath.data(), qsizetype(kBannerListPath.size()));
inline const QByteArray kFlag = QByteArray(kBannerFlagPath.data(), qsizetype(kBannerFlagPath.size()));

// Answers GET requests from a table of paths; unknown paths get 404.
class LoopbackServer final : public QObject {
    Q_OBJECT
public:
    struct Response {
        int status = 200;
        QByteArray body;
        QByteArray contentType = "text/html";
        QByteArray extraHeaders;  // whole header lines, each ending in "\r\n"
        bool silent = false;      // accept the request and never answer
        int delayMs = 0;          // answer this long after the request
        bool endless = false;     // a body without length that never ends
    };

    LoopbackServer();

    void Serve(const QByteArray &path, Response response);
    void Serve(const QByteArray &path, const QByteArray &body) { Serve(path, Response{.body = body}); }

    QUrl Base() const;
    QUrl Url(const QByteArray &path) const;
    int Requests(const QByteArray &path) const { return counts_.value(path); }
    int TotalRequests() const;
    // The head (request line and headers) of every request, in order.
    const QList<QByteArray> &Heads() const { return heads_; }

private:
    void Accept();
    void Answer(QTcpSocket *socket);
    void Send(QTcpSocket *socket, const Response &response);

    QTcpServer server_;
    QMap<QByteArray, Response> responses_;
    QMap<QByteArray, int> counts_;
    QList<QByteArray> heads_;
};

class RecordingDispatcher final : public app::Dispatcher {
public:
    void Run(const CommandAction &action) override { seen.push_back(action); }

    std::vector<CommandAction> seen;
};

class RecordingBannerView final : public banner::BannerView {
public:
    void Navigate(const QString &address) override { navigations.append(address); }
    void Hide() override { ++hides; }

    QStringList navigations;
    int hides = 0;
};

class RecordingLinks final : public app::Links {
public:
    void Open(const QUrl &url) override { opened.append(url); }

    QList<QUrl> opened;
};

class MemoryStartPage final : public app::StartPageStore {
public:
    explicit MemoryStartPage(QString value = {}) : value(std::move(value)) {}
    QString ReadStartPage() override { return value; }
    void WriteStartPage(const QString &text) override
    {
        value = text;
        ++writes;
    }

    QString value;
    int writes = 0;
};

// The program's web engine for tests: sandboxed as an unprivileged user; as root, where its
// sandbox cannot run, without it and refusing every request off the loopback.
banner::BannerEngineSource TestEngine();

// The services of a program under test: the maker's server, recorded links, a start page in
// memory and the banner's engine (pictures only by default).
struct TestServices {
    explicit TestServices(const QUrl &server, banner::BannerEngineSource bannerEngine = {});
    TestServices(const TestServices &) = delete;
    TestServices &operator=(const TestServices &) = delete;

    RecordingLinks links;
    MemoryStartPage startPage;
    banner::BannerEngineSource engine;
    app::ServiceEnvironment env;
};

// A GBK body from UTF-8 text.
QByteArray Gbk(const char *utf8);

// With ORLENVO_SCREENSHOT_DIR set, saves the widget's client there as <name>.png.
bool SaveScreenshot(QWidget *widget, const char *name);

}  // namespace orlenvo::testing
