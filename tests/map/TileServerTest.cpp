// Tile sources against a real server on 127.0.0.1: tiles cut by gdal2tiles from a raster made by
// GDAL's tools, the test server's hostile answers, the cache, and areas saved as MBTiles with
// GDAL's MBTiles driver as the truth of where their pixels lie.
#include "map/TileServer.h"
#include "map/tiles/TileCache.h"
#include "map/tiles/TileFetcher.h"
#include "map/tiles/TileSourceMap.h"
#include "support/GdalMaps.h"
#include "support/RunTool.h"
#include "support/TestFiles.h"

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <sys/wait.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;
using testsupport::TempDir;

// Tiles to "pixels" a test can check: every pixel is the tile's bytes' hash.
class DigestDecoder final : public map::TileImageDecoder {
public:
    static map::MapPixel Digest(std::string_view bytes) {
        std::uint32_t hash = 2166136261u;
        for (const char c : bytes)
            hash = (hash ^ static_cast<unsigned char>(c)) * 16777619u;
        return 0xFF000000u | (hash & 0xFFFFFFu);
    }
    bool Decode(std::string_view bytes, map::MapPixel* out, std::string*) const override {
        std::fill(out, out + map::TiledMap::kTilePixels, Digest(bytes));
        return true;
    }
};

map::FetchLimits Quick() {
    map::FetchLimits limits;
    limits.connectSeconds = 2;
    limits.totalSeconds = 5;
    limits.lowSpeedBytes = 1000;
    limits.lowSpeedSeconds = 1;
    return limits;
}

TEST(TileServerTest, HostileAnswersAreRefusedWithAWord) {
    TempDir dir;
    tiletest::TileServer server(dir.Path());
    struct Row {
        const char* path;
        map::FetchedTile::Status status;
        const char* error; // a part of it
    };
    using S = map::FetchedTile::Status;
    const Row rows[] = {
        {"/hostile/ok", S::Ok, ""},
        {"/hostile/agent", S::Ok, ""},
        {"/hostile/missing", S::Missing, "no tile"},
        {"/hostile/error", S::Failed, "HTTP 500"},
        {"/hostile/html", S::Failed, "web page"},
        {"/hostile/loop", S::Failed, "redirects"},
        {"/hostile/huge", S::Failed, "more than 4 MB"},
        {"/hostile/slow", S::Failed, "Timeout"},
        {"/hostile/never", S::Failed, "Timeout"},
    };
    map::TileFetcher fetcher("QUILO/test", Quick());
    for (const Row& row : rows) {
        SCOPED_TRACE(row.path);
        const map::FetchedTile got = fetcher.Get(server.Url(row.path));
        EXPECT_EQ(got.status, row.status) << got.error;
        EXPECT_NE(got.error.find(row.error), std::string::npos) << got.error;
    }
    // The server's word on freshness.
    const auto now = std::time(nullptr);
    const map::FetchedTile maxAge = fetcher.Get(server.Url("/hostile/ok"));
    EXPECT_NEAR(static_cast<double>(maxAge.expires - now), 60.0, 5.0);
    EXPECT_EQ(fetcher.Get(server.Url("/hostile/expires")).expires, 1924992000);
}

// The test tiles (MakeTestTiles) and a definition of them on the test server.
class TileSetTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(tiletest::MakeTestTiles(dir.Path())); }
    std::string Definition(const tiletest::TileServer& server) const {
        return "name = Test\nurl = " + server.Url("/{z}/{x}/{y}.png") +
               "\nzoom = 9-12\nattribution = (c) the test\n";
    }
    std::string TileFile(int z, int x, int y) const {
        return dir.File("tiles/" + std::to_string(z) + "/" + std::to_string(x) + "/" +
                        std::to_string(y) + ".png");
    }

    TempDir dir;
};

