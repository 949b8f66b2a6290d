#pragma once

#include <type_traits>

// The one position value of the program: a latitude/longitude in decimal degrees (north and
// east positive), or an image row/column. Default (0, 0) is the empty position: it marks
// trail segment breaks and a GPS position not yet known.
class MapPos {
public:
    double y = 0.0; // latitude in degrees, or image row
    double x = 0.0; // longitude in degrees, or image column

    constexpr MapPos() = default;
    // Note the argument order: x first, then y.
    constexpr MapPos(double x_, double y_) : y(y_), x(x_) {}

    // A position counts as set only when both coordinates are non-zero.
    [[nodiscard]] constexpr bool IsSet() const { return y != 0.0 && x != 0.0; }

    friend constexpr bool operator==(const MapPos& a, const MapPos& b) {
        return a.y == b.y && a.x == b.x;
    }
};

// Held in every trail sample and map point and copied freely: two doubles, nothing more. Files
// store positions field by field (calib/PositionList.h), never the object's bytes.
static_assert(sizeof(MapPos) == 2 * sizeof(double) && std::is_trivially_copyable_v<MapPos>);
