#pragma once

#include "base/MapPos.h"

#include <array>
#include <cstddef>
#include <optional>
#include <span>
#include <string>

namespace map {

// The pixels a map shows (the image, and the points wherever they lie), corner to corner.
struct PixelArea {
    MapPos min;
    MapPos max;
};

// The highest order of polynomial fitted, and the coefficients of one output for an order: 6
// for the second, 10 for the third.
inline constexpr int kMaxPolynomialOrder = 3;
constexpr std::size_t PolynomialTerms(int order) {
    return static_cast<std::size_t>((order + 1) * (order + 2) / 2);
}

// A polynomial of the second or third order from pixel positions (continuous, the image's
// corner at 0, 0) to grid positions, for a scan whose paper or optics bent the grid, or a map
// drawn in another projection than the one it names. Evaluated in coordinates centred on the
// points' mean and scaled to about one, so that pixels in the 10^5 and grids in the 10^7 lose
// nothing to rounding.
class PixelPolynomial {
public:
    // Fits order (2 or 3) by least squares through the pairs (exactly through as many as it has
    // terms), for a map showing area. Nothing, with *error, when:
    // - there are fewer pairs than terms, or a value is not finite;
    // - the pixels leave a term undetermined: fewer distinct points than terms, or points on
    //   (or nearly on) a curve of that order, along which the polynomial may bend at will;
    // - the result folds the map over somewhere in area, or its scale there is more than
    //   kMaxStretch times its scale elsewhere: a shape invented between the points.
    static std::optional<PixelPolynomial> Fit(std::span<const MapPos> pixels,
                                              std::span<const MapPos> grid, int order,
                                              const PixelArea& area, std::string* error);

    [[nodiscard]] int Order() const { return order_; }
    // The grid position of a pixel position; anywhere, though beyond area it is extrapolated.
    [[nodiscard]] MapPos Apply(const MapPos& pixel) const;
    // The pixel position Apply takes to grid, by Newton's method from start (the affine's
    // answer), to 1e-6 pixel. Nothing when it does not converge: a position far beyond the map,
    // where the polynomial need not have an inverse.
    [[nodiscard]] std::optional<MapPos> Invert(const MapPos& grid, const MapPos& start) const;

    // The most one place's scale may be of another's, along the worse direction.
    static constexpr double kMaxStretch = 4.0;

private:
    PixelPolynomial() = default;
    using Coefficients = std::array<double, PolynomialTerms(kMaxPolynomialOrder)>;
    // The value in scaled grid units at scaled pixel u, v, and its derivatives.
    void Evaluate(double u, double v, MapPos& value, std::array<double, 4>* jacobian) const;
    [[nodiscard]] bool FoldsOrStretches(const PixelArea& area, std::string& why) const;

    int order_ = 2;
    MapPos pixelCentre_;
    double pixelScale_ = 1.0;
    MapPos gridCentre_;
    double gridScale_ = 1.0;
    Coefficients x_{};
    Coefficients y_{};
};

} // namespace map
