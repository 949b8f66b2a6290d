#include "session/ViewSettings.h"

#include <algorithm>
#include <cmath>
#include <limits>

ViewSettings::ViewSettings() : positionMarker("gps", MapPos(), 0, 0, 0, 0, "") {
    for (const SettingKey& key : kViewSettingKeys)
        key.fill(*this, key.defaultValue);
}

std::int32_t StoredMinDelta(double metres) {
    const double rounded = std::trunc(metres + 0.5);
    if (std::isnan(rounded))
        return 0;
    return static_cast<std::int32_t>(
        std::clamp(rounded, static_cast<double>(std::numeric_limits<std::int32_t>::min()),
                   static_cast<double>(std::numeric_limits<std::int32_t>::max())));
}

std::int32_t ReadableValue(const SettingKey& key, std::int32_t stored) {
    switch (key.outOfRange) {
    case OutOfRange::DefaultBelow:
        if (stored < key.min)
            return key.defaultValue;
        break;
    case OutOfRange::Unsigned:
        return static_cast<std::int32_t>(
            std::clamp<std::int64_t>(static_cast<std::uint32_t>(stored), key.min, key.max));
    case OutOfRange::Clamp:
        break;
    }
    return std::clamp(stored, key.min, key.max);
}

std::string RangeMessage(const SettingKey& key) {
    return std::string("Please enter ") + (key.wholeNumber ? "an integer" : "a number") +
           " between " + std::to_string(key.min) + " and " + std::to_string(key.max) + ".";
}

void ViewSettings::Load(const SettingsStore& store) {
    for (const SettingKey& key : kViewSettingKeys)
        key.fill(*this,
                 ReadableValue(key, store.ReadInt(kSettingsSection, key.name, key.defaultValue)));
}

void ViewSettings::Save(SettingsStore& store) const {
    for (const SettingKey& key : kViewSettingKeys)
        store.WriteInt(kSettingsSection, key.name, key.stored(*this));
}

std::string LoadGpsDevice(const SettingsStore& store) {
    return store.ReadText(kSettingsSection, kGpsDeviceSetting.name, kGpsDeviceSetting.defaultValue);
}

void SaveGpsDevice(SettingsStore& store, std::string_view device) {
    store.WriteText(kSettingsSection, kGpsDeviceSetting.name, device);
}

bool LoadGpsBaudAuto(const SettingsStore& store) {
    return store.ReadInt(kSettingsSection, kGpsBaudAutoSetting, 0) == 1;
}

void SaveGpsBaudAuto(SettingsStore& store, bool baudAuto) {
    store.WriteInt(kSettingsSection, kGpsBaudAutoSetting, baudAuto ? 1 : 0);
}
