#include "gps/GpsUpdateFold.h"

#include <chrono>

#include "base/Number.h"
#include "gps/GpsLink.h"
#include "gps/NmeaDecode.h"

namespace gps {

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
    return std::string(kPrefix) + "COM port read error.";
}

std::string StatusText(const GpsFix& fix, coords::CoordFormat format) {
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

void GpsUpdateFold::Add(std::string_view line) {
    const auto type = NmeaSentenceType(line);
    if (type == "GGA") {
        // Seeded with the batch values, so an empty field keeps what the batch has so far.
        GgaRecord record;
        record.satellites = satellites_;
        record.hdop = hdop_;
        record.altitude = altitude_;
        if (DecodeGga(line, record)) {
            hasPosition_ = true;
            position_ = MapPos(record.longitude, record.latitude);
            satellites_ = record.satellites;
            hdop_ = record.hdop;
            altitude_ = record.altitude;
            fixLost_ = false;
        } else {
            fixLost_ = true;
        }
    } else if (type == "RMC") {
        RmcRecord record;
        if (DecodeRmc(line, record)) {
            hasPosition_ = true;
            position_ = MapPos(record.longitude, record.latitude);
            fixLost_ = false;
        } else {
            fixLost_ = true;
        }
    } else if (type == "GSA") {
        GsaRecord record;
        if (DecodeGsa(line, record)) {
            satellites_ = record.satellitesUsed;
            hdop_ = record.hdop;
        }
    }
}

GpsBatchResult GpsUpdateFold::ApplyTo(GpsFix& fix) const {
    GpsBatchResult result;
    if (hasPosition_) {
        fix.position = position_;
        fix.hasFix = true;
        result.hasNewPosition = true;
        result.newPosition = position_;
    }
    if (fixLost_) {
        fix.hasFix = false;
        result.fixLost = true;
    }
    if (satellites_ >= 0)
        fix.satellites = satellites_;
    if (hdop_ >= 0.0)
        fix.hdop = hdop_;
    if (altitude_ > 0.0)
        fix.altitude = altitude_;
    return result;
}

bool GpsUpdateRateLimit::Admit(std::uint32_t nowMs, std::uint32_t rateMs) {
    if (!started_) {
        started_ = true;
        lastUpdateTick_ = nowMs;
    }
    if (static_cast<std::uint32_t>(nowMs - lastUpdateTick_) < rateMs)
        return false;
    lastUpdateTick_ = nowMs;
    return true;
}

std::uint32_t TickCountMs() {
    const auto now = std::chrono::steady_clock::now().time_since_epoch();
    return static_cast<std::uint32_t>(
        std::chrono::duration_cast<std::chrono::milliseconds>(now).count());
}

GpsUpdateOutcome HandleGpsUpdate(GpsLink& link, GpsFix& fix, GpsUpdateRateLimit& rateLimit,
                                 std::uint32_t nowMs, std::uint32_t rateMs,
                                 coords::CoordFormat format) {
    GpsUpdateOutcome outcome;
    if (!rateLimit.Admit(nowMs, rateMs))
        return outcome;
    outcome.handled = true;
    if (link.HasReadError()) {
        link.ClearSentences();
        fix.hasFix = false;
        outcome.readError = true;
        outcome.status = StatusReadError();
        return outcome;
    }
    GpsUpdateFold fold;
    std::string line;
    while (link.PopSentence(line))
        fold.Add(line);
    outcome.batch = fold.ApplyTo(fix);
    outcome.status = StatusText(fix, format);
    return outcome;
}

} // namespace gps
