#pragma once

#include "base/MapPos.h"
#include "calib/Georeference.h"
#include "calib/MapGeoreference.h"
#include "map/formats/ImageHeader.h"
#include "map/pyramid/MapPyramid.h"

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

// A map image with its calibration files beside it: the map the viewer opens.
class ImageMap final : public ShownMap {
public:
    ImageMap(ImageHeader header, MapGeoreference georeference, MapPyramid pyramid = {})
        : header_(header), georeference_(std::move(georeference)), pyramid_(std::move(pyramid)) {}

    [[nodiscard]] int Width() const override { return header_.width; }
    [[nodiscard]] int Height() const override { return header_.height; }
    [[nodiscard]] const MapPyramid& Pyramid() const override { return pyramid_; }
    [[nodiscard]] const MapGeoreference& Georef() const override { return georeference_; }
    [[nodiscard]] std::string Kind() const override {
        return std::string(ImageKindName(header_.kind));
    }

private:
    ImageHeader header_;
    MapGeoreference georeference_;
    MapPyramid pyramid_;
};

// The edge of a map width x height pixels placed by georef, WGS 84 (x the longitude),
// clockwise from the upper left corner: the four corners, and points between two of them when
// their edge spans many degrees of longitude, so that a map wider than 180 degrees or around a
// pole keeps its shape.
std::vector<MapPos> MapOutline(const Georeference& georef, double width, double height);

struct ImageMapResult {
    std::optional<ImageMap> map;
    bool calibrated = false; // a calibration file was read (it may still hold fewer than 3 pairs)
                             // or the grid file's points were fitted
    std::string error;       // "PATH: REASON" when there is no map
};

// The map at imagePath without its pixels: the image's header, and the calibration files beside
// it (the path minus its last four characters, plus ".mcd" and ".grid"), as the viewer reads
// them. A missing calibration file leaves the map uncalibrated; an image that cannot be read,
// a calibration file that exists but cannot be read or is damaged, or a grid file whose grid
// cannot be fitted, is an error.
ImageMapResult ReadImageMap(const std::string& imagePath);

} // namespace map
