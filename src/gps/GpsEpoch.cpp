#include "gps/GpsEpoch.h"

#include <chrono>
#include <utility>
#include <variant>

namespace gps {

namespace {

constexpr std::int64_t kDayMs = 86'400'000;

std::int64_t FloorDiv(std::int64_t a, std::int64_t b) {
    return a / b - (a % b < 0 ? 1 : 0);
}

} // namespace

void GpsEpochAssembler::Add(const DecodedSentence& sentence) {
    const auto* gga = std::get_if<GgaRecord>(&sentence.record);
    const auto* rmc = std::get_if<RmcRecord>(&sentence.record);
    if (!gga && !rmc)
        return;
    const unsigned bit = gga ? 1u : 2u;
    const std::optional<std::int64_t> timeOfDay = gga ? gga->timeOfDayMs : rmc->timeOfDayMs;
    if (types_ != 0 && ((types_ & bit) != 0 || timeOfDay != timeOfDayMs_))
        End();
    types_ |= bit;
    timeOfDayMs_ = timeOfDay;

    if (const auto position = sentence.Position()) {
        hasPosition_ = true;
        epoch_.position = *position;
    }
    if (gga) {
        if (gga->altitude)
            epoch_.heightM = *gga->altitude;
    } else if (sentence.ok) {
        if (rmc->utcMs != 0)
            rmcUtcMs_ = rmc->utcMs;
        epoch_.speedKnots = rmc->speedKnots;
        epoch_.courseDeg = rmc->courseDeg;
    }
    if (!givenOut_ && lastTypes_ != 0 && (types_ & lastTypes_) == lastTypes_)
        GiveOut();
}

void GpsEpochAssembler::Finish() {
    if (types_ != 0)
        End();
}

std::vector<GpsEpoch> GpsEpochAssembler::TakeCompleted() {
    return std::exchange(completed_, {});
}

void GpsEpochAssembler::End() {
    if (!givenOut_)
        GiveOut();
    lastTypes_ = types_;
    types_ = 0;
    timeOfDayMs_.reset();
    hasPosition_ = false;
    givenOut_ = false;
    epoch_ = GpsEpoch();
    rmcUtcMs_.reset();
}

void GpsEpochAssembler::GiveOut() {
    givenOut_ = true;
    if (!hasPosition_)
        return;
    GpsEpoch epoch = epoch_;
    if (rmcUtcMs_) {
        epoch.utcMs = *rmcUtcMs_;
        lastDateUtcMs_ = rmcUtcMs_;
    } else if (timeOfDayMs_) {
        epoch.utcMs = Dated(*timeOfDayMs_);
    }
    completed_.push_back(epoch);
}

std::int64_t GpsEpochAssembler::Dated(std::int64_t timeOfDayMs) const {
    const std::int64_t reference = lastDateUtcMs_
                                       ? *lastDateUtcMs_
                                       : std::chrono::duration_cast<std::chrono::milliseconds>(
                                             std::chrono::system_clock::now().time_since_epoch())
                                             .count();
    std::int64_t utc = FloorDiv(reference, kDayMs) * kDayMs + timeOfDayMs;
    if (utc - reference > kDayMs / 2)
        utc -= kDayMs;
    else if (reference - utc > kDayMs / 2)
        utc += kDayMs;
    return utc;
}

} // namespace gps
