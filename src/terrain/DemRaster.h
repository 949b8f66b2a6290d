#pragma once

#include "platform/FileIo.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace terrain {

// Where a raster's pixels lie, as a GeoTIFF's tags say it, kept to be written again unchanged.
struct GeoTags {
    std::vector<double> pixelScale;     // ModelPixelScale
    std::vector<double> tiePoints;      // ModelTiepoint
    std::vector<double> transformation; // ModelTransformation
    std::vector<std::uint16_t> keys;    // GeoKeyDirectory
    std::vector<double> doubleParams;   // GeoDoubleParams
    std::string asciiParams;            // GeoAsciiParams
};

// A whole DEM in memory as float heights, row 0 at the north.
struct DemRaster {
    int width = 0;
    int height = 0;
    std::vector<float> heights;
    double xStep = 1.0;      // east per column, in the grid's units
    double yStep = -1.0;     // north per row
    bool geographic = false; // the grid's units are degrees
    std::optional<float> noData;
    GeoTags tags;
};

struct DemRasterResult {
    std::optional<DemRaster> raster;
    std::string error; // "PATH: REASON"
};

// The most samples a DEM file may hold (a 1" SRTM tile has 13 million).
inline constexpr std::uint64_t kMaxDemSamples = std::uint64_t{64} << 20;

// An SRTM tile (.hgt, .hgt.zip, placed by its name) or a one-band GeoTIFF of 8-, 16- or 32-bit
// integers or 32- or 64-bit floats, in strips or tiles.
DemRasterResult ReadDemRaster(const std::string& path);

// The raster at 1/factor of its resolution (Reduce), on the grid of its corner; nullopt, with
// *error, when its tags place it by anything but its corner pixel's corner.
std::optional<DemRaster> ReduceRaster(const DemRaster& raster, int factor, std::string* error);

// Writes grey bytes (width x height of the raster) as a GeoTIFF on the raster's grid, with 0
// as its no-data value, replacing path only when the whole file is written.
platform::FileResult WriteShadeGeoTiff(const std::string& path, const DemRaster& grid,
                                       const std::vector<std::uint8_t>& grey);

} // namespace terrain
