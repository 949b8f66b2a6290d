#include "view/GpsSettingsValues.h"

#include <charconv>
#include <cmath>
#include <string>

namespace {

std::string_view Trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    const auto last = text.find_last_not_of(" \t");
    return text.substr(first, last - first + 1);
}

std::string IntegerRangeMessage(std::int32_t min, std::int32_t max) {
    return "Please enter an integer between " + std::to_string(min) + " and " +
           std::to_string(max) + ".";
}

// Whole text as an integer in [min, max]; anything else gets the range message.
std::optional<std::string> CheckInteger(std::string_view text, std::int32_t min, std::int32_t max,
                                        std::int32_t* value) {
    text = Trimmed(text);
    if (!text.empty() && text.front() == '+')
        text.remove_prefix(1);
    std::int64_t n = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), n);
    if (text.empty() || ec != std::errc{} || end != text.data() + text.size() || n < min || n > max)
        return IntegerRangeMessage(min, max);
    *value = static_cast<std::int32_t>(n);
    return std::nullopt;
}

} // namespace

GpsSettingsValues GpsSettingsValues::From(const ViewSettings& settings, std::string device) {
    GpsSettingsValues v;
    v.baudText = std::to_string(settings.baudRate);
    v.portIndex = settings.comPort >= 1 && settings.comPort <= 8 ? settings.comPort - 1 : -1;
    v.lineColour = settings.positionMarker.GetLineColour();
    v.fillColour = settings.positionMarker.GetFillColour();
    v.size = settings.positionMarker.GetSize();
    v.symbol = settings.positionMarker.GetSymbol();
    v.updateRateMs = settings.updateRateMs;
    v.trailMinDelta = settings.trailMinDelta;
    v.trailColour = settings.trailColour;
    v.trailStyle = settings.trailStyle;
    v.trailLength = settings.trailLength;
    v.trailSize = settings.trailSize;
    v.device = std::move(device);
    return v;
}

void GpsSettingsValues::ApplyTo(ViewSettings& settings) const {
    settings.baudRate = ParseBaudText(baudText);
    settings.comPort = portIndex + 1;
    settings.positionMarker.SetLineColour(lineColour);
    settings.positionMarker.SetFillColour(fillColour);
    settings.positionMarker.SetSize(size);
    settings.positionMarker.SetSymbol(symbol);
    settings.updateRateMs = updateRateMs;
    settings.trailLength = trailLength;
    settings.trailMinDelta = trailMinDelta;
    settings.trailStyle = trailStyle;
    settings.trailSize = trailSize;
    settings.trailColour = trailColour;
}

std::optional<std::string> CheckUpdateRate(std::string_view text, std::int32_t* value) {
    return CheckInteger(text, kMinUpdateRateMs, kMaxUpdateRateMs, value);
}

std::optional<std::string> CheckTrailLength(std::string_view text, std::int32_t* value) {
    return CheckInteger(text, kMinTrailLength, kMaxTrailLength, value);
}

std::optional<std::string> CheckTrailMinDelta(std::string_view text, double* value) {
    text = Trimmed(text);
    if (!text.empty() && text.front() == '+')
        text.remove_prefix(1);
    double d = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), d);
    if (text.empty() || ec != std::errc{} || end != text.data() + text.size() ||
        !std::isfinite(d) || d < kMinTrailMinDelta || d > kMaxTrailMinDelta)
        return std::string("Please enter a number between 0 and 1000.");
    *value = d;
    return std::nullopt;
}

std::optional<std::string> CheckBaudText(std::string_view text) {
    if (text.size() > kMaxBaudTextLength)
        return "Enter no more than " + std::to_string(kMaxBaudTextLength) + " characters.";
    return std::nullopt;
}

std::int32_t ParseBaudText(std::string_view text) {
    constexpr std::int32_t kFallback = 4800;
    const auto first = text.find_first_not_of(" \t\r\n\v\f");
    if (first == std::string_view::npos)
        return kFallback;
    text.remove_prefix(first);
    bool negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    if (text.empty() || text.front() < '0' || text.front() > '9')
        return kFallback;
    std::int64_t n = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), n);
    if (end == text.data() || ec != std::errc{} || n > INT32_MAX)
        return kFallback;
    return static_cast<std::int32_t>(negative ? -n : n);
}
