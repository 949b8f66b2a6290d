#include "gps/GpsEpoch.h"

#include <chrono>
#include <utility>
#include <variant>

#include "gps/NmeaDecode.h"

namespace gps {

namespace {

constexpr std::int64_t kDayMs = 86'400'000;

unsigned TypeBit(NmeaType type) {
    switch (type) {
    case NmeaType::Gga:
        return 1u;
    case NmeaType::Rmc:
        return 2u;
    default:
        return 0u;
    }
}

std::int64_t FloorDiv(std::int64_t a, std::int64_t b) {
    return a / b - (a % b < 0 ? 1 : 0);
}

} // namespace

void GpsEpochAssembler::Add(std::string_view line) {
    const unsigned bit = TypeBit(NmeaTypeOf(line));
    if (bit == 0)
        return;
    const std::optional<std::int64_t> timeOfDay = NmeaTimeOfDayMs(SplitNmeaFields(line)[1]);
    if (types_ != 0 && ((types_ & bit) != 0 || timeOfDay != timeOfDayMs_))
        End();
    types_ |= bit;
    timeOfDayMs_ = timeOfDay;

    const DecodedSentence sentence = DecodeSentence(line);
    if (const auto position = sentence.Position()) {
        hasPosition_ = true;
        epoch_.position = *position;
    }
    if (const auto* gga = std::get_if<GgaRecord>(&sentence.record)) {
        if (gga->altitudeGiven)
            epoch_.heightM = gga->altitude;
    } else if (const auto* rmc = std::get_if<RmcRecord>(&sentence.record); rmc && sentence.ok) {
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
