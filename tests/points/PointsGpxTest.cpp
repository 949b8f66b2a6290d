#include "points/PointsGpx.h"
#include "support/TestFiles.h"
#include "support/Xmllint.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>

namespace {

using points::MapPointList;

TEST(PointsGpx, WaypointsCarryNameDescriptionAndSymbolAndValidate) {
    const MapPointList points = {
        CMapPoint("Home", MapPos(-0.0014, 51.4778), 2, 2, 4, 2, ""),
        CMapPoint("A&B <Caf\xC3\xA9>", MapPos(151.2093, -33.8688), -1, 0, 0, 0, "\"q\" 'a'"),
        CMapPoint("beyond the pole", MapPos(1, 90.5), 1, 0, 0, 0, ""),
        CMapPoint("nan", MapPos(std::numeric_limits<double>::quiet_NaN(), 1), 1, 0, 0, 0, ""),
        CMapPoint("bad name \x01", MapPos(1, 2), 42, 0, 0, 0, "d"),
    };
    std::size_t leftOut = 0;
    const std::string document = points::PointsGpxDocument(points, &leftOut);
    EXPECT_EQ(leftOut, 2u) << "beyond the pole, nan";
    EXPECT_EQ(
        document,
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        "<gpx version=\"1.1\" creator=\"QUILO\" xmlns=\"http://www.topografix.com/GPX/1/1\" "
        "xmlns:gpxtpx=\"http://www.garmin.com/xmlschemas/TrackPointExtension/v2\">\n"
        "<wpt lat=\"51.4778\" lon=\"-0.0014\">\n  <name>Home</name>\n"
        "  <sym>Triangle</sym>\n</wpt>\n"
        "<wpt lat=\"-33.8688\" lon=\"151.2093\">\n"
        "  <name>A&amp;B &lt;Caf\xC3\xA9&gt;</name>\n  <desc>&quot;q&quot; &apos;a&apos;</desc>\n"
        "  <sym>Crosshair</sym>\n</wpt>\n"
        "<wpt lat=\"2\" lon=\"1\">\n  <name>bad name \xEF\xBF\xBD</name>\n  <desc>d</desc>\n"
        "  <sym>Crosshair</sym>\n</wpt>\n"
        "</gpx>\n");

    if (!testsupport::HaveXmllint())
        GTEST_SKIP() << "xmllint is not installed";
    testsupport::TempDir dir;
    for (const MapPointList& list : {points, MapPointList{}}) {
        ASSERT_TRUE(points::WritePointsGpx(dir.File("p.gpx"), list));
        EXPECT_TRUE(testsupport::XmllintValidates(dir.File("p.gpx"), testsupport::GpxSchemaPath()));
    }
}

TEST(PointsGpx, SymbolNamesMatchIgnoringCase) {
    struct Row {
        const char* name;
        int symbol;
    };
    const Row rows[] = {{"Invisible", 0}, {"circle", 1},      {"TRIANGLE", 2}, {"Square", 3},
                        {"Crosshair", 4}, {"Flag, Blue", -1}, {"", -1},        {"Circles", -1}};
    for (const Row& row : rows)
        EXPECT_EQ(points::SymbolFromGpxName(row.name), row.symbol) << row.name;
}

} // namespace
