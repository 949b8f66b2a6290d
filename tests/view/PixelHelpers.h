#pragma once

#include <QImage>
#include <QRect>
#include <QRgb>

// Small helpers for reading what a paint left on a QImage.
namespace pixels {

inline QImage Blank(int w, int h, QColor fill = Qt::white) {
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(fill);
    return image;
}

// Bounding box of the pixels that differ from background (empty rect when none do).
inline QRect ChangedBox(const QImage& image, QRgb background) {
    QRect box;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != background)
                box |= QRect(x, y, 1, 1);
    return box;
}

inline int Count(const QImage& image, QRgb colour, QRect area) {
    int n = 0;
    area &= image.rect();
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            n += image.pixel(x, y) == colour;
    return n;
}

inline QRgb Rgb(int r, int g, int b) {
    return qRgb(r, g, b);
}

} // namespace pixels
