#include "session/LiveText.h"

#include "base/Number.h"
#include "base/Time.h"
#include "base/Translatable.h"

#include <array>
#include <cmath>

namespace session {

namespace {

constexpr const char* kUnknown = "-";

std::string Degrees(double value) {
    return base::FormatFixed(value, 0) + "\u00b0";
}

std::string Duration(double seconds) {
    const auto whole = static_cast<long long>(std::llround(seconds));
    return std::to_string(whole / 3600) + ":" + base::FormatPadded(whole / 60 % 60, 2) + ":" +
           base::FormatPadded(whole % 60, 2);
}

// "2026-12-09 05:40:12 UTC".
std::string UtcText(std::int64_t utcMs) {
    const base::UtcFields f = base::UtcFieldsFromMs(utcMs);
    return base::FormatPadded(f.year, 4) + "-" + base::FormatPadded(f.month, 2) + "-" +
           base::FormatPadded(f.day, 2) + " " + base::FormatPadded(f.hour, 2) + ":" +
           base::FormatPadded(f.minute, 2) + ":" + base::FormatPadded(f.second, 2) + " UTC";
}

std::string Dop(const std::optional<double>& dop) {
    return dop ? base::FormatFixed(*dop, 1) : std::string(kUnknown);
}

std::string Satellites(const std::vector<gps::SkySatellite>& sky) {
    constexpr std::array kSystems = {gps::Constellation::Gps,     gps::Constellation::Glonass,
                                     gps::Constellation::Galileo, gps::Constellation::Beidou,
                                     gps::Constellation::Qzss,    gps::Constellation::Navic,
                                     gps::Constellation::Sbas,    gps::Constellation::Other};
    std::string text;
    for (const gps::Constellation system : kSystems) {
        int seen = 0;
        int used = 0;
        for (const gps::SkySatellite& s : sky)
            if (s.system == system) {
                ++seen;
                used += s.used ? 1 : 0;
            }
        if (seen == 0)
            continue;
        if (!text.empty())
            text += ", ";
        text += std::string(gps::ConstellationName(system)) + " " + std::to_string(used) + "/" +
                std::to_string(seen);
    }
    return text.empty() ? kUnknown : text;
}

} // namespace

std::string FixModeText(gps::FixMode mode) {
    switch (mode) {
    case gps::FixMode::NoFix:
        return QUILO_TRANSLATABLE("core", "No fix");
    case gps::FixMode::Fix2D:
        return "2D";
    case gps::FixMode::Fix3D:
        return "3D";
    case gps::FixMode::Dgps:
        return "DGPS";
    case gps::FixMode::RtkFloat:
        return QUILO_TRANSLATABLE("core", "RTK float");
    case gps::FixMode::RtkFixed:
        return QUILO_TRANSLATABLE("core", "RTK fixed");
    case gps::FixMode::Unknown:
        break;
    }
    return kUnknown;
}

std::vector<LiveRow> DetailRows(const gps::GpsDetails& d, UnitSystem units,
                                coords::CoordFormat format) {
    std::string course = kUnknown;
    if (d.courseTrue) {
        course = Degrees(*d.courseTrue) + " true";
        if (d.magVar)
            course +=
                ", " + Degrees(std::fmod(*d.courseTrue - *d.magVar + 360.0, 360.0)) + " magnetic";
    }
    std::string accuracy = kUnknown;
    if (d.accuracyM)
        accuracy =
            FormatDistance(*d.accuracyM, units) + (d.accuracyEstimated ? " (estimated)" : "");
    return {
        {QUILO_TRANSLATABLE("core", "Time"), d.utcMs ? UtcText(*d.utcMs) : kUnknown},
        {QUILO_TRANSLATABLE("core", "Fix"), FixModeText(d.mode)},
        {QUILO_TRANSLATABLE("core", "Position"),
         d.position ? coords::FormatPosition(*d.position, format) : kUnknown},
        {QUILO_TRANSLATABLE("core", "Altitude"),
         d.altitudeM ? FormatHeight(*d.altitudeM, units) : kUnknown},
        {QUILO_TRANSLATABLE("core", "Speed"),
         d.speedMps ? FormatSpeed(*d.speedMps, units) : kUnknown},
        {QUILO_TRANSLATABLE("core", "Course"), course},
        {"DOP", "H " + Dop(d.hdop) + "  V " + Dop(d.vdop) + "  P " + Dop(d.pdop)},
        {QUILO_TRANSLATABLE("core", "Accuracy"), accuracy},
        {QUILO_TRANSLATABLE("core", "Satellites"), Satellites(d.sky)},
    };
}

std::vector<LiveRow> GoToRows(const GoToTarget& target, const std::optional<GoToReading>& r,
                              UnitSystem units) {
    if (!r)
        return {{QUILO_TRANSLATABLE("core", "To"), target.name},
                {QUILO_TRANSLATABLE("core", "Distance"), kUnknown},
                {QUILO_TRANSLATABLE("core", "Bearing"), kUnknown},
                {QUILO_TRANSLATABLE("core", "ETA"), kUnknown},
                {QUILO_TRANSLATABLE("core", "Off track"), kUnknown}};
    std::string offTrack = kUnknown;
    if (r->crossTrackM)
        offTrack = FormatDistance(std::fabs(*r->crossTrackM), units) +
                   (*r->crossTrackM >= 0.0 ? " right" : " left");
    return {
        {QUILO_TRANSLATABLE("core", "To"), target.name},
        {QUILO_TRANSLATABLE("core", "Distance"), FormatDistance(r->distanceM, units)},
        {QUILO_TRANSLATABLE("core", "Bearing"),
         Degrees(r->trueBearing) + " true, " + Degrees(r->magneticBearing) + " magnetic"},
        {QUILO_TRANSLATABLE("core", "ETA"), r->etaSeconds ? Duration(*r->etaSeconds) : kUnknown},
        {QUILO_TRANSLATABLE("core", "Off track"), offTrack},
    };
}

std::vector<LiveRow> TripRows(const trail::TrailStatistics& s, UnitSystem units) {
    return {
        {QUILO_TRANSLATABLE("core", "Distance"), FormatDistance(s.lengthM, units)},
        {QUILO_TRANSLATABLE("core", "Moving time"), Duration(s.movingSeconds)},
        {QUILO_TRANSLATABLE("core", "Average speed"), FormatSpeed(s.averageKmh / 3.6, units)},
        {QUILO_TRANSLATABLE("core", "Top speed"), FormatSpeed(s.topKmh / 3.6, units)},
    };
}

} // namespace session
