#include "map/ShownMap.h"

#include "calib/PlaceImage.h"
#include "map/formats/MapSource.h"

#include <array>
#include <cmath>

namespace map {

std::vector<MapPos> ShownMap::Outline() const {
    if (!Georef().HasTransform())
        return {};
    return MapOutline(Georef(), Width(), Height());
}

std::vector<MapPos> MapOutline(const Georeference& georef, double width, double height) {
    const std::array<MapPos, 4> corners{MapPos(0, 0), MapPos(width, 0), MapPos(width, height),
                                        MapPos(0, height)};
    // A few points along each edge show whether it spans many degrees of longitude; a whole
    // world's edge starts and ends on the same meridian.
    constexpr int kProbes = 4;
    constexpr double kWideStep = 20.0; // degrees of longitude between two probes
    constexpr int kSteps = 64;         // a whole world's edge in steps well under 180 degrees
    std::vector<MapPos> outline;
    for (std::size_t c = 0; c < corners.size(); ++c) {
        const MapPos& from = corners[c];
        const MapPos& to = corners[(c + 1) % corners.size()];
        const auto along = [&](int step, int steps) {
            const double t = static_cast<double>(step) / steps;
            return georef.ToGeo(MapPos(from.x + (to.x - from.x) * t, from.y + (to.y - from.y) * t));
        };
        bool wide = false;
        for (int i = 0; i < kProbes && !wide; ++i) {
            const MapPos a = along(i, kProbes);
            const MapPos b = along(i + 1, kProbes);
            wide = !(std::abs(LongitudeNear(b.x, a.x) - a.x) <= kWideStep);
        }
        const int steps = wide ? kSteps : 1;
        for (int i = 0; i < steps; ++i)
            outline.push_back(along(i, steps));
    }
    return outline;
}

std::string ShownMap::Description() const {
    const std::string model = Georef().Describe();
    return Kind() + ' ' + std::to_string(Width()) + " x " + std::to_string(Height()) + ", " +
           model.substr(0, model.find('\t'));
}

bool HasSeparateImage(const MapSource& source) {
    return source.overlays.empty() && (source.width <= 0 || source.height <= 0 ||
                                       source.imagePath != source.path || source.imageFd.Valid());
}

std::string ShownKind(const MapSource& source, ImageKind image, bool separateImage) {
    std::string kind(source.format->name);
    if (!source.overlays.empty())
        return kind + "/mosaic";
    if (!separateImage)
        return kind;
    const std::string imageKind(ImageKindName(image));
    return source.grid ? kind + '/' + imageKind : imageKind;
}

std::shared_ptr<ShownMap> PlaceShownMap(const std::string& path, const MapSource& source,
                                        std::string kind, int width, int height,
                                        std::shared_ptr<TiledMap> tiles,
                                        ImagePlacement& placement) {
    placement = PlaceImage(path, height, source.grid);
    // The neat line is drawn where the file places the map.
    std::vector<MapPos> neatLine;
    if (source.grid && placement.placedBy == PlacedBy::File)
        neatLine = source.outline;
    return std::make_shared<ImageMap>(std::move(kind), width, height, placement.georeference,
                                      std::move(neatLine), std::move(tiles));
}

ShownMapResult ReadShownMap(const std::string& path) {
    MapSourceResult read = ReadMapSource(path);
    if (!read.source)
        return {nullptr, false, std::move(read.error), {}, {}};
    MapSource& source = *read.source;
    ShownMapResult out;
    out.warnings = std::move(source.warnings);
    out.maps = source.maps;
    // Several overlays are sized as their mosaic; a GeoTIFF or MBTiles file as its reader read
    // it; any other image by its header.
    ImageKind image = ImageKind::Jpeg;
    int width = source.width;
    int height = source.height;
    const bool separateImage = HasSeparateImage(source);
    if (separateImage) {
        const ImageHeaderResult header = source.imageFd.Valid()
                                             ? ReadImageHeader(source.imageFd.Get(), path)
                                             : ReadImageHeader(source.imagePath);
        if (!header.header) {
            out.error = header.error;
            return out;
        }
        image = header.header->kind;
        width = header.header->width;
        height = header.header->height;
    }
    ImagePlacement placement;
    out.map = PlaceShownMap(path, source, ShownKind(source, image, separateImage), width, height,
                            nullptr, placement);
    for (FileIssue& issue : placement.issues) {
        // A calibration file that cannot be read leaves a map nothing else places unknown.
        if (!placement.calibrated && issue.status != platform::LoadStatus::Loaded) {
            out.map.reset();
            out.error = std::move(issue.text);
            return out;
        }
        out.warnings.push_back(std::move(issue.text));
    }
    out.calibrated = placement.calibrated;
    return out;
}

} // namespace map
