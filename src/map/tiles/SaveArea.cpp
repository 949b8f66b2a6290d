#include "map/tiles/SaveArea.h"

#include "base/Number.h"
#include "map/pyramid/WebMercator.h"
#include "map/tiles/TileCache.h"
#include "map/tiles/TileFetcher.h"
#include "map/tiles/TileSourceMap.h"

#include <algorithm>
#include <cmath>
#include <ctime>
#include <filesystem>
#include <numbers>
#include <unordered_set>

namespace map {

namespace {

// A guess of a tile's bytes when the cache has too few to tell.
constexpr long long kGuessedPngBytes = 25'000;
constexpr long long kGuessedJpgBytes = 15'000;
constexpr double kKmPerDegree = 111.32;

struct Box {
    int firstColumn, firstRow, lastColumn, lastRow;
};

Box BoxAt(double south, double west, double north, double east, int zoom) {
    return {MercatorColumn(west, zoom), MercatorRow(std::min(north, kMercatorMaxLatitude), zoom),
            MercatorColumn(east, zoom, true),
            MercatorRow(std::max(south, -kMercatorMaxLatitude), zoom, true)};
}

} // namespace

AreaTiles ListAreaTiles(const TileArea& area) {
    AreaTiles out;
    if (area.minZoom < 0 || area.minZoom > area.maxZoom || area.maxZoom > kMostTileZoom) {
        out.error = "the zooms must run from 0 to 22, the first no more than the last";
        return out;
    }
    if (area.along.empty()) {
        if (!(area.south >= -90 && area.south < area.north && area.north <= 90 &&
              area.west >= -180 && area.west < area.east && area.east <= 180)) {
            out.error = "the box must have S < N within -90..90 and W < E within -180..180";
            return out;
        }
        long long count = 0;
        for (int z = area.minZoom; z <= area.maxZoom; ++z) {
            const Box b = BoxAt(area.south, area.west, area.north, area.east, z);
            count += static_cast<long long>(b.lastColumn - b.firstColumn + 1) *
                     (b.lastRow - b.firstRow + 1);
            if (count > kMostAreaTiles) {
                out.error = "the area holds more than " + std::to_string(kMostAreaTiles) +
                            " tiles; choose a smaller box or fewer zooms";
                return out;
            }
        }
        out.tiles.reserve(static_cast<std::size_t>(count));
        for (int z = area.minZoom; z <= area.maxZoom; ++z) {
            const Box b = BoxAt(area.south, area.west, area.north, area.east, z);
            for (int row = b.firstRow; row <= b.lastRow; ++row)
                for (int column = b.firstColumn; column <= b.lastColumn; ++column)
                    out.tiles.push_back({z, column, row});
        }
        return out;
    }
    if (!(area.km > 0 && area.km <= 100)) {
        out.error = "the corridor's width must be more than 0 and at most 100 km";
        return out;
    }
    // Points no further apart than half the corridor, so the boxes around them join up.
    std::vector<MapPos> points;
    const double step = area.km / 2 / kKmPerDegree;
    for (const auto& line : area.along) {
        for (std::size_t i = 0; i < line.size(); ++i) {
            points.push_back(line[i]);
            if (i + 1 == line.size())
                continue;
            const MapPos& a = line[i];
            const MapPos& b = line[i + 1];
            const double degrees =
                std::hypot(b.y - a.y, (b.x - a.x) * std::cos(a.y * std::numbers::pi / 180));
            const int parts = static_cast<int>(std::min(std::ceil(degrees / step), 1e5));
            for (int k = 1; k < parts; ++k)
                points.emplace_back(a.x + (b.x - a.x) * k / parts, a.y + (b.y - a.y) * k / parts);
            if (points.size() > static_cast<std::size_t>(kMostAreaTiles)) {
                out.error = "the track is too long for a corridor this narrow";
                return out;
            }
        }
    }
    for (int z = area.minZoom; z <= area.maxZoom; ++z) {
        std::unordered_set<std::uint64_t> seen;
        std::vector<std::uint64_t> ordered;
        for (const MapPos& p : points) {
            const double dLat = area.km / kKmPerDegree;
            const double dLon =
                area.km / (kKmPerDegree * std::max(std::cos(p.y * std::numbers::pi / 180), 0.01));
            const Box b = BoxAt(std::max(p.y - dLat, -90.0), std::max(p.x - dLon, -180.0),
                                std::min(p.y + dLat, 90.0), std::min(p.x + dLon, 180.0), z);
            for (int row = b.firstRow; row <= b.lastRow; ++row)
                for (int column = b.firstColumn; column <= b.lastColumn; ++column) {
                    const std::uint64_t key =
                        static_cast<std::uint64_t>(row) << 32 | static_cast<std::uint32_t>(column);
                    if (seen.insert(key).second)
                        ordered.push_back(key);
                }
            if (out.tiles.size() + ordered.size() > static_cast<std::size_t>(kMostAreaTiles)) {
                out.error = "the corridor holds more than " + std::to_string(kMostAreaTiles) +
                            " tiles; choose a narrower one or fewer zooms";
                out.tiles.clear();
                return out;
            }
        }
        std::sort(ordered.begin(), ordered.end());
        for (const std::uint64_t key : ordered)
            out.tiles.push_back(
                {z, static_cast<int>(key & 0xFFFFFFFFu), static_cast<int>(key >> 32)});
    }
    return out;
}

SaveResult SaveArea(const TileSourceDef& source, const TileArea& area, const std::string& path,
                    const SaveOptions& options) {
    SaveResult out;
    if (source.protocol == TileProtocol::Wmts && source.matrices.empty()) {
        out.error = "a WMTS source is saved once its capabilities are read";
        return out;
    }
    AreaTiles listed = ListAreaTiles(area);
    if (!listed.error.empty()) {
        out.error = std::move(listed.error);
        return out;
    }
    out.total = static_cast<long long>(listed.tiles.size());
    if (area.maxZoom > source.maxZoom || area.minZoom < source.minZoom) {
        out.error = source.name + " has zooms " + std::to_string(source.minZoom) + "-" +
                    std::to_string(source.maxZoom) + " only";
        return out;
    }
    std::unique_ptr<TileCache> cache;
    if (!options.cacheFolder.empty()) {
        std::string ignored;
        std::error_code ec;
        const std::string cachePath = TileCachePath(options.cacheFolder, source);
        if (std::filesystem::exists(cachePath, ec))
            cache = TileCache::Open(cachePath, TileCache::kDefaultLimit, &ignored);
    }
    if (options.dryRun) {
        long long each = source.format == "jpg" ? kGuessedJpgBytes : kGuessedPngBytes;
        if (cache != nullptr && cache->Count() >= 16)
            each = cache->UsedBytes() / cache->Count();
        out.estimatedBytes = each * out.total;
        out.ok = true;
        return out;
    }
    if (std::string refusal = BulkRefusal(source, out.total, area.maxZoom); !refusal.empty()) {
        out.error = std::move(refusal);
        return out;
    }
    std::string why;
    std::unique_ptr<TileCache> file = TileCache::Open(path, TileCache::kNoLimit, &why);
    if (!file) {
        out.error = std::move(why);
        return out;
    }
    if (file->ReadOnly()) {
        out.error = path + ": another program is saving into this file";
        return out;
    }
    if (const auto name = file->Metadata("quilo-source"); name && *name != source.id) {
        out.error = path + ": holds the tiles of another source (" + *name + ")";
        return out;
    }
    const auto degrees = [](double value) { return base::FormatShortest(value); };
    double south = area.south, west = area.west, north = area.north, east = area.east;
    if (!area.along.empty()) {
        south = 90, west = 180, north = -90, east = -180;
        const int z = area.maxZoom;
        for (const auto& t : listed.tiles) {
            if (t.zoom != z)
                continue;
            west = std::min(west, MercatorLongitude(t.column, z));
            east = std::max(east, MercatorLongitude(t.column + 1, z));
            north = std::max(north, MercatorLatitude(t.row, z));
            south = std::min(south, MercatorLatitude(t.row + 1, z));
        }
    }
    const bool metadata =
        file->SetMetadata("quilo-source", source.id) && file->SetMetadata("name", source.name) &&
        file->SetMetadata("format", source.format) && file->SetMetadata("type", "baselayer") &&
        file->SetMetadata("version", "1.0") &&
        file->SetMetadata(
            "bounds", degrees(west) + "," + degrees(std::max(south, -kMercatorMaxLatitude)) + "," +
                          degrees(east) + "," + degrees(std::min(north, kMercatorMaxLatitude))) &&
        file->SetMetadata("minzoom", std::to_string(area.minZoom)) &&
        file->SetMetadata("maxzoom", std::to_string(area.maxZoom)) &&
        file->SetMetadata("attribution", source.attribution);
    if (!metadata) {
        out.error = path + ": cannot be written";
        return out;
    }
    TileFetcher fetcher(options.userAgent, options.limits);
    SaveProgress progress{0, out.total};
    const std::int64_t now = std::time(nullptr);
    for (const auto& t : listed.tiles) {
        ++progress.done;
        if (file->Has(t.zoom, t.column, t.row)) {
            ++out.kept;
        } else {
            std::optional<CachedTile> cached;
            if (cache != nullptr)
                cached = cache->Get(t.zoom, t.column, t.row);
            std::string bytes;
            std::int64_t expires = 0;
            if (cached && cached->expires > now) {
                bytes = std::move(cached->bytes);
                expires = cached->expires;
            } else {
                FetchedTile fetched = fetcher.Get(TileUrl(source, t.zoom, t.column, t.row));
                if (fetched.status == FetchedTile::Status::Ok) {
                    bytes = std::move(fetched.bytes);
                    expires = fetched.expires;
                } else if (cached) {
                    bytes = std::move(cached->bytes);
                    expires = cached->expires;
                } else if (fetched.status == FetchedTile::Status::Missing) {
                    ++out.missing;
                } else {
                    ++out.failed;
                    out.lastFailure = fetched.error;
                }
            }
            if (!bytes.empty()) {
                if (!file->Put(t.zoom, t.column, t.row, bytes, expires)) {
                    out.error = path + ": cannot be written (is the disk full?)";
                    return out;
                }
                ++out.fetched;
            }
        }
        if (options.progress && !options.progress(progress)) {
            out.cancelled = true;
            break;
        }
    }
    file->Finish();
    file.reset();
    // The lock only kept a second save out while this one wrote.
    std::error_code ec;
    std::filesystem::remove(path + ".lock", ec);
    out.ok = true;
    return out;
}

} // namespace map
