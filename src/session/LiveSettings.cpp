#include "session/LiveSettings.h"

#include "platform/SettingsStore.h"
#include "session/ViewSettings.h"

#include <algorithm>

namespace session {

LiveSettings LiveSettings::Load(const SettingsStore& store, UnitSystem localeUnits) {
    LiveSettings s;
    s.units = localeUnits;
    for (const LiveSettingKey& key : kLiveSettingKeys) {
        const int fallback = key.flag != nullptr     ? (s.*key.flag ? 1 : 0)
                             : key.number != nullptr ? s.*key.number
                                                     : static_cast<int>(s.units);
        const int value =
            std::clamp(store.ReadInt(kSettingsSection, key.name, fallback), key.min, key.max);
        if (key.flag != nullptr)
            s.*key.flag = value != 0;
        else if (key.number != nullptr)
            s.*key.number = value;
        else
            s.units = static_cast<UnitSystem>(value);
    }
    return s;
}

void LiveSettings::Save(SettingsStore& store) const {
    for (const LiveSettingKey& key : kLiveSettingKeys) {
        const int value = key.flag != nullptr     ? (this->*key.flag ? 1 : 0)
                          : key.number != nullptr ? this->*key.number
                                                  : static_cast<int>(units);
        store.WriteInt(kSettingsSection, key.name, value);
    }
}

} // namespace session
