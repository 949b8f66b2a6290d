#pragma once

#include "calib/CGPSMapFuncs.h"
#include "calib/MapPos.h"
#include "calib/RangeBearing.h"

#include <vector>

namespace calib {

// One held calibration pair as a user reads it, with how far the fit misses it.
struct PairCheck {
    MapPos pixel;          // image pixel: column, row from the top edge
    MapPos geo;            // latitude in y, longitude in x
    double missMetres = 0; // distance from geo to where the fit puts the pixel
};

// The pairs held, oldest first, for an image imageHeight pixels high. An exact fit through
// three pairs misses each by rounding only (millimetres); a larger miss means the file was
// edited by hand or the pairs were never fitted (fewer than three, or a failed fit).
std::vector<PairCheck> CheckPairs(const CGPSMapFuncs& calibration, int imageHeight);

// How far the map's fit is from a known position: distance and bearings from where the fit
// puts `pixel` (column, row from the top) to `geo` (latitude in y, longitude in x). Nothing is
// stored.
RangeBearing CheckPosition(const CGPSMapFuncs& calibration, const MapPos& pixel, int imageHeight,
                           const MapPos& geo);

} // namespace calib
