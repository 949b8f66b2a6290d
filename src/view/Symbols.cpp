#include "view/Symbols.h"

#include <algorithm>
#include <cmath>

namespace view {

int ClampSizeValue(int size) {
    return std::clamp(size, 0, kMaxSizeValue);
}

int SymbolRadius(int size) {
    return 2 * ClampSizeValue(size) + 1;
}

int SymbolPenWidth(int size) {
    const int s = ClampSizeValue(size);
    return s > 3 ? s : 0;
}

std::array<Rgb, kTrailLevels> TrailShadeRamp(int trailColourIndex) {
    const Rgb c = RgbFromIndex(trailColourIndex);
    const auto shade = [](std::uint8_t v, int level) {
        const double k = v * (1.0 / 255.0);
        // The product is at most 19 * 12.75 = 242.25, so the truncation cannot overflow.
        return static_cast<std::uint8_t>(static_cast<unsigned>(level * k * 12.75) & 0xFFu);
    };
    std::array<Rgb, kTrailLevels> ramp{};
    for (int i = 0; i < kTrailLevels; ++i)
        ramp[static_cast<std::size_t>(i)] = {shade(c.r, i), shade(c.g, i), shade(c.b, i)};
    return ramp;
}

int TrailPenWidth(int trailSize) {
    return 2 * ClampSizeValue(trailSize);
}

int TrailShadeLevel(int n, int trailLength) {
    const float scaled = static_cast<float>(n) / static_cast<float>(trailLength) * 19.0f;
    const double level = static_cast<double>(scaled) + 0.5;
    // A length of 0 gives infinities or NaN; clamping in floating point keeps the conversion
    // defined. NaN (0 / 0) takes the oldest shade.
    if (std::isnan(level))
        return 0;
    return static_cast<int>(std::clamp(level, 0.0, static_cast<double>(kTrailLevels - 1)));
}

} // namespace view
