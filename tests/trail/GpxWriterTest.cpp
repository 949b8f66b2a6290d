#include "trail/GpxWriter.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>

#include "support/TestFiles.h"
#include "support/Xmllint.h"
#include "trail/GpxReader.h"

using testsupport::TempDir;
using testsupport::WriteBytes;

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

TEST(GpxWriter, WritesIsoUtcTimes) {
    struct Row {
        std::int64_t utcMs;
        const char* expected;
    };
    const Row rows[] = {
        {1, "1970-01-01T00:00:00.001Z"},
        {1733659200000, "2024-12-08T12:00:00Z"},
        {1733659200123, "2024-12-08T12:00:00.123Z"},
        {951782400000, "2000-02-29T00:00:00Z"},
        {-1, "1969-12-31T23:59:59.999Z"},
        {253402300799999, "9999-12-31T23:59:59.999Z"},
        {-62135596800000, "0001-01-01T00:00:00Z"},
    };
    for (const Row& row : rows) {
        std::string out;
        trail::AppendGpxTime(out, row.utcMs);
        EXPECT_EQ(out, row.expected) << row.utcMs;
    }
}

TEST(GpxWriter, WritesOnlyWhatGpxCanHold) {
    struct Row {
        const char* legend;
        trail::TrackPoint point;
        const char* expected; // the trkpt line, or "" when the point is left out
        trail::GpxLeftOut leftOut{};
    };
    const Row rows[] = {
        {"position only", {{151.2093, -33.8688}}, "<trkpt lat=\"-33.8688\" lon=\"151.2093\"/>"},
        {"height and time",
         {{-2.25, 1.5}, 1733659200000, 12.5},
         "<trkpt lat=\"1.5\" lon=\"-2.25\"><ele>12.5</ele><time>2024-12-08T12:00:00Z</time>"
         "</trkpt>"},
        {"longitude far beyond 180", {{2e20, 1e-7}, 0, kNaN}, "", {1, 0}},
        {"no exponent, in range",
         {{1e-9, 1e-7}, 0, -1e-5},
         "<trkpt lat=\"0.0000001\" lon=\"0.000000001\"><ele>-0.00001</ele></trkpt>"},
        {"longitude 180 is -180", {{180, 10}}, "<trkpt lat=\"10\" lon=\"-180\"/>"},
        {"the poles", {{-180, -90}}, "<trkpt lat=\"-90\" lon=\"-180\"/>"},
        {"latitude beyond 90", {{1, 90.5}}, "", {1, 0}},
        {"NaN", {{1, kNaN}}, "", {1, 0}},
        {"infinite longitude", {{std::numeric_limits<double>::infinity(), 1}}, "", {1, 0}},
        {"a time beyond the year 9999 is left out",
         {{1, 1}, 253402300800000},
         "<trkpt lat=\"1\" lon=\"1\"/>",
         {0, 1}},
        {"glitched heights are left out, whatever the reader's bound",
         {{1, 1}, 0, 1234567890},
         "<trkpt lat=\"1\" lon=\"1\"/>",
         {0, 1}},
        {"speed (m/s) and course in the extension",
         {{1, 1}, 0, 1e6, 10, 360},
         "<trkpt lat=\"1\" lon=\"1\"><ele>1000000</ele><extensions><gpxtpx:TrackPointExtension>"
         "<gpxtpx:speed>5.144444444444445</gpxtpx:speed><gpxtpx:course>0</gpxtpx:course>"
         "</gpxtpx:TrackPointExtension></extensions></trkpt>"},
        {"an impossible speed and course are left out",
         {{1, 1}, 0, -1e308, -1, 360.5},
         "<trkpt lat=\"1\" lon=\"1\"/>",
         {0, 3}},
        {"digits xmllint takes: near 0 only 17 decimals",
         {{1e-300, -1.2345678901234567e-9}, 0, 1.2345678901234567e-9},
         "<trkpt lat=\"-0.00000000123456789\" lon=\"0\"><ele>0.00000000123456789</ele></trkpt>"},
    };
    for (const Row& row : rows) {
        trail::GpxLeftOut leftOut;
        const std::string document = trail::GpxTrackDocument({{row.point}}, &leftOut);
        EXPECT_EQ(leftOut, row.leftOut) << row.legend;
        const auto at = document.find("<trkpt");
        if (*row.expected == '\0') {
            EXPECT_EQ(at, std::string::npos) << row.legend;
            EXPECT_EQ(document.find("<trkseg>"), std::string::npos) << row.legend;
        } else {
            ASSERT_NE(at, std::string::npos) << row.legend;
            EXPECT_EQ(document.substr(at, document.find('\n', at) - at), row.expected)
                << row.legend;
        }
    }
}

TEST(GpxWriter, TrailRunsBecomeSegmentsAndValidate) {
    trail::TrailBuffer trail;
    // Oldest first (longitude, latitude): break, two fixes, two breaks, one fix, break.
    for (const MapPos& sample :
         {MapPos{}, MapPos{2, 1}, MapPos{2.5, 1.5}, MapPos{}, MapPos{}, MapPos{-4, -3}, MapPos{}})
        trail.AddFront(sample);
    const std::string document = trail::TrailGpx(trail);
    EXPECT_EQ(document,
              "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
              "<gpx version=\"1.1\" creator=\"QUILO\" "
              "xmlns=\"http://www.topografix.com/GPX/1/1\" "
              "xmlns:gpxtpx=\"http://www.garmin.com/xmlschemas/TrackPointExtension/v2\">\n"
              "<trk>\n  <name>QUILO Trail</name>\n"
              "  <trkseg>\n"
              "    <trkpt lat=\"1\" lon=\"2\"/>\n"
              "    <trkpt lat=\"1.5\" lon=\"2.5\"/>\n"
              "  </trkseg>\n"
              "  <trkseg>\n"
              "    <trkpt lat=\"-3\" lon=\"-4\"/>\n"
              "  </trkseg>\n"
              "</trk>\n</gpx>\n");

    if (!testsupport::HaveXmllint())
        GTEST_SKIP() << "xmllint is not installed";
    TempDir dir;
    const trail::Track track = {
        {{{4.3, 52.1}, 1733659200123, 0.5}, {{4.4, 52.2}, 1733659201000, kNaN, 3.0, 90.0}},
        {},
        {{{179.99999999, -89.999999999}, 0, -11034.25}}};
    // Glitches a receiver sent: what is written of them must validate and read back.
    const trail::Track glitches = {{{{1, 1}, 1, 1e308, 1e308, 1e308},
                                    {{2, 2}, 2, 1234567890, 5, 359.9},
                                    {{1e-300, -1e-300}, 3, 1e-300, 1e-300, 1e-300}}};
    const std::string documents[] = {document, trail::GpxTrackDocument(track),
                                     trail::GpxTrackDocument(glitches), trail::GpxTrackDocument({}),
                                     trail::TrailGpx(trail::TrailBuffer{})};
    for (const std::string& each : documents) {
        WriteBytes(dir.File("t.gpx"), each);
        EXPECT_TRUE(testsupport::XmllintValidates(dir.File("t.gpx"), testsupport::GpxSchemaPath()))
            << each;
        trail::GpxContents read;
        const xml::Result result = trail::ParseGpx(each, read);
        EXPECT_TRUE(result) << result.error;
    }
}

} // namespace
