#pragma once

#include "terrain/HgtTile.h"

#include <cstddef>
#include <list>
#include <map>
#include <memory>
#include <mutex>
#include <string>

namespace terrain {

// What a DEM says about one position.
struct HeightResult {
    enum class Status {
        Ok,      // metres holds the height
        Missing, // the folder has no tile for the position
        Void,    // the tile has no measurement there
        Damaged, // the tile's file cannot be read; error says why
    };
    Status status = Status::Missing;
    double metres = 0.0;
    std::string tile;  // "N46E007": the tile that answered or is missing
    std::string error; // "PATH: REASON" when Damaged
};

// A folder of SRTM tiles (N46E007.hgt, or zipped as N46E007.hgt.zip, names in either case)
// answering heights, bilinear between the four samples around the position. A tile is looked
// for by its name when first needed, never by listing the folder, and the answer (a tile, or
// none) is kept; at most kKeptTiles tiles stay open, the least recently used closed first.
// Safe to call from several threads.
class DemFolder {
public:
    static constexpr std::size_t kKeptTiles = 8;

    explicit DemFolder(std::string folder);

    [[nodiscard]] HeightResult Height(double lat, double lon);

    // Heights on a grid of width x height points, the first at (north, west), the next step
    // dLon east and dLat south, into out (row after row, stride floats apart); NaN where
    // Height answers no height. The window a shading is computed from at the view's resolution.
    void Sample(double north, double west, double dLat, double dLon, int width, int height,
                float* out, std::ptrdiff_t stride);

    [[nodiscard]] const std::string& Folder() const { return folder_; }

private:
    struct Found {
        std::shared_ptr<const HgtTile> tile; // null when missing or damaged
        std::string error;                   // set when damaged
    };
    Found TileFor(TileKey key);
    Found Locate(TileKey key) const;

    std::string folder_;
    std::mutex mutex_;
    std::map<TileKey, Found> found_; // kept tiles and the keys known to have none
    std::list<TileKey> recent_;      // kept tiles, most recently used first
};

} // namespace terrain
