#include "terrain/Shading.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>
#include <numbers>
#include <vector>

namespace terrain {

namespace {

constexpr double kRadians = std::numbers::pi / 180.0;

// 0.5 up, as GDAL turns its float result into bytes.
std::uint8_t ToGrey(double value) {
    const double rounded = std::floor(value + 0.5);
    return static_cast<std::uint8_t>(rounded < 1.0 ? 1.0 : rounded > 255.0 ? 255.0 : rounded);
}

} // namespace

void Shade(const HeightWindow& window, ShadeKind kind, const ShadeLight& light, std::uint8_t* out,
           std::ptrdiff_t outStride) {
    const int w = window.width;
    const int h = window.height;
    for (int r = 0; r < h; ++r)
        std::memset(out + r * outStride, 0, static_cast<std::size_t>(w));
    if (w < 3 || h < 3)
        return;

    // Horn's sums are eight times the gradient.
    const double invX = 1.0 / (8.0 * window.xStep * window.scale);
    const double invY = 1.0 / (8.0 * window.yStep * window.scale);
    const double z = light.zFactor;
    const double azimuth = light.azimuthDegrees * kRadians;
    const double altitude = light.altitudeDegrees * kRadians;
    const double sinAlt254 = 254.0 * std::sin(altitude);
    const double cosAzCosAltZ254 = 254.0 * std::cos(azimuth) * std::cos(altitude) * z;
    const double sinAzCosAltZ254 = 254.0 * std::sin(azimuth) * std::cos(altitude) * z;
    const double zz = z * z;
    const bool hasNoData = window.noData.has_value();
    const float noData = window.noData.value_or(0.0f);
    const auto missing = [&](float v) { return std::isnan(v) || (hasNoData && v == noData); };

    for (int r = 1; r + 1 < h; ++r) {
        const float* above = window.heights + (r - 1) * window.stride;
        const float* here = above + window.stride;
        const float* below = here + window.stride;
        std::uint8_t* shaded = out + r * outStride;
        for (int c = 1; c + 1 < w; ++c) {
            const float a = above[c - 1], b = above[c], d = above[c + 1];
            const float e = here[c - 1], f = here[c], g = here[c + 1];
            const float i = below[c - 1], j = below[c], k = below[c + 1];
            if (missing(a) || missing(b) || missing(d) || missing(e) || missing(f) || missing(g) ||
                missing(i) || missing(j) || missing(k))
                continue;
            const double x = ((a + 2.0 * e + i) - (d + 2.0 * g + k)) * invX;
            const double y = ((i + 2.0 * j + k) - (a + 2.0 * b + d)) * invY;
            const double xxyy = x * x + y * y;
            double grey = 0.0;
            if (kind == ShadeKind::Hill) {
                const double cos254 = (sinAlt254 - (y * cosAzCosAltZ254 - x * sinAzCosAltZ254)) /
                                      std::sqrt(1.0 + zz * xxyy);
                grey = cos254 <= 0.0 ? 1.0 : 1.0 + cos254;
            } else {
                const double slope = std::atan(z * std::sqrt(xxyy)) / kRadians;
                grey = 1.0 + 254.0 * (1.0 - slope / 90.0);
            }
            shaded[c] = ToGrey(grey);
        }
    }
}

void Reduce(const HeightWindow& window, int factor, float* out, std::ptrdiff_t outStride) {
    const int w = window.width / factor;
    const int h = window.height / factor;
    const bool hasNoData = window.noData.has_value();
    const float noData = window.noData.value_or(0.0f);
    // Sums in double, so a block's mean of float heights rounds once.
    std::vector<double> sums(static_cast<std::size_t>(w));
    std::vector<int> counts(static_cast<std::size_t>(w));
    for (int r = 0; r < h; ++r) {
        std::fill(sums.begin(), sums.end(), 0.0);
        std::fill(counts.begin(), counts.end(), 0);
        for (int dr = 0; dr < factor; ++dr) {
            const float* in = window.heights + (r * factor + dr) * window.stride;
            for (int c = 0; c < w; ++c) {
                for (int dc = 0; dc < factor; ++dc) {
                    const float v = in[c * factor + dc];
                    if (std::isnan(v) || (hasNoData && v == noData))
                        continue;
                    sums[static_cast<std::size_t>(c)] += v;
                    ++counts[static_cast<std::size_t>(c)];
                }
            }
        }
        float* row = out + r * outStride;
        for (int c = 0; c < w; ++c) {
            const auto at = static_cast<std::size_t>(c);
            row[c] = counts[at] == 0 ? std::numeric_limits<float>::quiet_NaN()
                                     : static_cast<float>(sums[at] / counts[at]);
        }
    }
}

} // namespace terrain
