#pragma once

#include "map/pyramid/MapPyramid.h"

#include <functional>
#include <span>
#include <vector>

namespace map {

// Cuts a pyramid from its full-resolution rows as they arrive from the top down, holding one
// row of tiles of each level and no more: a row of tiles goes to the sink as soon as it is
// complete and is then reduced into the level below. A map far beyond the memory is cut with a
// few rows of tiles' worth of it. The tiles are those MapPyramid builds from the same rows.
class PyramidStream {
public:
    // Gets each finished row of tiles, level by level in the order they complete (a row of a
    // level always after the rows above it): its tiles left to right, kTilePixels each. False
    // stops the stream.
    using Sink = std::function<bool(int level, int row, std::span<const MapPixel> tiles)>;

    // layout: MapPyramid::Layout of the map, not empty.
    PyramidStream(std::vector<PyramidLevel> layout, Sink sink);

    // Stores row y of level 0 (the level's width in pixels); rows come in order from 0. False
    // once the sink has stopped the stream, or for a row out of order.
    bool StoreRow(int y, const MapPixel* row);
    // Stores blank rows up to the last, so every row of tiles has gone to the sink; false when
    // the sink stopped.
    bool Finish();

private:
    bool Complete(int level, int row);

    std::vector<PyramidLevel> levels_;
    std::vector<std::vector<MapPixel>> bands_; // the row of tiles being filled, per level
    Sink sink_;
    int nextRow_ = 0;
    bool stopped_ = false;
};

} // namespace map
