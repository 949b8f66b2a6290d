#include "calib/ThinPlateSpline.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <tuple>
#include <utility>

namespace map {

namespace {

// The spline's radial basis of a squared distance: r^2 log r^2 (0 at the point itself).
double Basis(double squared) {
    return squared > 0 ? squared * std::log(squared) : 0.0;
}

double SquaredDistance(const MapPos& a, const MapPos& b) {
    const double dx = a.x - b.x;
    const double dy = a.y - b.y;
    return dx * dx + dy * dy;
}

// The mean of the points and the largest distance of a coordinate from it (1 when none).
std::pair<MapPos, double> CentreAndScale(std::span<const MapPos> points) {
    MapPos sum(0, 0);
    for (const MapPos& p : points) {
        sum.x += p.x;
        sum.y += p.y;
    }
    const auto n = static_cast<double>(points.size());
    const MapPos centre(sum.x / n, sum.y / n);
    double scale = 0;
    for (const MapPos& p : points)
        scale = std::max({scale, std::abs(p.x - centre.x), std::abs(p.y - centre.y)});
    return {centre, scale > 0 ? scale : 1.0};
}

// Solves m * x = a and m * x = b (m square, row-major, size n) in place by elimination with
// partial pivoting; false when m is singular for its scale.
bool Solve(std::vector<double>& m, std::vector<double>& a, std::vector<double>& b, std::size_t n) {
    double scale = 0;
    for (const double v : m)
        scale = std::max(scale, std::abs(v));
    for (std::size_t col = 0; col < n; ++col) {
        std::size_t pivot = col;
        for (std::size_t row = col + 1; row < n; ++row)
            if (std::abs(m[row * n + col]) > std::abs(m[pivot * n + col]))
                pivot = row;
        if (!(std::abs(m[pivot * n + col]) > 1e-12 * scale))
            return false;
        if (pivot != col) {
            std::swap_ranges(m.begin() + static_cast<std::ptrdiff_t>(col * n),
                             m.begin() + static_cast<std::ptrdiff_t>((col + 1) * n),
                             m.begin() + static_cast<std::ptrdiff_t>(pivot * n));
            std::swap(a[col], a[pivot]);
            std::swap(b[col], b[pivot]);
        }
        for (std::size_t row = col + 1; row < n; ++row) {
            const double f = m[row * n + col] / m[col * n + col];
            if (f == 0)
                continue;
            for (std::size_t k = col; k < n; ++k)
                m[row * n + k] -= f * m[col * n + k];
            a[row] -= f * a[col];
            b[row] -= f * b[col];
        }
    }
    for (std::size_t col = n; col-- > 0;) {
        for (std::size_t k = col + 1; k < n; ++k) {
            a[col] -= m[col * n + k] * a[k];
            b[col] -= m[col * n + k] * b[k];
        }
        a[col] /= m[col * n + col];
        b[col] /= m[col * n + col];
    }
    return true;
}

} // namespace

std::optional<ThinPlateSpline>
ThinPlateSpline::Fit(std::span<const MapPos> from, std::span<const MapPos> to, std::string* error) {
    const auto fail = [error](std::string why) {
        *error = std::move(why);
        return std::nullopt;
    };
    if (from.size() != to.size() || from.size() < 3)
        return fail("a thin plate spline needs at least three points");
    if (from.size() > kMaxPoints)
        return fail("a thin plate spline takes at most " + std::to_string(kMaxPoints) + " points");
    const auto finite = [](const MapPos& p) { return std::isfinite(p.x) && std::isfinite(p.y); };
    if (!std::ranges::all_of(from, finite) || !std::ranges::all_of(to, finite))
        return fail("a point is not a finite number");

    ThinPlateSpline spline;
    std::tie(spline.fromCentre_, spline.fromScale_) = CentreAndScale(from);
    std::tie(spline.toCentre_, spline.toScale_) = CentreAndScale(to);
    const std::size_t points = from.size();
    for (const MapPos& p : from)
        spline.centres_.emplace_back((p.x - spline.fromCentre_.x) / spline.fromScale_,
                                     (p.y - spline.fromCentre_.y) / spline.fromScale_);
    // [K P; P' 0] [w; a] = [v; 0]: K the basis between the points, P their rows 1, x, y.
    const std::size_t n = points + 3;
    std::vector<double> m(n * n, 0.0);
    std::vector<double> x(n, 0.0);
    std::vector<double> y(n, 0.0);
    for (std::size_t i = 0; i < points; ++i) {
        const MapPos& c = spline.centres_[i];
        for (std::size_t j = 0; j < points; ++j)
            m[i * n + j] = Basis(SquaredDistance(c, spline.centres_[j]));
        const std::array<double, 3> affine{1.0, c.x, c.y};
        for (std::size_t k = 0; k < 3; ++k) {
            m[i * n + points + k] = affine[k];
            m[(points + k) * n + i] = affine[k];
        }
        x[i] = (to[i].x - spline.toCentre_.x) / spline.toScale_;
        y[i] = (to[i].y - spline.toCentre_.y) / spline.toScale_;
    }
    if (!Solve(m, x, y, n))
        return fail("the points lie on one line, or two of them at one place");
    spline.x_ = std::move(x);
    spline.y_ = std::move(y);
    return spline;
}

MapPos ThinPlateSpline::Apply(const MapPos& p) const {
    const MapPos s((p.x - fromCentre_.x) / fromScale_, (p.y - fromCentre_.y) / fromScale_);
    const std::size_t points = centres_.size();
    double x = x_[points] + x_[points + 1] * s.x + x_[points + 2] * s.y;
    double y = y_[points] + y_[points + 1] * s.x + y_[points + 2] * s.y;
    for (std::size_t i = 0; i < points; ++i) {
        const double u = Basis(SquaredDistance(s, centres_[i]));
        x += x_[i] * u;
        y += y_[i] * u;
    }
    return MapPos(x * toScale_ + toCentre_.x, y * toScale_ + toCentre_.y);
}

} // namespace map
