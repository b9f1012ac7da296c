#include "banner/windows/BannerPicture.h"

#include "banner/BannerCore.h"

#include <QBuffer>
#include <QImageReader>

namespace orlenvo::banner {

namespace {

// Whether every chunk of a PNG up to its end chunk lies within the body. The PNG reader
// allocates what a chunk's length announces before it reads the chunk: a few hundred bytes
// announcing a 1.7 GB text chunk took 1.7 GB and a second to refuse.
bool PngChunksFit(const QByteArray &body)
{
    const auto byte = [&](qsizetype i) { return quint32(quint8(body[i])); };
    qsizetype at = 8;  // after the signature
    while (at + 8 <= body.size()) {
        const quint32 length = byte(at) << 24 | byte(at + 1) << 16 | byte(at + 2) << 8 | byte(at + 3);
        // Length, type, data and check sum.
        if (length > quint32(body.size() - at - 12))
            return false;
        if (body.mid(at + 4, 4) == "IEND")
            return true;
        at += 12 + qsizetype(length);
    }
    return true;
}

}  // namespace

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
