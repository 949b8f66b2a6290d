#include "view/GpsSettingsValues.h"

#include <gtest/gtest.h>

namespace view {

namespace {

TEST(GpsSettingsValues, BaudTextReadsLikeAnIntegerScan) {
    const struct {
        const char* legend;
        const char* text;
        int expected;
    } rows[] = {
        {"listed rate", "9600", 9600},
        {"unlisted rate is kept", "14400", 14400},
        {"digits then letters", "12ab", 12},
        {"leading blanks", "  38400", 38400},
        {"explicit plus", "+4800", 4800},
        {"no leading digits", "ab12", 4800},
        {"empty", "", 4800},
        {"blanks only", "   ", 4800},
        {"sign alone", "-", 4800},
        {"two signs", "+-5", 4800},
        {"too large for 32 bits", "99999999999", 4800},
    };
    for (const auto& row : rows)
        EXPECT_EQ(ParseBaudText(row.text), row.expected) << row.legend;
}

TEST(GpsSettingsValues, PageChecksRefuseOutOfRangeWithRangeMessage) {
    std::int32_t n = -7;
    double d = -7;
    EXPECT_EQ(CheckUpdateRate("50", &n), "Please enter an integer between 100 and 9999.");
    EXPECT_EQ(n, -7);
    EXPECT_FALSE(CheckUpdateRate("100", &n));
    EXPECT_EQ(n, 100);
    EXPECT_TRUE(CheckUpdateRate("10000", &n));
    EXPECT_TRUE(CheckUpdateRate("", &n));

    EXPECT_EQ(CheckTrailLength("5", &n), "Please enter an integer between 10 and 9999.");
    EXPECT_TRUE(CheckTrailLength("12x", &n));
    EXPECT_FALSE(CheckTrailLength(" 9999 ", &n));
    EXPECT_EQ(n, 9999);

    EXPECT_EQ(CheckTrailMinDelta("1000.5", &d), "Please enter a number between 0 and 1000.");
    EXPECT_TRUE(CheckTrailMinDelta("-0.1", &d));
    EXPECT_TRUE(CheckTrailMinDelta("nan", &d));
    EXPECT_TRUE(CheckTrailMinDelta("2,4", &d)); // never read through the user's locale
    EXPECT_EQ(d, -7);
    EXPECT_FALSE(CheckTrailMinDelta("2.4", &d));
    EXPECT_EQ(d, 2.4);

    EXPECT_EQ(CheckTrailMaxSpeed("-1", &n), "Please enter an integer between 0 and 99999.");
    EXPECT_FALSE(CheckTrailMaxSpeed("0", &n)); // the jump filter off
    EXPECT_EQ(n, 0);

    EXPECT_FALSE(CheckBaudText("115200"));
    EXPECT_EQ(CheckBaudText("1152000"), "Enter no more than 6 characters.");
}

TEST(GpsSettingsValues, RoundTripThroughSettings) {
    ViewSettings settings;
    settings.comPort = 3;
    settings.baudRate = 9600;
    settings.trailMinDelta = 2.4;
    auto values = GpsSettingsValues::From(settings, "/dev/ttyUSB0");
    EXPECT_EQ(values.portIndex, 2);
    EXPECT_EQ(values.baudText, "9600");
    EXPECT_EQ(values.device, "/dev/ttyUSB0");

    values.baudText = "12ab";
    values.symbol = 3;
    values.fillColour = 1;
    values.trailLength = 100;
    EXPECT_EQ(values.trailMaxSpeedKmh, 500);
    values.trailMaxSpeedKmh = 80;
    ViewSettings applied = settings;
    values.ApplyTo(applied);
    EXPECT_EQ(applied.baudRate, 12);
    EXPECT_EQ(applied.comPort, 3);
    EXPECT_EQ(applied.trailMinDelta, 2.4); // used as typed until the next start
    EXPECT_EQ(applied.positionMarker.GetSymbol(), 3);
    EXPECT_EQ(applied.positionMarker.GetFillColour(), 1);
    EXPECT_EQ(applied.positionMarker.GetName(), "gps");
    EXPECT_EQ(applied.trailLength, 100);
    EXPECT_EQ(applied.trailMaxSpeedKmh, 80);
}

TEST(GpsSettingsValues, AutoBaudKeepsTheFixedRateBesideIt) {
    ViewSettings settings;
    settings.baudRate = 9600;
    auto values = GpsSettingsValues::From(settings, "");
    values.baudText = " Auto";
    ViewSettings applied = settings;
    values.ApplyTo(applied);
    EXPECT_TRUE(applied.baudAuto);
    EXPECT_EQ(applied.baudRate, 9600);
    EXPECT_EQ(GpsSettingsValues::From(applied, "").baudText, "Auto");

    values.baudText = "38400";
    values.ApplyTo(applied);
    EXPECT_FALSE(applied.baudAuto);
    EXPECT_EQ(applied.baudRate, 38400);
}

TEST(GpsSettingsValues, PortWithoutListEntryShowsNoSelection) {
    ViewSettings settings;
    settings.comPort = 12;
    EXPECT_EQ(GpsSettingsValues::From(settings, "").portIndex, -1);
}

} // namespace

} // namespace view
