#pragma once

#include "map/formats/MbTiles.h"
#include "map/pyramid/MapPyramid.h"

#include <QImage>

#include <functional>
#include <vector>

namespace view {

// Between Qt images and the map's pyramid.

// The pyramid of image, transparent pixels laid over white; empty for a null image or when
// the memory cannot be had.
map::MapPyramid PyramidFromImage(const QImage& image);
// The same, telling progress the fraction done; when it returns false the work stops and the
// result is empty.
map::MapPyramid PyramidFromImage(const QImage& image, const std::function<bool(double)>& progress);
// Fills pyramid (of the image's size) with image, as PyramidFromImage does; false when
// progress stopped it or the sizes differ.
bool FillPyramidFromImage(const QImage& image, map::MapPyramid& pyramid,
                          const std::function<bool(double)>& progress);

// The tiles of MBTiles maps: PNG, JPEG and WebP through Qt's image plugins (any thread).
// Tiles of another size are scaled to the pyramid's.
class QtTileDecoder : public map::TileImageDecoder {
public:
    bool Decode(std::string_view bytes, map::MapPixel* out, std::string* error) const override;
};

// One tile of the pyramid as an image over the pyramid's own memory (no copy); valid while
// the pyramid lives.
QImage TileImage(const map::MapPyramid& pyramid, int level, int column, int row);

// Nearest-neighbour sampling of one level: out's pixel (x, y), for (x, y) in area, becomes
// the level's pixel (columns[x], rows[y]), or ground where either is -1 (beyond the map), or
// kNoPixel where its tile is not there; out's other pixels are left alone. columns holds
// out.width() entries, rows out.height(), each -1 or within the level. out is a 32-bit RGB
// image. False when a tile was not there.
bool SampleLevel(const map::TiledMap& map, int level, const std::vector<int>& columns,
                 const std::vector<int>& rows, QRect area, QImage& out,
                 map::MapPixel ground = 0xFFFFFFFFu);
// No map pixel is transparent: this one marks a pixel still to be drawn.
inline constexpr map::MapPixel kNoPixel = 0;

} // namespace view
