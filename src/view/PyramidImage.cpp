#include "view/PyramidImage.h"

#include <QPainter>

MapPyramid PyramidFromImage(const QImage& image) {
    if (image.isNull())
        return {};
    MapPyramid pyramid = MapPyramid::Allocate(image.width(), image.height());
    if (pyramid.Empty())
        return {};
    // Row by row through a one-row buffer: the whole image is never converted at once.
    QImage row(image.width(), 1, QImage::Format_RGB32);
    const bool opaque = image.format() == QImage::Format_RGB32;
    for (int y = 0; y < image.height(); ++y) {
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
    pyramid.BuildReducedLevels();
    return pyramid;
}

QImage TileImage(const MapPyramid& pyramid, int level, int column, int row) {
    return QImage(reinterpret_cast<const uchar*>(pyramid.Tile(level, column, row)),
                  MapPyramid::kTileSize, MapPyramid::kTileSize,
                  MapPyramid::kTileSize * static_cast<qsizetype>(sizeof(MapPixel)),
                  QImage::Format_RGB32);
}
