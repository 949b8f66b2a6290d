#include "calib/AffineFit.h"

#include <algorithm>
#include <cmath>

namespace map {

namespace {

// Solves the 3 x 3 system m * x = v; false when it is singular for the scale of m.
bool Solve3(std::array<std::array<double, 3>, 3> m, std::array<double, 3> v,
            std::array<double, 3>& x) {
    const double scale = std::max({std::abs(m[0][0]), std::abs(m[1][1]), std::abs(m[2][2])});
    for (int col = 0; col < 3; ++col) {
        int pivot = col;
        for (int row = col + 1; row < 3; ++row)
            if (std::abs(m[row][col]) > std::abs(m[pivot][col]))
                pivot = row;
        if (!(std::abs(m[pivot][col]) > 1e-12 * scale))
            return false;
        std::swap(m[col], m[pivot]);
        std::swap(v[col], v[pivot]);
        for (int row = 0; row < 3; ++row) {
            if (row == col)
                continue;
            const double f = m[row][col] / m[col][col];
            for (int k = col; k < 3; ++k)
                m[row][k] -= f * m[col][k];
            v[row] -= f * v[col];
        }
    }
    for (int i = 0; i < 3; ++i)
        x[i] = v[i] / m[i][i];
    return std::all_of(x.begin(), x.end(), [](double value) { return std::isfinite(value); });
}

} // namespace

std::optional<std::array<double, 6>> FitAffine(std::span<const MapPos> pixels,
                                               std::span<const MapPos> grid) {
    const std::size_t n = std::min(pixels.size(), grid.size());
    double a = 0, b = 0, c = 0, d = 0, e = 0, f = 0;
    if (n == 2) {
        const double dx = pixels[1].x - pixels[0].x;
        const double dy = pixels[1].y - pixels[0].y;
        if (dx == 0 || dy == 0)
            return std::nullopt;
        a = (grid[1].x - grid[0].x) / dx;
        e = (grid[1].y - grid[0].y) / dy;
        c = grid[0].x - a * pixels[0].x;
        f = grid[0].y - e * pixels[0].y;
    } else if (n >= 3) {
        // Centred on the first pixel, so large coordinates lose nothing in the sums.
        const MapPos o = pixels[0];
        std::array<std::array<double, 3>, 3> m{};
        std::array<double, 3> vx{}, vy{};
        for (std::size_t i = 0; i < n; ++i) {
            const std::array<double, 3> row{pixels[i].x - o.x, pixels[i].y - o.y, 1.0};
            for (int r = 0; r < 3; ++r) {
                for (int k = 0; k < 3; ++k)
                    m[r][k] += row[r] * row[k];
                vx[r] += row[r] * grid[i].x;
                vy[r] += row[r] * grid[i].y;
            }
        }
        std::array<double, 3> sx{}, sy{};
        if (!Solve3(m, vx, sx) || !Solve3(m, vy, sy))
            return std::nullopt;
        a = sx[0];
        b = sx[1];
        c = sx[2] - a * o.x - b * o.y;
        d = sy[0];
        e = sy[1];
        f = sy[2] - d * o.x - e * o.y;
    } else {
        return std::nullopt;
    }
    const std::array<double, 6> out{a, d, b, e, c + 0.5 * (a + b), f + 0.5 * (d + e)};
    if (!std::all_of(out.begin(), out.end(), [](double v) { return std::isfinite(v); }))
        return std::nullopt;
    return out;
}

} // namespace map
