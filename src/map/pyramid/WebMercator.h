#pragma once

#include "map/pyramid/TiledMap.h"

#include <array>
#include <string>
#include <string_view>

namespace map {

// Web Mercator, the grid of every MBTiles tile set and of the tile servers.
inline constexpr std::string_view kWebMercator = "EPSG:3857";
// Metres from the grid's middle to its edge, and the latitude that edge stands for.
inline constexpr double kMercatorHalf = 20037508.342789244;
inline constexpr double kMercatorMaxLatitude = 85.0511287798066;
// The finest zoom a view's 32-bit pixels hold over the whole world.
inline constexpr int kMostMercatorZoom = 22;

// The XYZ tile (row 0 at the north) of zoom that holds a west or north edge (last false), or an
// east or south one (last true: an edge on a tile boundary belongs to the tile before it).
int MercatorColumn(double lon, int zoom, bool last = false);
int MercatorRow(double lat, int zoom, bool last = false);
// The west or north edge of a tile, in degrees.
double MercatorLongitude(int column, int zoom);
double MercatorLatitude(int row, int zoom);

// Decodes one tile's image bytes (PNG, JPEG, WebP) into kTileSize x kTileSize 0xFFRRGGBB
// pixels, transparency laid over white; false, with *error, when the bytes are no such image.
// The core reads no image format of these itself: the caller brings a decoder.
class TileImageDecoder {
public:
    virtual ~TileImageDecoder() = default;
    [[nodiscard]] virtual bool Decode(std::string_view bytes, MapPixel* out,
                                      std::string* error) const = 0;
};

// A rectangle of Web Mercator tiles shown as a map: level 0 is zoom's tiles from (firstColumn,
// firstRow), each coarser level one zoom less, down `levels` zooms.
struct WebMercatorTiles {
    int zoom = 0;        // shown at level 0
    int levels = 1;      // zooms shown, from zoom down
    int firstColumn = 0; // of the tiles at zoom, XYZ numbering (row 0 at the north)
    int firstRow = 0;
    int columns = 0;
    int rows = 0;
    [[nodiscard]] int Width() const { return columns * TiledMap::kTileSize; }
    [[nodiscard]] int Height() const { return rows * TiledMap::kTileSize; }
    // Pixels to Web Mercator metres in a world file's order (GridGeoreference::FromAffine).
    [[nodiscard]] std::array<double, 6> WorldFile() const;
    // Level index of the map: the tiles at zoom - index that cover level 0, and where level 0's
    // corner lies on them.
    [[nodiscard]] TileLevel Level(int index) const;
};

} // namespace map
