#pragma once

#include "base/MapPos.h"

#include <array>
#include <optional>
#include <span>

namespace map {

// The affine that takes pixel positions (continuous, the corner of the image at 0, 0) to grid
// positions, fitted by least squares through three or more pairs, or through two as the
// scales of the two axes with no rotation (a north-up map with two points); in a world file's
// order (A, D, B, E, and C, F at the centre of the upper left pixel). Nothing when the pixels
// lie on one line (two points: share a row or a column) or a value is not finite.
std::optional<std::array<double, 6>> FitAffine(std::span<const MapPos> pixels,
                                               std::span<const MapPos> grid);

} // namespace map
