#include "view/PyramidImage.h"

#include <QPainter>

#include <algorithm>
#include <cstring>

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

void SampleLevel(const MapPyramid& pyramid, int level, const std::vector<int>& columns,
                 const std::vector<int>& rows, int top, int bottom, QImage& out) {
    constexpr int kTile = MapPyramid::kTileSize;
    constexpr MapPixel kWhite = 0xFFFFFFFFu;
    const std::size_t width = static_cast<std::size_t>(out.width());
    // Per view column: its tile column and the pixel within the tile (-1 beyond the map).
    std::vector<int> tileColumn(width, 0);
    std::vector<int> inTile(width, -1);
    int firstColumn = pyramid.Level(level).columns;
    int endColumn = 0;
    for (std::size_t x = 0; x < width; ++x) {
        if (columns[x] < 0)
            continue;
        tileColumn[x] = columns[x] / kTile;
        inTile[x] = columns[x] % kTile;
        firstColumn = std::min(firstColumn, tileColumn[x]);
        endColumn = std::max(endColumn, tileColumn[x] + 1);
    }
    // Indexed by tile column; only those in view are set.
    std::vector<const MapPixel*> tileRow(static_cast<std::size_t>(std::max(endColumn, 0)));
    int previous = -1; // the level row the view row above showed
    for (int y = top; y < bottom; ++y) {
        auto* line = reinterpret_cast<MapPixel*>(out.scanLine(y));
        const int r = rows[static_cast<std::size_t>(y)];
        if (r < 0) {
            std::fill(line, line + width, kWhite);
            previous = -1;
            continue;
        }
        // An enlarged map repeats its rows: copied, not sampled again.
        if (r == previous) {
            std::memcpy(line, out.constScanLine(y - 1), width * sizeof(MapPixel));
            continue;
        }
        previous = r;
        for (int c = firstColumn; c < endColumn; ++c)
            tileRow[static_cast<std::size_t>(c)] =
                pyramid.Tile(level, c, r / kTile) + static_cast<std::size_t>(r % kTile) * kTile;
        for (std::size_t x = 0; x < width; ++x)
            line[x] = inTile[x] < 0 ? kWhite
                                    : tileRow[static_cast<std::size_t>(tileColumn[x])][inTile[x]];
    }
}
