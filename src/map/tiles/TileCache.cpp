#include "map/tiles/TileCache.h"

#include "platform/FileLock.h"

#include <sqlite3.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <filesystem>

namespace map {

namespace {

// "seen" is written back only when it moved this much: a pan over cached tiles writes nothing.
constexpr std::int64_t kSeenResolution = 3600;
constexpr int kPutsPerSizeCheck = 32;
constexpr int kTilesPerEviction = 256;
// A tile beyond this is never read into memory (no tile of 256 pixels is so large).
constexpr int kMostTileBytes = 16 << 20;

class Statement {
public:
    Statement(sqlite3* db, const char* sql) {
        if (sqlite3_prepare_v2(db, sql, -1, &s_, nullptr) != SQLITE_OK)
            s_ = nullptr;
    }
    ~Statement() { sqlite3_finalize(s_); }
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;
    Statement& Bind(int index, std::int64_t value) {
        sqlite3_bind_int64(s_, index, value);
        return *this;
    }
    Statement& Bind(int index, std::string_view text, bool blob = false) {
        if (blob)
            sqlite3_bind_blob64(s_, index, text.data(), text.size(), SQLITE_TRANSIENT);
        else
            sqlite3_bind_text64(s_, index, text.data(), text.size(), SQLITE_TRANSIENT, SQLITE_UTF8);
        return *this;
    }
    bool Row() { return s_ != nullptr && sqlite3_step(s_) == SQLITE_ROW; }
    bool Done() { return s_ != nullptr && sqlite3_step(s_) == SQLITE_DONE; }
    [[nodiscard]] std::int64_t Int(int column) const { return sqlite3_column_int64(s_, column); }
    [[nodiscard]] std::string_view Bytes(int column) const {
        const void* data = sqlite3_column_blob(s_, column);
        const int size = sqlite3_column_bytes(s_, column);
        return data == nullptr ? std::string_view()
                               : std::string_view(static_cast<const char*>(data),
                                                  static_cast<std::size_t>(size));
    }

private:
    sqlite3_stmt* s_ = nullptr;
};

std::int64_t Now() {
    return std::time(nullptr);
}

int TmsRow(int zoom, int row) {
    return (1 << zoom) - 1 - row;
}

} // namespace

std::string TileCacheFolder() {
    const char* xdg = std::getenv("XDG_CACHE_HOME");
    if (xdg != nullptr && xdg[0] == '/')
        return std::string(xdg) + "/quilo/tiles";
    const char* home = std::getenv("HOME");
    if (home == nullptr || home[0] != '/')
        return {};
    return std::string(home) + "/.cache/quilo/tiles";
}

std::unique_ptr<TileCache> TileCache::Open(const std::string& path, std::int64_t limitBytes,
                                           std::string* error) {
    std::unique_ptr<TileCache> cache(new TileCache);
    cache->limit_ = limitBytes;
    platform::FileLock lock;
    switch (lock.Take(path + ".lock")) {
    case platform::FileLock::Status::Locked:
        cache->lockFd_ = lock.Release();
        break;
    case platform::FileLock::Status::Busy:
        cache->readOnly_ = true;
        cache->note_ = "another QUILO writes the tile cache: new tiles are not kept";
        break;
    case platform::FileLock::Status::Failed:
        *error = path + ".lock: " + std::strerror(lock.Errno());
        return nullptr;
    }
    const auto open = [&] {
        sqlite3_close(cache->db_);
        cache->db_ = nullptr;
        const int flags =
            cache->readOnly_ ? SQLITE_OPEN_READONLY : SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE;
        if (sqlite3_open_v2(path.c_str(), &cache->db_, flags | SQLITE_OPEN_NOFOLLOW, nullptr) !=
            SQLITE_OK)
            return false;
        sqlite3_busy_timeout(cache->db_, 2000);
        if (cache->readOnly_)
            return cache->Exec("SELECT count(*) FROM sqlite_master");
        // auto_vacuum must come before the first table; WAL keeps readers and a kill apart
        // from the tiles written.
        return cache->Exec("PRAGMA auto_vacuum = INCREMENTAL") &&
               cache->Exec("PRAGMA journal_mode = WAL") &&
               cache->Exec("PRAGMA synchronous = NORMAL") &&
               cache->Exec(
                   "CREATE TABLE IF NOT EXISTS metadata (name TEXT PRIMARY KEY, value TEXT)") &&
               cache->Exec("CREATE TABLE IF NOT EXISTS tiles (zoom_level INTEGER, tile_column "
                           "INTEGER, tile_row INTEGER, tile_data BLOB, expires INTEGER, seen "
                           "INTEGER, UNIQUE (zoom_level, tile_column, tile_row))") &&
               cache->Exec("CREATE INDEX IF NOT EXISTS tiles_seen ON tiles (seen)");
    };
    if (!open()) {
        const std::string why = cache->db_ != nullptr ? sqlite3_errmsg(cache->db_) : "no memory";
        if (cache->readOnly_) {
            *error = path + ": " + why;
            return nullptr;
        }
        // Damaged: set aside whole, so nothing of it is lost to a later look, and start afresh.
        sqlite3_close(cache->db_);
        cache->db_ = nullptr;
        std::error_code ec;
        std::filesystem::rename(path, path + ".damaged", ec);
        std::filesystem::remove(path + "-wal", ec);
        std::filesystem::remove(path + "-shm", ec);
        if (!open()) {
            *error = path + ": " + (cache->db_ != nullptr ? sqlite3_errmsg(cache->db_) : why);
            return nullptr;
        }
        cache->note_ =
            "the tile cache was damaged (" + why + "); it is set aside as " + path + ".damaged";
    }
    return cache;
}

TileCache::~TileCache() {
    sqlite3_close(db_);
    if (lockFd_ >= 0)
        ::close(lockFd_);
}

bool TileCache::Exec(const char* sql) {
    return sqlite3_exec(db_, sql, nullptr, nullptr, nullptr) == SQLITE_OK;
}

std::optional<CachedTile> TileCache::Get(int zoom, int column, int row) {
    Statement get(db_, "SELECT tile_data, expires, seen, rowid FROM tiles WHERE zoom_level = ? "
                       "AND tile_column = ? AND tile_row = ? AND length(tile_data) <= ?");
    get.Bind(1, zoom).Bind(2, column).Bind(3, TmsRow(zoom, row)).Bind(4, kMostTileBytes);
    if (!get.Row())
        return std::nullopt;
    CachedTile out{std::string(get.Bytes(0)), get.Int(1)};
    const std::int64_t now = Now();
    if (!readOnly_ && now - get.Int(2) > kSeenResolution) {
        Statement seen(db_, "UPDATE tiles SET seen = ? WHERE rowid = ?");
        seen.Bind(1, now).Bind(2, get.Int(3));
        (void)seen.Done();
    }
    return out;
}

bool TileCache::Has(int zoom, int column, int row) {
    Statement has(db_, "SELECT 1 FROM tiles WHERE zoom_level = ? AND tile_column = ? AND "
                       "tile_row = ?");
    has.Bind(1, zoom).Bind(2, column).Bind(3, TmsRow(zoom, row));
    return has.Row();
}

bool TileCache::Put(int zoom, int column, int row, std::string_view bytes, std::int64_t expires) {
    if (readOnly_)
        return false;
    Statement put(db_, "INSERT OR REPLACE INTO tiles (zoom_level, tile_column, tile_row, "
                       "tile_data, expires, seen) VALUES (?, ?, ?, ?, ?, ?)");
    put.Bind(1, zoom).Bind(2, column).Bind(3, TmsRow(zoom, row)).Bind(4, bytes, true);
    put.Bind(5, expires).Bind(6, Now());
    if (!put.Done())
        return false;
    if (limit_ != kNoLimit && ++putsSinceCheck_ >= kPutsPerSizeCheck) {
        putsSinceCheck_ = 0;
        if (UsedBytes() > limit_)
            Evict();
    }
    return true;
}

bool TileCache::SetMetadata(std::string_view name, std::string_view value) {
    if (readOnly_)
        return false;
    Statement set(db_, "INSERT OR REPLACE INTO metadata (name, value) VALUES (?, ?)");
    set.Bind(1, name).Bind(2, value);
    return set.Done();
}

std::optional<std::string> TileCache::Metadata(std::string_view name) {
    Statement get(db_, "SELECT value FROM metadata WHERE name = ?");
    get.Bind(1, name);
    if (!get.Row())
        return std::nullopt;
    return std::string(get.Bytes(0));
}

std::int64_t TileCache::UsedBytes() {
    Statement pages(db_, "SELECT page_count - freelist_count FROM pragma_page_count, "
                         "pragma_freelist_count");
    Statement size(db_, "PRAGMA page_size");
    if (!pages.Row() || !size.Row())
        return 0;
    return pages.Int(0) * size.Int(0);
}

long long TileCache::Count() {
    Statement count(db_, "SELECT count(*) FROM tiles");
    return count.Row() ? count.Int(0) : 0;
}

void TileCache::Finish() {
    if (!readOnly_)
        Exec("PRAGMA journal_mode = DELETE");
}

void TileCache::Evict() {
    if (readOnly_ || limit_ == kNoLimit)
        return;
    const std::int64_t target = limit_ / 10 * 9;
    while (UsedBytes() > target) {
        Statement drop(db_, "DELETE FROM tiles WHERE rowid IN (SELECT rowid FROM tiles ORDER BY "
                            "seen LIMIT ?)");
        drop.Bind(1, kTilesPerEviction);
        if (!drop.Done() || sqlite3_changes(db_) == 0)
            break;
    }
    Exec("PRAGMA incremental_vacuum");
}

} // namespace map
