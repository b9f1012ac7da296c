// Decoding of the pictures-only view's banner pictures, bounded in format, size and pixels.
#pragma once

#include <QByteArray>
#include <QImage>

namespace orlenvo::banner {

// The picture in a body, or a null image when it is none of PNG, JPEG and GIF or is larger
// than kMaxPicturePixels. A GIF gives its first frame.
QImage DecodeBannerImage(const QByteArray &body);

}  // namespace orlenvo::banner
