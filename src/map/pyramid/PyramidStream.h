#pragma once

#include "map/pyramid/MapPyramid.h"

#include <functional>
#include <future>
#include <span>
#include <vector>

namespace map {

// Cuts a pyramid from its full-resolution rows as they arrive from the top down, holding one
// row of tiles of each level and no more: a row of tiles goes to the sink as soon as it is
// complete and is then reduced into the level below. A map far beyond the memory is cut with a
// few rows of tiles' worth of it. The tiles are those MapPyramid builds from the same rows.
// A finished row of tiles of level 0 is handed on, reduced and packed on a thread of the
// stream's own while the caller fills the next: decoding and packing take two cores.
class PyramidStream {
public:
    // Gets each finished row of tiles, level by level in the order they complete (a row of a
    // level always after the rows above it): its tiles left to right, kTilePixels each. False
    // stops the stream. Called from the stream's thread, one call at a time.
    using Sink = std::function<bool(int level, int row, std::span<const MapPixel> tiles)>;

    // layout: MapPyramid::Layout of the map, not empty.
    PyramidStream(std::vector<PyramidLevel> layout, Sink sink);

    // Stores row y of level 0 (the level's width in pixels); rows come in order from 0. False
    // once the sink has stopped the stream (told by the next row of tiles at the latest), or
    // for a row out of order.
    bool StoreRow(int y, const MapPixel* row);
    // Stores blank rows up to the last and waits until every row of tiles has gone to the
    // sink; false when the sink stopped.
    bool Finish();

private:
    // The stream's thread: band is level 0's row of tiles, or the level's own below it.
    bool Complete(int level, int row, std::vector<MapPixel>& band);
    // Waits for the row of tiles being finished; false once the sink has stopped.
    bool Settle();

    std::vector<PyramidLevel> levels_;
    std::vector<std::vector<MapPixel>> bands_; // the row of tiles being filled, per level
    std::vector<MapPixel> finished_;           // level 0's last row of tiles, being handed on
    Sink sink_;
    int nextRow_ = 0;
    bool stopped_ = false;
    std::future<bool> finishing_; // last: waited for before the rest goes
};

} // namespace map
