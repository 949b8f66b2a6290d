#include "map/pyramid/PyramidStream.h"

#include <algorithm>
#include <chrono>
#include <cstring>
#include <system_error>

namespace map {

namespace {

constexpr int kTile = TiledMap::kTileSize;
constexpr std::size_t kTilePixels = TiledMap::kTilePixels;

} // namespace

PyramidStream::PyramidStream(std::vector<PyramidLevel> layout, Sink sink)
    : levels_(std::move(layout)), sink_(std::move(sink)) {
    for (const PyramidLevel& level : levels_)
        bands_.emplace_back(static_cast<std::size_t>(level.columns) * kTilePixels, 0);
    finished_.assign(bands_[0].size(), 0);
}

bool PyramidStream::StoreRow(int y, const MapPixel* row) {
    using namespace std::chrono_literals;
    // A sink that stopped is heard of at once, not a row of tiles later.
    if (finishing_.valid() && finishing_.wait_for(0s) == std::future_status::ready)
        Settle();
    if (stopped_ || y != nextRow_ || y >= levels_[0].height)
        return false;
    const int width = levels_[0].width;
    MapPixel* band = bands_[0].data() + static_cast<std::size_t>(y % kTile) * kTile;
    for (int x = 0; x < width; x += kTile)
        std::memcpy(band + static_cast<std::size_t>(x / kTile) * kTilePixels, row + x,
                    static_cast<std::size_t>(std::min(kTile, width - x)) * sizeof(MapPixel));
    ++nextRow_;
    if (nextRow_ % kTile != 0 && nextRow_ != levels_[0].height)
        return true;
    if (!Settle())
        return false;
    // The band just filled is handed on; the one handed on before, blank again, fills next.
    std::swap(bands_[0], finished_);
    const int tiles = y / kTile;
    try {
        finishing_ =
            std::async(std::launch::async, [this, tiles] { return Complete(0, tiles, finished_); });
    } catch (const std::system_error&) {
        // No thread to be had (a process at its limit): the row is finished here instead.
        if (!Complete(0, tiles, finished_))
            stopped_ = true;
    }
    return !stopped_;
}

bool PyramidStream::Finish() {
    const std::vector<MapPixel> blank(static_cast<std::size_t>(levels_[0].width), 0);
    while (!stopped_ && nextRow_ < levels_[0].height)
        StoreRow(nextRow_, blank.data());
    return Settle();
}

bool PyramidStream::Settle() {
    if (finishing_.valid() && !finishing_.get())
        stopped_ = true;
    return !stopped_;
}

bool PyramidStream::Complete(int level, int row, std::vector<MapPixel>& band) {
    if (!sink_(level, row, band))
        return false;
    const PyramidLevel& l = levels_[static_cast<std::size_t>(level)];
    const bool last = level + 1 == static_cast<int>(levels_.size());
    if (!last) {
        MapPixel* below = bands_[static_cast<std::size_t>(level) + 1].data();
        const int ph = std::min(kTile, l.height - row * kTile);
        for (int column = 0; column < l.columns; ++column)
            ReduceIntoQuarter(band.data() + static_cast<std::size_t>(column) * kTilePixels,
                              std::min(kTile, l.width - column * kTile), ph,
                              below + static_cast<std::size_t>(column / 2) * kTilePixels,
                              column % 2 + 2 * (row % 2));
    }
    // Padding stays blank, as in a pyramid built whole.
    std::fill(band.begin(), band.end(), 0);
    if (!last && (row % 2 == 1 || row + 1 == l.rows))
        return Complete(level + 1, row / 2, bands_[static_cast<std::size_t>(level) + 1]);
    return true;
}

} // namespace map
