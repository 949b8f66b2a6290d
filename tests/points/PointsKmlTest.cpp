#include "points/PointsKml.h"
#include "points/PointsTestSupport.h"
#include "support/Xmllint.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <vector>

namespace {

using points::MapPointList;
using namespace points_test;

const std::string kEnvelopeStart = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                                   "<kml xmlns=\"http://earth.google.com/kml/2.1\">\n"
                                   "<Document>\n"
                                   "<Folder><name>QUILO Map Points</name>\n";
const std::string kEnvelopeEnd = "</Folder>\n</Document>\n</kml>\n";

TEST(PointsKml, DocumentLineForLine) {
    struct Row {
        const char* legend;
        MapPointList points;
        std::string placemarks;
        std::size_t leftOut = 0;
    };
    const std::vector<Row> rows = {
        {"empty list: the envelope and an empty folder", {}, ""},
        {"Greenwich, west longitude first, empty description",
         {CMapPoint("Home", MapPos(-0.0014, 51.4778), 2, 2, 4, 2, "")},
         "  <Placemark>\n"
         "    <name>Home</name>\n"
         "    <description></description>\n"
         "    <Point><coordinates>-0.0014000000,51.4778000000</coordinates></Point>\n"
         "  </Placemark>\n"},
        {"list order kept, markup escaped, UTF-8 unchanged",
         {CMapPoint("B", MapPos(1, 2), 0, 0, 0, 0, "x"),
          CMapPoint("A&B <Caf\xC3\xA9>", MapPos(151.2093, -33.8688), -1, -1, -1, -1,
                    "\"q\" 'a' > 1")},
         "  <Placemark>\n"
         "    <name>B</name>\n"
         "    <description>x</description>\n"
         "    <Point><coordinates>1.0000000000,2.0000000000</coordinates></Point>\n"
         "  </Placemark>\n"
         "  <Placemark>\n"
         "    <name>A&amp;B &lt;Caf\xC3\xA9&gt;</name>\n"
         "    <description>&quot;q&quot; &apos;a&apos; &gt; 1</description>\n"
         "    <Point><coordinates>151.2093000000,-33.8688000000</coordinates></Point>\n"
         "  </Placemark>\n"},
        {"positions a KML reader refuses are left out",
         {CMapPoint("pole", MapPos(1, 90.5), 0, 0, 0, 0, ""),
          CMapPoint("nan", MapPos(std::numeric_limits<double>::quiet_NaN(), 1), 0, 0, 0, 0, "")},
         "",
         2},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.legend);
        std::size_t leftOut = 99;
        EXPECT_EQ(points::PointsKmlDocument(row.points, &leftOut),
                  kEnvelopeStart + row.placemarks + kEnvelopeEnd);
        EXPECT_EQ(leftOut, row.leftOut);
    }
}

TEST(PointsKml, WrittenDocumentsParse) {
    if (!testsupport::HaveXmllint())
        GTEST_SKIP() << "xmllint is not installed";
    TempDir dir;
    const std::vector<MapPointList> lists = {
        {},
        {CMapPoint("A&B <1>", MapPos(-0.0014, 51.4778), 2, 2, 4, 2, "fish & chips <b>"),
         CMapPoint("\"Z\xC3\xBCrich\" it's", MapPos(8.54, 47.37), 1, 1, 1, 1,
                   "a\x01\xFF"
                   "b")},
    };
    for (std::size_t i = 0; i < lists.size(); ++i) {
        SCOPED_TRACE(i);
        const std::string path = dir.File("points" + std::to_string(i) + ".kml");
        const platform::FileResult written = points::WritePointsKml(path, lists[i]);
        ASSERT_TRUE(written) << written.error;
        EXPECT_TRUE(testsupport::XmllintAccepts(path)) << ReadBytes(path);
    }
}

} // namespace
