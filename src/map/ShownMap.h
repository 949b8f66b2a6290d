#pragma once

#include "base/MapPos.h"
#include "calib/Georeference.h"
#include "calib/MapGeoreference.h"
#include "calib/PlaceImage.h"
#include "map/formats/GdalRaster.h"
#include "map/formats/ImageHeader.h"
#include "map/pyramid/TiledMap.h"

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
    // The levels and tiles to draw; null while no pixel is decoded (a listing needs none).
    [[nodiscard]] virtual const std::shared_ptr<TiledMap>& Tiles() const = 0;
    [[nodiscard]] virtual const Georeference& Georef() const = 0;
    // A short name of the kind of map ("jpeg", "png"...).
    [[nodiscard]] virtual std::string Kind() const = 0;
    // The same map drawn from tiles, the same pixels kept elsewhere.
    [[nodiscard]] virtual std::shared_ptr<ShownMap>
    WithTiles(std::shared_ptr<TiledMap> tiles) const = 0;

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
             std::vector<MapPos> neatLine = {}, std::shared_ptr<TiledMap> tiles = nullptr)
        : kind_(std::move(kind)), width_(width), height_(height),
          georeference_(std::move(georeference)), neatLine_(std::move(neatLine)),
          tiles_(std::move(tiles)) {}

    [[nodiscard]] int Width() const override { return width_; }
    [[nodiscard]] int Height() const override { return height_; }
    [[nodiscard]] const std::shared_ptr<TiledMap>& Tiles() const override { return tiles_; }
    [[nodiscard]] const MapGeoreference& Georef() const override { return georeference_; }
    [[nodiscard]] std::string Kind() const override { return kind_; }
    [[nodiscard]] std::shared_ptr<ShownMap>
    WithTiles(std::shared_ptr<TiledMap> tiles) const override {
        auto copy = std::make_shared<ImageMap>(*this);
        copy->tiles_ = std::move(tiles);
        return copy;
    }
    [[nodiscard]] std::vector<MapPos> Outline() const override {
        return neatLine_.empty() ? ShownMap::Outline() : neatLine_;
    }

private:
    std::string kind_;
    int width_;
    int height_;
    MapGeoreference georeference_;
    std::vector<MapPos> neatLine_;
    std::shared_ptr<TiledMap> tiles_;
};

// The edge of a map width x height pixels placed by georef, WGS 84 (x the longitude),
// clockwise from the upper left corner: the four corners, and points between two of them when
// their edge spans many degrees of longitude, so that a map wider than 180 degrees or around a
// pole keeps its shape.
std::vector<MapPos> MapOutline(const Georeference& georef, double width, double height);

struct ShownMapResult {
    std::shared_ptr<ShownMap> map;
    bool calibrated = false;           // its pixels are placed (by a file, or a calibration)
    std::string error;                 // "PATH: REASON" when there is no map
    std::vector<std::string> warnings; // what the readers noticed and let pass
    std::vector<MapChoice> maps;       // of a file of several maps, when none was chosen
};

struct MapSource;

// The kind of a map read from source whose image is of kind image: the file's kind and its
// image's ("ozi-map/png"), only the file's when the file holds its pixels ("geotiff",
// "mbtiles"), "kmz/mosaic" for several overlays shown as one, or only the image's for a bare
// image ("jpeg").
// separateImage: HasSeparateImage(source) as the source was read.
std::string ShownKind(const MapSource& source, ImageKind image, bool separateImage);
// True when the map's pixels are in an image of their own (a bare image, the image a .map or
// a world file names, one taken out of an archive), not in the map file itself.
bool HasSeparateImage(const MapSource& source);

// The map at path read as source, width x height pixels drawn from tiles (null: none decoded),
// placed by PlaceImage; placement is what placed it, with the issues of its calibration files.
// The viewer and the listing both build their map here.
std::shared_ptr<ShownMap> PlaceShownMap(const std::string& path, const MapSource& source,
                                        std::string kind, int width, int height,
                                        std::shared_ptr<TiledMap> tiles, ImagePlacement& placement);

// The map file at path, of any kind, without its pixels, placed as the viewer places it
// (PlaceShownMap), of the kind ShownKind names. An image that cannot be read is an error, and so
// is a calibration file beside it that cannot be read when nothing else places the map.
ShownMapResult ReadShownMap(const std::string& path);

} // namespace map
