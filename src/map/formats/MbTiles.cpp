#include "map/formats/MbTiles.h"

#include "map/formats/MapSource.h"
#include "map/pyramid/PyramidBands.h"

#include <sqlite3.h>

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <chrono>
#include <cmath>
#include <numbers>
#include <vector>

namespace map {

namespace {

constexpr int kTile = MapPyramid::kTileSize;
constexpr int kMaxZoom = 30;
// How many zooms a missing tile is looked for above (enlarged) or below (reduced) its own.
constexpr int kMaxOverZoom = 8;
constexpr int kMaxUnderZoom = 2;
constexpr double kMercatorHalf = 20037508.342789244; // metres from 0 to the edge
constexpr double kMaxLatitude = 85.0511287798066;

// Every query is bounded: a tiles table or metadata that is a view may be a query without end
// (a recursive one), and reading the file must neither hang nor keep a core busy. Rows that are
// really there take room in the file, while a view makes rows out of nothing, so the steps a
// query may take grow with the file; a time limit bounds the rest, and the caller's cancel
// stops any query at once.
constexpr long long kBaseQuerySteps = 10'000'000;
constexpr long long kQueryStepsPerByte = 16;
constexpr int kStepsPerCheck = 1000;
constexpr std::chrono::seconds kMaxQueryTime{10};

class Database {
public:
    explicit Database(std::function<bool()> cancelled = {}) : cancelled_(std::move(cancelled)) {}
    ~Database() { sqlite3_close(db_); }
    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;

    // Read-only and immutable: no lock, no journal, nothing written beside the file.
    bool Open(const std::string& path, std::string* error) {
        std::string uri = "file:";
        for (const char c : path) {
            if (c == '%' || c == '?' || c == '#') {
                const char hex[] = "0123456789ABCDEF";
                uri += '%';
                uri += hex[static_cast<unsigned char>(c) >> 4];
                uri += hex[static_cast<unsigned char>(c) & 15];
            } else {
                uri += c;
            }
        }
        uri += "?immutable=1";
        if (sqlite3_open_v2(uri.c_str(), &db_, SQLITE_OPEN_READONLY | SQLITE_OPEN_URI, nullptr) !=
            SQLITE_OK) {
            *error = Reason();
            return false;
        }
        struct stat st {};
        const long long bytes = ::stat(path.c_str(), &st) == 0 ? st.st_size : 0;
        stepBudget_ = kBaseQuerySteps + kQueryStepsPerByte * std::min(bytes, 1LL << 40);
        sqlite3_progress_handler(db_, kStepsPerCheck, &Database::Check, this);
        return true;
    }
    std::string Reason() const {
        if (stop_ == Stop::TooLong)
            return "reading its tables does not end in reasonable time";
        return db_ == nullptr ? "not enough memory" : std::string(sqlite3_errmsg(db_));
    }
    sqlite3* Get() const { return db_; }

    // Each query has its own bound, counted from its first step.
    void StartQuery() {
        if (stop_ == Stop::TooLong)
            stop_ = Stop::None;
        steps_ = 0;
        deadline_ = std::chrono::steady_clock::now() + kMaxQueryTime;
    }
    // The caller cancelled: the result is then empty, with no error.
    [[nodiscard]] bool Cancelled() const { return stop_ == Stop::Cancelled; }

private:
    enum class Stop { None, TooLong, Cancelled };

    // Non-zero interrupts the query running.
    static int Check(void* self) {
        Database& db = *static_cast<Database*>(self);
        if (db.stop_ == Stop::None && db.cancelled_ && db.cancelled_())
            db.stop_ = Stop::Cancelled;
        db.steps_ += kStepsPerCheck;
        if (db.stop_ == Stop::None &&
            (db.steps_ > db.stepBudget_ || std::chrono::steady_clock::now() > db.deadline_))
            db.stop_ = Stop::TooLong;
        return db.stop_ != Stop::None ? 1 : 0;
    }

