#include "session/Units.h"

#include "base/Number.h"

#include <cmath>

namespace session {

namespace {

struct UnitPair {
    double shortMetres; // one short unit
    const char* shortName;
    double longMetres; // one long unit
    const char* longName;
    double shortBelow; // in long units: below this the short unit reads better
};

UnitPair PairOf(UnitSystem units) {
    switch (units) {
    case UnitSystem::Imperial:
        return {kMetresPerFoot, "ft", kMetresPerMile, "mi", 0.1};
    case UnitSystem::Nautical:
        return {1.0, "m", kMetresPerNauticalMile, "NM", 0.1};
    case UnitSystem::Metric:
        break;
    }
    return {1.0, "m", 1000.0, "km", 1.0};
}

} // namespace

std::string FormatDistance(double metres, UnitSystem units) {
    if (!std::isfinite(metres))
        return "unknown";
    const UnitPair u = PairOf(units);
    const double longValue = metres / u.longMetres;
    if (std::fabs(longValue) < u.shortBelow)
        return base::FormatFixed(metres / u.shortMetres, 0) + " " + u.shortName;
    const int decimals = std::fabs(longValue) < 10.0 ? 2 : std::fabs(longValue) < 100.0 ? 1 : 0;
    return base::FormatFixed(longValue, decimals) + " " + u.longName;
}

std::string FormatSpeed(double metresPerSecond, UnitSystem units) {
    if (!std::isfinite(metresPerSecond))
        return "unknown";
    switch (units) {
    case UnitSystem::Imperial:
        return base::FormatFixed(metresPerSecond * 3600.0 / kMetresPerMile, 1) + " mph";
    case UnitSystem::Nautical:
        return base::FormatFixed(metresPerSecond * 3600.0 / kMetresPerNauticalMile, 1) + " kn";
    case UnitSystem::Metric:
        break;
    }
    return base::FormatFixed(metresPerSecond * 3.6, 1) + " km/h";
}

std::string FormatHeight(double metres, UnitSystem units) {
    if (!std::isfinite(metres))
        return "unknown";
    if (units == UnitSystem::Imperial)
        return base::FormatFixed(metres / kMetresPerFoot, 0) + " ft";
    return base::FormatFixed(metres, 0) + " m";
}

ScaleLength RoundScaleLength(double maxMetres, UnitSystem units) {
    if (!(maxMetres > 0.0) || !std::isfinite(maxMetres))
        return {};
    const UnitPair u = PairOf(units);
    // The long unit from one of it up, the short unit below (a fraction of a nautical mile
    // reads as 0.2 NM: sailors do not count in metres).
    const bool longUnit = maxMetres >= u.longMetres || units == UnitSystem::Nautical;
    const double unit = longUnit ? u.longMetres : u.shortMetres;
    const double most = maxMetres / unit;
    const double power = std::pow(10.0, std::floor(std::log10(most)));
    double step = power;
    for (const double f : {2.0, 5.0})
        if (f * power <= most * (1.0 + 1e-12))
            step = f * power;
    // Below a short unit no bar makes sense.
    if (!longUnit && step < 1.0)
        return {};
    const int decimals = step >= 1.0 ? 0 : static_cast<int>(std::ceil(-std::log10(step) - 1e-9));
    return {step * unit,
            base::FormatFixed(step, decimals) + " " + (longUnit ? u.longName : u.shortName)};
}

} // namespace session
