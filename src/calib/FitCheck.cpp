#include "calib/FitCheck.h"

namespace calib {

std::vector<PairCheck> CheckPairs(const CGPSMapFuncs& calibration, int imageHeight) {
    const std::vector<MapPos>& entries = calibration.GetCalibrationPoints();
    std::vector<PairCheck> pairs;
    for (std::size_t i = 0; i + 1 < entries.size(); i += 2) {
        const MapPos& plane = entries[i];
        const MapPos& geo = entries[i + 1];
        PairCheck& pair = pairs.emplace_back();
        pair.pixel = MapPos(plane.x, imageHeight - plane.y);
        pair.geo = geo;
        if (calibration.HasTransform())
            pair.missMetres = calib::RangeAndBearing(geo, calibration.PlaneToGeo(plane)).distance;
    }
    return pairs;
}

std::optional<RangeBearing> CheckPosition(const CGPSMapFuncs& calibration, const MapPos& pixel,
                                          int imageHeight, const MapPos& geo) {
    if (!calibration.HasTransform())
        return std::nullopt;
    return calibration.RangeAndBearing(calibration.PixelToGeo(pixel, imageHeight), geo);
}

} // namespace calib
