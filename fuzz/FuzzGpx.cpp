// One input is a GPX document. Either it is refused, leaving what the caller held as it was,
// or every position it gives is within range; then our GPX of what was read reads back to the
// same waypoints, routes, tracks, positions, heights and times (values within about 1e-7 of 0
// rounded to 17 decimals, heights no receiver measures left out).
#include "FuzzCheck.h"
#include "base/Time.h"
#include "xml/GpxReader.h"
#include "xml/GpxWriter.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace {

using fuzz::Check;

bool InRange(const MapPos& p) {
    return std::abs(p.y) <= 90 && std::abs(p.x) <= 180;
}

// The position as written: longitude 180 becomes -180.
MapPos Written(const MapPos& p) {
    return p.x == 180.0 ? MapPos(-180.0, p.y) : p;
}

// Equal but for the rounding of values very close to 0.
bool Near(double a, double b) {
    return std::abs(a - b) <= 1e-17;
}

bool SamePosition(const MapPos& written, const MapPos& read) {
    return Near(written.x, read.x) && Near(written.y, read.y);
}

// The height as written: left out (unknown) when no receiver measures it.
bool SameHeight(double a, double b) {
    return xml::IsGpxHeight(a) ? Near(a, b) : std::isnan(b);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    xml::GpxContents contents;
    contents.waypoints.push_back({MapPos(1, 2), "held", "", "", {}});
    if (!xml::ParseGpx(bytes, contents)) {
        Check(contents.waypoints.size() == 1 && contents.waypoints[0].name == "held" &&
              contents.track.empty());
        return 0;
    }
    for (const xml::GpxWaypoint& waypoint : contents.waypoints)
        Check(InRange(waypoint.position));
    for (const xml::TrackSegment& segment : contents.track) {
        Check(!segment.empty());
        for (const xml::TrackPoint& point : segment)
            Check(InRange(point.position) && !std::isinf(point.heightM));
    }

    xml::GpxContents reread;
    const std::string written = xml::GpxContentsDocument(contents);
    Check(static_cast<bool>(xml::ParseGpx(written, reread)));
    Check(reread.waypoints.size() == contents.waypoints.size());
    for (std::size_t i = 0; i < reread.waypoints.size(); ++i)
        Check(SamePosition(Written(contents.waypoints[i].position), reread.waypoints[i].position));
    Check(reread.routes.size() == contents.routes.size());
    Check(reread.tracks == contents.tracks);
    Check(reread.track.size() == contents.track.size());
    for (std::size_t s = 0; s < reread.track.size(); ++s) {
        Check(reread.track[s].size() == contents.track[s].size());
        for (std::size_t p = 0; p < reread.track[s].size(); ++p) {
            const xml::TrackPoint& a = contents.track[s][p];
            const xml::TrackPoint& b = reread.track[s][p];
            Check(SamePosition(Written(a.position), b.position) &&
                  SameHeight(a.heightM, b.heightM));
            Check(b.utcMs == (base::IsFourDigitYear(a.utcMs) ? a.utcMs : 0));
        }
    }
    return 0;
}
