#include "view/GpsSettingsValues.h"

#include "base/Number.h"
#include "base/Text.h"

#include <cstdint>
#include <string>

namespace view {

namespace {

// The blanks a field may carry around its number.
constexpr std::string_view kFieldBlanks = " \t";

// The field's number, or empty when the whole text (blanks and one '+' aside) is not a number
// within the key's range.
template <class T> std::optional<T> ReadField(std::string_view text, const SettingKey& key) {
    return base::ParseExact<T>(base::SkipPlus(base::Trim(text, kFieldBlanks)),
                               static_cast<T>(key.min), static_cast<T>(key.max));
}

// Whole text as an integer in the key's range; anything else gets the range message.
std::optional<std::string> CheckInteger(std::string_view text, ViewSettingId id,
                                        std::int32_t* value) {
    const SettingKey& key = SettingKeyOf(id);
    const std::optional<std::int64_t> n = ReadField<std::int64_t>(text, key);
    if (!n)
        return RangeMessage(key);
    *value = static_cast<std::int32_t>(*n);
    return std::nullopt;
}

} // namespace

GpsSettingsValues GpsSettingsValues::From(const ViewSettings& settings, std::string device) {
    const SettingKey& port = SettingKeyOf(ViewSettingId::ComPort);
    GpsSettingsValues v;
    v.baudText = settings.baudAuto ? std::string(kAutoBaudText) : std::to_string(settings.baudRate);
    v.portIndex =
        settings.comPort >= port.min && settings.comPort <= port.max ? settings.comPort - 1 : -1;
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
    v.trailMaxSpeedKmh = settings.trailMaxSpeedKmh;
    v.device = std::move(device);
    return v;
}

void GpsSettingsValues::ApplyTo(ViewSettings& settings) const {
    settings.baudAuto = base::Trim(baudText, " \t") == kAutoBaudText;
    if (!settings.baudAuto)
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
    settings.trailMaxSpeedKmh = trailMaxSpeedKmh;
}

std::optional<std::string> CheckUpdateRate(std::string_view text, std::int32_t* value) {
    return CheckInteger(text, ViewSettingId::UpdateRate, value);
}

std::optional<std::string> CheckTrailLength(std::string_view text, std::int32_t* value) {
    return CheckInteger(text, ViewSettingId::TrailLength, value);
}

std::optional<std::string> CheckTrailMaxSpeed(std::string_view text, std::int32_t* value) {
    return CheckInteger(text, ViewSettingId::TrailMaxSpeed, value);
}

std::optional<std::string> CheckTrailMinDelta(std::string_view text, double* value) {
    const SettingKey& key = SettingKeyOf(ViewSettingId::TrailMinDelta);
    const std::optional<double> d = ReadField<double>(text, key);
    if (!d)
        return RangeMessage(key);
    *value = *d;
    return std::nullopt;
}

std::optional<std::string> CheckBaudText(std::string_view text) {
    if (text.size() > kMaxBaudTextLength)
        return "Enter no more than " + std::to_string(kMaxBaudTextLength) + " characters.";
    return std::nullopt;
}

std::int32_t ParseBaudText(std::string_view text) {
    const std::optional<std::int32_t> n = base::ScanInt(text);
    // A magnitude beyond INT32_MAX never counts as a rate, so -2147483648 is refused too.
    if (!n || *n == INT32_MIN)
        return SettingKeyOf(ViewSettingId::BaudRate).defaultValue;
    return *n;
}

} // namespace view
