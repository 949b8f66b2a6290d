#include "view/PyramidImage.h"

#include <QPainter>

#include <algorithm>
#include <cstring>
#include <limits>

namespace view {

map::MapPyramid PyramidFromImage(const QImage& image) {
    return PyramidFromImage(image, [](double) { return true; });
}

map::MapPyramid PyramidFromImage(const QImage& image, const std::function<bool(double)>& progress) {
    if (image.isNull())
        return {};
    map::MapPyramid pyramid = map::MapPyramid::Allocate(image.width(), image.height());
    if (pyramid.Empty() || !FillPyramidFromImage(image, pyramid, progress))
        return {};
    return pyramid;
}

bool FillPyramidFromImage(const QImage& image, map::MapPyramid& pyramid,
                          const std::function<bool(double)>& progress) {
    // Copying the full level is quick next to cutting the reduced ones.
    constexpr double kCopyShare = 0.2;
    if (pyramid.Width() != image.width() || pyramid.Height() != image.height())
        return false;
    // Row by row through a one-row buffer: the whole image is never converted at once.
    QImage row(image.width(), 1, QImage::Format_RGB32);
    const bool opaque = image.format() == QImage::Format_RGB32;
    for (int y = 0; y < image.height(); ++y) {
        if (y % map::MapPyramid::kTileSize == 0 &&
            !progress(kCopyShare * y / static_cast<double>(image.height())))
            return false;
        if (opaque) {
            pyramid.StoreRow(y, reinterpret_cast<const map::MapPixel*>(image.constScanLine(y)));
            continue;
        }
        row.fill(Qt::white);
        QPainter painter(&row);
        painter.drawImage(QPoint(0, 0), image, QRect(0, y, image.width(), 1));
        painter.end();
        pyramid.StoreRow(y, reinterpret_cast<const map::MapPixel*>(row.constScanLine(0)));
    }
    return pyramid.BuildReducedLevels(
        [&](double done) { return progress(kCopyShare + (1.0 - kCopyShare) * done); });
}

bool QtTileDecoder::Decode(std::string_view bytes, map::MapPixel* out, std::string* error) const {
    constexpr int kSide = map::MapPyramid::kTileSize;
    QImage image;
    if (bytes.size() > static_cast<std::size_t>(std::numeric_limits<int>::max()) ||
        !image.loadFromData(reinterpret_cast<const uchar*>(bytes.data()),
                            static_cast<int>(bytes.size()))) {
        *error = "a tile is no image";
        return false;
    }
    // Transparency over white, as a whole map's.
    QImage tile(kSide, kSide, QImage::Format_RGB32);
    tile.fill(Qt::white);
    QPainter painter(&tile);
    painter.drawImage(QRect(0, 0, kSide, kSide), image);
    painter.end();
    for (int y = 0; y < kSide; ++y)
        std::memcpy(out + static_cast<std::size_t>(y) * kSide, tile.constScanLine(y),
                    kSide * sizeof(map::MapPixel));
    return true;
}

QImage TileImage(const map::MapPyramid& pyramid, int level, int column, int row) {
    return QImage(reinterpret_cast<const uchar*>(pyramid.Tile(level, column, row)),
                  map::MapPyramid::kTileSize, map::MapPyramid::kTileSize,
                  map::MapPyramid::kTileSize * static_cast<qsizetype>(sizeof(map::MapPixel)),
                  QImage::Format_RGB32);
}

namespace {

// A stretch of one row from one tile: consecutive pixels copied, one pixel repeated (an
// enlarged map), or white beyond the map (tile -1).
struct SampleRun {
    std::size_t x = 0;
    std::size_t length = 0;
    int tile = -1; // tile column
    int from = 0;  // pixel within the tile's row
    bool repeat = false;
};

} // namespace

bool SampleLevel(const map::TiledMap& pyramid, int level, const std::vector<int>& columns,
                 const std::vector<int>& rows, QRect area, QImage& out, map::MapPixel ground) {
    constexpr int kTile = map::MapPyramid::kTileSize;
    area &= out.rect();
    if (area.isEmpty())
        return true;
    const auto left = static_cast<std::size_t>(area.left());
    const auto width = static_cast<std::size_t>(area.width());
    // The columns cut into runs once for all rows; a row is then a few copies and fills.
    std::vector<SampleRun> runs;
    int firstColumn = pyramid.Level(level).columns;
    int endColumn = 0;
    for (std::size_t x = left; x < left + width; ++x) {
        const int tile = columns[x] < 0 ? -1 : columns[x] / kTile;
        const int in = columns[x] < 0 ? 0 : columns[x] % kTile;
        if (tile >= 0) {
            firstColumn = std::min(firstColumn, tile);
            endColumn = std::max(endColumn, tile + 1);
        }
        if (!runs.empty()) {
            SampleRun& run = runs.back();
            const int last = run.from + (run.repeat ? 0 : static_cast<int>(run.length) - 1);
            const bool joins = run.tile == tile &&
                               (tile < 0 || (run.length == 1 && (in == last || in == last + 1)) ||
                                (run.repeat ? in == last : in == last + 1));
            if (joins) {
                if (tile >= 0 && run.length == 1)
                    run.repeat = in == last;
                ++run.length;
                continue;
            }
        }
        runs.push_back({x, 1, tile, in, false});
    }
    std::vector<const map::MapPixel*> tiles(static_cast<std::size_t>(endColumn));
    std::vector<const map::MapPixel*> tileRow(static_cast<std::size_t>(endColumn));
    int previous = -1;     // the level row the view row above showed
    int previousTile = -1; // and its row of tiles
    bool complete = true;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        auto* line = reinterpret_cast<map::MapPixel*>(out.scanLine(y));
        const int r = rows[static_cast<std::size_t>(y)];
        if (r < 0) {
            std::fill(line + left, line + left + width, ground);
            previous = -1;
            continue;
        }
        // An enlarged map repeats its rows: copied, not sampled again.
        if (r == previous) {
            std::memcpy(line + left,
                        reinterpret_cast<const map::MapPixel*>(out.constScanLine(y - 1)) + left,
                        width * sizeof(map::MapPixel));
            continue;
        }
        previous = r;
        if (r / kTile != previousTile) {
            previousTile = r / kTile;
            for (int c = firstColumn; c < endColumn; ++c)
                tiles[static_cast<std::size_t>(c)] = pyramid.Tile(level, c, previousTile);
        }
        for (int c = firstColumn; c < endColumn; ++c) {
            const map::MapPixel* tile = tiles[static_cast<std::size_t>(c)];
            tileRow[static_cast<std::size_t>(c)] =
                tile ? tile + static_cast<std::size_t>(r % kTile) * kTile : nullptr;
        }
        for (const SampleRun& run : runs) {
            map::MapPixel* to = line + run.x;
            if (run.tile < 0) {
                std::fill(to, to + run.length, ground);
                continue;
            }
            if (tileRow[static_cast<std::size_t>(run.tile)] == nullptr) {
                std::fill(to, to + run.length, kNoPixel);
                complete = false;
                continue;
            }
            const map::MapPixel* from = tileRow[static_cast<std::size_t>(run.tile)] + run.from;
            if (run.repeat)
                std::fill(to, to + run.length, *from);
            else
                std::memcpy(to, from, run.length * sizeof(map::MapPixel));
        }
    }
    return complete;
}

} // namespace view
