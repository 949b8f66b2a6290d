// One input is the metadata and the tile index of an MBTiles file: lines "name<TAB>value" up to
// a line "--", then lines "zoom column row" of tiles (their data one byte each), then, after a
// second "--", SQL run on the file as its maker might have (tables made views, views without
// end). They become a real SQLite file, which the reader reads as a map: a result is a zoom
// among the tiles' or coarser, a rectangle of tiles within that zoom's world, within the size a
// map may have, levels whose tiles hold level 0 and within their zoom's world, and a finite
// world file; a
// refusal says why, and comes (libFuzzer's timeout watches) however long the SQL's queries
// would run. SQLite's own parsing of damaged bytes is not what this looks for.
#include "FuzzCheck.h"
#include "map/formats/MbTiles.h"

#include <sqlite3.h>
#include <unistd.h>

#include <algorithm>
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

// Writes the file; false when it could not be. *tiles counts the tiles written, or is -1 when
// SQL of the input may have changed them.
bool Write(const std::string& path, std::string_view input, int* tiles) {
    ::unlink(path.c_str());
    sqlite3* db = nullptr;
    if (sqlite3_open(path.c_str(), &db) != SQLITE_OK) {
        sqlite3_close(db);
        return false;
    }
    int steps = 0;
    sqlite3_exec(db,
                 "CREATE TABLE metadata (name TEXT, value TEXT); CREATE TABLE tiles (zoom_level "
                 "INTEGER, tile_column INTEGER, tile_row INTEGER, tile_data BLOB); BEGIN",
                 nullptr, nullptr, nullptr);
    sqlite3_stmt* meta = nullptr;
    sqlite3_stmt* tile = nullptr;
    sqlite3_prepare_v2(db, "INSERT INTO metadata VALUES (?, ?)", -1, &meta, nullptr);
    sqlite3_prepare_v2(db, "INSERT INTO tiles VALUES (?, ?, ?, x'00')", -1, &tile, nullptr);
    // The input's SQL is bounded here as the reader bounds its queries.
    sqlite3_progress_handler(
        db, 1000, [](void* steps) { return ++*static_cast<int*>(steps) > 10000 ? 1 : 0; }, &steps);
    int section = 0;
    int count = 0;
    *tiles = 0;
    std::size_t start = 0;
    while (start < input.size() && section < 2 && count++ < 64) {
        std::size_t end = input.find('\n', start);
        if (end == std::string_view::npos)
            end = input.size();
        const std::string_view line = input.substr(start, end - start);
        start = end + 1;
        if (line == "--") {
            ++section;
        } else if (section == 0) {
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
            if (sqlite3_step(tile) == SQLITE_DONE)
                ++*tiles;
        }
    }
    sqlite3_finalize(meta);
    sqlite3_finalize(tile);
    sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr);
    if (section == 2) {
        *tiles = -1;
        steps = 0;
        sqlite3_exec(db, std::string(input.substr(std::min(start, input.size()))).c_str(), nullptr,
                     nullptr, nullptr);
    }
    return sqlite3_close(db) == SQLITE_OK;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string path = Scratch();
    int tiles = 0;
    if (!Write(path, std::string_view(reinterpret_cast<const char*>(data), size), &tiles))
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
    Check(info.levels >= 1 && info.levels <= info.zoom + 1);
    for (int index = 0; index < info.levels; ++index) {
        const map::TileLevel level = info.Level(index);
        const long long across = 1LL << (info.zoom - index);
        Check(level.columns >= 1 && level.rows >= 1 && level.columns <= across &&
              level.rows <= across && level.originX >= 0 && level.originY >= 0 &&
              level.originX + std::ldexp(info.Width(), -index) <= level.width &&
              level.originY + std::ldexp(info.Height(), -index) <= level.height);
    }
    for (const double v : info.WorldFile())
        Check(std::isfinite(v));
    Check(info.bounds[0] < info.bounds[2] && info.bounds[1] < info.bounds[3]);
    return 0;
}
