#include "map/formats/MbTiles.h"

#include "map/formats/MapSource.h"

#include "map/pyramid/FetchedTiles.h"

#include <sqlite3.h>

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
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
constexpr double kMaxLatitude = kMercatorMaxLatitude;

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
    const int n = static_cast<int>(std::min(1LL << info.maxZoom, 1LL << 30));
    const int west = std::clamp(extent.Int(0), 0, n - 1);
    const int east = std::clamp(extent.Int(1), west, n - 1);
    // TMS rows count from the south.
    const int north = std::clamp(n - 1 - extent.Int(3), 0, n - 1);
    const int south = std::clamp(n - 1 - extent.Int(2), north, n - 1);
    const std::array<double, 4> tileBounds{
        MercatorLongitude(west, info.maxZoom), MercatorLatitude(south + 1, info.maxZoom),
        MercatorLongitude(east + 1, info.maxZoom), MercatorLatitude(north, info.maxZoom)};
    // Bounds that miss the tiles altogether are wrong.
    if (!bounds || (*bounds)[2] <= tileBounds[0] || (*bounds)[0] >= tileBounds[2] ||
        (*bounds)[3] <= tileBounds[1] || (*bounds)[1] >= tileBounds[3])
        bounds = tileBounds;
    info.bounds = *bounds;
    // The most detailed zoom whose tiles over the bounds fit one map.
    for (info.zoom = info.maxZoom; info.zoom >= 0; --info.zoom) {
        info.firstColumn = MercatorColumn(info.bounds[0], info.zoom);
        info.firstRow = MercatorRow(info.bounds[3], info.zoom);
        info.columns = std::max(MercatorColumn(info.bounds[2], info.zoom, true), info.firstColumn) -
                       info.firstColumn + 1;
        info.rows = std::max(MercatorRow(info.bounds[1], info.zoom, true), info.firstRow) -
                    info.firstRow + 1;
        if (info.columns <= kMaxMbTilesSide / kTile && info.rows <= kMaxMbTilesSide / kTile)
            break;
    }
    info.levels =
        info.zoom - std::max(0, std::min(info.minZoom, info.zoom) - kMbTilesUnderZoom) + 1;
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

class MbTilesReader final : public TileReader {
public:
    MbTilesReader(std::unique_ptr<Database> db, std::shared_ptr<std::atomic<bool>> stopped,
                  const MbTilesInfo& info, const TileImageDecoder& decoder)
        : db_(std::move(db)), stopped_(std::move(stopped)),
          // A blob beyond 16 MiB is no tile of 256 x 256 pixels: never read into memory.
          tile_(*db_, "SELECT tile_data FROM tiles WHERE zoom_level = ? AND tile_column = ? AND "
                      "tile_row = ? AND length(tile_data) <= 16777216"),
          info_(info), decoder_(decoder) {}

    bool Read(int level, int column, int row, MapPixel* out) override {
        const int zoom = info_.zoom - level;
        const int x = (info_.firstColumn >> level) + column;
        const int y = (info_.firstRow >> level) + row;
        // Zooms below the file's coarsest are reduced from it, white where it has nothing;
        // others only from four finer tiles, else a coarser level shows in their place.
        const int depth = std::clamp(info_.minZoom - zoom, kMbTilesUnderZoom, kMaxReduced);
        return Direct(zoom, x, y, out, depth, zoom >= info_.minZoom);
    }

    void Stop() override { *stopped_ = true; }

private:
    static constexpr int kTilePixels = MapPyramid::kTilePixels;
    // A tile of level 0 may lie this many zooms above the file's tiles: 4^3 reads.
    static constexpr int kMaxReduced = 3;

    bool ReadOne(int zoom, int column, int row, MapPixel* out) {
        if (*stopped_ || zoom < 0 || zoom > 30 || column < 0 || row < 0 || column >= (1 << zoom) ||
            row >= (1 << zoom))
            return false;
        tile_.Reset({zoom, column, (1 << zoom) - 1 - row});
        if (!tile_.Step())
            return false;
        std::string ignored;
        return decoder_.Decode(tile_.Bytes(0), out, &ignored);
    }

    // From the file, or from the tiles under it (each reduced to a quarter): all four when
    // whole, else any.
    bool Direct(int zoom, int column, int row, MapPixel* out, int depth, bool whole) {
        if (ReadOne(zoom, column, row, out))
            return true;
        if (depth == 0 || zoom + 1 > info_.maxZoom || *stopped_)
            return false;
        std::vector<MapPixel> fine(kTilePixels);
        bool any = false;
        std::fill(out, out + kTilePixels, 0xFFFFFFFFu);
        for (int quarter = 0; quarter < 4; ++quarter) {
            const int dx = quarter % 2;
            const int dy = quarter / 2;
            if (!Direct(zoom + 1, 2 * column + dx, 2 * row + dy, fine.data(), depth - 1, whole)) {
                if (whole)
                    return false;
                continue;
            }
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

    std::unique_ptr<Database> db_;
    std::shared_ptr<std::atomic<bool>> stopped_;
    Statement tile_;
    const MbTilesInfo info_;
    const TileImageDecoder& decoder_;
};

// The coarsest level is read at once only while it is this small.
constexpr int kMostFirstTiles = 64;

} // namespace

MbTilesMap OpenMbTilesMap(const std::string& path, const MbTilesInfo& info,
                          const TileImageDecoder& decoder) {
    MbTilesMap out;
    auto stopped = std::make_shared<std::atomic<bool>>(false);
    auto db = std::make_unique<Database>([stopped] { return stopped->load(); });
    if (!db->Open(path, &out.error))
        return out;
    std::vector<TileLevel> levels;
    for (int index = 0; index < info.levels; ++index)
        levels.push_back(info.Level(index));
    auto map = std::make_shared<FetchedTiles>(
        levels, std::make_unique<MbTilesReader>(std::move(db), stopped, info, decoder));
    const TileLevel& coarsest = levels.back();
    if (static_cast<long long>(coarsest.columns) * coarsest.rows <= kMostFirstTiles) {
        map->Want({TileRange{info.levels - 1, 0, 0, coarsest.columns, coarsest.rows}});
        map->WaitForWanted();
        map->Want({}); // they show from now on
    }
    out.map = std::move(map);
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

// Read tile by tile as the view wants them: nothing to decode or keep.
DecodedImage DecodeTilesImage(int, const std::string& path, const DecodeContext& context) {
    DecodedImage out;
    OpenMapEvents& events = context.events;
    MbTilesInfoResult read = ReadMbTilesInfo(path, [&events] { return events.Cancelled(); });
    if (!read.info) {
        out.error = std::move(read.error);
        return out;
    }
    if (context.options.tileImages == nullptr) {
        out.error = "no decoder of map tiles";
        return out;
    }
    MbTilesMap opened = OpenMbTilesMap(path, *read.info, *context.options.tileImages);
    out.tiles = std::move(opened.map);
    out.error = std::move(opened.error);
    return out;
}

} // namespace map
