// The pictures-only banner view's decoding over arbitrary bytes: the same function and limits
// the view uses. Whatever the bytes, it ends, and a picture it gives is within the pixel limit.
#include "banner/BannerCore.h"
#include "banner/windows/BannerPicture.h"
#include "tests/fuzz/FuzzSupport.h"

#include <QCoreApplication>

using namespace orlenvo;

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    // The JPEG and GIF readers are plugins, found through the application object.
    static QCoreApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray body(reinterpret_cast<const char *>(data), qsizetype(size));
    const QImage image = banner::DecodeBannerImage(body);
    if (!image.isNull()) {
        fuzz::Check(qint64(image.width()) * image.height() <= kMaxPicturePixels,
                    "a decoded picture is within the limit");
        fuzz::Check(body.startsWith("\x89PNG") || body.startsWith("\xFF\xD8") || body.startsWith("GIF8"),
                    "only PNG, JPEG and GIF decode");
    }
    return 0;
}
