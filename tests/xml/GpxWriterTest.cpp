#include "xml/GpxWriter.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>

#include "support/TestFiles.h"
#include "support/Xmllint.h"
#include "xml/GpxReader.h"

using testsupport::TempDir;
using testsupport::WriteBytes;

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

TEST(GpxWriter, WritesOnlyWhatGpxCanHold) {
    struct Row {
        const char* legend;
        xml::TrackPoint point;
        const char* expected; // the trkpt line, or "" when the point is left out
        xml::GpxLeftOut leftOut{};
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
        xml::GpxLeftOut leftOut;
        const std::string document = xml::GpxTrackDocument({{row.point}}, &leftOut);
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

} // namespace