TEST_F(TileSetTest, SavedAreaIsWhatTheServerHasAndGdalPlacesItsPixels) {
    tiletest::TileServer server(dir.File("tiles"));
    const std::string url = server.Url("/{z}/{x}/{y}.png");
    const std::string out = dir.File("area.mbtiles");
    const std::vector<std::string> env = {"XDG_CACHE_HOME=" + dir.File("cache"),
                                          "XDG_DATA_HOME=" + dir.File("data")};
    const std::vector<std::string> save = {"tiles", "save", url,   out,      "--bbox", "46.8",
                                           "7.0",   "47.0", "7.2", "--zoom", "9-12"};
    auto dry = save;
    dry.push_back("--dry-run");
    const auto counted = testsupport::RunTool(dry, "", env);
    // gdal2tiles leaves out 7 edge tiles the raster covers by less than a pixel.
    EXPECT_EQ(counted.out.substr(0, counted.out.find('\n')), "tiles\t27") << counted.err;
    EXPECT_FALSE(fs::exists(out));

    const auto first = testsupport::RunTool(save, "", env);
    EXPECT_EQ(first.out, "tiles\t27\nfetched\t20\nkept\t0\nmissing\t7\n") << first.err;
    // OpenStreetMap's terms hold however its server is named; nothing is sent to it.
    auto osm = save;
    osm[2] = "https://tile.openstreetmap.org/{z}/{x}/{y}.png";
    osm[3] = dir.File("osm.mbtiles");
    const auto refused = testsupport::RunTool(osm, "", env);
    EXPECT_EQ(refused.status, 2);
    EXPECT_NE(refused.err.find("bulk downloading of tiles is prohibited"), std::string::npos)
        << refused.err;
    EXPECT_FALSE(fs::exists(osm[3]));
    const auto again = testsupport::RunTool(save, "", env);
    EXPECT_EQ(again.out, "tiles\t27\nfetched\t0\nkept\t20\nmissing\t7\n") << again.err;

    // Every tile as the server has it.
    std::string ignored;
    auto file = map::TileCache::Open(out, map::TileCache::kNoLimit, &ignored);
    ASSERT_TRUE(file);
    EXPECT_EQ(file->Count(), 20);
    for (const auto& entry : fs::recursive_directory_iterator(dir.File("tiles"))) {
        if (entry.path().extension() != ".png")
            continue;
        const int y = std::stoi(entry.path().stem());
        const int x = std::stoi(entry.path().parent_path().filename());
        const int z = std::stoi(entry.path().parent_path().parent_path().filename());
        const auto tile = file->Get(z, x, y);
        ASSERT_TRUE(tile) << entry.path();
        EXPECT_EQ(tile->bytes, testsupport::ReadBytes(entry.path()));
    }
    EXPECT_EQ(file->Metadata("bounds"), "7,46.8,7.2,47");
    EXPECT_EQ(file->Metadata("maxzoom"), "12");
    file.reset();

    // GDAL reads the file as an MBTiles map and finds each quarter's colour where it lies.
    const struct {
        const char* lon;
        const char* lat;
        const char* rgb;
    } probes[] = {{"7.05", "46.95", "250 30 90 255 "},
                  {"7.15", "46.95", "30 250 90 255 "},
                  {"7.05", "46.85", "30 30 90 255 "},
                  {"7.15", "46.85", "240 240 90 255 "}};
    for (const auto& p : probes) {
        const auto got = testsupport::Run("/usr/bin/gdallocationinfo",
                                          {"-valonly", "-wgs84", out, p.lon, p.lat});
        std::string rgb = got.out;
        std::replace(rgb.begin(), rgb.end(), '\n', ' ');
        EXPECT_EQ(rgb, p.rgb) << p.lon << " " << p.lat << ": " << got.err;
    }
}

