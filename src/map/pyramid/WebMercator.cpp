#include "map/pyramid/WebMercator.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace map {

namespace {

constexpr int kTile = TiledMap::kTileSize;

// A hair of tolerance keeps an edge computed from a tile's own corner on that tile.
int Tile(double fraction, int zoom, bool last) {
    const double n = std::ldexp(1.0, zoom);
    const double at = fraction * n;
    const double tile = last ? std::ceil(at - 1e-6) - 1 : std::floor(at + 1e-6);
    return static_cast<int>(std::clamp(tile, 0.0, n - 1));
}

} // namespace

int MercatorColumn(double lon, int zoom, bool last) {
    return Tile((lon + 180.0) / 360.0, zoom, last);
}

int MercatorRow(double lat, int zoom, bool last) {
    const double phi = lat * std::numbers::pi / 180.0;
    return Tile((1.0 - std::asinh(std::tan(phi)) / std::numbers::pi) / 2.0, zoom, last);
}

double MercatorLongitude(int column, int zoom) {
    return column / std::ldexp(1.0, zoom) * 360.0 - 180.0;
}

double MercatorLatitude(int row, int zoom) {
    const double y = std::numbers::pi * (1.0 - 2.0 * row / std::ldexp(1.0, zoom));
    return std::atan(std::sinh(y)) * 180.0 / std::numbers::pi;
}

std::array<double, 6> WebMercatorTiles::WorldFile() const {
    const double resolution = 2.0 * kMercatorHalf / (std::ldexp(1.0, zoom) * kTile);
    const double west = -kMercatorHalf + static_cast<double>(firstColumn) * kTile * resolution;
    const double north = kMercatorHalf - static_cast<double>(firstRow) * kTile * resolution;
    return {resolution, 0.0, 0.0, -resolution, west + resolution / 2, north - resolution / 2};
}

TileLevel WebMercatorTiles::Level(int index) const {
    TileLevel level;
    // Level 0's first and last tiles, and the tiles of zoom - index that hold them.
    const int first[2] = {firstColumn, firstRow};
    const int last[2] = {firstColumn + columns - 1, firstRow + rows - 1};
    int count[2] = {};
    double origin[2] = {};
    for (int axis = 0; axis < 2; ++axis) {
        const int coarse = first[axis] >> index;
        count[axis] = (last[axis] >> index) - coarse + 1;
        origin[axis] =
            std::ldexp(static_cast<double>(first[axis] - (coarse << index)) * kTile, -index);
    }
    level.columns = count[0];
    level.rows = count[1];
    level.width = count[0] * kTile;
    level.height = count[1] * kTile;
    level.originX = origin[0];
    level.originY = origin[1];
    return level;
}

} // namespace map
