#pragma once

#include "map/pyramid/TiledMap.h"

#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>
#include <unordered_map>
#include <unordered_set>
#include <utility>
#include <vector>

namespace map {

// Reads the tiles of one tile set, one at a time, on the thread that fetches them.
class TileReader {
public:
    virtual ~TileReader() = default;
    // The tile of level (column, row, counted in that level) into out (kTilePixels pixels);
    // false when the tile set has none there, or none that decodes.
    virtual bool Read(int level, int column, int row, MapPixel* out) = 0;
    // From another thread: a Read running ends soon, and none follows.
    virtual void Stop() {}
};

// A tiled map of any size whose tiles are read on demand, on a thread of its own, as the view
// wants them; a bounded number are kept. A tile the reader does not have stays missing, and
// the view draws it from a coarser level. The coarsest level is never dropped.
class FetchedTiles final : public TiledMap {
public:
    // Tiles kept besides those wanted and the coarsest level's.
    static constexpr std::size_t kKeptTiles = 256;

    FetchedTiles(std::vector<TileLevel> levels, std::unique_ptr<TileReader> reader);
    // Stops the reader and waits for its thread.
    ~FetchedTiles() override;
    FetchedTiles(const FetchedTiles&) = delete;
    FetchedTiles& operator=(const FetchedTiles&) = delete;

    [[nodiscard]] int LevelCount() const override { return static_cast<int>(levels_.size()); }
    [[nodiscard]] const TileLevel& Level(int index) const override { return levels_[index]; }
    [[nodiscard]] const MapPixel* Tile(int level, int column, int row) const override;
    [[nodiscard]] bool OnDemand() const override { return true; }
    // Call from one thread at a time (the view's), as Tile.
    void Want(const std::vector<TileRange>& ranges) override;
    void WaitForWanted() override;
    void OnArrival(std::function<void()> arrived) override;

private:
    using Key = std::uint64_t;
    static Key KeyOf(int level, int column, int row);
    void Fetch();

    const std::vector<TileLevel> levels_;
    const std::unique_ptr<TileReader> reader_;

    // Shared with the fetching thread.
    std::mutex mutex_;
    std::condition_variable wake_;
    std::condition_variable idle_;
    std::deque<Key> queue_;
    std::vector<std::pair<Key, std::unique_ptr<MapPixel[]>>> arrivedTiles_;
    std::unordered_set<Key> missing_;
    std::optional<Key> reading_;
    std::function<void()> arrived_;
    bool told_ = false;
    bool stop_ = false;

    // The view's thread only: the tiles that show, and the Want that last asked for each.
    struct Shown {
        std::unique_ptr<MapPixel[]> pixels;
        std::uint64_t wanted = 0;
    };
    std::unordered_map<Key, Shown> shown_;
    std::uint64_t wants_ = 0;

    std::thread thread_; // last: started once everything above is
};

} // namespace map
