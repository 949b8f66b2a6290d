// One input is a GPX document. Either it is refused, leaving what the caller held as it was,
// or every position it gives is within range; then our GPX of what was read reads back to the
// same positions, heights and times.
#include "FuzzCheck.h"
#include "trail/GpxReader.h"
#include "trail/GpxWriter.h"

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

bool SameHeight(double a, double b) {
    return (std::isnan(a) && std::isnan(b)) || a == b;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    trail::GpxContents contents;
    contents.waypoints.push_back({MapPos(1, 2), "held", "", ""});
    if (!trail::ParseGpx(bytes, contents)) {
        Check(contents.waypoints.size() == 1 && contents.waypoints[0].name == "held" &&
              contents.track.empty());
        return 0;
    }
    for (const trail::GpxWaypoint& waypoint : contents.waypoints)
        Check(InRange(waypoint.position));
    for (const trail::TrackSegment& segment : contents.track) {
        Check(!segment.empty());
        for (const trail::TrackPoint& point : segment)
            Check(InRange(point.position) && !std::isinf(point.heightM));
    }

    trail::GpxContents reread;
    const std::string written = trail::GpxDocument(contents.waypoints, contents.track);
    Check(static_cast<bool>(trail::ParseGpx(written, reread)));
    Check(reread.waypoints.size() == contents.waypoints.size());
    for (std::size_t i = 0; i < reread.waypoints.size(); ++i)
        Check(reread.waypoints[i].position == Written(contents.waypoints[i].position));
    Check(reread.track.size() == contents.track.size());
    for (std::size_t s = 0; s < reread.track.size(); ++s) {
        Check(reread.track[s].size() == contents.track[s].size());
        for (std::size_t p = 0; p < reread.track[s].size(); ++p) {
            const trail::TrackPoint& a = contents.track[s][p];
            const trail::TrackPoint& b = reread.track[s][p];
            Check(b.position == Written(a.position) && SameHeight(a.heightM, b.heightM));
            Check(b.utcMs == (trail::IsGpxTime(a.utcMs) ? a.utcMs : 0));
        }
    }
    return 0;
}
