// Pictures at the screen's pixel ratio, so they stay sharp on a scaled (HiDPI) screen.
#pragma once

#include <QImage>
#include <QPixmap>
#include <QSize>

namespace orlenvo::ui {

// The highest device pixel ratio of the screens (2 under QT_SCALE_FACTOR=2).
qreal ScreenPixelRatio();

// A transparent pixmap of `size` logical pixels holding size x ScreenPixelRatio() device
// pixels; a painter on it draws in logical pixels.
QPixmap Canvas(QSize size);

// A stored picture ready for a label: above ratio 1 it is enlarged smoothly once here, rather
// than pixel by pixel at every paint; its logical size stays the picture's size.
QPixmap ScreenPixmap(const QImage &image);

}  // namespace orlenvo::ui
