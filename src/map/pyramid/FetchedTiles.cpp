#include "map/pyramid/FetchedTiles.h"

#include <algorithm>

namespace map {

namespace {

// A view wants about a hundred tiles; a request beyond this is cut short.
constexpr std::size_t kMostWanted = 4096;
// Tiles known to be missing, remembered so they are not read again; forgotten past this.
constexpr std::size_t kMostMissing = 1 << 17;

} // namespace

FetchedTiles::FetchedTiles(std::vector<TileLevel> levels, std::unique_ptr<TileReader> reader)
    : levels_(std::move(levels)), reader_(std::move(reader)), thread_([this] { Fetch(); }) {}

FetchedTiles::~FetchedTiles() {
    {
        const std::lock_guard lock(mutex_);
        stop_ = true;
        arrived_ = nullptr;
    }
    reader_->Stop();
    wake_.notify_all();
    idle_.notify_all();
    thread_.join();
}

FetchedTiles::Key FetchedTiles::KeyOf(int level, int column, int row) {
    return static_cast<Key>(level) << 58 | static_cast<Key>(column & 0x1FFFFFFF) << 29 |
           static_cast<Key>(row & 0x1FFFFFFF);
}

const MapPixel* FetchedTiles::Tile(int level, int column, int row) const {
    const auto it = shown_.find(KeyOf(level, column, row));
    return it == shown_.end() ? nullptr : it->second.pixels.get();
}

void FetchedTiles::Want(const std::vector<TileRange>& ranges) {
    const std::uint64_t now = ++wants_;
    const int coarsest = LevelCount() - 1;
    {
        const std::lock_guard lock(mutex_);
        for (auto& [key, pixels] : arrivedTiles_)
            shown_[key] = Shown{std::move(pixels), now};
        arrivedTiles_.clear();
        told_ = false;
        queue_.clear();
        for (const TileRange& range : ranges) {
            if (range.level < 0 || range.level > coarsest)
                continue;
            const TileLevel& level = levels_[static_cast<std::size_t>(range.level)];
            for (int row = std::max(range.firstRow, 0); row < std::min(range.endRow, level.rows);
                 ++row) {
                for (int column = std::max(range.firstColumn, 0);
                     column < std::min(range.endColumn, level.columns) &&
                     queue_.size() < kMostWanted;
                     ++column) {
                    const Key key = KeyOf(range.level, column, row);
                    if (const auto it = shown_.find(key); it != shown_.end())
                        it->second.wanted = now;
                    else if (!missing_.contains(key) && reading_ != key)
                        queue_.push_back(key);
                }
            }
        }
    }
    wake_.notify_one();
    if (shown_.size() <= kKeptTiles)
        return;
    // Those wanted longest ago go first; what this call wants and the coarsest level stay.
    std::vector<std::pair<std::uint64_t, Key>> old;
    for (const auto& [key, tile] : shown_)
        if (tile.wanted != now && static_cast<int>(key >> 58) != coarsest)
            old.emplace_back(tile.wanted, key);
    std::sort(old.begin(), old.end());
    for (std::size_t i = 0; i < old.size() && shown_.size() > kKeptTiles; ++i)
        shown_.erase(old[i].second);
}

void FetchedTiles::WaitForWanted() {
    std::unique_lock lock(mutex_);
    idle_.wait(lock, [this] { return stop_ || (queue_.empty() && !reading_); });
}

void FetchedTiles::OnArrival(std::function<void()> arrived) {
    const std::lock_guard lock(mutex_);
    arrived_ = std::move(arrived);
}

void FetchedTiles::Fetch() {
    std::unique_lock lock(mutex_);
    for (;;) {
        wake_.wait(lock, [this] { return stop_ || !queue_.empty(); });
        if (stop_)
            return;
        const Key key = queue_.front();
        queue_.pop_front();
        reading_ = key;
        lock.unlock();
        auto pixels = std::make_unique_for_overwrite<MapPixel[]>(kTilePixels);
        const bool read =
            reader_->Read(static_cast<int>(key >> 58), static_cast<int>(key >> 29 & 0x1FFFFFFF),
                          static_cast<int>(key & 0x1FFFFFFF), pixels.get());
        lock.lock();
        reading_.reset();
        if (read) {
            arrivedTiles_.emplace_back(key, std::move(pixels));
            // Told under the lock, so that a view that stops listening is never told after.
            if (!told_ && arrived_) {
                told_ = true;
                arrived_();
            }
        } else if (!stop_) {
            if (missing_.size() >= kMostMissing)
                missing_.clear();
            missing_.insert(key);
        }
        if (queue_.empty())
            idle_.notify_all();
    }
}

} // namespace map