    sqlite3* db_ = nullptr;
    std::function<bool()> cancelled_;
    long long stepBudget_ = kBaseQuerySteps;
    long long steps_ = 0;
    std::chrono::steady_clock::time_point deadline_ = std::chrono::steady_clock::now();
    Stop stop_ = Stop::None;
};

class Statement {
public:
    Statement(Database& db, const char* sql) : db_(db) {
        if (sqlite3_prepare_v2(db.Get(), sql, -1, &statement_, nullptr) != SQLITE_OK)
            statement_ = nullptr;
    }
    ~Statement() { sqlite3_finalize(statement_); }
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;
    [[nodiscard]] bool Ok() const { return statement_ != nullptr; }
    // A row came; false at the end or after an error (Failed then says so).
    bool Step() {
        if (!statement_)
            return false;
        if (!started_)
            db_.StartQuery();
        started_ = true;
        const int result = sqlite3_step(statement_);
        failed_ = result != SQLITE_ROW && result != SQLITE_DONE;
        return result == SQLITE_ROW;
    }
    [[nodiscard]] bool Failed() const { return !statement_ || failed_; }
    void Reset(std::initializer_list<int> values) {
        sqlite3_reset(statement_);
        started_ = false;
        int index = 1;
        for (const int value : values)
            sqlite3_bind_int(statement_, index++, value);
    }
    [[nodiscard]] bool IsNull(int column) const {
        return sqlite3_column_type(statement_, column) == SQLITE_NULL;
    }
    // Clamped to what the tile numbers of zoom 30 need, whatever the file holds.
    [[nodiscard]] int Int(int column) const {
        return static_cast<int>(std::clamp<sqlite3_int64>(sqlite3_column_int64(statement_, column),
                                                          -(1LL << 30), 1LL << 30));
    }
    [[nodiscard]] std::string_view Bytes(int column) const {
        const void* data = sqlite3_column_blob(statement_, column);
        const int size = sqlite3_column_bytes(statement_, column);
        return data == nullptr ? std::string_view()
                               : std::string_view(static_cast<const char*>(data),
                                                  static_cast<std::size_t>(size));
    }
    [[nodiscard]] std::string Reason() const { return db_.Reason(); }

private:
    Database& db_;
    sqlite3_stmt* statement_ = nullptr;
    bool failed_ = false;
    bool started_ = false;
};

// "w,s,e,n" in degrees, west of east, within Web Mercator's latitudes once clamped.
std::optional<std::array<double, 4>> ParseBounds(std::string_view text) {
    std::array<double, 4> b{};
    for (std::size_t i = 0; i < 4; ++i) {
        while (!text.empty() && text.front() == ' ')
            text.remove_prefix(1);
        const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), b[i]);
        if (ec != std::errc() || !std::isfinite(b[i]))
            return std::nullopt;
        text.remove_prefix(static_cast<std::size_t>(end - text.data()));
        while (!text.empty() && text.front() == ' ')
            text.remove_prefix(1);
        if (i < 3) {
            if (text.empty() || text.front() != ',')
                return std::nullopt;
            text.remove_prefix(1);
        }
    }
    b[1] = std::max(b[1], -kMaxLatitude);
    b[3] = std::min(b[3], kMaxLatitude);
    if (!text.empty() || !(b[0] >= -180 && b[0] < b[2] && b[2] <= 180 && b[1] < b[3]))
        return std::nullopt;
    return b;
}

// The tile that holds a west or north edge (first), or an east or south one (last: an edge on
// a tile boundary belongs to the tile before it). A hair of tolerance keeps an edge computed
// from a tile's own corner on that tile.
int Tile(double fraction, int zoom, bool last) {
    const double n = std::ldexp(1.0, zoom);
    const double at = fraction * n;
    const double tile = last ? std::ceil(at - 1e-6) - 1 : std::floor(at + 1e-6);
    return static_cast<int>(std::clamp(tile, 0.0, n - 1));
}

int Column(double lon, int zoom, bool last = false) {
    return Tile((lon + 180.0) / 360.0, zoom, last);
}

int Row(double lat, int zoom, bool last = false) {
    const double phi = lat * std::numbers::pi / 180.0;
    return Tile((1.0 - std::asinh(std::tan(phi)) / std::numbers::pi) / 2.0, zoom, last);
}

double Longitude(int column, int zoom) {
    return column / std::ldexp(1.0, zoom) * 360.0 - 180.0;
}

double Latitude(int row, int zoom) {
    const double y = std::numbers::pi * (1.0 - 2.0 * row / std::ldexp(1.0, zoom));
    return std::atan(std::sinh(y)) * 180.0 / std::numbers::pi;
}

} // namespace

bool IsMbTilesFile(int fd) {
    char head[16];
    ssize_t got = 0;
    do {
        got = ::pread(fd, head, sizeof head, 0);
    } while (got < 0 && errno == EINTR);
    return got == sizeof head &&
           std::string_view(head, sizeof head) == std::string_view("SQLite format 3\0", 16);
}

