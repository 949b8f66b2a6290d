#include "calib/PolynomialFit.h"

#include <algorithm>
#include <cmath>
#include <tuple>
#include <utility>
#include <vector>

namespace map {

namespace {

// The powers of u and v in each term, lowest order first.
constexpr std::array<std::array<int, 2>, PolynomialTerms(kMaxPolynomialOrder)> kPowers{
    {{0, 0}, {1, 0}, {0, 1}, {2, 0}, {1, 1}, {0, 2}, {3, 0}, {2, 1}, {1, 2}, {0, 3}}};

// A term whose column keeps less than this share of a full column's length once the terms
// before it are taken out is, for points read from paper, not determined: the fit would bend
// by a hundred times a point's reading error to follow it.
constexpr double kMinIndependence = 1e-2;
// Newton's method stops when its step is under this many pixels, or fails after kMaxSteps.
constexpr double kConverged = 1e-6;
constexpr int kMaxSteps = 20;
// The fold and stretch check looks at the polynomial on a kSamples x kSamples lattice.
constexpr int kSamples = 21;

bool Finite(const MapPos& p) {
    return std::isfinite(p.x) && std::isfinite(p.y);
}

// The mean of the points and the largest distance of a coordinate from it.
std::pair<MapPos, double> CentreAndScale(std::span<const MapPos> points) {
    double x = 0;
    double y = 0;
    for (const MapPos& p : points) {
        x += p.x;
        y += p.y;
    }
    const MapPos centre(x / static_cast<double>(points.size()),
                        y / static_cast<double>(points.size()));
    double scale = 0;
    for (const MapPos& p : points)
        scale = std::max({scale, std::fabs(p.x - centre.x), std::fabs(p.y - centre.y)});
    return {centre, scale};
}

// The singular values of the 2 x 2 matrix {a, b; c, d}, larger first.
std::array<double, 2> SingularValues(double a, double b, double c, double d) {
    const double half = (a * a + b * b + c * c + d * d) / 2;
    const double det = std::fabs(a * d - b * c);
    const double larger = std::sqrt(half + std::sqrt(std::max(half * half - det * det, 0.0)));
    return {larger, larger > 0 ? det / larger : 0.0};
}

} // namespace

std::optional<PixelPolynomial> PixelPolynomial::Fit(std::span<const MapPos> pixels,
                                                    std::span<const MapPos> grid, int order,
                                                    const PixelArea& area, std::string* error) {
    std::string ignored;
    std::string& why = error != nullptr ? *error : ignored;
    if (order < 2 || order > kMaxPolynomialOrder) {
        why = "no polynomial of order " + std::to_string(order);
        return std::nullopt;
    }
    const std::size_t terms = PolynomialTerms(order);
    const std::size_t n = pixels.size();
    if (grid.size() != n || n < terms) {
        why = std::to_string(n) + " points, where a polynomial of order " + std::to_string(order) +
              " needs " + std::to_string(terms);
        return std::nullopt;
    }
    if (!std::all_of(pixels.begin(), pixels.end(), Finite) ||
        !std::all_of(grid.begin(), grid.end(), Finite) || !Finite(area.min) || !Finite(area.max)) {
        why = "a point holds a number that is not finite";
        return std::nullopt;
    }
    PixelPolynomial fit;
    fit.order_ = order;
    std::tie(fit.pixelCentre_, fit.pixelScale_) = CentreAndScale(pixels);
    std::tie(fit.gridCentre_, fit.gridScale_) = CentreAndScale(grid);
    if (!(fit.pixelScale_ > 0) || !(fit.gridScale_ > 0)) {
        why = "the points all lie in one place";
        return std::nullopt;
    }

    // Least squares by Householder's QR on the scaled terms, which squares no condition number
    // as the normal equations would. Column k of a, then the two right-hand sides.
    std::vector<std::vector<double>> a(terms + 2, std::vector<double>(n));
    for (std::size_t i = 0; i < n; ++i) {
        const double u = (pixels[i].x - fit.pixelCentre_.x) / fit.pixelScale_;
        const double v = (pixels[i].y - fit.pixelCentre_.y) / fit.pixelScale_;
        for (std::size_t k = 0; k < terms; ++k)
            a[k][i] = std::pow(u, kPowers[k][0]) * std::pow(v, kPowers[k][1]);
        a[terms][i] = (grid[i].x - fit.gridCentre_.x) / fit.gridScale_;
        a[terms + 1][i] = (grid[i].y - fit.gridCentre_.y) / fit.gridScale_;
    }
    // Scaled terms lie within +-1, so a column is at most sqrt(n) long.
    const double full = std::sqrt(static_cast<double>(n));
    std::vector<double> diagonal(terms);
    for (std::size_t k = 0; k < terms; ++k) {
        std::vector<double>& col = a[k];
        double norm = 0;
        for (std::size_t i = k; i < n; ++i)
            norm = std::hypot(norm, col[i]);
        if (!(norm >= kMinIndependence * full)) {
            why = "the points do not determine a polynomial of order " + std::to_string(order) +
                  " (too few distinct points, or points along one curve)";
            return std::nullopt;
        }
        const double alpha = col[k] > 0 ? -norm : norm;
        std::vector<double> h(col.begin() + static_cast<std::ptrdiff_t>(k), col.end());
        h[0] -= alpha;
        double hh = 0;
        for (const double value : h)
            hh += value * value;
        for (std::size_t j = k + 1; j < terms + 2; ++j) {
            double dot = 0;
            for (std::size_t i = k; i < n; ++i)
                dot += h[i - k] * a[j][i];
            const double f = 2 * dot / hh;
            for (std::size_t i = k; i < n; ++i)
                a[j][i] -= f * h[i - k];
        }
        diagonal[k] = alpha;
    }
    for (std::size_t side = 0; side < 2; ++side) {
        Coefficients& c = side == 0 ? fit.x_ : fit.y_;
        const std::vector<double>& b = a[terms + side];
        for (std::size_t k = terms; k-- > 0;) {
            double sum = b[k];
            for (std::size_t j = k + 1; j < terms; ++j)
                sum -= a[j][k] * c[j];
            c[k] = sum / diagonal[k];
        }
    }
    if (!std::all_of(fit.x_.begin(), fit.x_.end(), [](double v) { return std::isfinite(v); }) ||
        !std::all_of(fit.y_.begin(), fit.y_.end(), [](double v) { return std::isfinite(v); })) {
        why = "the polynomial holds a number that is not finite";
        return std::nullopt;
    }
    if (fit.FoldsOrStretches(area, why))
        return std::nullopt;
    return fit;
}

void PixelPolynomial::Evaluate(double u, double v, MapPos& value,
                               std::array<double, 4>* jacobian) const {
    std::array<double, kMaxPolynomialOrder + 1> pu{1, u, u * u, u * u * u};
    std::array<double, kMaxPolynomialOrder + 1> pv{1, v, v * v, v * v * v};
    value = MapPos(0, 0);
    std::array<double, 4> j{}; // dX/du, dX/dv, dY/du, dY/dv
    for (std::size_t k = 0; k < PolynomialTerms(order_); ++k) {
        const int i = kPowers[k][0];
        const int l = kPowers[k][1];
        const double term = pu[i] * pv[l];
        value = MapPos(value.x + x_[k] * term, value.y + y_[k] * term);
        if (jacobian == nullptr)
            continue;
        const double du = i > 0 ? i * pu[i - 1] * pv[l] : 0.0;
        const double dv = l > 0 ? l * pu[i] * pv[l - 1] : 0.0;
        j[0] += x_[k] * du;
        j[1] += x_[k] * dv;
        j[2] += y_[k] * du;
        j[3] += y_[k] * dv;
    }
    if (jacobian != nullptr)
        *jacobian = j;
}

bool PixelPolynomial::FoldsOrStretches(const PixelArea& area, std::string& why) const {
    // Each place's Jacobian against the one at the points' centre, which the affine is close to.
    MapPos ignored;
    std::array<double, 4> c{};
    Evaluate(0, 0, ignored, &c);
    const double det = c[0] * c[3] - c[1] * c[2];
    if (!std::isfinite(det) || det == 0) {
        why = "the polynomial has no area at the points' centre";
        return true;
    }
    const std::array<double, 4> inverse{c[3] / det, -c[1] / det, -c[2] / det, c[0] / det};
    for (int i = 0; i < kSamples; ++i) {
        for (int k = 0; k < kSamples; ++k) {
            const double x = area.min.x + (area.max.x - area.min.x) * i / (kSamples - 1);
            const double y = area.min.y + (area.max.y - area.min.y) * k / (kSamples - 1);
            std::array<double, 4> j{};
            Evaluate((x - pixelCentre_.x) / pixelScale_, (y - pixelCentre_.y) / pixelScale_,
                     ignored, &j);
            const double m0 = inverse[0] * j[0] + inverse[1] * j[2];
            const double m1 = inverse[0] * j[1] + inverse[1] * j[3];
            const double m2 = inverse[2] * j[0] + inverse[3] * j[2];
            const double m3 = inverse[2] * j[1] + inverse[3] * j[3];
            const auto [larger, smaller] = SingularValues(m0, m1, m2, m3);
            if (!(m0 * m3 - m1 * m2 > 0)) {
                why = "the polynomial folds the map over";
                return true;
            }
            if (!(larger <= kMaxStretch && smaller >= 1 / kMaxStretch)) {
                why = "the polynomial stretches the map more than fourfold";
                return true;
            }
        }
    }
    return false;
}

MapPos PixelPolynomial::Apply(const MapPos& pixel) const {
    MapPos value;
    Evaluate((pixel.x - pixelCentre_.x) / pixelScale_, (pixel.y - pixelCentre_.y) / pixelScale_,
             value, nullptr);
    return MapPos(gridCentre_.x + value.x * gridScale_, gridCentre_.y + value.y * gridScale_);
}

std::optional<MapPos> PixelPolynomial::Invert(const MapPos& grid, const MapPos& start) const {
    const double gx = (grid.x - gridCentre_.x) / gridScale_;
    const double gy = (grid.y - gridCentre_.y) / gridScale_;
    double u = (start.x - pixelCentre_.x) / pixelScale_;
    double v = (start.y - pixelCentre_.y) / pixelScale_;
    if (!std::isfinite(gx) || !std::isfinite(gy) || !std::isfinite(u) || !std::isfinite(v))
        return std::nullopt;
    MapPos value;
    std::array<double, 4> j{};
    Evaluate(u, v, value, &j);
    double miss = std::hypot(value.x - gx, value.y - gy);
    for (int step = 0; step < kMaxSteps; ++step) {
        const double det = j[0] * j[3] - j[1] * j[2];
        const double fx = value.x - gx;
        const double fy = value.y - gy;
        const double du = (j[3] * fx - j[1] * fy) / det;
        const double dv = (j[0] * fy - j[2] * fx) / det;
        if (!std::isfinite(du) || !std::isfinite(dv))
            return std::nullopt;
        // Halved while it misses by more, so a start far off the map does not run away.
        for (double t = 1;; t /= 2) {
            if (t < 1.0 / 64)
                return std::nullopt;
            const double nu = u - t * du;
            const double nv = v - t * dv;
            Evaluate(nu, nv, value, &j);
            const double now = std::hypot(value.x - gx, value.y - gy);
            const bool done = std::hypot(t * du, t * dv) * pixelScale_ < kConverged;
            if (now < miss || done) {
                u = nu;
                v = nv;
                miss = now;
                if (done)
                    return MapPos(pixelCentre_.x + u * pixelScale_,
                                  pixelCentre_.y + v * pixelScale_);
                break;
            }
        }
    }
    return std::nullopt;
}

} // namespace map
