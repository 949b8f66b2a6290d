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

} // namespace
