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
    // Course-up: the map turns so the smoothed course points up, averaged over this many
    // seconds.
    bool courseUp = false;
    std::int32_t courseSmoothingS = 5;
    // The alarm circle's radius and how many fixes in a row on the wrong side sound it.
    std::int32_t alarmRadiusM = 50;
    std::int32_t alarmGraceFixes = 3;
    // The kiosk (full screen, frameless, quit only when meant) and the toolbar's big buttons
    // for fingers.
    bool kiosk = false;
    bool largeToolbar = false;
    // Two fingers turning on the map turn it; locked by default, so a pinch never tilts it.
    bool touchTurn = false;
    // Heading-up: the map turns to the receiver's true heading (HDT, THS) instead, and to the
    // smoothed course while no heading comes. One of the two turns at most.
    bool headingUp = false;
    [[nodiscard]] bool Turns() const { return courseUp || headingUp; }
    // Rasters placed by many control points are fitted through every one (map::ControlPointFit).
    bool thinPlateSpline = false;
    // Samples that are no bytes are stretched between the percent and 100 - percent
    // percentiles of their values; 0: between their own low and high.
    std::int32_t stretchPercent = 0;
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

inline constexpr std::array<LiveSettingKey, 18> kLiveSettingKeys = {{
    {"ShowGPSDetails", 0, 1, nullptr, &LiveSettings::detailsPanel},
    {"ShowHeadingArrow", 0, 1, nullptr, &LiveSettings::headingArrow},
    {"ShowAccuracyCircle", 0, 1, nullptr, &LiveSettings::accuracyCircle},
    {"ShowScaleBar", 0, 1, nullptr, &LiveSettings::scaleBar},
    {"NightMode", 0, 1, nullptr, &LiveSettings::nightMode},
    {"NightAmount", 0, 100, &LiveSettings::nightAmount, nullptr},
    {"ArrivalRadius", 1, 100000, &LiveSettings::arrivalRadiusM, nullptr},
    {"Units", 0, 2, nullptr, nullptr},
    {"CourseUp", 0, 1, nullptr, &LiveSettings::courseUp},
    {"CourseSmoothing", 1, 60, &LiveSettings::courseSmoothingS, nullptr},
    {"AlarmRadius", 1, 100000, &LiveSettings::alarmRadiusM, nullptr},
    {"AlarmGrace", 1, 60, &LiveSettings::alarmGraceFixes, nullptr},
    {"Kiosk", 0, 1, nullptr, &LiveSettings::kiosk},
    {"LargeToolbar", 0, 1, nullptr, &LiveSettings::largeToolbar},
    {"TouchTurn", 0, 1, nullptr, &LiveSettings::touchTurn},
    {"ThinPlateSpline", 0, 1, nullptr, &LiveSettings::thinPlateSpline},
    {"StretchPercent", 0, 25, &LiveSettings::stretchPercent, nullptr},
    {"HeadingUp", 0, 1, nullptr, &LiveSettings::headingUp},
}};

// The trip meter's totals, kept across restarts as one text key, "TripMeter": fixes, metres,
// moving seconds, average and top km/h, first and last UTC milliseconds, blank-separated.
// Anything else stored there (negative, not finite, a count that is wrong) reads as none.
std::string TripText(const trail::TrailStatistics& trip);
std::optional<trail::TrailStatistics> ParseTrip(std::string_view text);
std::optional<trail::TrailStatistics> LoadTrip(const SettingsStore& store);
void SaveTrip(SettingsStore& store, const trail::TrailStatistics& trip);

} // namespace session
