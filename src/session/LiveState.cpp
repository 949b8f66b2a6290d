#include "session/LiveState.h"

namespace session {

LiveState::LiveState() {
    settings_.headingArrow = settings_.accuracyCircle = settings_.scaleBar = false;
}

void LiveState::SetSettings(const LiveSettings& settings) {
    settings_ = settings;
    if (goTo_)
        goTo_->arrivalRadiusM = settings.arrivalRadiusM;
}

Changes LiveState::Apply(const gps::GpsUpdate& update) {
    details_ = update.details;
    if (update.Has(gps::GpsUpdate::kReadError)) {
        trip_.Add(trail::JournalEntry::Break(0));
    } else {
        for (const gps::GpsEpoch& epoch : update.epochs)
            trip_.Add(
                trail::JournalEntry{trail::JournalEntry::Kind::Fix,
                                    trail::TrackPoint{epoch.position, epoch.utcMs, epoch.heightM,
                                                      epoch.speedKnots, epoch.courseDeg}});
    }
    if (goTo_ && !goTo_->start && update.fix.hasFix)
        goTo_->start = update.fix.position;
    return Changed::Details | Changed::Marker;
}

void LiveState::Disconnected() {
    details_ = {};
    trip_.Add(trail::JournalEntry::Break(0));
}

void LiveState::StartGoTo(std::string name, const MapPos& point, std::optional<MapPos> here) {
    goTo_ = GoToTarget{std::move(name), point, here, static_cast<double>(settings_.arrivalRadiusM)};
}

std::optional<GoToReading> LiveState::ReadGoTo(const gps::GpsFix& fix, double mapMagVar) const {
    if (!goTo_ || !fix.hasFix)
        return std::nullopt;
    return session::ReadGoTo(*goTo_, fix.position, details_.speedMps,
                             details_.magVar.value_or(mapMagVar));
}

std::string LiveState::ArrivalText(const gps::GpsFix& fix) const {
    const std::optional<GoToReading> reading = ReadGoTo(fix, 0.0);
    return reading && reading->arrived ? ArrivalNote(*goTo_) : std::string();
}

std::optional<double> LiveState::ArrowCourse() const {
    if (!settings_.headingArrow || !details_.courseTrue || !details_.speedMps ||
        *details_.speedMps < kMovingSpeedMps)
        return std::nullopt;
    return details_.courseTrue;
}

} // namespace session