std::array<double, 6> MbTilesInfo::WorldFile() const {
    const double resolution = 2.0 * kMercatorHalf / (std::ldexp(1.0, zoom) * kTile);
    const double west = -kMercatorHalf + static_cast<double>(firstColumn) * kTile * resolution;
    const double north = kMercatorHalf - static_cast<double>(firstRow) * kTile * resolution;
    return {resolution, 0.0, 0.0, -resolution, west + resolution / 2, north - resolution / 2};
}

MbTilesInfoResult ReadMbTilesInfo(const std::string& path, const std::function<bool()>& cancelled) {
    MbTilesInfoResult out;
    Database db(cancelled);
    if (!db.Open(path, &out.error))
        return out;
    // Stopped by the caller: no info and no error.
    const auto failed = [&](std::string why) {
        if (!db.Cancelled())
            out.error = std::move(why);
        return out;
    };
    MbTilesInfo info;
    std::optional<std::array<double, 4>> bounds;
    {
        Statement metadata(db, "SELECT name, value FROM metadata");
        while (metadata.Step()) {
            const std::string_view name = metadata.Bytes(0);
            const std::string_view value = metadata.Bytes(1);
            if (name == "name")
                info.name = std::string(value.substr(0, 200));
            else if (name == "format")
                info.format = std::string(value.substr(0, 20));
            else if (name == "bounds")
                bounds = ParseBounds(value);
        }
        // A metadata table may be missing; one that cannot be read through is not.
        if (metadata.Ok() && metadata.Failed())
            return failed("it is not a readable MBTiles file (" + db.Reason() + ")");
    }
    if (info.format == "pbf" || info.format == "mvt") {
        out.error = "it holds vector tiles, which this program cannot draw; only tile sets of "
                    "pictures (PNG, JPEG, WebP) open";
        return out;
    }
    // The zooms come from the tiles: the metadata's may be missing or wrong.
    Statement zooms(db, "SELECT MIN(zoom_level), MAX(zoom_level) FROM tiles");
    if (!zooms.Step())
        return failed(zooms.Ok() && !zooms.Failed()
                          ? "it has no tiles"
                          : "it is not a readable MBTiles file (" + db.Reason() + ")");
    if (zooms.IsNull(0)) {
        out.error = "it has no tiles";
        return out;
    }
    info.minZoom = std::clamp(zooms.Int(0), 0, kMaxZoom);
    info.maxZoom = std::clamp(zooms.Int(1), info.minZoom, kMaxZoom);
    // Without usable bounds, those of the most detailed tiles.
    Statement extent(db, "SELECT MIN(tile_column), MAX(tile_column), MIN(tile_row), "
                         "MAX(tile_row) FROM tiles WHERE zoom_level = ?");
    extent.Reset({info.maxZoom});
    if (!extent.Step() || extent.IsNull(0))
        return failed("its tiles cannot be read (" + db.Reason() + ")");
    // A map holds no more tiles than a few for each the file has: a file of two tiles far
    // apart, or at zooms far apart, is not shown as a map of thousands of empty ones.
    static_assert((kMaxMbTilesSide / kTile) * (kMaxMbTilesSide / kTile) == 4096);
    Statement count(db, "SELECT COUNT(*) FROM (SELECT 1 FROM tiles LIMIT 4096)");
    if (!count.Step())
        return failed("its tiles cannot be read (" + db.Reason() + ")");
    const long long mostShown =
        std::max(1LL, kMbTilesShownPerTile * static_cast<long long>(count.Int(0)));
    const int n = static_cast<int>(std::min(1LL << info.maxZoom, 1LL << 30));
    const int west = std::clamp(extent.Int(0), 0, n - 1);
    const int east = std::clamp(extent.Int(1), west, n - 1);
    // TMS rows count from the south.
    const int north = std::clamp(n - 1 - extent.Int(3), 0, n - 1);
    const int south = std::clamp(n - 1 - extent.Int(2), north, n - 1);
    const std::array<double, 4> tileBounds{
        Longitude(west, info.maxZoom), Latitude(south + 1, info.maxZoom),
        Longitude(east + 1, info.maxZoom), Latitude(north, info.maxZoom)};
    // Bounds that miss the tiles altogether are wrong.
    if (!bounds || (*bounds)[2] <= tileBounds[0] || (*bounds)[0] >= tileBounds[2] ||
        (*bounds)[3] <= tileBounds[1] || (*bounds)[1] >= tileBounds[3])
        bounds = tileBounds;
    info.bounds = *bounds;
    // The most detailed zoom whose tiles over the bounds fit one map.
    for (info.zoom = info.maxZoom; info.zoom >= 0; --info.zoom) {
        info.firstColumn = Column(info.bounds[0], info.zoom);
        info.firstRow = Row(info.bounds[3], info.zoom);
        info.columns = std::max(Column(info.bounds[2], info.zoom, true), info.firstColumn) -
                       info.firstColumn + 1;
        info.rows =
            std::max(Row(info.bounds[1], info.zoom, true), info.firstRow) - info.firstRow + 1;
        if (info.columns <= kMaxMbTilesSide / kTile && info.rows <= kMaxMbTilesSide / kTile &&
            static_cast<long long>(info.columns) * info.rows <= mostShown)
            break;
    }
    if (info.format.empty()) {
        Statement first(db, "SELECT tile_data FROM tiles LIMIT 1");
        if (first.Step() && first.Bytes(0).starts_with("\x1f\x8b"))
            info.format = "pbf";
        if (first.Failed() && db.Cancelled())
            return out;
    }
    if (info.format == "pbf") {
        out.error = "it holds vector tiles, which this program cannot draw; only tile sets of "
                    "pictures (PNG, JPEG, WebP) open";
        return out;
    }
    out.info = info;
    return out;
}

