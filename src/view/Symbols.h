#pragma once

#include "points/MapPointLook.h"

#include <array>

namespace view {

// The geometry of symbols and the trail's shades; the lists of colours, symbols and sizes are
// in points/MapPointLook.h.

// A size value from a points file may be anything; drawing uses it clamped to 0..4 so that a
// damaged file cannot ask for a symbol millions of pixels wide (or overflow 2s + 1).
[[nodiscard]] int ClampSizeValue(int size);
// Half-extent r = 2s + 1 pixels of a symbol of size value s (clamped).
[[nodiscard]] int SymbolRadius(int size);
// Outline pen width: s when s > 3, else 0 (the thinnest pen, one pixel).
[[nodiscard]] int SymbolPenWidth(int size);

// The trail fades toward black with age through 20 shades of the trail colour.
inline constexpr int kTrailLevels = 20;

// Level i has i * (v / 255) * 12.75 of each component v of the trail colour, truncated, so
// level 0 is black and level 19 has 242 of a full component.
[[nodiscard]] std::array<Rgb, kTrailLevels> TrailShadeRamp(int trailColourIndex);
// Pen width of the trail lines and dot outlines: twice the trail size value (clamped).
[[nodiscard]] int TrailPenWidth(int trailSize);

// Shade level of trail sample number n (the newest sample has n = trailLength - 1): n / length
// * 19 in single precision, plus 0.5, truncated. Always within 0..kTrailLevels - 1, also for
// n < 0 (a trail holding more than trailLength samples, its breaks added without trimming)
// and for a trailLength below 1.
[[nodiscard]] int TrailShadeLevel(int n, int trailLength);

} // namespace view
