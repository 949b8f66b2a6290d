#pragma once

#include "map/formats/ImageDecoder.h"
#include "map/pyramid/MapPyramid.h"
#include "map/pyramid/TiledMap.h"

#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace map {

struct MapSource;
struct MapSourceResult;

// Web Mercator, the grid of every MBTiles tile set.
inline constexpr std::string_view kWebMercator = "EPSG:3857";

// Decodes one tile's image bytes (PNG, JPEG, WebP) into kTileSize x kTileSize 0xFFRRGGBB
// pixels, transparency laid over white; false, with *error, when the bytes are no such image.
// The core reads no image format of these itself: the caller brings a decoder.
class TileImageDecoder {
public:
    virtual ~TileImageDecoder() = default;
    [[nodiscard]] virtual bool Decode(std::string_view bytes, MapPixel* out,
                                      std::string* error) const = 0;
};

// What an MBTiles file holds, and how it is shown: a map drawn at the file's own zooms, level 0
// at the most detailed zoom whose tiles over the bounds stay within kMaxMbTilesSide pixels a
// side, each coarser level one zoom less, down to kMbTilesUnderZoom zooms below the file's
// coarsest (those reduced from finer tiles).
struct MbTilesInfo {
    std::string name;   // the metadata's name, if any
    std::string format; // "png", "jpg", "webp"
    int minZoom = 0;    // of the tiles present
    int maxZoom = 0;
    std::array<double, 4> bounds{}; // west, south, east, north, degrees
    int zoom = 0;                   // shown at level 0
    int levels = 1;                 // zooms shown, from zoom down
    int firstColumn = 0;            // of the tiles at zoom, XYZ numbering (row 0 at the north)
    int firstRow = 0;
    int columns = 0;
    int rows = 0;
    [[nodiscard]] int Width() const { return columns * MapPyramid::kTileSize; }
    [[nodiscard]] int Height() const { return rows * MapPyramid::kTileSize; }
    // Pixels to Web Mercator metres in a world file's order (GridGeoreference::FromAffine).
    [[nodiscard]] std::array<double, 6> WorldFile() const;
    // Level index of the map: the file's tiles at zoom - index that cover level 0, and where
    // level 0's corner lies on them.
    [[nodiscard]] TileLevel Level(int index) const;
};

// The longest side of level 0: zoom 22 over the whole world, which 32-bit view pixels still
// hold.
inline constexpr int kMaxMbTilesSide = 1 << 30;
// Zooms shown below the file's coarsest, each tile reduced from up to 4^n finer ones.
inline constexpr int kMbTilesUnderZoom = 2;

struct MbTilesInfoResult {
    std::optional<MbTilesInfo> info;
    std::string error; // plain English, without the path
};

// Whether the file starts as SQLite databases do, as every MBTiles file is one.
bool IsMbTilesFile(int fd);

// Reads an MBTiles file (SQLite, opened read-only, never written): the metadata's name, format
// and bounds, the zoom range of the tiles present. Bounds and zooms the metadata leaves out or
// gets wrong come from the tiles themselves. A file that is no SQLite database or has no tiles
// table is an error, and so is a set of vector tiles ("pbf"): only pictures can be shown. Each
// query is bounded in steps (by the file's size) and in time, so a table that is a view without
// end is refused; cancelled (asked while a query runs) returning true stops the read, which then
// gives neither info nor error.
MbTilesInfoResult ReadMbTilesInfo(const std::string& path,
                                  const std::function<bool()>& cancelled = {});

struct MbTilesMap {
    std::shared_ptr<TiledMap> map; // null after a failure
    std::string error;
};

// The file as a map whose tiles are read on demand, on a thread of their own, as the view
// wants them (FetchedTiles); its coarsest level (when it is a few tiles) is read before this
// returns, so no part of the map is ever drawn blank. A tile missing from the file is reduced
// from the finer ones it has, else drawn from a coarser level; one that does not decode counts as
// missing. decoder must outlive the map.
MbTilesMap OpenMbTilesMap(const std::string& path, const MbTilesInfo& info,
                          const TileImageDecoder& decoder);

// The reader row of an MBTiles file: always Web Mercator, its extent from the tiles it holds.
MapSourceResult ReadMbTiles(MapSource source, const std::function<bool()>& cancelled);

// The tile set decoder row (ImageDecoder): the size of the map the set is shown as, and its
// tiles decoded by the open's tile decoder into the pyramid.
ImageHeaderResult TilesImageHeader(int fd, const std::string& path, const DecodeContext* context);
DecodedImage DecodeTilesImage(int fd, const std::string& path, const DecodeContext& context);

} // namespace map
