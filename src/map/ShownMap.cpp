#include "map/ShownMap.h"

#include "calib/CalibrationFile.h"
#include "calib/GridModel.h"
#include "calib/MapCalibration.h"

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

ImageMapResult ReadImageMap(const std::string& imagePath) {
    ImageHeaderResult read = ReadImageHeader(imagePath);
    if (!read.header)
        return {std::nullopt, false, std::move(read.error)};
    MapCalibrationRead calibration =
        ReadMapCalibration(calib::MapBaseName(imagePath), read.header->height);
    if (!calibration.georeference)
        return {std::nullopt, false, std::move(calibration.error)};
    return {
        ImageMap(*read.header, std::move(*calibration.georeference)), calibration.calibrated, {}};
}

} // namespace map
