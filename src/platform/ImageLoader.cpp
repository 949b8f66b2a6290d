#include "platform/ImageLoader.h"

#include <QImageReader>

namespace platform {

QImage LoadMapImageFile(const QString& path, QString* error) {
    QImageReader::setAllocationLimit(kImageAllocationLimitMb);
    QImageReader reader(path);
    reader.setAutoTransform(true);
    QImage image = reader.read();
    if (image.isNull()) {
        if (error)
            *error = reader.errorString();
        return {};
    }
    // Scaling the visible rectangle each frame is fastest from a premultiplied 32-bit image.
    const QImage::Format fast =
        image.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32;
    if (image.format() != fast)
        image.convertTo(fast);
    return image;
}

} // namespace platform
