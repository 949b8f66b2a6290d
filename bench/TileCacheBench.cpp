// The tile cache: opening one of 100 000 tiles (the lock, SQLite's open and its quick check, a
// first tile read) and reading a tile from it.
#include "map/tiles/TileCache.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <string>

namespace {

constexpr int kTiles = 100'000;
constexpr int kSide = 317; // 317 x 317 > 100 000 tiles of zoom 9

// Made once, removed at exit: 400 MB of tiles are not left in the temporary folder.
class BenchCache {
public:
    BenchCache() {
        folder_ = std::filesystem::temp_directory_path() / "quilo-tile-bench-XXXXXX";
        if (::mkdtemp(folder_.data()) == nullptr)
            std::abort();
        path_ = folder_ + "/bench.mbtiles";
        std::string error;
        auto cache = map::TileCache::Open(path_, map::TileCache::kNoLimit, &error);
        if (!cache)
            std::abort();
        // A tile of a few kilobytes, as a PNG of a town is.
        const std::string tile(4000, 'x');
        for (int i = 0; i < kTiles; ++i)
            cache->Put(9, i % kSide, i / kSide, tile, 0);
        cache->Finish();
    }
    ~BenchCache() {
        std::error_code ignored;
        std::filesystem::remove_all(folder_, ignored);
    }
    BenchCache(const BenchCache&) = delete;
    BenchCache& operator=(const BenchCache&) = delete;
    [[nodiscard]] const std::string& Path() const { return path_; }

private:
    std::string folder_;
    std::string path_;
};

const std::string& CachePath() {
    static const BenchCache cache;
    return cache.Path();
}

void BM_OpenCache(benchmark::State& state) {
    const std::string& path = CachePath();
    for (auto _ : state) {
        std::string error;
        auto cache = map::TileCache::Open(path, map::TileCache::kDefaultLimit, &error);
        benchmark::DoNotOptimize(cache->Get(9, 100, 100));
    }
}
BENCHMARK(BM_OpenCache)->Unit(benchmark::kMillisecond);

void BM_ReadTile(benchmark::State& state) {
    std::string error;
    auto cache = map::TileCache::Open(CachePath(), map::TileCache::kDefaultLimit, &error);
    int i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(cache->Get(9, i % kSide, (i / kSide) % kSide));
        i += 7919;
        i %= kTiles;
    }
}
BENCHMARK(BM_ReadTile)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
