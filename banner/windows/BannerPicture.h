// Decoding of the pictures-only view's banner pictures, bounded in format, size and pixels.
#pragma once

#include <QByteArray>
#include <QImage>

namespace orlenvo::banner {

// The picture in a body, or a null image when it is none of PNG, JPEG and GIF or is larger
// than kMaxPicturePixels. A GIF gives its first frame.
QImage DecodeBannerImage(const QByteArray &body);

// Whether every chunk of a PNG body, up to its end chunk, lies whole within the body. The PNG
// reader allocates what a chunk's length announces before it reads the chunk: 41 bytes announcing
// a 1.5 GB text chunk took 1.59 GB and seconds to refuse.
bool PngChunksFit(const QByteArray &body);

}  // namespace orlenvo::banner