// MapProxy serving the same tiles as WMTS (its capabilities for REST and for KVP) and WMS: an
// area saved through each source holds every pixel where GDAL's WMS driver, reading the same
// server, finds it. The probes lie a few pixels either side of the quarters' edges.
TEST_F(TileSetTest, MapProxySourcesPlaceTheirPixelsWhereGdalDoes) {
    tiletest::TileServer proxy(dir.File("tiles"), QUILO_MAPPROXY_SERVER, dir.Path());
    const std::string rest = proxy.Url("/wmts/1.0.0/WMTSCapabilities.xml");
    const std::string kvp = proxy.Url("/service?SERVICE=WMTS&REQUEST=GetCapabilities");
    const std::string wms = dir.File("wms.xml");
    testsupport::WriteBytes(
        wms, "<GDAL_WMS><Service name=\"WMS\"><Version>1.1.1</Version><ServerUrl>" +
                 proxy.Url("/service?") +
                 "</ServerUrl><SRS>EPSG:3857</SRS><ImageFormat>image/png</ImageFormat>"
                 "<Layers>test</Layers></Service><DataWindow>"
                 "<UpperLeftX>-20037508.342789244</UpperLeftX>"
                 "<UpperLeftY>20037508.342789244</UpperLeftY>"
                 "<LowerRightX>20037508.342789244</LowerRightX>"
                 "<LowerRightY>-20037508.342789244</LowerRightY>"
                 "<SizeX>1048576</SizeX><SizeY>1048576</SizeY></DataWindow>"
                 "<BlockSizeX>256</BlockSizeX><BlockSizeY>256</BlockSizeY>"
                 "<BandsCount>4</BandsCount></GDAL_WMS>");
    const struct {
        const char* id;
        std::string definition;
        std::string truth; // what GDAL opens
    } rows[] = {
        {"rest", "type = wmts\nurl = " + rest + "\nlayer = test\n", "WMTS:" + rest + ",layer=test"},
        {"kvp", "type = wmts\nurl = " + kvp + "\nlayer = test\n", "WMTS:" + kvp + ",layer=test"},
        {"wms", "type = wms\nurl = " + proxy.Url("/service?") + "\nlayer = test\nzoom = 0-12\n",
         wms},
    };
    const std::string probes = "7.05 46.95\n7.0995 46.95\n7.1005 46.95\n7.15 46.9005\n"
                               "7.15 46.8995\n7.0995 46.8995\n7.1005 46.8995\n";
    // The colours (red, green, blue) at each probe, a line each.
    const auto colours = [&probes](const std::string& file) {
        const auto got =
            testsupport::Run("/usr/bin/gdallocationinfo",
                             {"-valonly", "-wgs84", "-b", "1", "-b", "2", "-b", "3", file}, probes,
                             {"GDAL_ENABLE_WMS_CACHE=NO"}); // no cache folder left behind
        EXPECT_EQ(got.status, 0) << got.err;
        return got.out;
    };
    const std::vector<std::string> env = {"XDG_CACHE_HOME=" + dir.File("cache"),
                                          "XDG_DATA_HOME=" + dir.File("data")};
    fs::create_directories(dir.File("data/quilo/tiles"));
    for (const auto& row : rows) {
        SCOPED_TRACE(row.id);
        testsupport::WriteBytes(dir.File("data/quilo/tiles/") + row.id + ".tiles",
                                std::string("name = ") + row.id + "\n" + row.definition);
        const std::string out = dir.File(row.id + std::string(".mbtiles"));
        const auto saved = testsupport::RunTool({"tiles", "save", row.id, out, "--bbox", "46.8",
                                                 "7.0", "47.0", "7.2", "--zoom", "12-12"},
                                                "", env);
        ASSERT_EQ(saved.status, 0) << saved.err;
        const std::string truth = colours(row.truth);
        // The north-west quarter's colour first: GDAL did read the server.
        EXPECT_EQ(truth.substr(0, truth.find('\n', 8)), "250\n30\n90");
        EXPECT_EQ(colours(out), truth);
    }
}

