#include "calib/FitCheck.h"

namespace calib {

std::vector<PairCheck> CheckPairs(const CGPSMapFuncs& calibration, int imageHeight) {
    const std::vector<MapPos>& entries = calibration.GetCalibrationPoints();
    std::vector<PairCheck> pairs;
    for (std::size_t i = 0; i + 1 < entries.size(); i += 2) {
        const MapPos& plane = entries[i];
        const MapPos& geo = entries[i + 1];
        const MapPos fitted = calibration.PlaneToGeo(plane);
        pairs.push_back({MapPos(plane.x, imageHeight - plane.y), geo,
                         calib::RangeAndBearing(geo, fitted).distance});
    }
    return pairs;
}

RangeBearing CheckPosition(const CGPSMapFuncs& calibration, const MapPos& pixel, int imageHeight,
                           const MapPos& geo) {
    return calibration.RangeAndBearing(calibration.PixelToGeo(pixel, imageHeight), geo);
}

} // namespace calib
