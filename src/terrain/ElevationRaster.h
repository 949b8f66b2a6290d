#pragma once

#include "base/MapPos.h"

#include <memory>
#include <mutex>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace terrain {

// What one raster says about a position.
struct RasterHeight {
    bool covered = false;         // the position lies on the raster
    std::optional<double> metres; // none where it has no data
};

// A single-band elevation raster GDAL opens (a GeoTIFF of floats or integers, an ASCII grid,
// ERDAS IMG...), placed by its geotransform in its own coordinate system. Heights are bilinear
// between the centres of the four pixels around a position (a plane stays exactly a plane), the
// no-data value honoured; the outer half pixel takes the edge's samples. The samples are read
// whole on first need (at most kMaxDemSamples) and can be let go again. Safe to call from
// several threads.
class ElevationRaster {
public:
    struct OpenResult {
        std::shared_ptr<ElevationRaster> raster;
        std::string error; // "PATH: REASON"
    };
    static OpenResult Open(const std::string& path);

    ElevationRaster(const ElevationRaster&) = delete;
    ElevationRaster& operator=(const ElevationRaster&) = delete;
    ~ElevationRaster();

    [[nodiscard]] RasterHeight Height(double lat, double lon);
    // The heights at positions (y latitude) into out where out holds NaN, from the samples
    // averaged in blocks of 2, 4, 8... up to about pixelMetres (a shrunk view's pixel; 0 for the
    // full resolution); NaN stays where the raster has none. One transform for them all. True
    // when the raster lies under some position.
    bool FillHeights(std::span<const MapPos> positions, double pixelMetres, float* out);
    // The ground a sample spans, in metres (the longer side).
    [[nodiscard]] double SampleMetres() const { return sampleMetres_; }
    [[nodiscard]] const std::string& Path() const { return path_; }
    [[nodiscard]] bool Loaded();
    // Lets the samples go; the next height reads them again.
    void Release();

private:
    ElevationRaster() = default;
    std::shared_ptr<const std::vector<float>> Samples();
    // The samples averaged over blocks of 2^level a side; level 0 is Samples().
    std::shared_ptr<const std::vector<float>> Level(int level);
    // Bilinear at (col, row) between the centres of the level's samples, width x height.
    static RasterHeight Bilinear(const std::vector<float>& samples, int width, int height,
                                 double col, double row);

    std::string path_;
    int width_ = 0;
    int height_ = 0;
    double geo_[6] = {};
    std::optional<double> noData_;
    double sampleMetres_ = 0.0;
    std::mutex mutex_;          // the transform and the samples' pointer
    void* transform_ = nullptr; // WGS 84 to the raster's system; null when they are one
    std::shared_ptr<const std::vector<float>> samples_;
    std::vector<std::shared_ptr<const std::vector<float>>> levels_; // [k - 1]: level k
};

} // namespace terrain
