#pragma once

#include "platform/SettingsStore.h"
#include "points/MapPoint.h"
#include "points/MapPointLook.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

// The GPS, trail and position-marker settings the user sets in the GPS Settings sheet. Read
// once when the map view is created, written each time the sheet closes. Every member below
// is one stored key of kViewSettingKeys, which holds its default.
struct ViewSettings {
    // Every member holds its key's default.
    ViewSettings();

    std::int32_t trailSize{};   // size value 0..4, shown as "1".."5"
    std::int32_t trailColour{}; // colour index 0..7
    // The GPS position marker's look: symbol, line and fill colour, size. Its name "gps" is its
    // label; its position is not used.
    CMapPoint positionMarker;
    std::int32_t trailLength{}; // most samples kept
    double trailMinDelta{};     // metres between recorded samples
    std::int32_t trailStyle{};  // 0 dots, 1 lines
    std::int32_t baudRate{};    // bits per second
    // Baud "Auto": the serial line finds the receiver's rate ("GPSBaudAuto", read and written
    // apart from the twelve keys, like "GPSDevice").
    bool baudAuto = false;
    std::int32_t comPort{};      // 1 = the first port
    std::int32_t updateRateMs{}; // shortest interval between handled GPS updates

    // Reads the twelve keys of section "Settings" in their fixed order; an absent key gives its
    // default. A stored value outside the range the settings sheet offers (a hand-edited file)
    // is read as its key says, so no later division or size can go wrong.
    void Load(const SettingsStore& store);
    // Writes the twelve keys in the same order. The minimum distance is stored in whole metres,
    // rounded half up (2.5 -> 3, 2.49 -> 2).
    void Save(SettingsStore& store) const;
};

inline constexpr std::string_view kSettingsSection = "Settings";

// How a stored value outside its key's range reads.
enum class OutOfRange {
    Clamp,        // as the nearer end of the range
    DefaultBelow, // below the range as the default, above it as the maximum
    Unsigned,     // the stored 32 bits as an unsigned number, then clamped to the maximum
};

// One stored key: its name, default, the range the settings sheet lets the user choose, how a
// value outside that range reads, and the member it fills.
struct SettingKey {
    std::string_view name;
    std::int32_t defaultValue;
    std::int32_t min;
    std::int32_t max;
    OutOfRange outOfRange = OutOfRange::Clamp;
    bool wholeNumber = true; // false: the sheet takes a fraction ("2.5")
    // Sets the member from a value within [min, max].
    void (*fill)(ViewSettings&, std::int32_t) = nullptr;
    // The value the member is stored as.
    std::int32_t (*stored)(const ViewSettings&) = nullptr;
};

// The stored form of a minimum distance: d + 0.5 truncated toward zero, saturating at the
// 32-bit range (NaN stores 0).
std::int32_t StoredMinDelta(double metres);

// kViewSettingKeys[i] is the key of ViewSettingId i.
enum class ViewSettingId : std::size_t {
    BaudRate,
    ComPort,
    UpdateRate,
    TrailLength,
    TrailSize,
    TrailColour,
    TrailMinDelta,
    TrailStyle,
    PosSymbol,
    PosLineColour,
    PosFillColour,
    PosSize,
    Count
};

