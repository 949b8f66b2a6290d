#include "map/pyramid/MapPyramid.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <utility>

namespace map {

namespace {

constexpr int kTile = MapPyramid::kTileSize;

int TileCount(int pixels) {
    return (pixels + kTile - 1) / kTile;
}

// Rounded average of two, three or four pixels, channel by channel.
MapPixel Average(const MapPixel* pixels, int count) {
    std::uint32_t sums[4] = {};
    for (int i = 0; i < count; ++i)
        for (int channel = 0; channel < 4; ++channel)
            sums[channel] += (pixels[i] >> (8 * channel)) & 0xFFu;
    MapPixel result = 0;
    for (int channel = 0; channel < 4; ++channel) {
        const std::uint32_t mean = (sums[channel] + static_cast<std::uint32_t>(count) / 2) /
                                   static_cast<std::uint32_t>(count);
        result |= mean << (8 * channel);
    }
    return result;
}

// The common case: four pixels, two channels per 32-bit lane so the sums cannot overflow.
MapPixel Average4(MapPixel a, MapPixel b, MapPixel c, MapPixel d) {
    constexpr std::uint32_t kLow = 0x00FF00FFu;
    const std::uint32_t low = (a & kLow) + (b & kLow) + (c & kLow) + (d & kLow) + 0x00020002u;
    const std::uint32_t high =
        ((a >> 8) & kLow) + ((b >> 8) & kLow) + ((c >> 8) & kLow) + ((d >> 8) & kLow) + 0x00020002u;
    return ((low >> 2) & kLow) | (((high >> 2) & kLow) << 8);
}

} // namespace

std::vector<PyramidLevel> MapPyramid::Layout(int width, int height) {
    if (width < 1 || height < 1 || width > kMaxSide || height > kMaxSide)
        return {};
    std::vector<PyramidLevel> levels;
    std::size_t offset = 0;
    for (;;) {
        PyramidLevel level;
        level.width = width;
        level.height = height;
        level.columns = TileCount(width);
        level.rows = TileCount(height);
        level.offset = offset;
        levels.push_back(level);
        offset += static_cast<std::size_t>(level.columns) * level.rows * kTilePixels;
        if (width <= kTile && height <= kTile)
            return levels;
        width = (width + 1) / 2;
        height = (height + 1) / 2;
    }
}

std::size_t MapPyramid::StorePixels(const std::vector<PyramidLevel>& layout) {
    if (layout.empty())
        return 0;
    const PyramidLevel& last = layout.back();
    return last.offset + static_cast<std::size_t>(last.columns) * last.rows * kTilePixels;
}

MapPyramid MapPyramid::Allocate(int width, int height) {
    std::vector<PyramidLevel> layout = Layout(width, height);
    if (layout.empty())
        return {};
    // calloc: large blocks come as fresh zero pages, so untouched padding costs nothing.
    auto* pixels = static_cast<MapPixel*>(std::calloc(StorePixels(layout), sizeof(MapPixel)));
    if (!pixels)
        return {};
    MapPyramid pyramid;
    pyramid.levels_ = std::move(layout);
    pyramid.storage_ = std::shared_ptr<MapPixel[]>(pixels, [](MapPixel* p) { std::free(p); });
    return pyramid;
}

MapPyramid MapPyramid::Adopt(int width, int height, std::shared_ptr<MapPixel[]> storage) {
    MapPyramid pyramid;
    if (!storage)
        return pyramid;
    pyramid.levels_ = Layout(width, height);
    if (!pyramid.levels_.empty())
        pyramid.storage_ = std::move(storage);
    return pyramid;
}

const MapPixel* MapPyramid::Tile(int level, int column, int row) const {
    const PyramidLevel& l = levels_[level];
    return storage_.get() + l.offset +
           (static_cast<std::size_t>(row) * l.columns + column) * kTilePixels;
}

MapPixel* MapPyramid::MutableTile(int level, int column, int row) {
    return const_cast<MapPixel*>(std::as_const(*this).Tile(level, column, row));
}

MapPixel MapPyramid::Pixel(int level, int x, int y) const {
    return Tile(level, x / kTile, y / kTile)[(y % kTile) * kTile + x % kTile];
}

bool MapPyramid::CopyPixelsFrom(const MapPyramid& other) {
    if (Empty() || Width() != other.Width() || Height() != other.Height())
        return false;
    std::memcpy(storage_.get(), other.Store(), StoreSize() * sizeof(MapPixel));
    return true;
}

void MapPyramid::StoreRow(int y, const MapPixel* row) {
    StoreSpan(0, y, row, levels_[0].width);
}

void MapPyramid::StoreSpan(int x, int y, const MapPixel* pixels, int count) {
    const int end = std::min(x + count, levels_[0].width);
    while (x < end) {
        const int n = std::min(kTile - x % kTile, end - x);
        std::memcpy(MutableTile(0, x / kTile, y / kTile) + (y % kTile) * kTile + x % kTile, pixels,
                    static_cast<std::size_t>(n) * sizeof(MapPixel));
        pixels += n;
        x += n;
    }
}

void MapPyramid::ReduceTileRow(int level, int row) {
    for (int column = 0; column < levels_[level].columns; ++column)
        ReduceTile(level, column, row);
}

void MapPyramid::ReduceTile(int level, int column, int row) {
    const PyramidLevel& parent = levels_[level - 1];
    MapPixel* out = MutableTile(level, column, row);
    // Each parent tile of the four fills one quarter of this tile.
    for (int quarter = 0; quarter < 4; ++quarter) {
        const int pc = 2 * column + quarter % 2;
        const int pr = 2 * row + quarter / 2;
        if (pc >= parent.columns || pr >= parent.rows)
            continue;
        ReduceIntoQuarter(Tile(level - 1, pc, pr), std::min(kTile, parent.width - pc * kTile),
                          std::min(kTile, parent.height - pr * kTile), out, quarter);
    }
}

void ReduceIntoQuarter(const MapPixel* in, int pw, int ph, MapPixel* out, int quarter) {
    constexpr int kHalf = kTile / 2;
    MapPixel* quarterOut = out + (quarter / 2) * kHalf * kTile + (quarter % 2) * kHalf;
    for (int y = 0; 2 * y < ph; ++y) {
        const MapPixel* top = in + 2 * y * kTile;
        const MapPixel* bottom = 2 * y + 1 < ph ? top + kTile : nullptr;
        MapPixel* line = quarterOut + y * kTile;
        const int pairs = pw / 2;
        if (bottom) {
            for (int x = 0; x < pairs; ++x)
                line[x] = Average4(top[2 * x], top[2 * x + 1], bottom[2 * x], bottom[2 * x + 1]);
        } else {
            for (int x = 0; x < pairs; ++x)
                line[x] = Average(top + 2 * x, 2);
        }
        // An odd width leaves one column of single parents on the right edge.
        if (pw % 2 != 0) {
            const MapPixel edge[2] = {top[pw - 1], bottom ? bottom[pw - 1] : top[pw - 1]};
            line[pairs] = Average(edge, bottom ? 2 : 1);
        }
    }
}

} // namespace map
