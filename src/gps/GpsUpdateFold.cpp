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

std::string StatusEnded() {
    return std::string(kPrefix) + "End of log.";
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
    // Seeded with the batch values, so an empty GGA field keeps what the batch has so far.
    GgaRecord seed;
    seed.satellites = satellites_;
    seed.hdop = hdop_;
    seed.altitude = altitude_;
    const DecodedSentence sentence = DecodeSentence(line, seed);
    if (const auto* gga = std::get_if<GgaRecord>(&sentence.record)) {
        if (sentence.ok) {
            hasPosition_ = true;
            position_ = MapPos(gga->longitude, gga->latitude);
            satellites_ = gga->satellites;
            hdop_ = gga->hdop;
            altitude_ = gga->altitude;
            fixLost_ = false;
        } else {
            fixLost_ = true;
        }
    } else if (const auto* rmc = std::get_if<RmcRecord>(&sentence.record)) {
        if (sentence.ok) {
            hasPosition_ = true;
            position_ = MapPos(rmc->longitude, rmc->latitude);
            fixLost_ = false;
        } else {
            fixLost_ = true;
        }
    } else if (const auto* gsa = std::get_if<GsaRecord>(&sentence.record)) {
        if (sentence.ok) {
            satellites_ = gsa->satellitesUsed;
            hdop_ = gsa->hdop;
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
    GpsEpochAssembler epochs;
    return HandleGpsUpdate(link, fix, epochs, rateLimit, nowMs, rateMs, format);
}

GpsUpdateOutcome HandleGpsUpdate(GpsLink& link, GpsFix& fix, GpsEpochAssembler& epochs,
                                 GpsUpdateRateLimit& rateLimit, std::uint32_t nowMs,
                                 std::uint32_t rateMs, coords::CoordFormat format) {
    GpsUpdateOutcome outcome;
    // Read before the rate limit: the stream's last sentences must not wait for an update
    // that will never be posted.
    const bool ended = link.HasEnded();
    if (!rateLimit.Admit(nowMs, rateMs) && !ended)
        return outcome;
    outcome.handled = true;
    outcome.note = link.TakeNote();
    if (link.HasReadError()) {
        link.ClearSentences();
        fix.hasFix = false;
        outcome.readError = true;
        outcome.status = std::string(kPrefix) + link.LostText();
        return outcome;
    }
    GpsUpdateFold fold;
    std::string line;
    bool any = false;
    while (link.PopSentence(line)) {
        fold.Add(line);
        epochs.Add(line);
        any = true;
    }
    if (ended)
        epochs.Finish();
    outcome.batch = fold.ApplyTo(fix);
    outcome.epochs = epochs.TakeCompleted();
    outcome.ended = ended && !any;
    outcome.status = outcome.ended ? StatusEnded() : StatusText(fix, format);
    return outcome;
}

} // namespace gps
