#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "calib/MapPos.h"
#include "platform/FileIo.h"
#include "trail/TrackPoint.h"
#include "trail/TrailBuffer.h"

// GPX 1.1 output. How our data maps onto GPX:
//   a recording (trail::Track)  -> one <trk> named "QUILO Trail", one <trkseg> per unbroken run;
//   a fix (trail::TrackPoint)   -> <trkpt lat lon> with <ele> when the height is known and
//                                  <time> (UTC, milliseconds when not whole) when the time is
//                                  known (not 0) and within the years 1 to 9999;
//                                  speed and course have no place in GPX 1.1 and are left out;
//   a map point                 -> <wpt lat lon> with <name>, <desc> and <sym> (symbol name),
//                                  see points/PointsGpx.h.
// Numbers are the shortest decimal text that reads back as the same double, never with an
// exponent (xsd:decimal has none). A position GPX cannot hold (not finite, latitude beyond
// +-90, longitude beyond +-180) is left out, so every document validates; longitude 180 is
// written as -180, the same meridian. Waypoints come before tracks, as the schema orders them.
//
// Everything appends to a caller's string so that a long conversion can be streamed out.
namespace trail {

inline constexpr std::string_view kGpxNamespace = "http://www.topografix.com/GPX/1/1";
inline constexpr std::string_view kGpxTrackName = "QUILO Trail";

// The XML declaration and the opening <gpx> element with version, creator and namespace.
void AppendGpxDocumentStart(std::string& out);
// "</gpx>".
void AppendGpxDocumentEnd(std::string& out);

// True when GPX can hold the position (see above).
[[nodiscard]] bool IsGpxPosition(const MapPos& position);

// ` lat="..." lon="..."` for a position IsGpxPosition accepts.
void AppendGpxLatLon(std::string& out, const MapPos& position);

// True for times of the years 1 to 9999; others are left out.
[[nodiscard]] bool IsGpxTime(std::int64_t utcMs);

// ISO 8601 UTC: 1733659200123 gives "2024-12-08T12:00:00.123Z", whole seconds "...:00Z".
void AppendGpxTime(std::string& out, std::int64_t utcMs);

struct GpxWaypoint;

// A <wpt> with <name>, <desc> and <sym> (each only when not empty, a CR kept as "&#13;" so that
// it reads back); nothing when IsGpxPosition refuses the position.
void AppendGpxWaypoint(std::string& out, const GpxWaypoint& waypoint);

// One <trk>, fed a point at a time. Points between two EndSegment() calls share a <trkseg>;
// no empty <trkseg> is ever written.
class GpxTrackWriter {
public:
    // Appends "<trk><name>...</name>".
    GpxTrackWriter(std::string& out, std::string_view name);

    // Appends a <trkpt>, opening a segment first when none is open. Positions GPX cannot hold
    // are skipped.
    void Add(const TrackPoint& point);
    // Closes the open segment, if any.
    void EndSegment();
    // Closes the segment and the track. Call once, last.
    void Finish();

private:
    std::string& out_;
    bool inSegment_ = false;
};

// A whole document holding one track.
[[nodiscard]] std::string GpxTrackDocument(const Track& track);

// A whole document: the waypoints, then the track when it holds any point.
[[nodiscard]] std::string GpxDocument(const std::vector<GpxWaypoint>& waypoints,
                                      const Track& track);

// A whole document for the trail's samples, oldest to newest: one segment per run of set
// samples between breaks, positions only.
[[nodiscard]] std::string TrailGpx(const TrailBuffer& trail);

// Writes TrailGpx(trail) to path atomically; on failure the error names the path and the old
// file is left as it was.
[[nodiscard]] platform::FileResult ExportTrailGpx(const TrailBuffer& trail,
                                                  const std::string& path);

} // namespace trail