// In the order they are read and written.
inline constexpr std::array<SettingKey, 12> kViewSettingKeys = {{
    // The sheet takes up to 6 characters; no line runs at 0 or fewer bits per second, and
    // there is no nearest rate to clamp to.
    {"GPSBaudRate", 4800, 1, 999999, OutOfRange::DefaultBelow, true,
     [](ViewSettings& s, std::int32_t v) { s.baudRate = v; },
     [](const ViewSettings& s) { return s.baudRate; }},
    {"GPSCOMPort", 8, 1, 8, OutOfRange::Clamp, true,
     [](ViewSettings& s, std::int32_t v) { s.comPort = v; },
     [](const ViewSettings& s) { return s.comPort; }},
    {"GPSUpdateRateMs", 1000, 100, 9999, OutOfRange::Clamp, true,
     [](ViewSettings& s, std::int32_t v) { s.updateRateMs = v; },
     [](const ViewSettings& s) { return s.updateRateMs; }},
    {"TrailLength", 250, 10, 9999, OutOfRange::Clamp, true,
     [](ViewSettings& s, std::int32_t v) { s.trailLength = v; },
     [](const ViewSettings& s) { return s.trailLength; }},
    {"TrailSize", SizeShownAs(3), 0, kMaxSizeValue, OutOfRange::Clamp, true,
     [](ViewSettings& s, std::int32_t v) { s.trailSize = v; },
     [](const ViewSettings& s) { return s.trailSize; }},
    {"TrailColour", kColourGreen, 0, kColourWhite, OutOfRange::Clamp, true,
     [](ViewSettings& s, std::int32_t v) { s.trailColour = v; },
     [](const ViewSettings& s) { return s.trailColour; }},
    // Stored in whole metres, as an unsigned number: a hand-written -1 reads as 4294967295,
    // then clamps.
    {"TrailMinDelta", 5, 0, 1000, OutOfRange::Unsigned, false,
     [](ViewSettings& s, std::int32_t v) { s.trailMinDelta = v; },
     [](const ViewSettings& s) { return StoredMinDelta(s.trailMinDelta); }},
    {"TrailStyle", 1, 0, 1, OutOfRange::Clamp, true,
     [](ViewSettings& s, std::int32_t v) { s.trailStyle = v; },
     [](const ViewSettings& s) { return s.trailStyle; }},
    {"GPSPosSymbol", kSymbolCircle, 0, kSymbolCrosshair, OutOfRange::Clamp, true,
     [](ViewSettings& s, std::int32_t v) { s.positionMarker.SetSymbol(v); },
     [](const ViewSettings& s) { return s.positionMarker.GetSymbol(); }},
    {"GPSPosLineColour", kColourRed, 0, kColourWhite, OutOfRange::Clamp, true,
     [](ViewSettings& s, std::int32_t v) { s.positionMarker.SetLineColour(v); },
     [](const ViewSettings& s) { return s.positionMarker.GetLineColour(); }},
    {"GPSPosFillColour", kColourYellow, 0, kColourWhite, OutOfRange::Clamp, true,
     [](ViewSettings& s, std::int32_t v) { s.positionMarker.SetFillColour(v); },
     [](const ViewSettings& s) { return s.positionMarker.GetFillColour(); }},
    {"GPSPosSize", SizeShownAs(3), 0, kMaxSizeValue, OutOfRange::Clamp, true,
     [](ViewSettings& s, std::int32_t v) { s.positionMarker.SetSize(v); },
     [](const ViewSettings& s) { return s.positionMarker.GetSize(); }},
}};
static_assert(static_cast<std::size_t>(ViewSettingId::Count) == kViewSettingKeys.size());

[[nodiscard]] constexpr const SettingKey& SettingKeyOf(ViewSettingId id) {
    return kViewSettingKeys[static_cast<std::size_t>(id)];
}

// A stored value as it reads: within the key's range, out-of-range values as the key says.
[[nodiscard]] std::int32_t ReadableValue(const SettingKey& key, std::int32_t stored);

// What the settings sheet says when a text is not a value of the key's range: "Please enter
// an integer between 100 and 9999." ("a number" for a key that takes fractions).
[[nodiscard]] std::string RangeMessage(const SettingKey& key);

// A text setting: its name and default.
struct TextSettingKey {
    std::string_view name;
    std::string_view defaultValue;
};

// "GPSDevice": a device path the GPS link opens instead of the COM port's device; empty for
// none. Stored in the same section as the keys above.
inline constexpr TextSettingKey kGpsDeviceSetting{"GPSDevice", ""};

// Reads and writes kGpsDeviceSetting in section "Settings".
[[nodiscard]] std::string LoadGpsDevice(const SettingsStore& store);
void SaveGpsDevice(SettingsStore& store, std::string_view device);

// "GPSBaudAuto": 1 when the baud rate is found by the line itself, 0 (the default) when
// "GPSBaudRate" holds. Any other stored value reads as 0.
inline constexpr std::string_view kGpsBaudAutoSetting = "GPSBaudAuto";
[[nodiscard]] bool LoadGpsBaudAuto(const SettingsStore& store);
void SaveGpsBaudAuto(SettingsStore& store, bool baudAuto);
