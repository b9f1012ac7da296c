#include "banner/windows/BannerPicture.h"

#include "banner/BannerCore.h"

#include <QBuffer>
#include <QImageReader>

namespace orlenvo::banner {

bool PngChunksFit(const QByteArray &body)
{
    // Each chunk is its length, type, data and check sum: 12 bytes and the data. All sizes are
    // compared as signed 64-bit numbers, so that no difference can wrap.
    constexpr qint64 kChunkFrame = 12;
    const auto byte = [&](qint64 i) { return qint64(quint8(body[i])); };
    qint64 at = 8;  // after the signature
    while (at < body.size()) {
        const qint64 left = body.size() - at;
        if (left < kChunkFrame)
            return false;  // a chunk cut off in its header
        const qint64 length = byte(at) << 24 | byte(at + 1) << 16 | byte(at + 2) << 8 | byte(at + 3);
        if (length > left - kChunkFrame)
            return false;
        if (body.mid(at + 4, 4) == "IEND")
            return true;
        at += kChunkFrame + length;
    }
    return true;
}

QImage DecodeBannerImage(const QByteArray &body)
{
    QByteArray copy = body;
    QBuffer buffer(&copy);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    reader.setDecideFormatFromContent(true);
    const QByteArray format = reader.format();
    if (format != "png" && format != "jpeg" && format != "gif")
        return {};
    if (format == "png" && !PngChunksFit(body))
        return {};
    // The size from the header bounds the decoding; a picture that decodes to another size is
    // refused.
    const QSize size = reader.size();
    if (!size.isValid() || size.isEmpty() || qint64(size.width()) * size.height() > kMaxPicturePixels)
        return {};
    const QImage image = reader.read();
    if (image.isNull() || image.size() != size)
        return {};
    return image;
}

}  // namespace orlenvo::banner
