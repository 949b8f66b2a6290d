#include "calib/CGPSMapFuncs.h"

#include "base/Bytes.h"
#include "calib/PositionList.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>

namespace calib {

namespace {

struct Params {
    double A, B, C, D, E, F;
};

// The exact solution of the two 3x3 systems by elimination on the first pair, computed in
// the handheld program's order so that fitted values agree with it to the last bit.
// Needs p2.y != p1.y and three non-collinear plane points.
Params Eliminate(const MapPos& p1, const MapPos& q1, const MapPos& p2, const MapPos& q2,
                 const MapPos& p3, const MapPos& q3) {
    Params out{};
    const double d = p2.y - p1.y;
    const double r = (p3.y - p1.y) / d;
    const double w = r * (p1.x - p2.x) + (p3.x - p1.x);
    out.A = ((q1.x - q2.x) * r + q3.x - q1.x) / w;
    out.C = (out.A * (p1.x - p2.x) + q2.x - q1.x) / d;
    out.E = q1.x - out.A * p1.x - out.C * p1.y;
    out.B = ((q1.y - q2.y) * r + q3.y - q1.y) / w;
    out.D = (out.B * (p1.x - p2.x) + q2.y - q1.y) / d;
    out.F = q1.y - out.B * p1.x - out.D * p1.y;
    return out;
}

// Whether three points span a triangle whose area is not lost in rounding: the cross product
// of two edges against the size of its terms, so the test does not depend on the units.
bool SpanTriangle(const MapPos& a, const MapPos& b, const MapPos& c) {
    const double t1 = (b.x - a.x) * (c.y - a.y);
    const double t2 = (c.x - a.x) * (b.y - a.y);
    return std::fabs(t1 - t2) > 1e-9 * (std::fabs(t1) + std::fabs(t2));
}

bool Finite(const MapPos& p) {
    return std::isfinite(p.x) && std::isfinite(p.y);
}

} // namespace

std::string_view DescribeFitResult(FitResult result) {
    switch (result) {
    case FitResult::Fitted:
    case FitResult::TooFewPairs:
        return {};
    case FitResult::CollinearImagePoints:
        return "The three calibration points lie on one line of the image.";
    case FitResult::CollinearGeoPoints:
        return "The coordinates of the three calibration points lie on one line.";
    case FitResult::NonFinite:
        return "The calibration points hold invalid numbers.";
    }
    return {};
}

FitResult CGPSMapFuncs::AddCalibrationPoint(MapPos plane, MapPos geo) {
    points.push_back(plane);
    points.push_back(geo);
    while (points.size() > kMaxEntries)
        points.erase(points.begin());
    if (points.size() == kMaxEntries)
        return FitTransform();
    return FitResult::TooFewPairs;
}

bool CGPSMapFuncs::RemoveCalibrationPair(std::size_t pair) {
    if (pair >= points.size() / 2)
        return false;
    const auto first = points.begin() + static_cast<std::ptrdiff_t>(2 * pair);
    points.erase(first, first + 2);
    if (points.size() >= kMaxEntries) {
        FitTransform();
    } else {
        // What the file now holds is what the map is drawn with: no fit.
        fitResult = FitResult::TooFewPairs;
        hasTransform = false;
    }
    return true;
}

FitResult CGPSMapFuncs::FitTransform() {
    if (points.size() < kMaxEntries)
        return FitResult::TooFewPairs;
    const MapPos& p1 = points[0];
    const MapPos& q1 = points[1];
    const MapPos& p2 = points[2];
    const MapPos& q2 = points[3];
    const MapPos& p3 = points[4];
    const MapPos& q3 = points[5];

    const auto result = [&]() -> std::optional<Params> {
        if (!Finite(p1) || !Finite(q1) || !Finite(p2) || !Finite(q2) || !Finite(p3) ||
            !Finite(q3)) {
            fitResult = FitResult::NonFinite;
            return std::nullopt;
        }
        if (!SpanTriangle(p1, p2, p3)) {
            fitResult = FitResult::CollinearImagePoints;
            return std::nullopt;
        }
        if (!SpanTriangle(q1, q2, q3)) {
            fitResult = FitResult::CollinearGeoPoints;
            return std::nullopt;
        }
        // The elimination divides by the row difference of the first two image points. When
        // they share a row the third cannot (the points span a triangle), and eliminating with
        // the second and third pairs swapped gives the same, unique, solution.
        const Params fitted =
            p2.y != p1.y ? Eliminate(p1, q1, p2, q2, p3, q3) : Eliminate(p1, q1, p3, q3, p2, q2);
        for (double v : {fitted.A, fitted.B, fitted.C, fitted.D, fitted.E, fitted.F}) {
            if (!std::isfinite(v)) {
                fitResult = FitResult::NonFinite;
                return std::nullopt;
            }
        }
        fitResult = FitResult::Fitted;
        return fitted;
    }();
    if (result) {
        hasTransform = true;
        A = result->A;
        B = result->B;
        C = result->C;
        D = result->D;
        E = result->E;
        F = result->F;
    }
    return fitResult;
}

MapPos CGPSMapFuncs::PlaneToGeo(const MapPos& plane) const {
    const double latitude = (plane.x * B + plane.y * D) + F;
    const double longitude = (plane.x * A + plane.y * C) + E;
    return MapPos(longitude, latitude);
}

MapPos CGPSMapFuncs::GeoToPlane(const MapPos& geo) const {
    const double lat = geo.y;
    const double lon = geo.x;
    const double x = ((E - lon) * D + (lat - F) * C) / (B * C - D * A);
    // Solved with the determinant rather than by dividing by D, which is zero for a map turned
    // by 90 degrees. The fit never leaves a zero determinant behind.
    const double y = ((lat - F) * A - (lon - E) * B) / (D * A - B * C);
    return MapPos(x, y);
}

MapPos CGPSMapFuncs::PixelToGeo(const MapPos& pixel, int imageHeight) const {
    return PlaneToGeo(MapPos(pixel.x, static_cast<double>(imageHeight) - pixel.y));
}

MapPos CGPSMapFuncs::GeoToPixel(const MapPos& geo, int imageHeight) const {
    const MapPos plane = GeoToPlane(geo);
    return MapPos(plane.x, static_cast<double>(imageHeight) - plane.y);
}

RangeBearing CGPSMapFuncs::RangeAndBearing(const MapPos& from, const MapPos& to) const {
    return calib::RangeAndBearing(from, to, magVar);
}

void CGPSMapFuncs::Serialize(std::string& out) const {
    // The list is at most a handful of entries, far below the codec's limit.
    [[maybe_unused]] const bool encoded = EncodePositionList(out, points);
    base::AppendF64(out, magVar);
}

bool CGPSMapFuncs::Deserialize(std::string_view bytes) {
    std::size_t cursor = 0;
    auto list = DecodePositionList(bytes, cursor);
    if (!list || list->size() % 2 != 0)
        return false;
    const auto variation = base::ByteReader(bytes, cursor).F64();
    // The program never writes an infinite or NaN value; one would reach the bearings and the
    // drawing unchecked.
    if (!variation || !std::isfinite(*variation) ||
        !std::all_of(list->begin(), list->end(), Finite))
        return false;
    points = std::move(*list);
    magVar = *variation;
    if (points.size() >= kMaxEntries) {
        FitTransform();
    } else {
        // An earlier fit is not these points': the map reads as uncalibrated, as at the next
        // start.
        fitResult = FitResult::TooFewPairs;
        hasTransform = false;
    }
    return true;
}

} // namespace calib
