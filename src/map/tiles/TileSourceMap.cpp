#include "map/tiles/TileSourceMap.h"

#include "map/pyramid/FetchedTiles.h"
#include "map/tiles/TileCache.h"
#include "map/tiles/TileFetcher.h"
#include "map/tiles/WmtsCapabilities.h"
#include "platform/StateFolder.h"

#include <chrono>
#include <cstring>
#include <ctime>
#include <optional>

namespace map {

namespace {

// After a server was not reached, it is left alone this long: each tile would wait out its
// time-out, and the cache shows what it has meanwhile.
constexpr auto kUnreachablePause = std::chrono::seconds(30);

class SourceReader final : public TileReader {
public:
    SourceReader(TileSourceDef source, std::unique_ptr<TileCache> cache,
                 const TileSourceOptions& options, const TileImageDecoder& decoder)
        : source_(std::move(source)), cache_(std::move(cache)),
          fetcher_(options.userAgent, options.limits), state_(options.state), decoder_(decoder) {}

    bool Read(int level, int column, int row, MapPixel* out) override {
        const int zoom = source_.maxZoom - level;
        std::optional<CachedTile> cached;
        if (cache_)
            cached = cache_->Get(zoom, column, row);
        const bool away = state_->offline || std::chrono::steady_clock::now() < pausedUntil_;
        if (cached && (away || cached->expires > std::time(nullptr)) && Decode(cached->bytes, out))
            return true;
        if (!away) {
            FetchedTile fetched = fetcher_.Get(TileUrl(source_, zoom, column, row));
            if (fetched.status == FetchedTile::Status::Ok) {
                if (Decode(fetched.bytes, out)) {
                    if (cache_)
                        cache_->Put(zoom, column, row, fetched.bytes, fetched.expires);
                    state_->SetProblem(cache_ ? cache_->Note() : std::string());
                    return true;
                }
                state_->SetProblem(source_.name + ": a tile does not decode");
            } else if (fetched.status == FetchedTile::Status::Failed &&
                       fetched.error != "stopped") {
                if (fetched.unreachable)
                    pausedUntil_ = std::chrono::steady_clock::now() + kUnreachablePause;
                state_->SetProblem(source_.name + ": " + fetched.error);
            }
        }
        // The server has nothing better: an old tile beats a blank one.
        return cached && Decode(cached->bytes, out);
    }

    void Stop() override { fetcher_.Stop(); }

private:
    bool Decode(std::string_view bytes, MapPixel* out) {
        std::string ignored;
        return decoder_.Decode(bytes, out, &ignored);
    }

    const TileSourceDef source_;
    std::unique_ptr<TileCache> cache_;
    TileFetcher fetcher_;
    std::shared_ptr<TileSourceState> state_;
    const TileImageDecoder& decoder_;
    std::chrono::steady_clock::time_point pausedUntil_{};
};

} // namespace

std::shared_ptr<TileSourceState> SharedTileState() {
    static const auto state = std::make_shared<TileSourceState>();
    return state;
}

std::string TileCachePath(const std::string& cacheFolder, const TileSourceDef& source) {
    return cacheFolder + "/" + source.id + ".mbtiles";
}

TileSourceMap OpenTileSourceMap(const TileSourceDef& definition, const TileSourceOptions& options,
                                const TileImageDecoder& decoder) {
    TileSourceMap out;
    TileSourceDef source = definition;
    std::unique_ptr<TileCache> cache;
    int err = 0;
    if (options.cacheFolder.empty() || !platform::MakeFolders(options.cacheFolder, &err)) {
        out.note = "no tile cache (" +
                   (options.cacheFolder.empty() ? std::string("no cache folder")
                                                : options.cacheFolder + ": " + std::strerror(err)) +
                   "): tiles are fetched each time";
    } else {
        std::string why;
        cache =
            TileCache::Open(TileCachePath(options.cacheFolder, source), options.cacheLimit, &why);
        out.note =
            cache ? cache->Note() : "no tile cache (" + why + "): tiles are fetched each time";
    }
    if (source.protocol == TileProtocol::Wmts) {
        WmtsResult resolved =
            ResolveWmts(source, options.userAgent, cache.get(), options.state->offline);
        if (!resolved.source) {
            out.error = std::move(resolved.error);
            return out;
        }
        source = std::move(*resolved.source);
    }
    out.attribution = source.attribution;
    out.tiles.zoom = source.maxZoom;
    out.tiles.levels = source.maxZoom - source.minZoom + 1;
    out.tiles.columns = 1 << source.maxZoom;
    out.tiles.rows = 1 << source.maxZoom;
    std::vector<TileLevel> levels;
    for (int index = 0; index < out.tiles.levels; ++index)
        levels.push_back(out.tiles.Level(index));
    out.map = std::make_shared<FetchedTiles>(
        std::move(levels),
        std::make_unique<SourceReader>(std::move(source), std::move(cache), options, decoder));
    return out;
}

} // namespace map
