// Pictures for tests that serve or store them as files.
#pragma once

#include <QBuffer>
#include <QByteArray>
#include <QImage>

namespace orlenvo::testing {

// The bytes of a file of the format ("PNG", "JPEG" ...) holding the image; quality -1 is the
// format's default.
inline QByteArray Encoded(const QImage &image, const char *format, int quality = -1)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format, quality);
    return bytes;
}

}  // namespace orlenvo::testing
