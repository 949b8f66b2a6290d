#include "gps/GpsUpdateFold.h"

#include <chrono>
#include <optional>
#include <variant>

namespace gps {

void GpsUpdateFold::Add(const DecodedSentence& sentence) {
    if (const auto* gga = std::get_if<GgaRecord>(&sentence.record)) {
        used_.OnFixTime(gga->timeOfDayMs);
        if (TakePosition(sentence)) {
            satellites_ = gga->satellites.value_or(satellites_);
            hdop_ = gga->hdop.value_or(hdop_);
            altitude_ = gga->altitude.value_or(altitude_);
        }
    } else if (const auto* rmc = std::get_if<RmcRecord>(&sentence.record)) {
        used_.OnFixTime(rmc->timeOfDayMs);
        TakePosition(sentence);
    } else if (const auto* gsa = std::get_if<GsaRecord>(&sentence.record); gsa && sentence.ok) {
        satellites_ = used_.Add(sentence.Talker(), *gsa);
        hdop_ = gsa->hdop.value_or(0.0);
    }
}

bool GpsUpdateFold::TakePosition(const DecodedSentence& sentence) {
    const std::optional<MapPos> position = sentence.Position();
    fixLost_ = !position;
    if (position) {
        hasPosition_ = true;
        position_ = *position;
    }
    return position.has_value();
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
