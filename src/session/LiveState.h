#pragma once

#include "gps/GpsDetails.h"
#include "gps/GpsFix.h"
#include "gps/GpsUpdate.h"
#include "session/Changes.h"
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

    // --- What the map shows --------------------------------------------------------------
    // The course the heading arrow points along: the receiver's course while the arrow is on
    // and the speed at least kMovingSpeedMps; none for the plain marker.
    [[nodiscard]] std::optional<double> ArrowCourse() const;

private:
    gps::GpsDetails details_;
    LiveSettings settings_;
    trail::TrailStatisticsBuilder trip_;
    std::optional<GoToTarget> goTo_;
};

} // namespace session
