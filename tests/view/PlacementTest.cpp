// The folder's listing (ReadShownMap), quilo-tool map and the viewer place a map of every kind
// alike, with and without the user's grid file beside it; GDAL's tools make the maps.
#include "calib/CalibrationFile.h"
#include "calib/MapCalibration.h"
#include "map/ShownMap.h"
#include "map/formats/ImageDecoder.h"
#include "map/formats/MapSource.h"
#include "platform/SettingsStore.h"
#include "support/GdalMaps.h"
#include "support/QtTestSupport.h"
#include "view/MapLoader.h"
#include "view/MapView.h"

#include <gtest/gtest.h>

#include <cmath>
#include <sstream>
#include <string>

namespace {

using testsupport::RunGdal;
using testsupport::TempDir;

constexpr const char* kSheet[] = {"-a_srs",  "EPSG:32632", "-a_ullr", "355356",
                                  "5085739", "358356",     "5083739"};

// A 300 x 200 picture as each kind holds it, placed near 45.9 N 7.2 E; the path opened.
std::string Make(const TempDir& dir, std::string_view kind) {
    testsupport::WritePatternPpm(dir.File("a.ppm"), 300, 200);
    const std::vector<std::string> sheet(std::begin(kSheet), std::end(kSheet));
    const auto translate = [&](std::vector<std::string> args, const std::string& out) {
        args.insert(args.begin(), "-q");
        args.insert(args.end(), {dir.File("a.ppm"), dir.File(out)});
        RunGdal("gdal_translate", args);
        return dir.File(out);
    };
    if (kind == "mcd") {
        calib::CGPSMapFuncs pairs; // plane rows count up from the bottom edge
        pairs.AddCalibrationPoint(MapPos(0, 200), MapPos(7, 46));
        pairs.AddCalibrationPoint(MapPos(300, 200), MapPos(7.3, 46));
        pairs.AddCalibrationPoint(MapPos(0, 0), MapPos(7, 45.8));
        EXPECT_TRUE(calib::SaveCalibrationFile(dir.File("s.mcd"), pairs));
        return translate({"-of", "JPEG"}, "s.jpg");
    }
    if (kind == "map") {
        translate({"-of", "PNG"}, "m.png");
        std::string text =
            "OziExplorer Map Data File Version 2.2\r\nm\r\nm.png\r\n1 ,Map Code,\r\n"
            "WGS 84,WGS 84,   0.0000,   0.0000,WGS 84\r\nReserved 1\r\nReserved 2\r\n"
            "Magnetic Variation,,,E\r\nMap Projection,Latitude/Longitude,PolyCal,"
            "No,AutoCalOnly,No,BSBUseWPX,No\r\n";
        for (const char* point :
             {"0,0,in, deg,  46, 0.0,N,   7, 0.0,E", "300,0,in, deg,  46, 0.0,N,   7, 18.0,E",
              "0,200,in, deg,  45, 48.0,N,   7, 0.0,E"})
            text += std::string("Point01,xy,") + point + ", grid,   ,  ,  ,N\r\n";
        testsupport::WriteBytes(dir.File("m.map"), text + "IWH,Map Image Width/Height,300,200\r\n");
        return dir.File("m.map");
    }
    if (kind == "world") {
        std::vector<std::string> args{"-of", "JPEG", "-co", "WORLDFILE=YES"};
        args.insert(args.end(), sheet.begin(), sheet.end());
        translate(args, "w.jpg");
        const auto prj = testsupport::Run("/usr/bin/gdalsrsinfo", {"-o", "wkt_esri", "EPSG:32632"});
        testsupport::WriteBytes(dir.File("w.prj"), prj.out);
        return dir.File("w.wld");
    }
    if (kind == "geotiff")
        return translate(sheet, "g.tif");
    if (kind == "jp2") {
        std::vector<std::string> args{"-of", "JP2OpenJPEG"};
        args.insert(args.end(), sheet.begin(), sheet.end());
        return translate(args, "p.jp2");
    }
    if (kind == "kmz") {
        translate({"-of", "PNG"}, "o.png");
        testsupport::WriteBytes(dir.File("doc.kml"),
                                "<kml><GroundOverlay><Icon><href>o.png</href></Icon><LatLonBox>"
                                "<north>46</north><south>45.8</south><east>7.3</east><west>7</west>"
                                "</LatLonBox></GroundOverlay></kml>");
        testsupport::Run("/bin/sh",
                         {"-c", "cd '" + dir.Path().string() + "' && zip -q k.kmz doc.kml o.png"});
        return dir.File("k.kmz");
    }
    translate({"-a_srs", "EPSG:3857", "-a_ullr", "794265", "5765938", "797265", "5763938"},
              "t.tif");
    RunGdal("gdal_translate", {"-q", "-of", "MBTILES", "-co", "TILE_FORMAT=PNG", dir.File("t.tif"),
                               dir.File("t.mbtiles")});
    return dir.File("t.mbtiles");
}

// The user's own grid, four points far from where the file places the map (and, for a map with
// a calibration file, that file written in step with it, as the viewer writes both).
void WriteUserGrid(const std::string& path, int width, int height) {
    map::GridSettings settings;
    settings.model.kind = map::GridKind::Graticule;
    settings.keep = 4;
    for (const auto& [x, y, lon, lat] : {std::array{0, 0, 20, 60}, std::array{1, 0, 21, 60},
                                         std::array{0, 1, 20, 59}, std::array{1, 1, 21, 59}})
        settings.points.push_back({MapPos(x * width, y * height), MapPos(lon, lat)});
    const std::string base = calib::MapBaseName(path);
    ASSERT_TRUE(map::SaveGridFile(map::GridFileName(base), settings));
    const std::string mcd = calib::CalibrationFileName(base);
    if (std::filesystem::exists(mcd)) {
        ASSERT_TRUE(calib::SaveCalibrationFile(mcd, map::CalibrationFor(settings, {}, height)));
    }
}

TEST(Placement, TheListingTheToolAndTheViewerPlaceEveryKindAlike) {
    const struct {
        const char* kind;
        const char* reader;  // the row that reads the file
        const char* decoder; // the row that decodes its image
    } rows[] = {
        {"mcd", "image", "jpeg"},        {"map", "ozi-map", "image"},
        {"world", "world-file", "jpeg"}, {"geotiff", "geotiff", "tiff"},
        {"kmz", "kmz", "image"},         {"mbtiles", "mbtiles", "tiles"},
        {"jp2", "gdal", "gdal"},
    };
    for (const auto& row : rows) {
        for (const bool userGrid : {false, true}) {
            SCOPED_TRACE(std::string(row.kind) + (userGrid ? " with a grid file" : ""));
            const TempDir dir;
            const std::string path = Make(dir, row.kind);
            map::MapSourceResult read = map::ReadMapSource(path);
            ASSERT_TRUE(read.source) << read.error;
            EXPECT_EQ(read.source->format->name, row.reader);
            int err = 0;
            const platform::UniqueFd fd =
                read.source->imageFd.Valid()
                    ? std::move(read.source->imageFd)
                    : platform::OpenRegularFile(read.source->imagePath, &err);
            EXPECT_EQ(map::DecoderFor(fd.Get(), *read.source->format).name, row.decoder);

            map::ShownMapResult listed = map::ReadShownMap(path);
            ASSERT_TRUE(listed.map) << listed.error;
            const int width = listed.map->Width();
            const int height = listed.map->Height();
            if (userGrid) {
                WriteUserGrid(path, width, height);
                listed = map::ReadShownMap(path);
                ASSERT_TRUE(listed.map) << listed.error;
            }
            EXPECT_TRUE(listed.calibrated);
            const MapPos middle(width / 2.0, height / 2.0);
            const MapPos there = listed.map->ToGeo(middle);

            // The viewer shows the map the folder lists, with its pixels, and its document
            // places them alike.
            const MemorySettingsStore store;
            view::MapView view(store);
            const testsupport::MessageCatcher catcher;
            QString error;
            ASSERT_TRUE(view::MapLoader(view).Load(QString::fromStdString(path), &error))
                << error.toStdString();
            const map::ShownMap* shown = view.Shown();
            ASSERT_NE(shown, nullptr);
            EXPECT_EQ(shown->Description(), listed.map->Description());
            EXPECT_EQ(shown->Outline().size(), listed.map->Outline().size());
            ASSERT_NE(shown->Tiles(), nullptr);
            EXPECT_EQ(shown->Tiles()->Width(), view.Geometry().ImageWidth());
            const MapPos viewed = view.Session().Georeference().ToGeo(middle);

            const auto run = testsupport::RunTool(
                {"map", path, "--pixel", std::to_string(middle.x), std::to_string(middle.y)});
            ASSERT_EQ(run.status, 0) << run.err;
            std::istringstream tool(run.out);
            MapPos told;
            tool >> told.y >> told.x;

            for (const MapPos& other : {viewed, shown->ToGeo(middle), told}) {
                EXPECT_NEAR(other.x, there.x, 1e-9);
                EXPECT_NEAR(other.y, there.y, 1e-9);
            }
            // The user's grid places the middle at 20.5 E 59.5 N; the files near 7.2 E 45.9 N.
            EXPECT_NEAR(there.x, userGrid ? 20.5 : 7.2, userGrid ? 1e-6 : 0.1);
            EXPECT_NEAR(there.y, userGrid ? 59.5 : 45.9, userGrid ? 1e-6 : 0.1);
        }
    }
}

} // namespace
