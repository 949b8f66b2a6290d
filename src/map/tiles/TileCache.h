#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

struct sqlite3;

namespace map {

struct CachedTile {
    std::string bytes;
    std::int64_t expires = 0; // Unix seconds; past it the tile is stale, never dropped for it
};

// The tiles of one source kept on disk: an MBTiles file (so other programs open it), with each
// tile's expiry and when it was last seen beside it. Written in SQLite's write-ahead mode, a
// transaction a tile, so a kill at any moment leaves the tiles written before it. One process
// writes at a time (a lock beside the file); another opens it read-only and keeps nothing new.
// Beyond its size limit the tiles seen longest ago go first. Use from one thread.
class TileCache {
public:
    static constexpr std::int64_t kDefaultLimit = std::int64_t{2} << 30;
    static constexpr std::int64_t kNoLimit = 0;

    // Opens or creates the file at path (its folder must exist). A file that is no database is
    // set aside (path + ".damaged") and a fresh one started; note() says so.
    static std::unique_ptr<TileCache> Open(const std::string& path, std::int64_t limitBytes,
                                           std::string* error);
    ~TileCache();
    TileCache(const TileCache&) = delete;
    TileCache& operator=(const TileCache&) = delete;

    // The tile (XYZ numbering, row 0 at the north), marked as seen now.
    std::optional<CachedTile> Get(int zoom, int column, int row);
    // Whether the file holds the tile, without reading it.
    bool Has(int zoom, int column, int row);
    // Keeps the tile (replacing one there); false when read-only or the write failed.
    bool Put(int zoom, int column, int row, std::string_view bytes, std::int64_t expires);
    // Sets an MBTiles metadata row.
    bool SetMetadata(std::string_view name, std::string_view value);
    std::optional<std::string> Metadata(std::string_view name);

    [[nodiscard]] bool ReadOnly() const { return readOnly_; }
    // Something the user should hear of the cache ("" when all is well).
    [[nodiscard]] const std::string& Note() const { return note_; }
    // Bytes the tiles take in the file.
    std::int64_t UsedBytes();
    long long Count();
    // Folds the write-ahead log into the file, leaving one file others can open.
    void Finish();
    // Drops the tiles seen longest ago until the file's tiles take at most 90 % of the limit.
    void Evict();

private:
    TileCache() = default;
    bool Exec(const char* sql);

    sqlite3* db_ = nullptr;
    int lockFd_ = -1;
    bool readOnly_ = false;
    std::int64_t limit_ = kDefaultLimit;
    int putsSinceCheck_ = 0;
    std::string note_;
};

// $XDG_CACHE_HOME/quilo/tiles, else ~/.cache/quilo/tiles; "" when neither gives a folder.
std::string TileCacheFolder();

} // namespace map
