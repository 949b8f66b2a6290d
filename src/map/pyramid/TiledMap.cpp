#include "map/pyramid/TiledMap.h"

#include <algorithm>
#include <cmath>

namespace map {

int TiledMap::LevelForZoom(double zoom) const {
    int level = 0;
    // A hair of tolerance, so that 25 % picks the quarter level however it was computed.
    while (level + 1 < LevelCount() && zoom * std::ldexp(1.0, level + 1) <= 1.0 + 1e-9)
        ++level;
    return level;
}

TileRange TiledMap::TilesFor(int level, double left, double top, double width,
                             double height) const {
    TileRange range{level, 0, 0, 0, 0};
    if (Empty() || !std::isfinite(left) || !std::isfinite(top) || !(width > 0.0) ||
        !(height > 0.0) || !std::isfinite(width) || !std::isfinite(height))
        return range;
    const TileLevel& l = Level(level);
    // Map pixels to this level's pixels, then tiles; the clamps keep far-off rectangles in
    // range.
    const double scale = std::ldexp(1.0, level);
    const auto first = [&](double edge, double origin, int count) {
        return static_cast<int>(
            std::clamp(std::floor((edge / scale + origin) / kTileSize), 0.0, double(count)));
    };
    const auto end = [&](double edge, double origin, int count) {
        return static_cast<int>(
            std::clamp(std::ceil((edge / scale + origin) / kTileSize), 0.0, double(count)));
    };
    range.firstColumn = first(left, l.originX, l.columns);
    range.firstRow = first(top, l.originY, l.rows);
    range.endColumn = end(left + width, l.originX, l.columns);
    range.endRow = end(top + height, l.originY, l.rows);
    return range;
}

} // namespace map
