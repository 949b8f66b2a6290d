#include "points/KmlPlacemarks.h"
#include "points/PointsGpx.h"
#include "points/PointsKml.h"
#include "support/TestFiles.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using points::MapPointList;

// Our own GPX and KML exports read back as the same points (GPX keeps the symbol too; colours
// and size are the import's own).
TEST(PointsImport, OurExportsReadBackIdentically) {
    const MapPointList written = {
        CMapPoint("Home", MapPos(-0.0014, 51.4778), 1, 0, 0, 0, ""),
        CMapPoint("A&B <Caf\xC3\xA9> \"q\"", MapPos(151.20930000000001, -33.8688), 4, 1, 1, 1,
                  "line 1\r\nline 2 & 'x'"),
        CMapPoint("", MapPos(-179.5, 89.25), 0, 0, 0, 0, "  spaced  "),
    };
    testsupport::TempDir dir;
    ASSERT_TRUE(points::WritePointsGpx(dir.File("p.gpx"), written));
    ASSERT_TRUE(points::WritePointsKml(dir.File("p.KML"), written));
    for (const char* name : {"p.gpx", "p.KML"}) {
        MapPointList read;
        ASSERT_TRUE(points::ReadImportedPoints(dir.File(name), read)) << name;
        ASSERT_EQ(read.size(), written.size()) << name;
        const bool gpx = std::string(name) == "p.gpx";
        for (std::size_t i = 0; i < read.size(); ++i) {
            const CMapPoint& w = written[i];
            const CMapPoint expected =
                points::ImportedPoint(w.GetName(), w.GetPosition(), w.GetDescription(),
                                      gpx ? points::GpxSymbolName(w.GetSymbol()) : "");
            // KML keeps ten decimals.
            if (!gpx) {
                EXPECT_NEAR(read[i].GetPosition().x, w.GetPosition().x, 1e-10);
                EXPECT_NEAR(read[i].GetPosition().y, w.GetPosition().y, 1e-10);
                EXPECT_EQ(read[i].GetName(), w.GetName());
                // KML keeps no CR (XML reads one as LF), GPX writes it as a reference.
                std::string description = w.GetDescription();
                std::erase(description, '\r');
                EXPECT_EQ(read[i].GetDescription(), description);
            } else {
                EXPECT_EQ(read[i], expected) << i;
            }
        }
    }
}

TEST(PointsImport, KmlPlacemarksWithPointsOnly) {
    const std::string document =
        "<kml xmlns=\"http://www.opengis.net/kml/2.2\"><Document><Folder>"
        "<Placemark><name>P</name><description>d</description>"
        "<Point><coordinates> 1.5,-2.5,100 </coordinates></Point></Placemark>"
        "<Placemark><name>line</name><LineString><coordinates>1,1 2,2</coordinates>"
        "</LineString></Placemark>"
        "<Placemark><Point><coordinates>+3,4</coordinates></Point></Placemark>"
        "</Folder></Document></kml>";
    MapPointList read;
    const xml::Result result = points::ParseKmlPlacemarks(document, read);
    ASSERT_TRUE(result) << result.error;
    ASSERT_EQ(read.size(), 2u);
    EXPECT_EQ(read[0], points::ImportedPoint("P", MapPos(1.5, -2.5), "d", ""));
    EXPECT_EQ(read[1], points::ImportedPoint("", MapPos(3, 4), "", ""));
}

TEST(PointsImport, RefusedDocumentsLeaveThePointsAlone) {
    const auto placemark = [](const std::string& coordinates) {
        return "<kml><Placemark><Point><coordinates>" + coordinates +
               "</coordinates></Point></Placemark></kml>";
    };
    struct Row {
        const char* legend;
        std::string document;
        const char* error;
    };
    const Row rows[] = {
        {"latitude beyond 90", placemark("1,91"), "coordinates not"},
        {"not numbers", placemark("east,north"), "coordinates not"},
        {"one number", placemark("1"), "coordinates not"},
        {"not KML", "<gpx/>", "not a KML document"},
        {"an entity", "<!DOCTYPE kml [<!ENTITY e 'x'>]><kml>&e;</kml>",
         "document type declarations are not accepted"},
    };
    const MapPointList before = {CMapPoint("kept", MapPos(1, 2), 1, 1, 1, 1, "")};
    for (const Row& row : rows) {
        MapPointList points = before;
        const xml::Result result = points::ParseKmlPlacemarks(row.document, points);
        EXPECT_FALSE(result) << row.legend;
        EXPECT_NE(result.error.find(row.error), std::string::npos)
            << row.legend << ": " << result.error;
        EXPECT_EQ(points, before) << row.legend;
    }
    testsupport::TempDir dir;
    testsupport::WriteBytes(dir.File("bad.gpx"), "<gpx xmlns=\"http://www.topografix.com/GPX/1/1\">"
                                                 "<wpt lat=\"-91\" lon=\"0\"/></gpx>");
    MapPointList points = before;
    const platform::LoadResult refused = points::ReadImportedPoints(dir.File("bad.gpx"), points);
    EXPECT_EQ(refused.status, platform::LoadStatus::Damaged);
    EXPECT_EQ(refused.error, dir.File("bad.gpx") +
                                 ": damaged GPX file (line 1, column 48: latitude not a number "
                                 "from -90 to 90: \"-91\")");
    EXPECT_EQ(points, before);
}

} // namespace
