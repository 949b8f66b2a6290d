#include "session/StatusLine.h"

#include <string_view>

#include "base/Number.h"

namespace session {

namespace {

constexpr std::string_view kPrefix = "GPS: ";

} // namespace

std::string StatusConnected() {
    return "GPS: Connected.";
}

std::string StatusDisconnected() {
    return "GPS: Disconnected.";
}

std::string StatusReadError() {
    return StatusSaying("COM port read error.");
}

std::string StatusEnded() {
    return StatusSaying("End of log.");
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

} // namespace session
