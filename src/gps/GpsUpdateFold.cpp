#include "gps/GpsUpdateFold.h"

#include <chrono>

#include "gps/NmeaDecode.h"

namespace gps {

void GpsUpdateFold::Add(std::string_view line) {
    // Seeded with the batch values, so an empty GGA field keeps what the batch has so far.
    GgaRecord seed;
    seed.satellites = satellites_;
    seed.hdop = hdop_;
    seed.altitude = altitude_;
    const DecodedSentence sentence = DecodeSentence(line, seed);
    if (const auto* gga = std::get_if<GgaRecord>(&sentence.record)) {
        used_.OnFixTime(gga->timeOfDayMs);
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
        used_.OnFixTime(rmc->timeOfDayMs);
        if (sentence.ok) {
            hasPosition_ = true;
            position_ = MapPos(rmc->longitude, rmc->latitude);
            fixLost_ = false;
        } else {
            fixLost_ = true;
        }
    } else if (const auto* gsa = std::get_if<GsaRecord>(&sentence.record)) {
        if (sentence.ok) {
            satellites_ = used_.Add(line, *gsa);
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

} // namespace gps
