// The shading the viewer lays over a scan, offscreen, against gdaldem of the same DEM: the scan
// is a white GeoTIFF on the DEM's own grid, so at 100 % each view pixel is one DEM sample.
#include "platform/SettingsStore.h"
#include "session/MapSession.h"
#include "support/QtTestSupport.h"
#include "support/RunTool.h"
#include "support/TestFiles.h"
#include "terrain/HgtFiles.h"
#include "view/MapLoader.h"
#include "view/MapView.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <string>
#include <vector>

namespace {

// gdaldem leaves a void's neighbours unshaded; the layer, which samples between pixel centres,
// one pixel more.
bool BesideAVoid(const terraintest::Grid& truth, int width, std::size_t col, std::size_t line) {
    const int height = static_cast<int>(truth.values.size()) / width;
    for (int dy = -2; dy <= 2; ++dy)
        for (int dx = -2; dx <= 2; ++dx) {
            const int x = static_cast<int>(col) + dx;
            const int y = static_cast<int>(line) + dy;
            if (x >= 0 && y >= 0 && x < width && y < height &&
                truth.values[static_cast<std::size_t>(y * width + x)] == 0)
                return true;
        }
    return false;
}

TEST(ShadeLayer, MatchesGdaldemOverAScan) {
    testsupport::TempDir dir;
    std::filesystem::create_directory(dir.File("dem"));
    terraintest::WriteFloatDem(dir, "dem/cone.tif", 150, 110, 2, [](int r, int c) {
        return r > 95 && c < 20 ? -9999 : 900 - 1.5 * std::hypot(r - 50.3, c - 70.7);
    });
    std::filesystem::create_directory(dir.File("ramp"));
    terraintest::WriteFloatDem(dir, "ramp/ramp.tif", 60, 40, 1,
                               [](int, int c) { return 400 + 0.1 * c; });
    const struct {
        const char* legend;
        std::string dem; // its folder and file
        terrain::ShadeKind kind;
        double zoom;
        double opacity;
    } rows[] = {
        {"hill shading", "dem/cone.tif", terrain::ShadeKind::Hill, 1.0, 1.0},
        {"slope shading, half covering", "dem/cone.tif", terrain::ShadeKind::Slope, 1.0, 0.5},
        {"a ramp of 0.1 m a pixel enlarged: one grey, no steps", "ramp/ramp.tif",
         terrain::ShadeKind::Hill, 4.0, 1.0},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.legend);
        const bool hill = row.kind == terrain::ShadeKind::Hill;
        const std::string scan = dir.File("scan.tif");
        ASSERT_EQ(
            testsupport::Run(QUILO_GDAL_TRANSLATE,
                             {"-q", "-ot", "Byte", "-scale", "0", "1", "255", "255", "-b", "1",
                              "-b", "1", "-b", "1", "-a_nodata", "none", dir.File(row.dem), scan})
                .status,
            0);
        ASSERT_EQ(testsupport::Run(QUILO_GDALDEM, {hill ? "hillshade" : "slope", "-q",
                                                   dir.File(row.dem), dir.File("truth.tif")})
                      .status,
                  0);
        terraintest::Grid truth = terraintest::ReadAsGrid(dir, "truth.tif");
        const int demWidth = row.dem == "ramp/ramp.tif" ? 60 : 150;
        if (!hill) // degrees, or -9999 where there is none
            for (double& v : truth.values)
                v = v < 0 ? 0 : 1 + 254 * (1 - v / 90);

        const MemorySettingsStore store;
        view::MapView view(store);
        view.resize(400, 300);
        view.show();
        const testsupport::MessageCatcher catcher;
        QString error;
        ASSERT_TRUE(view::MapLoader(view).Load(QString::fromStdString(scan), &error))
            << error.toStdString();
        const std::string folder = std::filesystem::path(dir.File(row.dem)).parent_path();
        view.Change([&folder](session::MapSession& s) { return s.SetDemFolder(folder); });
        view.SetOverlays({.shading = view::ShadeChoice{row.kind, row.opacity}});
        view.SetZoom(row.zoom);
        view.ScrollTo({0, 0});
        view.WaitForTilesInView();
        QImage frame(400, 300, QImage::Format_RGB32);
        {
            QPainter painter(&frame);
            view.PaintFrame(painter);
        }
        int compared = 0;
        int worst = 0;
        for (int y = 0; y < frame.height(); ++y)
            for (int x = 0; x < frame.width(); ++x) {
                const auto col = static_cast<std::size_t>((x + 0.5) / row.zoom);
                const auto line = static_cast<std::size_t>((y + 0.5) / row.zoom);
                if (col >= static_cast<std::size_t>(demWidth) ||
                    line * demWidth + col >= truth.values.size())
                    continue;
                const double grey = truth.values[line * demWidth + col];
                if (grey == 0 || BesideAVoid(truth, demWidth, col, line))
                    continue;
                const double want = 255 * (1 - row.opacity) + grey * row.opacity;
                worst = std::max(worst, static_cast<int>(std::ceil(
                                            std::abs(qRed(frame.pixel(x, y)) - want) - 1e-9)));
                ++compared;
            }
        EXPECT_GT(compared, 2000);
        EXPECT_LE(worst, 2);
    }
}

} // namespace
