#include "session/LiveSettings.h"

#include "base/Number.h"
#include "platform/SettingsStore.h"
#include "session/ViewSettings.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <vector>

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

namespace {

constexpr std::string_view kTripKey = "TripMeter";

} // namespace

std::string TripText(const trail::TrailStatistics& trip) {
    std::string text = std::to_string(trip.fixes);
    for (const double value : {trip.lengthM, trip.movingSeconds, trip.averageKmh, trip.topKmh}) {
        text += ' ';
        text += base::FormatShortest(value);
    }
    text += ' ' + std::to_string(trip.startUtcMs) + ' ' + std::to_string(trip.endUtcMs);
    return text;
}

std::optional<trail::TrailStatistics> ParseTrip(std::string_view text) {
    std::vector<std::string_view> fields;
    while (!text.empty()) {
        const auto blank = text.find(' ');
        fields.push_back(text.substr(0, blank));
        text = blank == std::string_view::npos ? std::string_view() : text.substr(blank + 1);
    }
    if (fields.size() != 7)
        return std::nullopt;
    // Bounds far beyond any trip: a light year of metres, a million years of seconds.
    const auto fixes = base::ParseExact<std::uint64_t>(fields[0]);
    const auto length = base::ParseExact<double>(fields[1], 0.0, 1e16);
    const auto moving = base::ParseExact<double>(fields[2], 0.0, 1e14);
    const auto average = base::ParseExact<double>(fields[3], 0.0, 1e9);
    const auto top = base::ParseExact<double>(fields[4], 0.0, 1e9);
    const auto start = base::ParseExact<std::int64_t>(fields[5]);
    const auto end = base::ParseExact<std::int64_t>(fields[6]);
    if (!fixes || !length || !moving || !average || !top || !start || !end || *start < 0 ||
        *end < *start)
        return std::nullopt;
    trail::TrailStatistics trip;
    trip.fixes = static_cast<std::size_t>(*fixes);
    trip.lengthM = *length;
    trip.movingSeconds = *moving;
    trip.averageKmh = *average;
    trip.topKmh = *top;
    trip.startUtcMs = *start;
    trip.endUtcMs = *end;
    return trip;
}

std::optional<trail::TrailStatistics> LoadTrip(const SettingsStore& store) {
    return ParseTrip(store.ReadText(kSettingsSection, kTripKey, ""));
}

void SaveTrip(SettingsStore& store, const trail::TrailStatistics& trip) {
    store.WriteText(kSettingsSection, kTripKey, TripText(trip));
}

} // namespace session
