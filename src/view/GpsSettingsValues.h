#pragma once

#include "session/ViewSettings.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace view {

// The values the three pages of the GPS Settings sheet edit, apart from their widgets: filled
// from ViewSettings when the sheet opens and copied back when it closes, whichever way.
struct GpsSettingsValues {
    // Position page
    std::int32_t symbol = -1;
    std::int32_t size = -1;
    std::int32_t fillColour = -1;
    std::int32_t lineColour = -1;
    std::int32_t updateRateMs = 0;
    // Trail page
    std::int32_t trailStyle = -1;
    std::int32_t trailLength = 0;
    double trailMinDelta = 0.0;
    std::int32_t trailColour = -1;
    std::int32_t trailSize = -1;
    std::int32_t trailMaxSpeedKmh = 0;
    // Connection page: -1 when the stored port has no entry in the list
    std::int32_t portIndex = -1;
    std::string baudText; // a rate, or kAutoBaudText
    std::string device;   // the "GPSDevice" override; empty means the COM port's device

    static GpsSettingsValues From(const ViewSettings& settings, std::string device);
    // Copies the values into settings: COM port = port index + 1, the baud text read as
    // ParseBaudText does (or "Auto", which keeps the rate and sets baudAuto), the marker look
    // through the marker's setters.
    void ApplyTo(ViewSettings& settings) const;
};

// The baud text that lets the line find the receiver's rate.
inline constexpr std::string_view kAutoBaudText = "Auto";

// The longest baud text the Connection page takes: as many characters as the largest rate
// the key allows has digits.
inline constexpr std::size_t kMaxBaudTextLength = [] {
    std::size_t digits = 1;
    for (std::int32_t n = SettingKeyOf(ViewSettingId::BaudRate).max; n >= 10; n /= 10)
        ++digits;
    return digits;
}();

// The page checks; each returns the message to show, or nothing when the text is acceptable.
// On success *value holds the number read. Ranges and messages are the settings keys'.
std::optional<std::string> CheckUpdateRate(std::string_view text, std::int32_t* value);
std::optional<std::string> CheckTrailLength(std::string_view text, std::int32_t* value);
std::optional<std::string> CheckTrailMinDelta(std::string_view text, double* value);
std::optional<std::string> CheckTrailMaxSpeed(std::string_view text, std::int32_t* value);
std::optional<std::string> CheckBaudText(std::string_view text);

// Reads a baud rate the way a "%d" scan does: leading blanks skipped, an optional sign, the
// digits up to the first non-digit ("12ab" is 12). Gives 4800 when no number can be read or
// the number does not fit.
std::int32_t ParseBaudText(std::string_view text);

} // namespace view