namespace {

class TileFiller {
public:
    TileFiller(Database& db, const MbTilesInfo& info, const TileImageDecoder& decoder)
        // A blob beyond 16 MiB is no tile of 256 x 256 pixels: never read into memory.
        : tile_(db, "SELECT tile_data FROM tiles WHERE zoom_level = ? AND tile_column = ? AND "
                    "tile_row = ? AND length(tile_data) <= 16777216"),
          info_(info), decoder_(decoder) {}

    // The tile at zoom, column, row (XYZ) into out: from the file, else reduced from finer
    // tiles, else enlarged from a coarser one; false when there is nothing (out is white).
    bool Fill(int zoom, int column, int row, MapPixel* out) {
        if (Direct(zoom, column, row, out, kMaxUnderZoom))
            return true;
        std::vector<MapPixel> coarse(kTilePixels);
        for (int up = 1; up <= kMaxOverZoom && zoom - up >= info_.minZoom; ++up) {
            if (!Read(zoom - up, column >> up, row >> up, coarse.data()))
                continue;
            const int side = kTile >> up;
            const int left = (column & ((1 << up) - 1)) * side;
            const int top = (row & ((1 << up) - 1)) * side;
            for (int y = 0; y < kTile; ++y)
                for (int x = 0; x < kTile; ++x)
                    out[y * kTile + x] = coarse[static_cast<std::size_t>((top + (y >> up)) * kTile +
                                                                         left + (x >> up))];
            return true;
        }
        std::fill(out, out + kTilePixels, 0xFFFFFFFFu);
        return false;
    }

    bool damaged_ = false;
    std::string error_; // a database that fails while it is read

private:
    static constexpr int kTilePixels = MapPyramid::kTilePixels;

    bool Read(int zoom, int column, int row, MapPixel* out) {
        tile_.Reset({zoom, column, (1 << zoom) - 1 - row});
        if (!tile_.Step()) {
            if (tile_.Failed() && error_.empty())
                error_ = "its tiles cannot be read (" + tile_.Reason() + ")";
            return false;
        }
        std::string ignored;
        if (decoder_.Decode(tile_.Bytes(0), out, &ignored))
            return true;
        damaged_ = true;
        return false;
    }

    // From the file, or from the four tiles under it (each reduced to a quarter).
    bool Direct(int zoom, int column, int row, MapPixel* out, int depth) {
        if (Read(zoom, column, row, out))
            return true;
        if (depth == 0 || zoom + 1 > info_.maxZoom)
            return false;
        std::vector<MapPixel> fine(kTilePixels);
        bool any = false;
        std::fill(out, out + kTilePixels, 0xFFFFFFFFu);
        for (int quarter = 0; quarter < 4; ++quarter) {
            const int dx = quarter % 2;
            const int dy = quarter / 2;
            if (!Direct(zoom + 1, 2 * column + dx, 2 * row + dy, fine.data(), depth - 1))
                continue;
            any = true;
            for (int y = 0; y < kTile / 2; ++y)
                for (int x = 0; x < kTile / 2; ++x) {
                    const MapPixel* p = &fine[static_cast<std::size_t>(2 * y * kTile + 2 * x)];
                    MapPixel sum[4] = {p[0], p[1], p[kTile], p[kTile + 1]};
                    std::uint32_t mean = 0xFF000000u;
                    for (int shift : {16, 8, 0}) {
                        std::uint32_t s = 2;
                        for (const MapPixel q : sum)
                            s += q >> shift & 0xFFu;
                        mean |= (s / 4) << shift;
                    }
                    out[(dy * kTile / 2 + y) * kTile + dx * kTile / 2 + x] = mean;
                }
        }
        return any;
    }

