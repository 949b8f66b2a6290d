#pragma once

#include "map/formats/ImageDecoder.h"
#include "map/pyramid/MapPyramid.h"
#include "map/pyramid/TiledMap.h"
#include "map/pyramid/WebMercator.h"

#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace map {

struct MapSource;
struct MapSourceResult;

// What an MBTiles file holds, and how it is shown: a map drawn at the file's own zooms, level 0
// at the most detailed zoom whose tiles over the bounds stay within kMaxMbTilesSide pixels a
// side, each coarser level one zoom less, down to kMbTilesUnderZoom zooms below the file's
// coarsest (those reduced from finer tiles).
struct MbTilesInfo : WebMercatorTiles {
    std::string name;   // the metadata's name, if any
    std::string format; // "png", "jpg", "webp"
    int minZoom = 0;    // of the tiles present
    int maxZoom = 0;
    std::array<double, 4> bounds{}; // west, south, east, north, degrees
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
