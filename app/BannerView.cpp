#include "app/BannerView.h"

#include "core/Text.h"

#include <QBuffer>
#include <QImageReader>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>
#include <QTextBrowser>
#include <QTextDocument>

namespace orlenvo::app {

namespace {

constexpr QRect kBrowserGeometry(-12, -17, 803, 107);
// Where the page's content starts inside the browser: the strip's top-left corner.
constexpr QPoint kContentOrigin(12, 17);
// Hidden, the browser's top edge lies this far above the strip's.
constexpr int kHiddenTop = -200;

// A document that loads nothing: no pictures, style sheets or files the page refers to.
class SealedDocument final : public QTextDocument {
public:
    using QTextDocument::QTextDocument;

protected:
    QVariant loadResource(int, const QUrl &) override { return {}; }
};

class SealedTextBrowser final : public QTextBrowser {
public:
    explicit SealedTextBrowser(QWidget *parent) : QTextBrowser(parent) { setDocument(new SealedDocument(this)); }

protected:
    QVariant loadResource(int, const QUrl &) override { return {}; }
};

bool LooksLikeSvg(const QByteArray &body, const QByteArray &contentType)
{
    if (contentType.toLower().contains("image/svg"))
        return true;
    const QByteArray head = body.left(512).trimmed().toLower();
    return (head.startsWith("<svg") || head.startsWith("<?xml")) && head.contains("<svg");
}

QPixmap DecodePicture(const QByteArray &body, const QByteArray &contentType)
{
    if (LooksLikeSvg(body, contentType)) {
        QSvgRenderer svg(body);
        if (!svg.isValid())
            return {};
        QSize size = svg.defaultSize();
        if (size.isEmpty() || size.width() > 4000 || size.height() > 4000)
            size = QSize(800, 81);
        QPixmap pixmap(size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        svg.render(&painter);
        return pixmap;
    }
    QByteArray copy = body;
    QBuffer buffer(&copy);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    const QByteArray format = reader.format();
    if (format != "png" && format != "jpeg" && format != "jpg" && format != "gif")
        return {};
    const QSize size = reader.size();
    if (!size.isValid() || size.width() > 4000 || size.height() > 4000)
        return {};
    return QPixmap::fromImage(reader.read());
}

QString DecodeText(const QByteArray &body, const QByteArray &contentType)
{
    if (contentType.toLower().contains("utf-8"))
        return QString::fromUtf8(body);
    return QString::fromStdString(GbkToUtf8(std::string_view(body.constData(), static_cast<std::size_t>(body.size()))));
}

}  // namespace

BannerBrowser::BannerBrowser(QWidget *strip)
    : QWidget(strip), client_(this), picture_(new QLabel(this)), text_(new SealedTextBrowser(this))
{
    setObjectName(QStringLiteral("EmbeddedWB2"));
    setGeometry(kBrowserGeometry);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::white);
    setPalette(pal);

    const QRect content(kContentOrigin, size() - QSize(kContentOrigin.x(), kContentOrigin.y()));
    picture_->setObjectName(QStringLiteral("BannerPicture"));
    picture_->setGeometry(content);
    picture_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    picture_->hide();

    text_->setObjectName(QStringLiteral("BannerText"));
    text_->setGeometry(content);
    text_->setFrameShape(QFrame::NoFrame);
    text_->setOpenLinks(false);
    text_->setOpenExternalLinks(false);
    text_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    text_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    text_->document()->setDocumentMargin(0);
    text_->hide();
}

void BannerBrowser::Navigate(const QString &address)
{
    if (hiddenForGood_)
        return;
    address_ = QUrl(address);
    if (!IsWebAddress(address_)) {
        client_.Cancel();
        ShowNothing();
        emit PageShown();
        return;
    }
    client_.Start(address_, [this](const HttpResult &result) { ShowResult(result); });
}

void BannerBrowser::Hide()
{
    hiddenForGood_ = true;
    client_.Cancel();
    setVisible(false);
    move(x(), kHiddenTop);
}

void BannerBrowser::ShowNothing()
{
    picture_->clear();
    picture_->hide();
    text_->clear();
    text_->hide();
    showing_ = Shows::Nothing;
}

void BannerBrowser::ShowResult(const HttpResult &result)
{
    ShowNothing();
    if (result.ok) {
        const QPixmap pixmap = DecodePicture(result.body, result.contentType);
        if (!pixmap.isNull()) {
            picture_->setPixmap(pixmap);
            picture_->show();
            showing_ = Shows::Picture;
        } else {
            const QString page = DecodeText(result.body, result.contentType);
            const QByteArray type = result.contentType.toLower();
            const bool html = type.contains("html") || (!type.startsWith("text/") && Qt::mightBeRichText(page));
            if (html)
                text_->setHtml(page);
            else
                text_->setPlainText(page);
            text_->show();
            showing_ = Shows::Text;
        }
    }
    emit PageShown();
}

}  // namespace orlenvo::app
