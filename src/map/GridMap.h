#pragma once

#include "calib/GridModel.h"
#include "map/formats/MapSource.h"
#include "map/ShownMap.h"

#include <memory>
#include <string>
#include <vector>

namespace map {

// A map placed by the georeference its own file gives (a .map, a world file, a ground overlay,
// a GeoTIFF, an MBTiles file): an image of a known size, a grid model, and the neat line when
// the file has one.
class GridMap final : public ShownMap {
public:
    GridMap(std::string kind, int width, int height, std::shared_ptr<const GridGeoreference> grid,
            std::vector<MapPos> neatLine = {}, MapPyramid pyramid = {})
        : kind_(std::move(kind)), width_(width), height_(height), grid_(std::move(grid)),
          neatLine_(std::move(neatLine)), pyramid_(std::move(pyramid)) {}

    [[nodiscard]] int Width() const override { return width_; }
    [[nodiscard]] int Height() const override { return height_; }
    [[nodiscard]] const MapPyramid& Pyramid() const override { return pyramid_; }
    [[nodiscard]] const GridGeoreference& Georef() const override { return *grid_; }
    [[nodiscard]] std::string Kind() const override { return kind_; }
    // The neat line, when the file draws one inside the image's edges.
    [[nodiscard]] std::vector<MapPos> Outline() const override {
        return neatLine_.empty() ? ShownMap::Outline() : neatLine_;
    }

private:
    std::string kind_;
    int width_;
    int height_;
    std::shared_ptr<const GridGeoreference> grid_;
    std::vector<MapPos> neatLine_;
    MapPyramid pyramid_;
};

struct ShownMapResult {
    std::unique_ptr<ShownMap> map;
    bool calibrated = false;           // its pixels are placed (by a file, or a calibration)
    std::string error;                 // "PATH: REASON" when there is no map
    std::vector<std::string> warnings; // what the reader noticed and let pass
};

// The map file at path, of any kind, without its pixels, as the viewer reads it: a bare image
// (or a GeoTIFF its tags do not place) as ReadImageMap reads it, a map placed by its own file as
// a GridMap whose kind names both ("ozi-map/png"), or only the file's kind when the file holds
// its pixels ("geotiff", "mbtiles"), or "kmz/mosaic" for several overlays shown as one.
ShownMapResult ReadShownMap(const std::string& path);

} // namespace map
