#include "view/PyramidImage.h"

#include <QPainter>

MapPyramid PyramidFromImage(const QImage& image) {
    return PyramidFromImage(image, [](double) { return true; });
}

MapPyramid PyramidFromImage(const QImage& image, const std::function<bool(double)>& progress) {
    if (image.isNull())
        return {};
    MapPyramid pyramid = MapPyramid::Allocate(image.width(), image.height());
    if (pyramid.Empty() || !FillPyramidFromImage(image, pyramid, progress))
        return {};
    return pyramid;
}

bool FillPyramidFromImage(const QImage& image, MapPyramid& pyramid,
                          const std::function<bool(double)>& progress) {
    // Copying the full level is quick next to cutting the reduced ones.
    constexpr double kCopyShare = 0.2;
    if (pyramid.Width() != image.width() || pyramid.Height() != image.height())
        return false;
    // Row by row through a one-row buffer: the whole image is never converted at once.
    QImage row(image.width(), 1, QImage::Format_RGB32);
    const bool opaque = image.format() == QImage::Format_RGB32;
    for (int y = 0; y < image.height(); ++y) {
        if (y % MapPyramid::kTileSize == 0 &&
            !progress(kCopyShare * y / static_cast<double>(image.height())))
            return false;
        if (opaque) {
            pyramid.StoreRow(y, reinterpret_cast<const MapPixel*>(image.constScanLine(y)));
            continue;
        }
        row.fill(Qt::white);
        QPainter painter(&row);
        painter.drawImage(QPoint(0, 0), image, QRect(0, y, image.width(), 1));
        painter.end();
        pyramid.StoreRow(y, reinterpret_cast<const MapPixel*>(row.constScanLine(0)));
    }
    return pyramid.BuildReducedLevels(
        [&](double done) { return progress(kCopyShare + (1.0 - kCopyShare) * done); });
}

QImage TileImage(const MapPyramid& pyramid, int level, int column, int row) {
    return QImage(reinterpret_cast<const uchar*>(pyramid.Tile(level, column, row)),
                  MapPyramid::kTileSize, MapPyramid::kTileSize,
                  MapPyramid::kTileSize * static_cast<qsizetype>(sizeof(MapPixel)),
                  QImage::Format_RGB32);
}
