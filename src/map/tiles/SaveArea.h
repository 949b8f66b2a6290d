#pragma once

#include "base/MapPos.h"
#include "map/tiles/TileFetcher.h"
#include "map/tiles/TileSource.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace map {

// The tiles to save: those over a box, or those within km of a line (a track or route), at
// each zoom of a range.
struct TileArea {
    double south = 0.0;
    double west = 0.0;
    double north = 0.0;
    double east = 0.0;
    int minZoom = 0;
    int maxZoom = 0;
    std::vector<std::vector<MapPos>> along; // when not empty, the corridor instead of the box
    double km = 1.0;
};

// More than this is no area one saves, and the list of a corridor's tiles must fit memory.
inline constexpr long long kMostAreaTiles = 5'000'000;

struct AreaTiles {
    struct Tile {
        int zoom;
        int column;
        int row;
    };
    std::vector<Tile> tiles; // zoom by zoom, row by row
    std::string error;       // the area is refused (too many tiles, a bad box)
};

// The XYZ tiles of the area, coarsest zoom first.
AreaTiles ListAreaTiles(const TileArea& area);

struct SaveProgress {
    long long done = 0;
    long long total = 0;
};

struct SaveOptions {
    std::string userAgent;
    std::string cacheFolder; // the source's cache is read first when given
    bool dryRun = false;
    FetchLimits limits;
    // Told after each tile; false cancels (what was saved stays: a later save resumes).
    std::function<bool(const SaveProgress&)> progress;
};

struct SaveResult {
    bool ok = false;
    std::string error; // why nothing (more) was saved
    long long total = 0;
    long long estimatedBytes = 0; // a dry run's guess
    long long fetched = 0;        // from the server or the cache, written now
    long long kept = 0;           // already in the file from an earlier save
    long long missing = 0;        // the server has none there
    long long failed = 0;         // could not be had: a later save tries them again
    std::string lastFailure;
    bool cancelled = false;
};

// Saves the area of source as a standard MBTiles file at path (name, format, bounds, minzoom,
// maxzoom, attribution in its metadata), which GDAL and other programs open. A file there from
// an earlier save of the same source is resumed: the tiles it holds are not fetched again. A
// source whose terms forbid saving, or this much of it, is refused with the terms' words.
SaveResult SaveArea(const TileSourceDef& source, const TileArea& area, const std::string& path,
                    const SaveOptions& options);

} // namespace map
