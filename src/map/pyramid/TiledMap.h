#pragma once

#include <cstdint>
#include <functional>
#include <vector>

namespace map {

// Pixels are opaque 32-bit words 0xFFRRGGBB, the layout a 32-bit RGB image holds in memory.
using MapPixel = std::uint32_t;

// One level of a tiled map, cut into square tiles kTileSize pixels a side; edge tiles are
// padded to the full size and the padding is never drawn. Level index shows the map at
// 1 / 2^index of full resolution.
struct TileLevel {
    int width = 0; // pixels of this level
    int height = 0;
    int columns = 0; // tiles across
    int rows = 0;    // tiles down
    // Where the map's top left corner lies in this level's pixels. A pyramid cut from one image
    // starts every level there (0); a tile set's levels are its own grid's tiles, on which the
    // map's corner falls anywhere.
    double originX = 0.0;
    double originY = 0.0;
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

// What the view draws: a map as levels of tiles, level 0 at full resolution. A tile is there
// or not yet; the view asks for the tiles it shows (Want) and meanwhile draws each missing one
// from a coarser level that has it. A pyramid built whole holds every tile at once; a tile set
// read or fetched on demand brings them later and says so (OnArrival).
class TiledMap {
public:
    static constexpr int kTileSize = 256;
    static constexpr int kTilePixels = kTileSize * kTileSize;

    virtual ~TiledMap() = default;

    [[nodiscard]] virtual int LevelCount() const = 0;
    [[nodiscard]] virtual const TileLevel& Level(int index) const = 0;
    // The tile's pixels (kTilePixels, row by row), or null while it is not there: not yet
    // fetched, or missing from the map. Stays valid until the next Want.
    [[nodiscard]] virtual const MapPixel* Tile(int level, int column, int row) const = 0;
    // True when tiles come on demand: the zoom then spans the levels, not a scan's steps.
    [[nodiscard]] virtual bool OnDemand() const { return false; }
    // The tiles to have, most wanted first; each call replaces the one before. Tiles that have
    // arrived since the last call show from this call on, so they never change under a paint.
    virtual void Want(const std::vector<TileRange>& /*ranges*/) {}
    // Blocks until every tile last wanted has arrived or is known to be missing.
    virtual void WaitForWanted() {}
    // Told, on any thread, when wanted tiles have arrived (once until the next Want); empty
    // to be told nothing.
    virtual void OnArrival(std::function<void()> /*arrived*/) {}

    [[nodiscard]] bool Empty() const { return LevelCount() == 0; }
    [[nodiscard]] int Width() const { return Empty() ? 0 : Level(0).width; }
    [[nodiscard]] int Height() const { return Empty() ? 0 : Level(0).height; }
    // The level a zoom samples: the coarsest one still at least as fine as the zoom (level 0 at
    // 100 % and above), so shrinking never skips more than every other pixel.
    [[nodiscard]] int LevelForZoom(double zoom) const;
    // The tiles of level that cover the map rectangle (full-resolution pixels, left, top,
    // width, height), clipped to the level.
    [[nodiscard]] TileRange TilesFor(int level, double left, double top, double width,
                                     double height) const;

protected:
    TiledMap() = default;
    TiledMap(const TiledMap&) = default;
    TiledMap& operator=(const TiledMap&) = default;
    TiledMap(TiledMap&&) = default;
    TiledMap& operator=(TiledMap&&) = default;
};

} // namespace map
