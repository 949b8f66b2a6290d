#pragma once

#include <string>

#include "calib/Georeference.h"
#include "coords/CoordFormat.h"
#include "gps/GpsFix.h"
#include "gps/GpsUpdate.h"
#include "session/Units.h"

// The words of the status line about the GPS: what the map view shows and quilo-tool monitor
// prints.
namespace session {

std::string StatusConnected();    // "GPS: Connected."
std::string StatusDisconnected(); // "GPS: Disconnected."
std::string StatusReadError();    // "GPS: COM port read error."
std::string StatusEnded();        // "GPS: End of log."
// "GPS: " + words from the link or the source: "GPS: Connecting to HOST:PORT...", a note.
std::string StatusSaying(const std::string& words);
// With fix.hasFix: "GPS: " + FormatPosition(fix.position, format) + altitude part + " S:" +
// satellites + precision part, e.g. "GPS: 11°31'0.0E 48°07'2.3N A:545m S:8 P:67%". The
// altitude part " A:545m" (whole metres) is there when fix.altitude is not 0; the precision
// part is " P:" + 100/hdop in whole percent + "%" when hdop >= 1, " P:100+%" when 0 < hdop < 1,
// nothing when hdop <= 0 (or not a number).
// Without: "GPS: Connected, no fix available. Sats:" + satellites.
std::string StatusText(const gps::GpsFix& fix, coords::CoordFormat format);
// After a handled update (its note aside): "GPS: " + the link's words after a read error,
// "GPS: End of log." when the log ended, else StatusText of the fix.
std::string StatusAfter(const gps::GpsUpdate& update, coords::CoordFormat format);
// Where position lies from a map of width x height pixels that georef places, from the map's
// nearest edge, in eight compass points: "12.4 km NE of this map". "" while the position lies
// on the map, or while nothing places the map.
std::string OffMapText(const map::Georeference& georef, int width, int height,
                       const MapPos& position, UnitSystem units);

} // namespace session
