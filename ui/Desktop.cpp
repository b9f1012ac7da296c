#include "ui/Desktop.h"

#include "core/Script.h"
#include "ui/Pictures.h"

#include <QApplication>
#include <QEvent>
#include <QFont>
#include <QImage>
#include <QLibraryInfo>
#include <QPainter>
#include <QSvgRenderer>
#include <QTimer>
#include <QTranslator>

#include <future>

namespace orlenvo::ui {

QString DesktopId()
{
    return QStringLiteral("example.orlenvo.Orlenvo");
}

namespace {

const QString kBuiltInPicture = QStringLiteral(":/pictures/orlenvo.svg");

// Qt's SVG icon engine draws the built-in picture at whatever size and pixel ratio is asked.
QIcon BuiltInIcon()
{
    return QIcon(kBuiltInPicture);
}

// The sizes a window's icon is sent to an X11 window manager in.
constexpr int kWindowIconSizes[] = {16, 32, 64, 128};

// The built-in picture drawn at those sizes, as Qt's SVG icon engine draws it. QtSvg and QImage
// may draw outside the GUI thread.
QList<QImage> DrawWindowIconSizes()
{
    QList<QImage> drawn;
    QSvgRenderer renderer(kBuiltInPicture);
    for (int side : kWindowIconSizes) {
        QImage image(renderer.defaultSize().scaled(side, side, Qt::KeepAspectRatio),
                     QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        renderer.render(&painter);
        painter.end();
        drawn.append(image);
    }
    return drawn;
}

// The built-in picture as the application's icon: the window-icon sizes drawn aside while the
// program starts, so that showing the first window draws none of them; other sizes by the SVG
// engine.
class BuiltInIconEngine final : public DeferredIcon {
public:
    explicit BuiltInIconEngine(std::shared_future<QList<QImage>> drawn)
        : DeferredIcon(BuiltInIcon), drawn_(std::move(drawn))
    {}

    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        if (mode == QIcon::Normal && state == QIcon::Off)
            for (const QImage &image : drawn_.get())
                if (image.size() == size)
                    return QPixmap::fromImage(image);
        return DeferredIcon::pixmap(size, mode, state);
    }
    // The drawn sizes, which an X11 window's icon is sent in, answered without the SVG engine.
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override
    {
        if (mode != QIcon::Normal || state != QIcon::Off)
            return DeferredIcon::availableSizes(mode, state);
        QList<QSize> sizes;
        for (int side : kWindowIconSizes)
            sizes.append(QSize(side, side));
        return sizes;
    }
    QIconEngine *clone() const override { return new BuiltInIconEngine(*this); }
    QString key() const override { return QStringLiteral("BuiltInIconEngine"); }

private:
    std::shared_future<QList<QImage>> drawn_;
};

// Gives the application the theme's icon after the first window's first expose has been handled.
class ThemeIconAfterFirstExpose final : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Expose && !posted_) {
            posted_ = true;
            QTimer::singleShot(0, this, [this] {
                const QIcon icon = ApplicationIcon();
                if (!icon.name().isEmpty())
                    QGuiApplication::setWindowIcon(icon);
                deleteLater();
            });
        }
        return false;
    }

private:
    bool posted_ = false;
};

}  // namespace

QIcon ApplicationIcon()
{
    return QIcon::fromTheme(DesktopId(), BuiltInIcon());
}

bool LoadQtTranslation(QCoreApplication &app)
{
    // Hong Kong's where Qt has one, else Taiwan's: both are Traditional.
    QStringList names{QStringLiteral("qtbase_zh_CN")};
    if (CurrentScript() == Script::Taiwan)
        names = {QStringLiteral("qtbase_zh_TW")};
    else if (CurrentScript() == Script::HongKong)
        names = {QStringLiteral("qtbase_zh_HK"), QStringLiteral("qtbase_zh_TW")};
    auto *translator = new QTranslator(&app);
    for (const QString &name : names)
        if (translator->load(name, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            return QCoreApplication::installTranslator(translator);
    delete translator;
    return false;
}

void InstallDesktopIdentity(QCoreApplication &app)
{
    QGuiApplication::setDesktopFileName(DesktopId());
    // The built-in picture at once, and the theme's icon in its place when the theme has one, once
    // the first window has been drawn: reading a theme's index (hicolor's lists some 650 folders)
    // would hold that window back. The installed theme icon is drawn from the same picture.
    QGuiApplication::setWindowIcon(
        QIcon(new BuiltInIconEngine(std::async(std::launch::async, DrawWindowIconSizes).share())));
    app.installEventFilter(new ThemeIconAfterFirstExpose(&app));
    LoadQtTranslation(app);
}

}  // namespace orlenvo::ui
