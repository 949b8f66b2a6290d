#pragma once

#include "base/MapPos.h"

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace map {

// A thin plate spline from one plane to another: passes through every pair exactly and bends
// as little as it can between them, for a scan placed by many control points whose paper
// stretched unevenly. The surface is unique, so it places pixels where GDAL's transformer
// does. Evaluated in coordinates centred on the points' mean and scaled to about one.
class ThinPlateSpline {
public:
    // A dense system of one row per point is solved: beyond this many the fit takes seconds.
    static constexpr std::size_t kMaxPoints = 1000;

    // Fits from -> to through at least three pairs, not all on one line. Nothing, with *error,
    // for fewer or more pairs than that, a value that is not finite, or two pairs at one place.
    static std::optional<ThinPlateSpline> Fit(std::span<const MapPos> from,
                                              std::span<const MapPos> to, std::string* error);

    [[nodiscard]] MapPos Apply(const MapPos& p) const;
    [[nodiscard]] std::size_t Points() const { return centres_.size(); }

private:
    ThinPlateSpline() = default;

    MapPos fromCentre_;
    double fromScale_ = 1.0;
    MapPos toCentre_;
    double toScale_ = 1.0;
    std::vector<MapPos> centres_; // the pairs' from positions, scaled
    // One weight per point, then the affine part's constant, x and y terms.
    std::vector<double> x_;
    std::vector<double> y_;
};

} // namespace map
