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
    EXPECT_EQ(s.trailMaxSpeedKmh, 500);
}

TEST(ViewSettings, SaveWritesTheThirteenKeysInOrder) {
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
    s.trailMaxSpeedKmh = 120;
    MemorySettingsStore store;
    s.Save(store);
    const std::vector<MemorySettingsStore::Write> expected = {
        {"Settings", "GPSBaudRate", 38400},    {"Settings", "GPSCOMPort", 3},
        {"Settings", "GPSUpdateRateMs", 250},  {"Settings", "TrailLength", 9999},
        {"Settings", "TrailSize", 4},          {"Settings", "TrailColour", 7},
        {"Settings", "TrailMinDelta", 8},      {"Settings", "TrailStyle", 0},
        {"Settings", "GPSPosSymbol", 3},       {"Settings", "GPSPosLineColour", 1},
        {"Settings", "GPSPosFillColour", 5},   {"Settings", "GPSPosSize", 0},
        {"Settings", "TrailMaxSpeedKmh", 120},
    };
    EXPECT_EQ(store.Writes(), expected);

    // 7.5 is used as 7.5 until a restart, which reads it back as 8.
    EXPECT_EQ(s.trailMinDelta, 7.5);
    ViewSettings restarted;
    restarted.Load(store);
    EXPECT_EQ(restarted.trailMinDelta, 8.0);

    // Saving again unchanged writes the same thirteen integers.
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

// Each end of every key's range, from a hand-edited file.
TEST(ViewSettings, HandEditedValuesAreClampedToTheSheetsRanges) {
    using Get = double (*)(const ViewSettings&);
    const Get baud = [](const ViewSettings& s) -> double { return s.baudRate; };
    const Get port = [](const ViewSettings& s) -> double { return s.comPort; };
    const Get rate = [](const ViewSettings& s) -> double { return s.updateRateMs; };
    const Get length = [](const ViewSettings& s) -> double { return s.trailLength; };
    const Get size = [](const ViewSettings& s) -> double { return s.trailSize; };
    const Get colour = [](const ViewSettings& s) -> double { return s.trailColour; };
    const Get delta = [](const ViewSettings& s) { return s.trailMinDelta; };
    const Get style = [](const ViewSettings& s) -> double { return s.trailStyle; };
    const Get symbol = [](const ViewSettings& s) -> double { return s.positionMarker.GetSymbol(); };
    const Get line = [](const ViewSettings& s) -> double {
        return s.positionMarker.GetLineColour();
    };
    const Get fill = [](const ViewSettings& s) -> double {
        return s.positionMarker.GetFillColour();
    };
    const Get markerSize = [](const ViewSettings& s) -> double {
        return s.positionMarker.GetSize();
    };
    const Get maxSpeed = [](const ViewSettings& s) -> double { return s.trailMaxSpeedKmh; };
    struct Row {
        const char* key;
        int stored;
        Get field;
        double expected;
    };
    const Row rows[] = {
        {"TrailMaxSpeedKmh", -1, maxSpeed, 0},
        {"TrailMaxSpeedKmh", 0, maxSpeed, 0},
        {"TrailMaxSpeedKmh", 1000000, maxSpeed, 99999},
        {"GPSBaudRate", 0, baud, 4800},
        {"GPSBaudRate", -9600, baud, 4800},
        {"GPSBaudRate", 1, baud, 1},
        {"GPSBaudRate", 14400, baud, 14400},
        {"GPSBaudRate", 10000000, baud, 999999},
        {"GPSCOMPort", 0, port, 1},
        {"GPSCOMPort", 42, port, 8},
        {"GPSUpdateRateMs", 0, rate, 100},
        {"GPSUpdateRateMs", 100000, rate, 9999},
        {"TrailLength", 0, length, 10},
        {"TrailLength", -5, length, 10},
        {"TrailLength", 1000000, length, 9999},
        {"TrailSize", -1, size, 0},
        {"TrailSize", 9, size, 4},
        {"TrailColour", -1, colour, 0},
        {"TrailColour", 8, colour, 7},
        {"TrailMinDelta", 0, delta, 0.0},
        {"TrailMinDelta", 1001, delta, 1000.0},
        {"TrailMinDelta", -1, delta, 1000.0}, // read as unsigned 4294967295
        {"TrailStyle", -1, style, 0},
        {"TrailStyle", 2, style, 1},
        {"GPSPosSymbol", -1, symbol, 0},
        {"GPSPosSymbol", 5, symbol, 4},
        {"GPSPosLineColour", -1, line, 0},
        {"GPSPosLineColour", 99, line, 7},
        {"GPSPosFillColour", -3, fill, 0},
        {"GPSPosFillColour", 8, fill, 7},
        {"GPSPosSize", -1, markerSize, 0},
        {"GPSPosSize", 1000000, markerSize, 4},
    };
    for (const Row& row : rows) {
        MemorySettingsStore store;
        store.WriteInt("Settings", row.key, row.stored);
        ViewSettings s;
        s.Load(store);
        EXPECT_EQ(row.field(s), row.expected) << row.key << " = " << row.stored;
    }
}

TEST(ViewSettings, GpsDeviceIsATextKeyOfTheSameSection) {
    MemorySettingsStore store;
    EXPECT_EQ(LoadGpsDevice(store), "");
    SaveGpsDevice(store, "/dev/ttyACM0");
    EXPECT_EQ(store.ReadText("Settings", "GPSDevice", ""), "/dev/ttyACM0");
    EXPECT_EQ(LoadGpsDevice(store), "/dev/ttyACM0");
}

} // namespace
