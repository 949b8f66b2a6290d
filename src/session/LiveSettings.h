#pragma once

#include "session/Units.h"
#include "trail/TrailStatistics.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

class SettingsStore;

// The switches and choices of the live display, each one key of section "Settings" with its
// default: read when the window starts, written each time the user changes one.
namespace session {

struct LiveSettings {
    bool detailsPanel = false;
    bool headingArrow = true;
    bool accuracyCircle = true;
    bool scaleBar = true;
    bool nightMode = false;
    // How much night mode dims and warms the map, percent: 0 leaves it, 100 nearly black.
    std::int32_t nightAmount = 50;
    UnitSystem units = UnitSystem::Metric;
    // A go-to point is reached within this many metres.
    std::int32_t arrivalRadiusM = 50;
    friend bool operator==(const LiveSettings&, const LiveSettings&) = default;

    // Every key from store; an absent key gives its default, units the given one (the
    // locale's measurement system), a value out of range the nearer end of it.
    static LiveSettings Load(const SettingsStore& store, UnitSystem localeUnits);
    void Save(SettingsStore& store) const;
};

// One stored key: name, range and the member it fills.
struct LiveSettingKey {
    std::string_view name;
    std::int32_t min;
    std::int32_t max;
    std::int32_t LiveSettings::*number = nullptr; // or
    bool LiveSettings::*flag = nullptr;           // or the units
};

inline constexpr std::array<LiveSettingKey, 8> kLiveSettingKeys = {{
    {"ShowGPSDetails", 0, 1, nullptr, &LiveSettings::detailsPanel},
    {"ShowHeadingArrow", 0, 1, nullptr, &LiveSettings::headingArrow},
    {"ShowAccuracyCircle", 0, 1, nullptr, &LiveSettings::accuracyCircle},
    {"ShowScaleBar", 0, 1, nullptr, &LiveSettings::scaleBar},
    {"NightMode", 0, 1, nullptr, &LiveSettings::nightMode},
    {"NightAmount", 0, 100, &LiveSettings::nightAmount, nullptr},
    {"ArrivalRadius", 1, 100000, &LiveSettings::arrivalRadiusM, nullptr},
    {"Units", 0, 2, nullptr, nullptr},
}};

// The trip meter's totals, kept across restarts as one text key, "TripMeter": fixes, metres,
// moving seconds, average and top km/h, first and last UTC milliseconds, blank-separated.
// Anything else stored there (negative, not finite, a count that is wrong) reads as none.
std::string TripText(const trail::TrailStatistics& trip);
std::optional<trail::TrailStatistics> ParseTrip(std::string_view text);
std::optional<trail::TrailStatistics> LoadTrip(const SettingsStore& store);
void SaveTrip(SettingsStore& store, const trail::TrailStatistics& trip);

} // namespace session
