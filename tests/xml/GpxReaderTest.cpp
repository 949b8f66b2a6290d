#include "xml/GpxReader.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>

#include "support/TestFiles.h"
#include "xml/GpxWriter.h"

using testsupport::TempDir;
using testsupport::WriteBytes;

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

const std::string kHead = "<?xml version=\"1.0\"?>\n"
                          "<gpx version=\"1.1\" creator=\"t\" "
                          "xmlns=\"http://www.topografix.com/GPX/1/1\">\n";

bool SamePoint(const xml::TrackPoint& a, const xml::TrackPoint& b) {
    const auto same = [](double p, double q) { return p == q || (std::isnan(p) && std::isnan(q)); };
    return a.position == b.position && a.utcMs == b.utcMs && same(a.heightM, b.heightM) &&
           same(a.speedKnots, b.speedKnots) && same(a.courseDeg, b.courseDeg);
}

TEST(GpxReader, ReadsBackWhatWeWriteIdentically) {
    const xml::Track track = {
        {{{4.3, 52.1}, 1733659200123, 0.5},
         {{4.300000000000001, 52.2}, 1733659201000},
         {{-0.1, 0.1}, 0, -11034.25}},
        {{{179.99999999999997, -89.99999999999999}, -62135596800000, 1e-7}},
    };
    xml::GpxContents read;
    const xml::Result result = xml::ParseGpx(xml::GpxTrackDocument(track), read);
    ASSERT_TRUE(result) << result.error;
    ASSERT_EQ(read.track.size(), track.size());
    for (std::size_t s = 0; s < track.size(); ++s) {
        ASSERT_EQ(read.track[s].size(), track[s].size());
        for (std::size_t p = 0; p < track[s].size(); ++p)
            EXPECT_TRUE(SamePoint(read.track[s][p], track[s][p])) << s << "/" << p;
    }
    EXPECT_TRUE(read.waypoints.empty());
}

TEST(GpxReader, TakesTracksRoutesAndWaypointsAndPassesOverTheRest) {
    const std::string body =
        "<metadata><name>m</name></metadata>\n"
        "<wpt lat=\" +1.5 \" lon=\"2\"><ele>3</ele><name>A &amp; B</name><desc>d</desc>"
        "<sym> Circle </sym><extensions><x:q xmlns:x=\"urn:x\"><wpt lat=\"99\"/></x:q>"
        "</extensions></wpt>\n"
        "<rte><name>r</name><rtept lat=\"5\" lon=\"6\"><ele>-4</ele></rtept></rte><rte/>\n"
        "<trk><name>t</name><trkseg/><trkseg><trkpt lat=\"1\" lon=\"2\"><ele>7</ele>"
        "<time>2024-12-08T12:00:00Z</time><name>ignored</name><extensions><wpt lat=\"0\" "
        "lon=\"0\"><ele>x</ele></wpt><t:TrackPointExtension xmlns:t=\"" +
        std::string(xml::kGpxTrackPointExtension) +
        "\"><t:speed>1852</t:speed><t:course>90.5</t:course></t:TrackPointExtension>"
        "</extensions></trkpt></trkseg></trk>\n"
        "<trk><trkseg><trkpt lat=\"-1\" lon=\"-2\"/><gpx><trk><name>nested</name></trk></gpx>"
        "</trkseg></trk><trk/>\n"
        "</gpx>\n";
    // GPX 1.1, and 1.0 with its namespace and without one.
    for (const std::string& head :
         {kHead, std::string("<gpx version=\"1.0\" xmlns=\"http://www.topografix.com/GPX/1/0\">"),
          std::string("<gpx version=\"1.0\">")}) {
        SCOPED_TRACE(head);
        xml::GpxContents read;
        const xml::Result result = xml::ParseGpx(head + body, read);
        ASSERT_TRUE(result) << result.error;
        EXPECT_EQ(read.waypoints,
                  (std::vector<xml::GpxWaypoint>{{{2, 1.5}, "A & B", "d", "Circle", 3}}));
        EXPECT_EQ(read.routes, (std::vector<xml::GpxRoute>{{"r", {{{6, 5}, "", "", "", -4}}}}));
        EXPECT_EQ(read.tracks, (std::vector<xml::GpxTrack>{{"t", 1}, {"", 1}}));
        ASSERT_EQ(read.track.size(), 2u);
        ASSERT_EQ(read.track[0].size(), 1u);
        EXPECT_TRUE(SamePoint(read.track[0][0], {{2, 1}, 1733659200000, 7, 3600, 90.5}));
        ASSERT_EQ(read.track[1].size(), 1u);
        EXPECT_TRUE(SamePoint(read.track[1][0], {{-2, -1}, 0, kNaN}));
    }
}

