#include "tests/support/Doubles.h"

#include "core/Text.h"

#include <QDir>
#include <QHostAddress>
#include <QPixmap>
#include <QTcpSocket>
#include <QTimer>
#include <QWidget>

#include <unistd.h>

namespace orlenvo::testing {

banner::BannerEngineSource TestEngine()
{
    banner::BannerEngineSource source = banner::BannerEngineSource::Program();
    source.options.loopbackWithoutSandbox = geteuid() == 0;
    return source;
}

TestServices::TestServices(const QUrl &server, banner::BannerEngineSource bannerEngine)
    : engine(std::move(bannerEngine))
{
    env.maker.server = server;
    env.links = &links;
    env.startPage = &startPage;
    env.bannerEngine = &engine;
}

LoopbackServer::LoopbackServer()
{
    server_.listen(QHostAddress::LocalHost, 0);
    connect(&server_, &QTcpServer::newConnection, this, &LoopbackServer::Accept);
}

void LoopbackServer::Serve(const QByteArray &path, Response response)
{
    responses_[path] = std::move(response);
}

QUrl LoopbackServer::Base() const
{
    return QUrl(QStringLiteral("http://127.0.0.1:%1").arg(server_.serverPort()));
}

QUrl LoopbackServer::Url(const QByteArray &path) const
{
    return QUrl(Base().toString() + QString::fromLatin1(path));
}

int LoopbackServer::TotalRequests() const
{
    int total = 0;
    for (int n : counts_)
        total += n;
    return total;
}

void LoopbackServer::Accept()
{
    while (QTcpSocket *socket = server_.nextPendingConnection()) {
        socket->setParent(this);
        connect(socket, &QTcpSocket::readyRead, this, [this, socket] { Answer(socket); });
        connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
    }
}

void LoopbackServer::Answer(QTcpSocket *socket)
{
    QByteArray buffer = socket->property("buffer").toByteArray() + socket->readAll();
    const qsizetype end = buffer.indexOf("\r\n\r\n");
    if (end < 0) {
        socket->setProperty("buffer", buffer);
        return;
    }
    socket->setProperty("buffer", QByteArray());
    const QByteArray head = buffer.left(end);
    heads_.append(head);
    const QList<QByteArray> requestLine = head.left(head.indexOf("\r\n")).split(' ');
    const QByteArray path = requestLine.size() > 1 ? requestLine[1] : QByteArray();
    ++counts_[path];

    Response response;
    response.status = 404;
    response.body = "not here";
    const auto it = responses_.constFind(path);
    if (it != responses_.constEnd())
        response = *it;
    if (response.silent)
        return;
    if (response.delayMs > 0)
        QTimer::singleShot(response.delayMs, socket, [this, socket, response] { Send(socket, response); });
    else
        Send(socket, response);
}

void LoopbackServer::Send(QTcpSocket *socket, const Response &response)
{
    QByteArray reply = "HTTP/1.1 " + QByteArray::number(response.status) + " X\r\n";
    reply += "Content-Type: " + response.contentType + "\r\n";
    if (!response.endless)
        reply += "Content-Length: " + QByteArray::number(response.body.size()) + "\r\n";
    reply += response.extraHeaders;
    reply += "Connection: close\r\n\r\n";
    socket->write(reply);
    if (!response.endless) {
        socket->write(response.body);
        socket->disconnectFromHost();
        return;
    }
    // The body repeats for as long as the client reads.
    const QByteArray chunk = response.body.isEmpty() ? QByteArray(64 * 1024, 'x') : response.body;
    socket->write(chunk);
    connect(socket, &QTcpSocket::bytesWritten, socket, [socket, chunk] {
        if (socket->bytesToWrite() < 4 * chunk.size())
            socket->write(chunk);
    });
}

QByteArray Gbk(const char *utf8)
{
    return QByteArray::fromStdString(Utf8ToGbk(utf8));
}

bool SaveScreenshot(QWidget *widget, const char *name)
{
    const QString dir = QString::fromLocal8Bit(qgetenv("ORLENVO_SCREENSHOT_DIR"));
    if (dir.isEmpty())
        return true;
    QDir().mkpath(dir);
    return widget->grab().save(dir + QLatin1Char('/') + QString::fromUtf8(name) + QStringLiteral(".png"));
}

}  // namespace orlenvo::testing
