#pragma once

#include "map/pyramid/TiledMap.h"
#include "map/pyramid/WebMercator.h"
#include "map/tiles/TileFetcher.h"
#include "map/tiles/TileSource.h"

#include <atomic>
#include <cstdint>
#include <memory>
#include <mutex>
#include <string>

namespace map {

// What the window and a save share with a source's reader while it runs.
class TileSourceState {
public:
    // Work Offline: no request is sent; every cached tile shows, however old.
    std::atomic<bool> offline{false};
    // The bytes each source's cache may take (TileCache::kNoLimit for no limit), for the caches
    // opened from now on.
    std::atomic<std::int64_t> cacheLimit{std::int64_t{2} << 30};
    // The last problem met ("" once a tile came through again), for the status line.
    [[nodiscard]] std::string Problem() const {
        const std::lock_guard lock(mutex_);
        return problem_;
    }
    void SetProblem(std::string problem) {
        const std::lock_guard lock(mutex_);
        problem_ = std::move(problem);
    }

private:
    mutable std::mutex mutex_;
    std::string problem_;
};

// The one state of this process's tile sources: Work Offline holds for all of them.
std::shared_ptr<TileSourceState> SharedTileState();

struct TileSourceOptions {
    std::string userAgent;   // "QUILO/<version>"
    std::string cacheFolder; // TileCacheFolder() unless a test says otherwise
    std::int64_t cacheLimit = std::int64_t{2} << 30;
    FetchLimits limits;
    std::shared_ptr<TileSourceState> state = SharedTileState();
};

struct TileSourceMap {
    std::shared_ptr<TiledMap> map; // null after a failure
    WebMercatorTiles tiles;        // the whole world at the source's finest zoom
    std::string error;
    std::string note; // of the cache, when it has something to say
    std::string attribution;
};

// The source as a map of the whole world in Web Mercator, from its finest zoom (level 0) to its
// coarsest, whose tiles come from the cache first and the server after, on the map's own
// thread. A stale tile is asked for again and shown when the server cannot be had; offline, or
// when the server is not reached, every cached tile shows. decoder must outlive the map. A WMTS
// source's capabilities are read here (kept in the cache for when the server is away), so call
// this off the window's thread.
TileSourceMap OpenTileSourceMap(const TileSourceDef& source, const TileSourceOptions& options,
                                const TileImageDecoder& decoder);

// The cache file of a source.
std::string TileCachePath(const std::string& cacheFolder, const TileSourceDef& source);

} // namespace map
