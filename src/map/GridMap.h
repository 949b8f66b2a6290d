#pragma once

#include "map/GridModel.h"
#include "map/HandheldGeoreference.h"
#include "map/ShownMap.h"

#include <optional>
#include <string>

namespace map {

// A map whose file places its own pixels: a GeoTIFF (its tags and GeoKeys) or an MBTiles tile
// set (Web Mercator). Uncalibrated when the file's coordinate system cannot be followed.
class GridMap final : public ShownMap {
public:
    GridMap(std::string kind, int width, int height, std::optional<GridGeoreference> georeference)
        : kind_(std::move(kind)), width_(width), height_(height),
          georeference_(std::move(georeference)) {}

    [[nodiscard]] int Width() const override { return width_; }
    [[nodiscard]] int Height() const override { return height_; }
    [[nodiscard]] const MapPyramid& Pyramid() const override { return pyramid_; }
    [[nodiscard]] const Georeference& Georef() const override {
        return georeference_ ? static_cast<const Georeference&>(*georeference_) : none_;
    }
    [[nodiscard]] std::string Kind() const override { return kind_; }
    [[nodiscard]] const std::optional<GridGeoreference>& Grid() const { return georeference_; }

private:
    std::string kind_; // "geotiff", "mbtiles"
    int width_;
    int height_;
    std::optional<GridGeoreference> georeference_;
    HandheldGeoreference none_; // what an uncalibrated map answers with
    MapPyramid pyramid_;
};

struct GridMapResult {
    std::optional<GridMap> map; // nothing when the file is no GeoTIFF or MBTiles file, or broken
    bool recognised = false;    // the file is a TIFF or an SQLite database
    std::string warning;        // "PATH: REASON" when it opens uncalibrated
    std::string error;          // "PATH: REASON" when there is no map
};

// The GeoTIFF or MBTiles file at path, told by its first bytes, without its pixels.
GridMapResult ReadGridMap(const std::string& path);

} // namespace map
