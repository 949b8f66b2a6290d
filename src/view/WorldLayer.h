#pragma once

#include "calib/Georeference.h"
#include "calib/MapGeoreference.h"
#include "map/pyramid/TiledMap.h"
#include "view/ViewGeometry.h"

#include <QImage>
#include <QRect>

#include <cstdint>
#include <memory>
#include <vector>

namespace view {

// A tile source drawn under and around the map showing (View > World Map over a scan): the
// whole world in Web Mercator, level 0 at the source's finest zoom. The scan stays the map: its
// calibration places it and everything on it; the world is only laid under it.
// The world's pixels under an area larger than the view, kept while only the scroll within it
// changes (the view's own thread alone draws with it).
struct WorldPicture {
    struct Key {
        ViewPoint anchor; // the scroll offset of the area's top-left corner
        int width = 0;
        int height = 0;
        double zoom = 0.0;
        map::MapGeoreference georeference;
        const void* tiles = nullptr;
        std::uint64_t arrivals = 0;
        map::MapPixel ground = 0;
        friend bool operator==(const Key&, const Key&) = default;
    };
    Key key;
    bool valid = false;
    bool hasWorld = false;             // false: no level of the world suits the view
    std::vector<map::MapPixel> pixels; // key.width x key.height, ground where there is none
};

// A tile source drawn under and around the map showing (View > World Map over a scan): the
// whole world in Web Mercator, level 0 at the source's finest zoom. The scan stays the map: its
// calibration places it and everything on it; the world is only laid under it.
struct WorldUnderlay {
    std::shared_ptr<map::TiledMap> tiles;
    int maxZoom = 0;          // the tile zoom of level 0
    double scanOpacity = 1.0; // of the scan over the world, 0..1
    // Grows as tiles arrive: the world's pixels are taken again.
    std::uint64_t arrivals = 0;
    mutable WorldPicture picture;
};

// Marks a frame pixel the scan leaves to the world (beyond its edges or its missing tiles).
inline constexpr map::MapPixel kNoScan = 0x00000001u;

// The world level for geometry over a scan placed by georeference: the coarsest whose pixels
// are still no larger than the view's at its middle. None without a transform.
std::optional<int> WorldLevel(const WorldUnderlay& world, const map::Georeference& georeference,
                              const ViewGeometry& geometry);

// The world tiles a paint of geometry draws from: its level's, then each coarser one's.
std::vector<map::TileRange> WorldTilesInView(const WorldUnderlay& world,
                                             const map::Georeference& georeference,
                                             const ViewGeometry& geometry);

// Fills the frame's rows in device pixels (ratio per view pixel, offset the paint's scroll):
// where the scan left kNoScan the world's pixel under the pixel's centre, or ground beyond the
// world; elsewhere the scan over the world at the underlay's opacity. A world tile not there
// yet shows a coarser level's pixels.
void PaintWorldUnder(QImage& frame, QRect rows, const WorldUnderlay& world,
                     const map::MapGeoreference& georeference, const ViewGeometry& geometry,
                     ViewPoint offset, double ratio, map::MapPixel ground);

} // namespace view
