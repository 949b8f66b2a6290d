// The window showing a tile source from a real server on 127.0.0.1 (quilo --tiles --at --zoom
// --screenshot): its tiles where GDAL's tools put their colours, its attribution bottom right,
// and, once the server is gone, the same view from the cache.
#include "map/TileServer.h"
#include "support/RunTool.h"
#include "support/TestFiles.h"

#include <QColor>
#include <QImage>

#include <gtest/gtest.h>

#include <filesystem>

namespace {

TEST(WorldMapTest, TilesShowWhereTheyLieAndStayWhenTheServerIsGone) {
    testsupport::TempDir dir;
    ASSERT_TRUE(tiletest::MakeTestTiles(dir.Path()));
    auto server = std::make_unique<tiletest::TileServer>(dir.File("tiles"));
    std::filesystem::create_directories(dir.File("data/quilo/tiles"));
    testsupport::WriteBytes(dir.File("data/quilo/tiles/test.tiles"),
                            "name = Test\nurl = " + server->Url("/{z}/{x}/{y}.png") +
                                "\nzoom = 9-12\nattribution = Test tiles\n");
    const std::vector<std::string> env = {"HOME=" + dir.File("home"),
                                          "XDG_CACHE_HOME=" + dir.File("cache"),
                                          "XDG_DATA_HOME=" + dir.File("data"),
                                          "XDG_CONFIG_HOME=" + dir.File("config"),
                                          "XDG_STATE_HOME=" + dir.File("state"),
                                          "QT_QPA_PLATFORM=offscreen"};
    const struct {
        const char* lat;
        const char* lon;
        QColor colour; // of the quarter there
    } places[] = {{"46.95", "7.05", QColor(250, 30, 90)}, {"46.85", "7.15", QColor(240, 240, 90)}};
    for (const bool online : {true, false}) {
        if (!online)
            server->Stop();
        for (const auto& place : places) {
            SCOPED_TRACE(std::string(online ? "online " : "server gone ") + place.lat);
            const std::string shot = dir.File("shot.png");
            const auto run =
                testsupport::Run(QUILO_PATH,
                                 {"--tiles", "test", "--at", place.lat, place.lon, "--zoom", "12",
                                  "--screenshot", shot, "--size", "400x300"},
                                 "", env);
            ASSERT_EQ(run.status, 0) << run.err;
            const QImage image(QString::fromStdString(shot));
            ASSERT_FALSE(image.isNull());
            // The middle of the view lies in the quarter: 0.1 degrees are 290 pixels at zoom 12.
            EXPECT_EQ(image.pixelColor(200, 160), place.colour);
            // The attribution's dark letters, bottom right over the map.
            int letters = 0;
            for (int y = image.height() - 60; y < image.height(); ++y)
                for (int x = image.width() - 120; x < image.width(); ++x)
                    letters += qGray(image.pixel(x, y)) < 60 ? 1 : 0;
            EXPECT_GT(letters, 20);
        }
    }
}

// A scan with the world map under and around it (quilo SCAN --tiles): the scan in its place over
// the tiles at the opacity the settings hold, the tiles beside it where GDAL put them.
TEST(WorldMapTest, TheWorldLiesUnderAndAroundAScan) {
    testsupport::TempDir dir;
    ASSERT_TRUE(tiletest::MakeTestTiles(dir.Path()));
    tiletest::TileServer server(dir.File("tiles"));
    // 100 x 100 pixels of 0.0004 degrees inside the north-west quarter.
    ASSERT_TRUE(testsupport::RunGdal("gdal_create", {"-q",      "-of",
                                                     "GTiff",   "-outsize",
                                                     "100",     "100",
                                                     "-bands",  "3",
                                                     "-burn",   "20",
                                                     "-burn",   "20",
                                                     "-burn",   "200",
                                                     "-a_srs",  "EPSG:4326",
                                                     "-a_ullr", "7.05",
                                                     "46.95",   "7.09",
                                                     "46.91",   dir.File("scan.tif")}));
    const QColor northWest(250, 30, 90);
    const struct {
        const char* settings; // of the opacity
        QColor scan;          // the scan's middle as shown
    } cases[] = {{"", QColor(20, 20, 200)}, {"ScanOpacity=50\n", QColor(135, 25, 145)}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.settings);
        std::filesystem::create_directories(dir.File("config/Morvellan Software Inc."));
        testsupport::WriteBytes(dir.File("config/Morvellan Software Inc./QUILO.ini"),
                                std::string("[Settings]\n") + c.settings);
        const std::string shot = dir.File("shot.png");
        const auto run = testsupport::Run(
            QUILO_PATH,
            {dir.File("scan.tif"), "--tiles", server.Url("/{z}/{x}/{y}.png"), "--at", "46.93",
             "7.07", "--zoom", "100", "--screenshot", shot, "--size", "400x300"},
            "",
            {"HOME=" + dir.File("home"), "XDG_CACHE_HOME=" + dir.File("cache"),
             "XDG_CONFIG_HOME=" + dir.File("config"), "XDG_STATE_HOME=" + dir.File("state"),
             "QT_QPA_PLATFORM=offscreen"});
        ASSERT_EQ(run.status, 0) << run.err;
        const QImage image(QString::fromStdString(shot));
        ASSERT_FALSE(image.isNull());
        const QColor middle = image.pixelColor(200, image.height() / 2);
        EXPECT_NEAR(middle.red(), c.scan.red(), 2);
        EXPECT_NEAR(middle.green(), c.scan.green(), 2);
        EXPECT_NEAR(middle.blue(), c.scan.blue(), 2);
        // 150 pixels west of the middle: 0.06 degrees, off the scan, on the tiles.
        EXPECT_EQ(image.pixelColor(50, image.height() / 2), northWest);
    }
}

} // namespace
