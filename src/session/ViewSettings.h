#pragma once

#include "platform/SettingsStore.h"
#include "points/MapPoint.h"

#include <array>
#include <cstdint>
#include <string_view>

// The GPS, trail and position-marker settings the user sets in the GPS Settings sheet. Read
// once when the map view is created, written each time the sheet closes.
struct ViewSettings {
    std::int32_t trailSize = 2;   // size value 0..4, shown as "1".."5"
    std::int32_t trailColour = 4; // colour index 0..7 (Green)
    // The GPS position marker's look: symbol, line and fill colour, size. Its name "gps" is its
    // label; its position is not used.
    CMapPoint positionMarker{"gps", MapPos(), 1, 2, 6, 2, ""};
    std::int32_t trailLength = 250;   // most samples kept
    double trailMinDelta = 5.0;       // metres between recorded samples
    std::int32_t trailStyle = 1;      // 0 dots, 1 lines
    std::int32_t baudRate = 4800;     // bits per second
    std::int32_t comPort = 8;         // 1 = the first port
    std::int32_t updateRateMs = 1000; // shortest interval between handled GPS updates

    // Reads the twelve keys of section "Settings" in their fixed order; an absent key gives its
    // default. A stored value outside the range the settings sheet offers (a hand-edited file)
    // is clamped into it, so no later division or size can go wrong.
    void Load(const SettingsStore& store);
    // Writes the twelve keys in the same order. The minimum distance is stored in whole metres,
    // rounded half up (2.5 -> 3, 2.49 -> 2).
    void Save(SettingsStore& store) const;
};

inline constexpr std::string_view kSettingsSection = "Settings";

// One stored key: its name, default and the range the settings sheet lets the user choose.
struct SettingKey {
    std::string_view name;
    std::int32_t defaultValue;
    std::int32_t min;
    std::int32_t max;
};

// In the order they are read and written.
inline constexpr std::array<SettingKey, 12> kViewSettingKeys = {{
    // The sheet takes up to 6 characters; a rate below 1 reads as the default.
    {"GPSBaudRate", 4800, 1, 999999},
    {"GPSCOMPort", 8, 1, 8},
    {"GPSUpdateRateMs", 1000, 100, 9999},
    {"TrailLength", 250, 10, 9999},
    {"TrailSize", 2, 0, 4},
    {"TrailColour", 4, 0, 7},
    {"TrailMinDelta", 5, 0, 1000},
    {"TrailStyle", 1, 0, 1},
    {"GPSPosSymbol", 1, 0, 4},
    {"GPSPosLineColour", 2, 0, 7},
    {"GPSPosFillColour", 6, 0, 7},
    {"GPSPosSize", 2, 0, 4},
}};

// The stored form of a minimum distance: d + 0.5 truncated toward zero, saturating at the
// 32-bit range (NaN stores 0).
std::int32_t StoredMinDelta(double metres);
