#pragma once

#include "terrain/ElevationRaster.h"
#include "terrain/HgtTile.h"

#include <cstddef>
#include <list>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <span>
#include <string>
#include <vector>

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
// and of elevation rasters GDAL opens, answering heights, bilinear between the four samples
// around the position. A tile is looked for by its name when first needed, and the answer (a
// tile, or none) is kept; at most kKeptTiles tiles stay open, the least recently used closed
// first. The rasters are found by listing the folder once; where one covers a position it
// answers before the tiles, the finest first, and at most kKeptRasters keep their samples.
// Safe to call from several threads.
class DemFolder {
public:
    static constexpr std::size_t kKeptTiles = 8;
    static constexpr std::size_t kKeptRasters = 4;

    explicit DemFolder(std::string folder);

    [[nodiscard]] HeightResult Height(double lat, double lon);

    // Heights on a grid of width x height points, the first at (north, west), the next step
    // dLon east and dLat south, into out (row after row, stride floats apart); NaN where
    // Height answers no height. The window a shading is computed from at the view's resolution.
    void Sample(double north, double west, double dLat, double dLon, int width, int height,
                float* out, std::ptrdiff_t stride);

    // The heights at positions (y latitude) into out, NaN where the folder has none; rasters
    // answer from their samples averaged to about pixelMetres (0: full resolution). What a
    // shading of a view is computed from, in one call per tile.
    void Heights(std::span<const MapPos> positions, double pixelMetres, float* out);

    // The ground one sample of the finest source covering the position spans, in metres;
    // none where nothing covers it.
    [[nodiscard]] std::optional<double> SampleMetres(double lat, double lon);

    [[nodiscard]] const std::string& Folder() const { return folder_; }
    // The rasters of the folder that opened, finest first, and why the others did not.
    [[nodiscard]] std::vector<std::string> RasterPaths();
    [[nodiscard]] std::vector<std::string> RasterErrors();

private:
    struct Found {
        std::shared_ptr<const HgtTile> tile; // null when missing or damaged
        std::string error;                   // set when damaged
    };
    Found TileFor(TileKey key);
    Found Locate(TileKey key) const;
    HeightResult TileHeight(double lat, double lon);
    const std::vector<std::shared_ptr<ElevationRaster>>& Rasters();
    // Keeps raster's samples among the kKeptRasters most recently used.
    void Used(const std::shared_ptr<ElevationRaster>& raster);

    std::string folder_;
    std::mutex mutex_;
    std::map<TileKey, Found> found_; // kept tiles and the keys known to have none
    std::list<TileKey> recent_;      // kept tiles, most recently used first
    std::once_flag listed_;
    std::vector<std::shared_ptr<ElevationRaster>> rasters_; // finest first, fixed once listed
    std::vector<std::string> rasterErrors_;
    std::list<ElevationRaster*> recentRasters_; // those holding samples, most recent first
};

} // namespace terrain