TEST_F(TileSetTest, OfflineTheCacheShowsEveryTileItHas) {
    const DigestDecoder decoder;
    map::TileSourceOptions options;
    options.userAgent = "QUILO/test";
    options.cacheFolder = dir.File("cache");
    options.limits = Quick();
    options.limits.defaultLifetime = -1; // every tile is stale at once
    std::vector<std::pair<std::array<int, 3>, map::MapPixel>> expected;
    for (const auto& entry : fs::recursive_directory_iterator(dir.File("tiles")))
        if (entry.path().extension() == ".png")
            expected.push_back(
                {{std::stoi(entry.path().parent_path().parent_path().filename()),
                  std::stoi(entry.path().parent_path().filename()), std::stoi(entry.path().stem())},
                 DigestDecoder::Digest(testsupport::ReadBytes(entry.path()))});
    ASSERT_EQ(expected.size(), 20u);
    const auto wantAll = [&](map::TiledMap& shown) {
        std::vector<map::TileRange> ranges;
        for (const auto& [tile, digest] : expected)
            ranges.push_back({12 - tile[0], tile[1], tile[2], tile[1] + 1, tile[2] + 1});
        shown.Want(ranges);
        shown.WaitForWanted();
        shown.Want(ranges);
        int found = 0;
        for (const auto& [tile, digest] : expected) {
            const map::MapPixel* pixels = shown.Tile(12 - tile[0], tile[1], tile[2]);
            found += pixels != nullptr && pixels[0] == digest ? 1 : 0;
        }
        return found;
    };
    auto server = std::make_unique<tiletest::TileServer>(dir.File("tiles"));
    auto source = map::ParseTileSource(Definition(*server), "test");
    ASSERT_TRUE(source.source) << source.error;
    {
        const map::TileSourceMap online = map::OpenTileSourceMap(*source.source, options, decoder);
        ASSERT_TRUE(online.map) << online.error;
        EXPECT_EQ(online.map->LevelCount(), 4);
        EXPECT_EQ(wantAll(*online.map), 20);
    }
    server->Stop();
    for (const bool workOffline : {false, true}) {
        SCOPED_TRACE(workOffline ? "work offline" : "server gone");
        options.state = std::make_shared<map::TileSourceState>();
        options.state->offline = workOffline;
        const map::TileSourceMap offline = map::OpenTileSourceMap(*source.source, options, decoder);
        ASSERT_TRUE(offline.map) << offline.error;
        EXPECT_EQ(wantAll(*offline.map), 20);
        EXPECT_EQ(options.state->Problem().empty(), workOffline) << options.state->Problem();
    }
}

TEST(TileCacheTest, SurvivesAKillMidWriteAndOneWriterAtATime) {
    TempDir dir;
    const std::string path = dir.File("c.mbtiles");
    int ready[2];
    ASSERT_EQ(::pipe(ready), 0);
    const pid_t child = ::fork();
    if (child == 0) {
        std::string ignored;
        auto cache = map::TileCache::Open(path, map::TileCache::kNoLimit, &ignored);
        for (int i = 0;; ++i) {
            if (!cache || !cache->Put(14, i, 7, std::string(4000, static_cast<char>(i)), 0))
                ::_exit(1);
            if (i == 100)
                (void)::write(ready[1], "x", 1); // killed from here on, mid-write
        }
    }
    char c = 0;
    ASSERT_EQ(::read(ready[0], &c, 1), 1);
    // The writer still holds the lock: a second process reads only.
    std::string error;
    {
        auto reader = map::TileCache::Open(path, map::TileCache::kNoLimit, &error);
        ASSERT_TRUE(reader) << error;
        EXPECT_TRUE(reader->ReadOnly());
        EXPECT_FALSE(reader->Put(1, 0, 0, "x", 0));
    }
    ::kill(child, SIGKILL);
    int status = 0;
    ::waitpid(child, &status, 0);
    ::close(ready[0]);
    ::close(ready[1]);
    auto cache = map::TileCache::Open(path, map::TileCache::kNoLimit, &error);
    ASSERT_TRUE(cache) << error;
    EXPECT_FALSE(cache->ReadOnly());
    EXPECT_EQ(cache->Note(), "");
    const long long kept = cache->Count();
    EXPECT_GT(kept, 100);
    for (int i = 0; i < kept; ++i)
        ASSERT_EQ(cache->Get(14, i, 7)->bytes, std::string(4000, static_cast<char>(i))) << i;
}

TEST(TileCacheTest, StaysWithinItsLimitAndSetsADamagedFileAside) {
    TempDir dir;
    const std::string path = dir.File("c.mbtiles");
    std::string error;
    {
        auto cache = map::TileCache::Open(path, 1 << 20, &error);
        ASSERT_TRUE(cache) << error;
        for (int i = 0; i < 400; ++i)
            ASSERT_TRUE(cache->Put(10, i, 0, std::string(10000, 'x'), 0));
        EXPECT_LE(cache->UsedBytes(), 1 << 20);
        EXPECT_TRUE(cache->Has(10, 399, 0));
        EXPECT_LT(cache->Count(), 400);
    }
    fs::remove(path + "-wal");
    testsupport::WriteBytes(path, std::string(8192, 'Q'));
    auto cache = map::TileCache::Open(path, 1 << 20, &error);
    ASSERT_TRUE(cache) << error;
    EXPECT_NE(cache->Note().find("damaged"), std::string::npos);
    EXPECT_TRUE(fs::exists(path + ".damaged"));
    EXPECT_TRUE(cache->Put(1, 0, 0, "x", 0));
}

} // namespace