TEST(GpxReader, RefusesHostileAndBadDocumentsAndKeepsWhatItHad) {
    const std::string laughs =
        "<?xml version=\"1.0\"?><!DOCTYPE gpx [<!ENTITY a \"aaaaaaaaaa\">"
        "<!ENTITY b \"&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;\"><!ENTITY c \"&b;&b;&b;&b;&b;&b;&b;&b;\">]>"
        "<gpx version=\"1.1\" creator=\"t\" xmlns=\"http://www.topografix.com/GPX/1/1\">"
        "<wpt lat=\"1\" lon=\"1\"><name>&c;</name></wpt></gpx>";
    std::string deep = kHead;
    for (int i = 0; i < 100; ++i)
        deep += "<extensions>";
    const auto point = [](const std::string& attributes, const std::string& children = "") {
        return kHead + "<trk><trkseg><trkpt " + attributes + ">" + children +
               "</trkpt></trkseg></trk></gpx>";
    };
    struct Row {
        const char* legend;
        std::string document;
        const char* error;
    };
    const Row rows[] = {
        {"billion laughs", laughs, "document type declarations are not accepted"},
        {"deep nesting", deep, "elements nested deeper than 64"},
        {"lat beyond 90", point("lat=\"90.000001\" lon=\"0\""),
         "line 3, column 14: latitude not a number from -90 to 90: \"90.000001\""},
        {"lon beyond 180", point("lat=\"1\" lon=\"-180.5\""), "longitude not a number"},
        {"lat not a number", point("lat=\"1,5\" lon=\"1\""), "latitude not a number"},
        {"lat NaN", point("lat=\"nan\" lon=\"1\""), "latitude not a number"},
        {"lon missing", point("lat=\"1\""), "a point without lat or lon"},
        {"bad elevation", point("lat=\"1\" lon=\"1\"", "<ele>12m</ele>"), "elevation not a number"},
        {"infinite elevation", point("lat=\"1\" lon=\"1\"", "<ele>inf</ele>"),
         "elevation not a number"},
        {"bad time", point("lat=\"1\" lon=\"1\"", "<time>yesterday</time>"),
         "not a date and time: \"yesterday\""},
        {"not GPX", "<kml xmlns=\"http://www.opengis.net/kml/2.2\"/>", "not a GPX document"},
        {"GPX in another namespace", "<gpx xmlns=\"urn:gpx\"/>", "not a GPX document"},
        {"cut short", kHead + "<trk><trkseg>", "line 3, column 14: no element found"},
    };
    const xml::GpxContents before{{{{{1, 1}}}}, {{{3, 4}, "kept", "", ""}}};
    for (const Row& row : rows) {
        xml::GpxContents contents = before;
        const xml::Result result = xml::ParseGpx(row.document, contents);
        EXPECT_FALSE(result) << row.legend;
        EXPECT_NE(result.error.find(row.error), std::string::npos)
            << row.legend << ": " << result.error;
        EXPECT_EQ(contents.waypoints, before.waypoints) << row.legend;
        EXPECT_EQ(contents.track.size(), 1u) << row.legend;
    }
}

} // namespace
