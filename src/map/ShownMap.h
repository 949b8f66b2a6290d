#pragma once

#include "base/MapPos.h"
#include "calib/Georeference.h"
#include "calib/MapGeoreference.h"
#include "map/formats/ImageHeader.h"
#include "map/pyramid/MapPyramid.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace map {

// A map as it is shown: its size in pixels, the levels and tiles it is drawn from, where its
// pixels lie on the earth, and what it is. Pixels and positions as Georeference has them.
class ShownMap {
public:
    virtual ~ShownMap() = default;

    [[nodiscard]] virtual int Width() const = 0;
    [[nodiscard]] virtual int Height() const = 0;
    // The levels and tiles to draw; empty while no pixel is decoded (a listing needs none).
    [[nodiscard]] virtual const MapPyramid& Pyramid() const = 0;
    [[nodiscard]] virtual const Georeference& Georef() const = 0;
    // A short name of the kind of map ("jpeg", "png"...).
    [[nodiscard]] virtual std::string Kind() const = 0;

    [[nodiscard]] MapPos ToGeo(const MapPos& pixel) const { return Georef().ToGeo(pixel); }
    [[nodiscard]] MapPos ToPixel(const MapPos& geo) const { return Georef().ToPixel(geo); }
    // The map's edge on the earth, clockwise from the top left corner of the image; empty
    // while the georeference has no transform.
    [[nodiscard]] virtual std::vector<MapPos> Outline() const;
    // One line: the kind, the size and the model, e.g. "jpeg 640 x 480, handheld-affine".
    [[nodiscard]] std::string Description() const;
};

// A map of a known size, placed as PlaceImage decides: by the user's grid file, the map file's
// own placement (with its neat line, when it draws one inside the image's edges), or the
// handheld's calibration file.
class ImageMap final : public ShownMap {
public:
    ImageMap(std::string kind, int width, int height, MapGeoreference georeference,
             std::vector<MapPos> neatLine = {}, MapPyramid pyramid = {})
        : kind_(std::move(kind)), width_(width), height_(height),
          georeference_(std::move(georeference)), neatLine_(std::move(neatLine)),
          pyramid_(std::move(pyramid)) {}

    [[nodiscard]] int Width() const override { return width_; }
    [[nodiscard]] int Height() const override { return height_; }
    [[nodiscard]] const MapPyramid& Pyramid() const override { return pyramid_; }
    [[nodiscard]] const MapGeoreference& Georef() const override { return georeference_; }
    [[nodiscard]] std::string Kind() const override { return kind_; }
    [[nodiscard]] std::vector<MapPos> Outline() const override {
        return neatLine_.empty() ? ShownMap::Outline() : neatLine_;
    }

private:
    std::string kind_;
    int width_;
    int height_;
    MapGeoreference georeference_;
    std::vector<MapPos> neatLine_;
    MapPyramid pyramid_;
};

// The edge of a map width x height pixels placed by georef, WGS 84 (x the longitude),
// clockwise from the upper left corner: the four corners, and points between two of them when
// their edge spans many degrees of longitude, so that a map wider than 180 degrees or around a
// pole keeps its shape.
std::vector<MapPos> MapOutline(const Georeference& georef, double width, double height);

struct ShownMapResult {
    std::unique_ptr<ShownMap> map;
    bool calibrated = false;           // its pixels are placed (by a file, or a calibration)
    std::string error;                 // "PATH: REASON" when there is no map
    std::vector<std::string> warnings; // what the readers noticed and let pass
};

// The map file at path, of any kind, without its pixels, placed as the viewer places it
// (PlaceImage): its kind names the file's kind and its image's ("ozi-map/png"), only the file's
// when the file holds its pixels ("geotiff", "mbtiles"), "kmz/mosaic" for several overlays shown
// as one, or only the image's for a bare image ("jpeg"). An image that cannot be read is an
// error, and so is a calibration file beside it that cannot be read when nothing else places
// the map.
ShownMapResult ReadShownMap(const std::string& path);

} // namespace map
