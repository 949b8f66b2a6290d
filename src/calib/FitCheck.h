#pragma once

#include "base/MapPos.h"
#include "calib/CGPSMapFuncs.h"
#include "geo/RangeBearing.h"

#include <optional>
#include <vector>

namespace calib {

// One held calibration pair as a user reads it, with how far the fit misses it.
struct PairCheck {
    MapPos pixel; // image pixel: column, row from the top edge
    MapPos geo;   // latitude in y, longitude in x
    // Distance from geo to where the map's transform puts the pixel; none while the map has
    // no transform.
    std::optional<double> missMetres;
    // With four or more points: the distance from geo to where the fit of the other points
    // alone puts the pixel. A point read wrong pulls the fit towards itself, so its own miss
    // above stays small; left out it shows in full.
    std::optional<double> leftOutMetres;
    // The other points agree far better without it: the one to check first (two are marked
    // when the points cannot tell which of them is wrong).
    bool suspect = false;
};

// The pairs held, oldest first, for an image imageHeight pixels high, measured against the
// transform the map is drawn with. An exact fit through three pairs misses each by rounding
// only (millimetres); a larger miss means the file was edited by hand or the last fit failed
// (three points on a line), leaving an earlier transform in use.
std::vector<PairCheck> CheckPairs(const CGPSMapFuncs& calibration, int imageHeight);

// How far the map's fit is from a known position: distance and bearings from where the fit
// puts `pixel` (column, row from the top) to `geo` (latitude in y, longitude in x). Nothing is
// stored. None while the map has no transform.
std::optional<RangeBearing> CheckPosition(const CGPSMapFuncs& calibration, const MapPos& pixel,
                                          int imageHeight, const MapPos& geo);

} // namespace calib
