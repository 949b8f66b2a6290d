#include "map/pyramid/PackedPyramid.h"

#include "map/pyramid/TileCodec.h"

#include <span>

namespace map {

std::shared_ptr<PackedPyramid> PackedPyramid::Over(int width, int height,
                                                   std::shared_ptr<const std::byte[]> packed,
                                                   std::size_t packedBytes,
                                                   std::vector<std::uint64_t> ends,
                                                   std::size_t unpackedTiles) {
    std::vector<PyramidLevel> levels = MapPyramid::Layout(width, height);
    if (levels.empty() || !packed || ends.size() != MapPyramid::StorePixels(levels) / kTilePixels)
        return nullptr;
    std::uint64_t start = 0;
    for (const std::uint64_t end : ends) {
        if (end < start || end > packedBytes)
            return nullptr;
        start = end;
    }
    std::shared_ptr<PackedPyramid> pyramid(new PackedPyramid());
    pyramid->levels_ = std::move(levels);
    pyramid->packed_ = std::move(packed);
    pyramid->ends_ = std::move(ends);
    pyramid->bound_ = unpackedTiles;
    return pyramid;
}

const MapPixel* PackedPyramid::Tile(int level, int column, int row) const {
    const PyramidLevel& l = levels_[static_cast<std::size_t>(level)];
    const std::size_t index =
        l.offset / kTilePixels + static_cast<std::size_t>(row) * l.columns + column;
    const std::scoped_lock lock(mutex_);
    auto found = unpacked_.find(index);
    if (found == unpacked_.end()) {
        auto pixels = std::make_unique_for_overwrite<MapPixel[]>(kTilePixels);
        const std::uint64_t start = index == 0 ? 0 : ends_[index - 1];
        const std::span<const std::byte> bytes(packed_.get() + start, ends_[index] - start);
        if (!UnpackTile(bytes, pixels.get()))
            pixels.reset();
        used_.push_back(index);
        found = unpacked_.emplace(index, Unpacked{std::move(pixels), std::prev(used_.end())}).first;
        Evict();
    } else {
        used_.splice(used_.end(), used_, found->second.used);
    }
    found->second.want = want_;
    return found->second.pixels.get();
}

void PackedPyramid::Want(const std::vector<TileRange>&) {
    const std::scoped_lock lock(mutex_);
    ++want_;
    Evict();
}

std::size_t PackedPyramid::UnpackedTiles() const {
    const std::scoped_lock lock(mutex_);
    return unpacked_.size();
}

void PackedPyramid::Evict() const {
    // Tiles handed out since the last Want must stay valid; they are the most recently used.
    while (unpacked_.size() > bound_) {
        const auto oldest = unpacked_.find(used_.front());
        if (oldest->second.want == want_)
            return;
        used_.pop_front();
        unpacked_.erase(oldest);
    }
}

} // namespace map
