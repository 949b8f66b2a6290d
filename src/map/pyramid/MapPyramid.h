#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

namespace map {

// Pixels are opaque 32-bit words 0xFFRRGGBB, the layout a 32-bit RGB image holds in memory.
using MapPixel = std::uint32_t;

// One level of the pyramid: the image at 1 / 2^index of full resolution, cut into square
// tiles stored one after the other (row of tiles by row of tiles), each kTileSize pixels a
// side. Edge tiles are padded to the full size; the padding is never drawn.
struct PyramidLevel {
    int width = 0;
    int height = 0;
    int columns = 0;        // tiles across
    int rows = 0;           // tiles down
    std::size_t offset = 0; // of the first tile, in pixels from the start of the store
};

// The tiles of one level that a view rectangle touches; end column and row are exclusive.
struct TileRange {
    int level = 0;
    int firstColumn = 0;
    int firstRow = 0;
    int endColumn = 0;
    int endRow = 0;
    [[nodiscard]] bool Empty() const { return endColumn <= firstColumn || endRow <= firstRow; }
    friend constexpr bool operator==(const TileRange&, const TileRange&) = default;
};

// A map image as a tiled pyramid: full resolution (level 0) and levels at 1/2, 1/4, ... each
// area-averaged from the level above, down to the first level that fits in one tile. A paint
// reads only the tiles in view from the level nearest its zoom, so its cost depends on the
// view's size, not the map's.
class MapPyramid {
public:
    static constexpr int kTileSize = 256;
    static constexpr int kTilePixels = kTileSize * kTileSize;
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

    [[nodiscard]] bool Empty() const { return levels_.empty(); }
    [[nodiscard]] int Width() const { return Empty() ? 0 : levels_[0].width; }
    [[nodiscard]] int Height() const { return Empty() ? 0 : levels_[0].height; }
    [[nodiscard]] int LevelCount() const { return static_cast<int>(levels_.size()); }
    [[nodiscard]] const PyramidLevel& Level(int index) const { return levels_[index]; }
    [[nodiscard]] const MapPixel* Tile(int level, int column, int row) const;
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

    // The level a zoom samples: the coarsest one still at least as fine as the zoom (level 0 at
    // 100 % and above), so shrinking never skips more than every other pixel.
    [[nodiscard]] int LevelForZoom(double zoom) const;
    // The tiles of level that cover the image rectangle (full-resolution pixels, left, top,
    // width, height), clipped to the image.
    [[nodiscard]] TileRange TilesFor(int level, double left, double top, double width,
                                     double height) const;

private:
    MapPixel* MutableTile(int level, int column, int row);
    // One tile of level from the up to four tiles of the level above.
    void ReduceTile(int level, int column, int row);

    std::vector<PyramidLevel> levels_;
    std::shared_ptr<MapPixel[]> storage_;
};

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
