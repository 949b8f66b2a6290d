#pragma once

#include "base/MapPos.h"
#include "geo/RangeBearing.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace calib {

// Outcome of fitting the transform to the three held pairs. Anything but Fitted leaves the
// parameters A..F exactly as they were, so a bad set of points never puts non-finite numbers
// into the view.
enum class FitResult {
    Fitted,               // A..F now pass through the three pairs
    TooFewPairs,          // fewer than three pairs held; nothing fitted yet
    CollinearImagePoints, // the three image points lie on one line: no affine map exists
    CollinearGeoPoints,   // the three positions lie on one line: the map could not be inverted
    NonFinite,            // a coordinate or a fitted parameter is infinite or NaN
};

// A short sentence for a message box, e.g. "The three calibration points lie on one line of
// the image." Empty for Fitted and TooFewPairs.
std::string_view DescribeFitResult(FitResult result);

// The calibration of one map image: up to three reference pairs (an image point in the
// calibration plane and its geographic position), the affine transform fitted exactly through
// them, and the map's magnetic variation.
//
// The calibration plane has x = pixel column and y = image height - pixel row (counted upward
// from the lower-left corner). Geographic positions hold latitude in y and longitude in x,
// decimal degrees, north and east positive. The transform is
//     longitude = A*x + C*y + E,   latitude = B*x + D*y + F.
// A new object maps the plane origin to 52 N 0 E at 0.01 degree per pixel, north up.
class CGPSMapFuncs {
public:
    // The list never holds more than this many entries after an addition.
    static constexpr std::size_t kMaxEntries = 6;

    CGPSMapFuncs() = default;

    // Appends the pair (plane point, then geographic point), drops the oldest entries while
    // more than six are held, and refits when exactly six are held. Returns the fit's result,
    // or TooFewPairs with the parameters untouched while one or two pairs are held.
    FitResult AddCalibrationPoint(MapPos plane, MapPos geo);

    // Removes pair number `pair` (0 = oldest) and refits when three pairs are still held. With
    // fewer, A..F keep their values but the map has no transform (TooFewPairs, HasTransform
    // false), as when such a file is read. False, changing nothing, for a pair that is not held.
    bool RemoveCalibrationPair(std::size_t pair);

    // Fits A..F exactly through the first three pairs held (no least squares). Returns
    // TooFewPairs, changing nothing, when fewer than six entries are held; on any failure
    // A..F keep their values. Also works when the first two image points share a row.
    FitResult FitTransform();

    // Plane point to geographic position (latitude in y, longitude in x).
    [[nodiscard]] MapPos PlaneToGeo(const MapPos& plane) const;
    // Geographic position to plane point; the exact inverse of PlaneToGeo, also for maps
    // turned by 90 degrees (D = 0).
    [[nodiscard]] MapPos GeoToPlane(const MapPos& geo) const;

    // Image pixel (x = column, y = row from the top edge, unzoomed) to geographic position and
    // back, for an image imageHeight pixels high. No zoom, no scroll.
    [[nodiscard]] MapPos PixelToGeo(const MapPos& pixel, int imageHeight) const;
    [[nodiscard]] MapPos GeoToPixel(const MapPos& geo, int imageHeight) const;

    // Magnetic variation in degrees, east positive, west negative.
    [[nodiscard]] double GetMagVar() const { return magVar; }
    void SetMagVar(double variation) { magVar = variation; }

    [[nodiscard]] double GetA() const { return A; }
    [[nodiscard]] double GetB() const { return B; }
    [[nodiscard]] double GetC() const { return C; }
    [[nodiscard]] double GetD() const { return D; }
    [[nodiscard]] double GetE() const { return E; }
    [[nodiscard]] double GetF() const { return F; }

    // Alternating plane point and geographic point, oldest pair first.
    [[nodiscard]] const std::vector<MapPos>& GetCalibrationPoints() const { return points; }

    // Result of fitting the pairs now held: TooFewPairs while fewer than three are held.
    [[nodiscard]] FitResult GetFitResult() const { return fitResult; }
    // True when A..F were fitted through the pairs and the last fit succeeded.
    [[nodiscard]] bool IsCalibrated() const { return fitResult == FitResult::Fitted; }
    // True once a fit succeeded: A..F are a transform fitted for the map rather than the
    // initial placeholder. A later failed fit of three pairs keeps the last good one in use;
    // fewer than three pairs (removed, or read from a file) leave none.
    [[nodiscard]] bool HasTransform() const { return hasTransform; }

    // Distance and bearings from one geographic position to another, the magnetic bearing
    // corrected by this map's variation. See calib::RangeAndBearing.
    [[nodiscard]] RangeBearing RangeAndBearing(const MapPos& from, const MapPos& to) const;

    // The calibration file body: the points as a position list, then magVar as a
    // little-endian double. Appends to out; with three pairs that is 154 bytes.
    void Serialize(std::string& out) const;

    // Reads a calibration file body: replaces the points and magVar, then refits when six or
    // more entries were read (from the first six; with fewer the parameters stay as they were,
    // the fit result is TooFewPairs and the map has no transform).
    // Returns false, changing nothing at all, when the bytes are truncated or damaged (a count
    // beyond the bytes left, an odd number of entries, an infinite or NaN number). Bytes after
    // magVar are ignored.
    [[nodiscard]] bool Deserialize(std::string_view bytes);

    friend bool operator==(const CGPSMapFuncs&, const CGPSMapFuncs&) = default;

private:
    std::vector<MapPos> points;
    double A = 0.01;
    double B = 0.0;
    double C = 0.0;
    double D = 0.01;
    double E = 0.0;
    double F = 52.0;
    double magVar = 0.0;
    FitResult fitResult = FitResult::TooFewPairs;
    bool hasTransform = false;
};

} // namespace calib
