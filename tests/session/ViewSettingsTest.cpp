#include "session/ViewSettings.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

TEST(ViewSettings, FreshStoreGivesTheDefaults) {
    const MemorySettingsStore store;
    ViewSettings s;
    s.trailLength = 1; // anything, to see Load replace it
    s.Load(store);
    EXPECT_EQ(s.baudRate, 4800);
    EXPECT_EQ(s.comPort, 8);
    EXPECT_EQ(s.updateRateMs, 1000);
    EXPECT_EQ(s.trailLength, 250);
    EXPECT_EQ(s.trailSize, 2);
    EXPECT_EQ(s.trailColour, 4);
    EXPECT_EQ(s.trailMinDelta, 5.0);
    EXPECT_EQ(s.trailStyle, 1);
    EXPECT_EQ(s.positionMarker.GetSymbol(), 1);
    EXPECT_EQ(s.positionMarker.GetLineColour(), 2);
    EXPECT_EQ(s.positionMarker.GetFillColour(), 6);
    EXPECT_EQ(s.positionMarker.GetSize(), 2);
    EXPECT_EQ(s.positionMarker.GetName(), "gps");
}

TEST(ViewSettings, SaveWritesTheTwelveKeysInOrder) {
    ViewSettings s;
    s.baudRate = 38400;
    s.comPort = 3;
    s.updateRateMs = 250;
    s.trailLength = 9999;
    s.trailSize = 4;
    s.trailColour = 7;
    s.trailMinDelta = 7.5;
    s.trailStyle = 0;
    s.positionMarker.SetSymbol(3);
    s.positionMarker.SetLineColour(1);
    s.positionMarker.SetFillColour(5);
    s.positionMarker.SetSize(0);
    MemorySettingsStore store;
    s.Save(store);
    const std::vector<MemorySettingsStore::Write> expected = {
        {"Settings", "GPSBaudRate", 38400},   {"Settings", "GPSCOMPort", 3},
        {"Settings", "GPSUpdateRateMs", 250}, {"Settings", "TrailLength", 9999},
        {"Settings", "TrailSize", 4},         {"Settings", "TrailColour", 7},
        {"Settings", "TrailMinDelta", 8},     {"Settings", "TrailStyle", 0},
        {"Settings", "GPSPosSymbol", 3},      {"Settings", "GPSPosLineColour", 1},
        {"Settings", "GPSPosFillColour", 5},  {"Settings", "GPSPosSize", 0},
    };
    EXPECT_EQ(store.Writes(), expected);

    // 7.5 is used as 7.5 until a restart, which reads it back as 8.
    EXPECT_EQ(s.trailMinDelta, 7.5);
    ViewSettings restarted;
    restarted.Load(store);
    EXPECT_EQ(restarted.trailMinDelta, 8.0);

    // Saving again unchanged writes the same twelve integers.
    store.ClearWrites();
    s.Save(store);
    EXPECT_EQ(store.Writes(), expected);
}

TEST(ViewSettings, MinDeltaRoundingTable) {
    struct Row {
        double metres;
        int stored;
    };
    const Row rows[] = {
        {2.5, 3},     {2.49, 2},           {2.4, 2},         {0.0, 0}, {1000.0, 1000},
        {0.49999, 0}, {1e300, 2147483647}, {std::nan(""), 0}};
    for (const Row& row : rows)
        EXPECT_EQ(StoredMinDelta(row.metres), row.stored) << row.metres;
}

TEST(ViewSettings, HandEditedValuesAreClampedToTheSheetsRanges) {
    struct Row {
        const char* key;
        int stored;
        int ViewSettings::*field; // null for the marker and the distance
        int expected;
    };
    const Row rows[] = {
        {"GPSBaudRate", 0, &ViewSettings::baudRate, 4800},
        {"GPSBaudRate", -9600, &ViewSettings::baudRate, 4800},
        {"GPSBaudRate", 14400, &ViewSettings::baudRate, 14400},
        {"GPSBaudRate", 10000000, &ViewSettings::baudRate, 999999},
        {"GPSCOMPort", 0, &ViewSettings::comPort, 1},
        {"GPSCOMPort", 42, &ViewSettings::comPort, 8},
        {"GPSUpdateRateMs", 0, &ViewSettings::updateRateMs, 100},
        {"GPSUpdateRateMs", 100000, &ViewSettings::updateRateMs, 9999},
        {"TrailLength", 0, &ViewSettings::trailLength, 10},
        {"TrailLength", -5, &ViewSettings::trailLength, 10},
        {"TrailLength", 1000000, &ViewSettings::trailLength, 9999},
        {"TrailSize", -1, &ViewSettings::trailSize, 0},
        {"TrailSize", 9, &ViewSettings::trailSize, 4},
        {"TrailColour", 8, &ViewSettings::trailColour, 7},
        {"TrailStyle", 2, &ViewSettings::trailStyle, 1},
    };
    for (const Row& row : rows) {
        MemorySettingsStore store;
        store.WriteInt("Settings", row.key, row.stored);
        ViewSettings s;
        s.Load(store);
        EXPECT_EQ(s.*row.field, row.expected) << row.key << " = " << row.stored;
    }

    MemorySettingsStore store;
    store.WriteInt("Settings", "TrailMinDelta", -1); // read as unsigned 4294967295
    store.WriteInt("Settings", "GPSPosSymbol", -1);
    store.WriteInt("Settings", "GPSPosLineColour", 99);
    store.WriteInt("Settings", "GPSPosFillColour", -3);
    store.WriteInt("Settings", "GPSPosSize", 1000000);
    ViewSettings s;
    s.Load(store);
    EXPECT_EQ(s.trailMinDelta, 1000.0);
    EXPECT_EQ(s.positionMarker.GetSymbol(), 0);
    EXPECT_EQ(s.positionMarker.GetLineColour(), 7);
    EXPECT_EQ(s.positionMarker.GetFillColour(), 0);
    EXPECT_EQ(s.positionMarker.GetSize(), 4);
}

} // namespace
