#pragma once

#include <iosfwd>
#include <string>

namespace tool {

// The points half of "quilo-tool convert": IN is a points file or a GPX file (its waypoints),
// OUT a .pts, .kml or .gpx path.
// Returns the exit status (0, or 2 after one line on err; no output file is left then).
int ConvertPointsFile(const std::string& in, const std::string& out, std::ostream& err);

} // namespace tool
