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

}  // namespace orlenvo::ui
