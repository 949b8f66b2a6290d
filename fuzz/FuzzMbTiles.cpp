// One input is the metadata and the tile index of an MBTiles file: lines "name<TAB>value" up to
// a line "--", then lines "zoom column row" of tiles (their data one byte each). They become a
// real SQLite file, which the reader reads as a map: a result is a zoom among the tiles' or
// coarser, a rectangle of tiles within that zoom's world and within the size a map may have,
// and a finite world file; a refusal says why. SQLite's own parsing of damaged bytes is not
// what this looks for.
#include "FuzzCheck.h"
#include "map/MbTiles.h"

#include <sqlite3.h>
#include <unistd.h>

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>

using fuzz::Check;

namespace {

std::string Scratch() {
    return "/dev/shm/quilo-fuzz-mbtiles-" + std::to_string(::getpid()) + ".mbtiles";
}

bool Write(const std::string& path, std::string_view input) {
    ::unlink(path.c_str());
    sqlite3* db = nullptr;
    if (sqlite3_open(path.c_str(), &db) != SQLITE_OK) {
        sqlite3_close(db);
        return false;
    }
    sqlite3_exec(db,
                 "CREATE TABLE metadata (name TEXT, value TEXT); CREATE TABLE tiles (zoom_level "
                 "INTEGER, tile_column INTEGER, tile_row INTEGER, tile_data BLOB); BEGIN",
                 nullptr, nullptr, nullptr);
    sqlite3_stmt* meta = nullptr;
    sqlite3_stmt* tile = nullptr;
    sqlite3_prepare_v2(db, "INSERT INTO metadata VALUES (?, ?)", -1, &meta, nullptr);
    sqlite3_prepare_v2(db, "INSERT INTO tiles VALUES (?, ?, ?, x'00')", -1, &tile, nullptr);
    bool tiles = false;
    int count = 0;
    std::size_t start = 0;
    while (start < input.size() && count++ < 64) {
        std::size_t end = input.find('\n', start);
        if (end == std::string_view::npos)
            end = input.size();
        const std::string_view line = input.substr(start, end - start);
        start = end + 1;
        if (line == "--") {
            tiles = true;
        } else if (!tiles) {
            const std::size_t tab = line.find('\t');
            const std::string_view name = line.substr(0, tab);
            const std::string_view value =
                tab == std::string_view::npos ? "" : line.substr(tab + 1);
            sqlite3_reset(meta);
            sqlite3_bind_text(meta, 1, name.data(), static_cast<int>(name.size()), SQLITE_STATIC);
            sqlite3_bind_text(meta, 2, value.data(), static_cast<int>(value.size()), SQLITE_STATIC);
            sqlite3_step(meta);
        } else {
            std::istringstream numbers{std::string(line)};
            long long z = 0, c = 0, r = 0;
            if (!(numbers >> z >> c >> r))
                continue;
            sqlite3_reset(tile);
            sqlite3_bind_int64(tile, 1, z);
            sqlite3_bind_int64(tile, 2, c);
            sqlite3_bind_int64(tile, 3, r);
            sqlite3_step(tile);
        }
    }
    sqlite3_finalize(meta);
    sqlite3_finalize(tile);
    sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr);
    return sqlite3_close(db) == SQLITE_OK;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string path = Scratch();
    if (!Write(path, std::string_view(reinterpret_cast<const char*>(data), size)))
        return 0;
    const map::MbTilesInfoResult read = map::ReadMbTilesInfo(path);
    ::unlink(path.c_str());
    Check(read.info.has_value() != !read.error.empty());
    if (!read.info)
        return 0;
    const map::MbTilesInfo& info = *read.info;
    Check(info.minZoom >= 0 && info.minZoom <= info.maxZoom && info.zoom <= info.maxZoom &&
          info.zoom >= 0);
    const long long world = 1LL << info.zoom;
    Check(info.columns >= 1 && info.rows >= 1 && info.firstColumn >= 0 && info.firstRow >= 0 &&
          info.firstColumn + info.columns <= world && info.firstRow + info.rows <= world);
    Check(info.Width() <= map::kMaxMbTilesSide && info.Height() <= map::kMaxMbTilesSide);
    for (const double v : info.WorldFile())
        Check(std::isfinite(v));
    Check(info.bounds[0] < info.bounds[2] && info.bounds[1] < info.bounds[3]);
    return 0;
}
