#pragma once

#include "map/pyramid/MapPyramid.h"

#include <array>
#include <functional>
#include <optional>
#include <span>

namespace map {

// Several ground overlays of one document shown as one map. The common grid is longitude and
// latitude degrees, north up (plate carrée on WGS 84): the very plane KML places its overlays
// in, so each overlay lands on it through an affine, as exactly as it would shown alone, and
// no projection is evaluated per pixel.

// An overlay's image size and the affine from its pixels to longitude and latitude, in a world
// file's order (as OverlayAffine gives it).
struct PlacedOverlay {
    int width = 0;
    int height = 0;
    std::array<double, 6> affine{};
};

// A mosaic of more pixels than this, or a side longer than kMaxMosaicSide, is made coarser
// until it fits: overlays spread far apart would otherwise ask for a pyramid beyond any disk.
inline constexpr long long kMaxMosaicPixels = 20000LL * 20000;
inline constexpr int kMaxMosaicSide = 1 << 16;
// Nor may it hold more than this many pixels for each pixel of its overlays: a tiny overlay
// (a box a hair across) would otherwise set a resolution that spreads the others over
// gigabytes, from a file of a few hundred bytes.
inline constexpr long long kMosaicPixelsPerOverlayPixel = 4;

struct MosaicLayout {
    int width = 0;
    int height = 0;
    std::array<double, 6> affine{}; // the mosaic's pixels to longitude and latitude, north up
    double coarser = 1.0;           // against the finest overlay's resolution (1: as fine)
    // Made coarser because the overlays' own pixels bound it (kMosaicPixelsPerOverlayPixel),
    // not only because of its size.
    bool sparse = false;
};

// The grid holding every overlay at the resolution of the finest (in each direction, no
// overlay pixel is skipped); overlays are first moved by whole turns of longitude to lie
// beside the first, so a document across the antimeridian stays one piece; coarser when that
// grid would be too large. Nothing when there is no overlay or an affine has no area.
std::optional<MosaicLayout> PlanMosaic(std::span<PlacedOverlay> overlays);

// Asked every few rows while a mosaic is filled or drawn; true stops the work, which then
// returns false.
using MosaicCancelled = std::function<bool()>;

// Fills the full-resolution level with white, the colour the view shows beyond a map.
bool FillBlank(MapPyramid& mosaic, const MosaicCancelled& cancelled = {});

// Draws the overlay whose pixels are image's full-resolution level into the mosaic over what
// is there: each mosaic pixel whose centre falls on the overlay takes the nearest overlay pixel
// (as the view draws), so edges land within half a pixel of where the overlay says.
bool DrawOverlay(MapPyramid& mosaic, const std::array<double, 6>& mosaicAffine,
                 const MapPyramid& image, const std::array<double, 6>& overlayAffine,
                 const MosaicCancelled& cancelled = {});

} // namespace map
