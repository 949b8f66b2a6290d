#include "session/ViewSettings.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

enum Key {
    kBaudRate,
    kComPort,
    kUpdateRate,
    kTrailLength,
    kTrailSize,
    kTrailColour,
    kTrailMinDelta,
    kTrailStyle,
    kPosSymbol,
    kPosLineColour,
    kPosFillColour,
    kPosSize,
    kKeyCount
};
static_assert(kKeyCount == kViewSettingKeys.size());

std::int32_t Clamped(Key key, std::int32_t value) {
    const SettingKey& k = kViewSettingKeys[key];
    return std::clamp(value, k.min, k.max);
}

} // namespace

std::int32_t StoredMinDelta(double metres) {
    const double rounded = std::trunc(metres + 0.5);
    if (std::isnan(rounded))
        return 0;
    return static_cast<std::int32_t>(
        std::clamp(rounded, static_cast<double>(std::numeric_limits<std::int32_t>::min()),
                   static_cast<double>(std::numeric_limits<std::int32_t>::max())));
}

void ViewSettings::Load(const SettingsStore& store) {
    std::array<std::int32_t, kKeyCount> v{};
    for (std::size_t i = 0; i < v.size(); ++i)
        v[i] = store.ReadInt(kSettingsSection, kViewSettingKeys[i].name,
                             kViewSettingKeys[i].defaultValue);

    // No line runs at 0 or fewer bits per second, and there is no nearest rate to clamp to.
    baudRate = v[kBaudRate] < 1 ? kViewSettingKeys[kBaudRate].defaultValue
                                : Clamped(kBaudRate, v[kBaudRate]);
    comPort = Clamped(kComPort, v[kComPort]);
    updateRateMs = Clamped(kUpdateRate, v[kUpdateRate]);
    trailLength = Clamped(kTrailLength, v[kTrailLength]);
    trailSize = Clamped(kTrailSize, v[kTrailSize]);
    trailColour = Clamped(kTrailColour, v[kTrailColour]);
    // Stored as an unsigned whole number: a hand-written -1 reads as 4294967295, then clamps.
    trailMinDelta = std::min(static_cast<double>(static_cast<std::uint32_t>(v[kTrailMinDelta])),
                             static_cast<double>(kViewSettingKeys[kTrailMinDelta].max));
    trailStyle = Clamped(kTrailStyle, v[kTrailStyle]);
    positionMarker.SetSymbol(Clamped(kPosSymbol, v[kPosSymbol]));
    positionMarker.SetLineColour(Clamped(kPosLineColour, v[kPosLineColour]));
    positionMarker.SetFillColour(Clamped(kPosFillColour, v[kPosFillColour]));
    positionMarker.SetSize(Clamped(kPosSize, v[kPosSize]));
}

void ViewSettings::Save(SettingsStore& store) const {
    std::array<std::int32_t, kKeyCount> v{};
    v[kBaudRate] = baudRate;
    v[kComPort] = comPort;
    v[kUpdateRate] = updateRateMs;
    v[kTrailLength] = trailLength;
    v[kTrailSize] = trailSize;
    v[kTrailColour] = trailColour;
    v[kTrailMinDelta] = StoredMinDelta(trailMinDelta);
    v[kTrailStyle] = trailStyle;
    v[kPosSymbol] = positionMarker.GetSymbol();
    v[kPosLineColour] = positionMarker.GetLineColour();
    v[kPosFillColour] = positionMarker.GetFillColour();
    v[kPosSize] = positionMarker.GetSize();
    for (std::size_t i = 0; i < v.size(); ++i)
        store.WriteInt(kSettingsSection, kViewSettingKeys[i].name, v[i]);
}
