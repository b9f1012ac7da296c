// Pictures at the screen's pixel ratio, so they stay sharp on a scaled (HiDPI) screen.
#pragma once

#include <QIcon>
#include <QIconEngine>
#include <QImage>
#include <QPixmap>
#include <QSize>

#include <functional>
#include <optional>

namespace orlenvo::ui {

// The highest device pixel ratio of the screens (2 under QT_SCALE_FACTOR=2).
qreal ScreenPixelRatio();

// A transparent pixmap of `size` logical pixels holding size x ScreenPixelRatio() device
// pixels; a painter on it draws in logical pixels.
QPixmap Canvas(QSize size);

// A stored picture ready for a label: above ratio 1 it is enlarged smoothly once here, rather
// than pixel by pixel at every paint; its logical size stays the picture's size.
QPixmap ScreenPixmap(const QImage &image);

// An icon made by `make` when it is first drawn or measured, not when it is set. Sizes asked of
// an engine are in device pixels.
class DeferredIcon : public QIconEngine {
public:
    explicit DeferredIcon(std::function<QIcon()> make) : make_(std::move(make)) {}

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override;
    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override;
    QSize actualSize(const QSize &size, QIcon::Mode mode, QIcon::State state) override;
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override;
    QIconEngine *clone() const override { return new DeferredIcon(*this); }
    QString key() const override { return QStringLiteral("DeferredIcon"); }

protected:
    QIcon &Icon();

private:
    std::function<QIcon()> make_;
    std::optional<QIcon> icon_;
};

}  // namespace orlenvo::ui
