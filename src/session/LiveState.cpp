#include "session/LiveState.h"

#include "session/Units.h"

namespace session {

LiveState::LiveState() {
    settings_.headingArrow = settings_.accuracyCircle = settings_.scaleBar = false;
}

void LiveState::SetSettings(const LiveSettings& settings) {
    if (settings.courseSmoothingS != settings_.courseSmoothingS)
        course_ = CourseSmoother(settings.courseSmoothingS);
    const bool alarmChanged = settings.alarmRadiusM != settings_.alarmRadiusM ||
                              settings.alarmGraceFixes != settings_.alarmGraceFixes;
    settings_ = settings;
    // A new radius applies to the circle set: the same centre, watched afresh.
    if (alarmChanged && alarm_.Circle())
        SetAlarm(alarm_.Circle()->kind, alarm_.Circle()->centre);
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
    // A receiver that sends no time counts as one update a second.
    ++updates_;
    nowMs_ = details_.utcMs.value_or(updates_ * 1000);
    course_.Add(nowMs_, details_.speedMps, details_.courseTrue);
    if (details_.headings != headingsSeen_) {
        headingsSeen_ = details_.headings;
        headingAtMs_ = nowMs_;
    }
    if (update.Has(gps::GpsUpdate::kPosition) && !update.Has(gps::GpsUpdate::kReadError) &&
        update.fix.hasFix && alarm_.Add(update.fix.position))
        ++alarmsRaised_;
    if (goTo_ && !goTo_->start && update.fix.hasFix)
        goTo_->start = update.fix.position;
    // Whether the marker changed is the session's to say: it compares what the marker shows.
    return Changed::Details;
}

void LiveState::Disconnected() {
    details_ = {};
    trip_.Add(trail::JournalEntry::Break(0));
    course_.Reset();
    headingAtMs_.reset();
    headingsSeen_ = 0;
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

void LiveState::SetAlarm(AlarmCircle::Kind kind, const MapPos& centre) {
    alarm_.Set(AlarmCircle{kind, centre, static_cast<double>(settings_.alarmRadiusM),
                           settings_.alarmGraceFixes});
}

std::string LiveState::AlarmText() const {
    if (!alarm_.Sounding())
        return {};
    const std::string distance = FormatDistance(alarm_.DistanceM().value_or(0.0), settings_.units);
    if (alarm_.Circle()->kind == AlarmCircle::Kind::Leave)
        return "Anchor alarm: " + distance + " from the anchor. Tap to silence.";
    return "Alarm: " + distance + " from the point. Tap to silence.";
}

bool LiveState::HeadingMissing() const {
    // A clock that went backwards (a replay begun again) makes the heading as old as unknown.
    return settings_.headingUp &&
           !(headingAtMs_ && nowMs_ >= *headingAtMs_ && nowMs_ - *headingAtMs_ <= kHeadingStaleMs &&
             details_.headingTrue);
}

std::optional<double> LiveState::UpCourse() const {
    if (settings_.headingUp && !HeadingMissing())
        return details_.headingTrue;
    return settings_.Turns() ? course_.Course() : std::nullopt;
}

} // namespace session
