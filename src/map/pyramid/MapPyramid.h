#pragma once

#include "map/pyramid/TiledMap.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

namespace map {

// One level of the pyramid: the image at 1 / 2^index of full resolution, its tiles stored one
// after the other (row of tiles by row of tiles).
struct PyramidLevel : TileLevel {
    std::size_t offset = 0; // of the first tile, in pixels from the start of the store
};

// A map image as a tiled pyramid: full resolution (level 0) and levels at 1/2, 1/4, ... each
// area-averaged from the level above, down to the first level that fits in one tile. A paint
// reads only the tiles in view from the level nearest its zoom, so its cost depends on the
// view's size, not the map's. Bounded: every tile is there from the start.
class MapPyramid final : public TiledMap {
public:
    // Larger sides are refused before anything is allocated.
    static constexpr int kMaxSide = 1 << 20;

    // An empty pyramid: no map.
    MapPyramid() = default;

    // The level sizes and where each starts for an image of width x height; empty when either
    // side is not within 1..kMaxSide.
    static std::vector<PyramidLevel> Layout(int width, int height);
    // Pixels the whole store holds for a layout, padding included.
    static std::size_t StorePixels(const std::vector<PyramidLevel>& layout);

    // A pyramid in zeroed memory of its own; empty when the size is refused or the memory
    // cannot be had.
    static MapPyramid Allocate(int width, int height);
    // A pyramid over a store someone else keeps alive (a mapped cache file): storage must hold
    // StorePixels(Layout(width, height)) pixels.
    static MapPyramid Adopt(int width, int height, std::shared_ptr<MapPixel[]> storage);

    [[nodiscard]] int LevelCount() const override { return static_cast<int>(levels_.size()); }
    [[nodiscard]] const PyramidLevel& Level(int index) const override { return levels_[index]; }
    [[nodiscard]] const MapPixel* Tile(int level, int column, int row) const override;
    [[nodiscard]] MapPixel Pixel(int level, int x, int y) const;
    [[nodiscard]] const MapPixel* Store() const { return storage_.get(); }
    [[nodiscard]] std::size_t StoreSize() const { return StorePixels(levels_); }

    // Copies every level of a pyramid of the same size (into a cache entry, say); false,
    // copying nothing, when the sizes differ.
    bool CopyPixelsFrom(const MapPyramid& other);
    // Copies one full-resolution row (Width() pixels) into level 0.
    void StoreRow(int y, const MapPixel* row);
    // Copies count pixels into row y of level 0 from column x on (a tile of a tiled file).
    void StoreSpan(int x, int y, const MapPixel* pixels, int count);
    // Builds one row of tiles of a reduced level from the (up to) two rows of the level above,
    // which must be complete.
    void ReduceTileRow(int level, int row);
    // Builds every reduced level from the one above. progress (if given) gets the fraction
    // done and returns false to stop; then the reduced levels are incomplete and the result is
    // false.
    template <typename Progress> bool BuildReducedLevels(Progress&& progress);
    bool BuildReducedLevels() {
        return BuildReducedLevels([](double) { return true; });
    }

private:
    MapPixel* MutableTile(int level, int column, int row);
    // One tile of level from the up to four tiles of the level above.
    void ReduceTile(int level, int column, int row);

    std::vector<PyramidLevel> levels_;
    std::shared_ptr<MapPixel[]> storage_;
};

// Area-averages the tile in (pw x ph of its pixels are the image's) into one quarter of the
// tile out of the level below: 0 top left, 1 top right, 2 bottom left, 3 bottom right.
void ReduceIntoQuarter(const MapPixel* in, int pw, int ph, MapPixel* out, int quarter);

template <typename Progress> bool MapPyramid::BuildReducedLevels(Progress&& progress) {
    std::size_t total = 0;
    for (int level = 1; level < LevelCount(); ++level)
        total += static_cast<std::size_t>(levels_[level].columns) * levels_[level].rows;
    std::size_t done = 0;
    for (int level = 1; level < LevelCount(); ++level) {
        const PyramidLevel& l = levels_[level];
        for (int row = 0; row < l.rows; ++row) {
            ReduceTileRow(level, row);
            done += static_cast<std::size_t>(l.columns);
            if (!progress(static_cast<double>(done) / static_cast<double>(total)))
                return false;
        }
    }
    return true;
}

} // namespace map
