#pragma once

#include "gps/GpsDetails.h"
#include "gps/GpsFix.h"
#include "gps/GpsUpdate.h"
#include "session/AlarmCircle.h"
#include "session/Changes.h"
#include "session/CourseUp.h"
#include "session/GoTo.h"
#include "session/LiveSettings.h"
#include "trail/TrailStatistics.h"

#include <optional>
#include <string>

// The live display's state beside the handheld's fix: the receiver's details, the trip meter,
// the point being gone to and the display's switches. The session applies each GPS update to
// it; the panel and the map overlays show what it holds.
namespace session {

class LiveState {
public:
    // Until the window sets them from the store nothing is laid over the map: a scene built
    // for a test or a benchmark paints the plain frame.
    LiveState();
    [[nodiscard]] const gps::GpsDetails& Details() const { return details_; }
    [[nodiscard]] const LiveSettings& Settings() const { return settings_; }
    void SetSettings(const LiveSettings& settings);

    // One handled update: the details, and its receiver fixes to the trip meter. Details and
    // Marker changed (the arrow and the circle follow the details).
    Changes Apply(const gps::GpsUpdate& update);
    // The link closed: the details are no longer the receiver's, the trip pauses.
    void Disconnected();

    // --- Trip meter --------------------------------------------------------------------
    [[nodiscard]] trail::TrailStatistics Trip() const { return trip_.Result(); }
    void ResetTrip() { trip_ = {}; }
    void ResumeTrip(const trail::TrailStatistics& totals) {
        trip_ = trail::TrailStatisticsBuilder::Resume(totals);
    }

    // --- Go to -------------------------------------------------------------------------
    // Goes to point (latitude in y) called name, from here: the line it started on runs from
    // here when known, else from the next position. The arrival radius is the settings'.
    void StartGoTo(std::string name, const MapPos& point, std::optional<MapPos> here);
    void StopGoTo() { goTo_.reset(); }
    [[nodiscard]] const std::optional<GoToTarget>& GoTo() const { return goTo_; }
    // Where the point is from fix, with the receiver's variation when it sends one, else
    // mapMagVar; none without a go-to or a fix.
    [[nodiscard]] std::optional<GoToReading> ReadGoTo(const gps::GpsFix& fix,
                                                      double mapMagVar) const;
    // The note beside the status line: "Arrived at NAME." within the arrival radius; "".
    [[nodiscard]] std::string ArrivalText(const gps::GpsFix& fix) const;

    // --- The alarm circle ------------------------------------------------------------
    // Watches a circle of kind round centre (latitude in y), with the settings' radius and
    // grace; replaces any circle before.
    void SetAlarm(AlarmCircle::Kind kind, const MapPos& centre);
    void ClearAlarm() { alarm_.Clear(); }
    void SilenceAlarm() { alarm_.Silence(); }
    [[nodiscard]] const AlarmWatch& Alarm() const { return alarm_; }
    // How many times an alarm has started sounding: the window tells the desktop once for each.
    [[nodiscard]] int AlarmsRaised() const { return alarmsRaised_; }
    // The loud notice while the alarm sounds ("" while it does not), in units.
    [[nodiscard]] std::string AlarmText() const;

    // --- What the map shows --------------------------------------------------------------
    // The course the heading arrow points along: the receiver's course while the arrow is on
    // and the speed at least kMovingSpeedMps; none for the plain marker.
    [[nodiscard]] std::optional<double> ArrowCourse() const;
    // The course a turned map puts up (degrees true): with heading-up the receiver's heading
    // while one came within kHeadingStaleMs, else the smoothed course; none while neither
    // course-up nor heading-up is on or the receiver has not yet moved fast enough.
    [[nodiscard]] std::optional<double> UpCourse() const;
    // Heading-up is on but no heading came within kHeadingStaleMs: the map turns by course.
    [[nodiscard]] bool HeadingMissing() const;
    static constexpr std::int64_t kHeadingStaleMs = 3000;

private:
    gps::GpsDetails details_;
    LiveSettings settings_;
    trail::TrailStatisticsBuilder trip_;
    std::optional<GoToTarget> goTo_;
    CourseSmoother course_;
    AlarmWatch alarm_;
    int alarmsRaised_ = 0;
    std::int64_t updates_ = 0; // the clock of updates without a time of their own
    std::int64_t nowMs_ = 0;   // the newest update's time on the course's clock
    std::int64_t headingsSeen_ = 0;
    std::optional<std::int64_t> headingAtMs_; // when the newest heading came
};

} // namespace session
