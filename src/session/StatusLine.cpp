#include "session/StatusLine.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <string_view>

#include "base/Number.h"
#include "base/Translatable.h"
#include "geo/RangeBearing.h"

namespace session {

namespace {

constexpr std::string_view kPrefix = "GPS: ";

} // namespace

std::string StatusConnected() {
    return QUILO_TRANSLATABLE("core", "GPS: Connected.");
}

std::string StatusDisconnected() {
    return QUILO_TRANSLATABLE("core", "GPS: Disconnected.");
}

std::string StatusReadError() {
    return StatusSaying(QUILO_TRANSLATABLE("core", "COM port read error."));
}

std::string StatusEnded() {
    return StatusSaying(QUILO_TRANSLATABLE("core", "End of log."));
}

std::string StatusSaying(const std::string& words) {
    return std::string(kPrefix) + words;
}

std::string StatusText(const gps::GpsFix& fix, coords::CoordFormat format) {
    std::string text(kPrefix);
    if (!fix.hasFix) {
        text += "Connected, no fix available.";
        text += " Sats:";
        text += base::FormatPadded(fix.satellites, 0);
        return text;
    }
    text += coords::FormatPosition(fix.position, format);
    if (fix.altitude != 0.0) {
        text += " A:";
        text += base::FormatFixed(fix.altitude, 0);
        text += 'm';
    }
    text += " S:";
    text += base::FormatPadded(fix.satellites, 0);
    if (fix.hdop > 0.0) {
        if (fix.hdop >= 1.0) {
            text += " P:";
            text += base::FormatFixed(100.0 / fix.hdop, 0);
            text += '%';
        } else {
            text += " P:100+%";
        }
    }
    return text;
}

std::string StatusAfter(const gps::GpsUpdate& update, coords::CoordFormat format) {
    if (update.Has(gps::GpsUpdate::kReadError))
        return StatusSaying(update.lostText);
    if (update.Has(gps::GpsUpdate::kEnded))
        return StatusEnded();
    return StatusText(update.fix, format);
}

std::string OffMapText(const map::Georeference& georef, int width, int height,
                       const MapPos& position, UnitSystem units) {
    if (!georef.HasTransform() || width <= 0 || height <= 0 || !position.IsSet())
        return {};
    const MapPos pixel = georef.ToPixel(position);
    if (!std::isfinite(pixel.x) || !std::isfinite(pixel.y))
        return {};
    const MapPos edge(std::clamp(pixel.x, 0.0, static_cast<double>(width)),
                      std::clamp(pixel.y, 0.0, static_cast<double>(height)));
    if (edge == pixel)
        return {};
    const calib::RangeBearing rb = calib::RangeAndBearing(georef.ToGeo(edge), position);
    if (!std::isfinite(rb.distance) || !std::isfinite(rb.trueBearing))
        return {};
    static constexpr std::array<std::string_view, 8> kPoints = {"N", "NE", "E", "SE",
                                                                "S", "SW", "W", "NW"};
    const auto point = static_cast<std::size_t>(std::lround(rb.trueBearing / 45.0)) % 8;
    return FormatDistance(rb.distance, units) + " " + std::string(kPoints[point]) + " of this map";
}

} // namespace session
