#pragma once

#include "map/formats/ImageDecoder.h"
#include "map/pyramid/MapPyramid.h"
#include "map/pyramid/PyramidTarget.h"

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

// What an MBTiles file holds, and the part of it shown as one map: the zoom whose tiles make
// level 0 of the map's pyramid (the most detailed one whose extent fits kMaxMbTilesSide
// pixels a side) and the rectangle of its tiles that covers the bounds.
struct MbTilesInfo {
    std::string name;   // the metadata's name, if any
    std::string format; // "png", "jpg", "webp"
    int minZoom = 0;    // of the tiles present
    int maxZoom = 0;
    std::array<double, 4> bounds{}; // west, south, east, north, degrees
    int zoom = 0;                   // shown at level 0
    int firstColumn = 0;            // of the tiles at zoom, XYZ numbering (row 0 at the north)
    int firstRow = 0;
    int columns = 0;
    int rows = 0;
    [[nodiscard]] int Width() const { return columns * MapPyramid::kTileSize; }
    [[nodiscard]] int Height() const { return rows * MapPyramid::kTileSize; }
    // Pixels to Web Mercator metres in a world file's order (GridGeoreference::FromAffine).
    [[nodiscard]] std::array<double, 6> WorldFile() const;
};

// The longest side of the map an MBTiles file is shown as: its pyramid (1.4 GB) fits the map
// cache beside others.
inline constexpr int kMaxMbTilesSide = 16384;

struct MbTilesInfoResult {
    std::optional<MbTilesInfo> info;
    std::string error; // plain English, without the path
};

// A map shows at most this many tiles for each tile its file holds (and never more than
// kMaxMbTilesSide allows): a few tiles far apart, or at zooms far apart, make a coarser map, not
// one of thousands of empty tiles.
inline constexpr int kMbTilesShownPerTile = 4;

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

struct MbTilesPyramidOptions {
    // Fraction done; false stops the load (the result is then empty with no error).
    std::function<bool(double)> progress = [](double) { return true; };
    // Asked while a query runs; true stops the load as progress returning false does.
    std::function<bool()> cancelled;
    const TileImageDecoder* decoder = nullptr;
    // Where the pyramid is built.
    std::function<std::unique_ptr<PyramidTarget>(int width, int height, std::string* error)> target;
};

struct MbTilesPyramid {
    MapPyramid map;
    std::string error;
    bool damaged = false; // some tiles did not decode: they show white
    std::unique_ptr<PyramidTarget> keep;
};

// Fills the map's pyramid tile by tile: each tile of info.zoom from the file, or, where the
// file has none, enlarged from the nearest coarser tile it has (over-zoom) or reduced from the
// finer ones (under-zoom); white where there is nothing. One tile is held at a time besides
// the pyramid.
MbTilesPyramid LoadMbTilesPyramid(const std::string& path, const MbTilesInfo& info,
                                  const MbTilesPyramidOptions& options);

// The reader row of an MBTiles file: always Web Mercator, its extent from the tiles it holds.
MapSourceResult ReadMbTiles(MapSource source, const std::function<bool()>& cancelled);

// The tile set decoder row (ImageDecoder): the size of the map the set is shown as, and its
// tiles decoded by the open's tile decoder into the pyramid.
ImageHeaderResult TilesImageHeader(int fd, const std::string& path, const DecodeContext* context);
DecodedImage DecodeTilesImage(int fd, const std::string& path, const DecodeContext& context);

} // namespace map
