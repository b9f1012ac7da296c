#include "ui/Pictures.h"

#include <QGuiApplication>

namespace orlenvo::ui {

qreal ScreenPixelRatio()
{
    return qApp ? qApp->devicePixelRatio() : 1.0;
}

QPixmap Canvas(QSize size)
{
    const qreal ratio = ScreenPixelRatio();
    QPixmap pixmap(size * ratio);
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

QPixmap ScreenPixmap(const QImage &image)
{
    const qreal ratio = ScreenPixelRatio();
    if (image.isNull() || ratio <= 1.0)
        return QPixmap::fromImage(image);
    QPixmap pixmap =
        QPixmap::fromImage(image.scaled(image.size() * ratio, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    pixmap.setDevicePixelRatio(ratio);
    return pixmap;
}

QIcon &DeferredIcon::Icon()
{
    if (!icon_)
        icon_ = make_();
    return *icon_;
}

void DeferredIcon::paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state)
{
    Icon().paint(painter, rect, Qt::AlignCenter, mode, state);
}

QPixmap DeferredIcon::pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state)
{
    return Icon().pixmap(size, 1.0, mode, state);
}

QSize DeferredIcon::actualSize(const QSize &size, QIcon::Mode mode, QIcon::State state)
{
    return Icon().actualSize(size, mode, state);
}

QList<QSize> DeferredIcon::availableSizes(QIcon::Mode mode, QIcon::State state)
{
    return Icon().availableSizes(mode, state);
}

}  // namespace orlenvo::ui
