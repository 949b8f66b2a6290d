#include "calib/MapSettings.h"

#include <gtest/gtest.h>

#include <cmath>
#include <optional>

namespace {

TEST(MapSettingsTest, ParseMagnitude) {
    struct Row {
        const char* legend;
        const char* text;
        std::optional<double> value;
    };
    const Row rows[] = {
        {"plain", "3.5", 3.5},
        {"upper bound accepted", "180.0", 180.0},
        {"zero", "0", 0.0},
        {"leading point", ".5", 0.5},
        {"trailing point", "12.", 12.0},
        {"plus sign and spaces", " +7.25 ", 7.25},
        {"above the bound", "180.5", std::nullopt},
        {"just above the bound", "180.0000001", std::nullopt},
        {"negative: the side says west", "-1", std::nullopt},
        {"empty", "", std::nullopt},
        {"only a point", ".", std::nullopt},
        {"decimal comma", "3,5", std::nullopt},
        {"exponent", "1e2", std::nullopt},
        {"two points", "1.2.3", std::nullopt},
        {"not a number", "nan", std::nullopt},
        {"infinity", "inf", std::nullopt},
        {"trailing letters", "5deg", std::nullopt},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.legend);
        EXPECT_EQ(calib::ParseMagVarMagnitude(row.text), row.value);
    }
}

TEST(MapSettingsTest, SplitAndJoinVariation) {
    struct Row {
        const char* legend;
        double magVar;
        double magnitude;
        bool east;
        const char* text;
    };
    const Row rows[] = {
        {"west is negative", -3.5, 3.5, false, "3.5"},
        {"east is positive", 12.25, 12.25, true, "12.25"},
        {"zero shows as 0 East", 0.0, 0.0, true, "0"},
        {"negative zero too", -0.0, 0.0, true, "0"},
        {"small values stay plain decimals", 1e-7, 1e-7, true, "0.0000001"},
        {"the bound", -180.0, 180.0, false, "180"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.legend);
        const calib::MagVarEntry entry = calib::SplitMagVar(row.magVar);
        EXPECT_EQ(entry.magnitude, row.magnitude);
        EXPECT_EQ(entry.east, row.east);
        EXPECT_EQ(calib::FormatMagVarMagnitude(entry.magnitude), row.text);
        EXPECT_EQ(calib::ParseMagVarMagnitude(row.text), row.magnitude);
        EXPECT_EQ(calib::SignedMagVar(entry), row.magVar);
    }
}

TEST(MapSettingsTest, ParametersText) {
    EXPECT_EQ(calib::FormatCalibrationParams(calib::CGPSMapFuncs()),
              "A: 0.0100000000   B: 0.0000000000\n"
              "C: 0.0000000000   D: 0.0100000000\n"
              "E: 0.0000000000   F: 52.0000000000");

    calib::CGPSMapFuncs c;
    c.AddCalibrationPoint(MapPos(0, 480), MapPos(-0.25, 51.5));
    c.AddCalibrationPoint(MapPos(640, 480), MapPos(0.75, 51.5));
    c.AddCalibrationPoint(MapPos(0, 0), MapPos(-123.456789012345, 50.9));
    EXPECT_EQ(calib::FormatCalibrationParams(c), "A: 0.0015625000   B: 0.0000000000\n"
                                                 "C: 0.2566808104   D: 0.0012500000\n"
                                                 "E: -123.4567890123   F: 50.9000000000");
}

} // namespace
