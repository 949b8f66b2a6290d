#pragma once

#include "coords/CoordFormat.h"
#include "gps/GpsDetails.h"
#include "session/GoTo.h"
#include "session/Units.h"
#include "trail/TrailStatistics.h"

#include <optional>
#include <string>
#include <vector>

// The words of the GPS details panel: a label and its value a row, unknown values as "-".
namespace session {

struct LiveRow {
    std::string label;
    std::string value;
    friend bool operator==(const LiveRow&, const LiveRow&) = default;
};

// "No fix", "2D", "3D", "DGPS", "RTK float", "RTK fixed"; "-" when unknown.
std::string FixModeText(gps::FixMode mode);
// Time (UTC), Fix, Position, Altitude, Speed, Course (true and magnetic), DOP (H/V/P),
// Accuracy ("4 m", "6 m (estimated)" when from HDOP), Satellites (used/in view per
// constellation, "GPS 7/11, GLONASS 4/6").
std::vector<LiveRow> DetailRows(const gps::GpsDetails& details, UnitSystem units,
                                coords::CoordFormat format);
// To, Distance, Bearing (true and magnetic), ETA ("0:12:30"), Off track ("35 m right").
std::vector<LiveRow> GoToRows(const GoToTarget& target, const std::optional<GoToReading>& reading,
                              UnitSystem units);
// Distance, Moving time, Average speed, Top speed of a trip or a recording.
std::vector<LiveRow> TripRows(const trail::TrailStatistics& figures, UnitSystem units);

} // namespace session