    Statement tile_;
    const MbTilesInfo& info_;
    const TileImageDecoder& decoder_;
};

} // namespace

MbTilesPyramid LoadMbTilesPyramid(const std::string& path, const MbTilesInfo& info,
                                  const MbTilesPyramidOptions& options) {
    MbTilesPyramid out;
    Database db(options.cancelled);
    if (!db.Open(path, &out.error))
        return out;
    std::unique_ptr<PyramidTarget> target = options.target(info.Width(), info.Height(), &out.error);
    if (!target)
        return out;
    MapPyramid& pyramid = target->Pyramid();
    PyramidBands bands(pyramid);
    TileFiller filler(db, info, *options.decoder);
    std::vector<MapPixel> tile(MapPyramid::kTilePixels);
    for (int row = 0; row < info.rows; ++row) {
        for (int column = 0; column < info.columns; ++column) {
            filler.Fill(info.zoom, info.firstColumn + column, info.firstRow + row, tile.data());
            if (db.Cancelled())
                return out;
            if (!filler.error_.empty()) {
                out.error = filler.error_;
                return out;
            }
            for (int y = 0; y < kTile; ++y)
                pyramid.StoreSpan(column * kTile, row * kTile + y, tile.data() + y * kTile, kTile);
        }
        bands.Advance((row + 1) * kTile);
        if (!options.progress(0.99 * (row + 1) / info.rows))
            return out;
    }
    out.damaged = filler.damaged_;
    if (out.damaged) {
        out.map = target->Discard();
    } else {
        out.map = target->Pyramid();
        out.keep = std::move(target);
    }
    options.progress(1.0);
    return out;
}

MapSourceResult ReadMbTiles(MapSource source, const std::function<bool()>& cancelled) {
    const MbTilesInfoResult read = ReadMbTilesInfo(source.path, cancelled);
    if (!read.info && read.error.empty())
        return {};
    if (!read.info)
        return SourceFailure(source.path, read.error);
    std::string why;
    source.grid =
        SharedGrid(GridGeoreference::FromAffine(kWebMercator, read.info->WorldFile(), &why));
    if (!source.grid)
        return SourceFailure(source.path, why);
    source.imagePath = source.path;
    source.width = read.info->Width();
    source.height = read.info->Height();
    return {std::move(source), {}};
}

ImageHeaderResult TilesImageHeader(int, const std::string& path, const DecodeContext* context) {
    const MbTilesInfoResult read = ReadMbTilesInfo(
        path, context != nullptr ? [&events = context->events] { return events.Cancelled(); }
                                 : std::function<bool()>());
    if (!read.info)
        return {std::nullopt, read.error.empty() ? std::string() : path + ": " + read.error};
    return {ImageHeader{ImageKind::Tiles, read.info->Width(), read.info->Height()}, {}};
}

DecodedImage DecodeTilesImage(int, const std::string& path, const DecodeContext& context) {
    DecodedImage out;
    OpenMapEvents& events = context.events;
    const auto cancelled = [&events] { return events.Cancelled(); };
    MbTilesInfoResult read = ReadMbTilesInfo(path, cancelled);
    if (!read.info) {
        out.error = std::move(read.error);
        return out;
    }
    if (context.options.tileImages == nullptr) {
        out.error = "no decoder of map tiles";
        return out;
    }
    MbTilesPyramidOptions tiles;
    tiles.progress = [&events](double done) { return events.Progress(done); };
    tiles.cancelled = cancelled;
    tiles.decoder = context.options.tileImages;
    tiles.target = context.target;
    MbTilesPyramid loaded = LoadMbTilesPyramid(path, *read.info, tiles);
    out.map = std::move(loaded.map);
    out.error = std::move(loaded.error);
    out.damaged = loaded.damaged;
    out.keep = std::move(loaded.keep);
    return out;
}

} // namespace map
