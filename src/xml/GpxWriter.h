#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "base/MapPos.h"
#include "xml/TrackPoint.h"

// GPX 1.1 output. How our data maps onto GPX:
//   a recording (Track)         -> one <trk> named "QUILO Trail", one <trkseg> per unbroken run;
//   a fix (TrackPoint)          -> <trkpt lat lon> with <ele> when the height is known and
//                                  <time> (UTC, milliseconds when not whole) when the time is
//                                  known (not 0) and within the years 1 to 9999; the speed
//                                  (m/s) and course, which GPX 1.1 has no element for, go in a
//                                  Garmin TrackPointExtension v2 as other programs write them;
//   a map point                 -> <wpt lat lon> with <ele>, <name>, <desc> and <sym> (symbol
//                                  name).
// Numbers are the shortest decimal text that reads back as the same double, never with an
// exponent (xsd:decimal has none) and never of more than 24 digits (xmllint's bound: a value
// so close to 0 is rounded to 17 decimals). A position GPX cannot hold (not finite, latitude
// beyond +-90, longitude beyond +-180) drops its point; a height beyond +-1000 km, a speed
// beyond 100 km/s or below 0, a course outside 0..360 and a time outside the years 1 to 9999
// are left out of their point (no receiver measures them: they are glitches), so every document
// validates and reads back. What was left out is counted (GpxLeftOut) for the caller to tell.
// Longitude 180 is written as -180, the same meridian; a course of 360 as 0. Waypoints come
// before routes and routes before tracks, as the schema orders them.
//
// Everything appends to a caller's string so that a long conversion can be streamed out.
namespace xml {

inline constexpr std::string_view kGpxNamespace = "http://www.topografix.com/GPX/1/1";
inline constexpr std::string_view kGpxTrackName = "QUILO Trail";

// The XML declaration and the opening <gpx> element with version, creator and namespace.
void AppendGpxDocumentStart(std::string& out);
// "</gpx>".
void AppendGpxDocumentEnd(std::string& out);

// What a writer left out (see above): points dropped for their position, and values
// (heights, times, speeds, courses) left out of the points kept.
struct GpxLeftOut {
    std::size_t points = 0;
    std::size_t values = 0;
    GpxLeftOut& operator+=(const GpxLeftOut& other);
    friend bool operator==(const GpxLeftOut&, const GpxLeftOut&) = default;
};

// "" when nothing was left out, else one line for the user: "left out 2 points whose position
// is off the globe and 1 value no receiver measures (a height, time, speed or course)".
[[nodiscard]] std::string GpxLeftOutText(const GpxLeftOut& leftOut);

// True when GPX can hold the position (see above).
[[nodiscard]] bool IsGpxPosition(const MapPos& position);

// True for a height a receiver could have measured (see above); NaN (unknown) is not one.
[[nodiscard]] bool IsGpxHeight(double heightM);

// ` lat="..." lon="..."` for a position IsGpxPosition accepts.
void AppendGpxLatLon(std::string& out, const MapPos& position);

struct GpxWaypoint;

// A <wpt> with <ele> (when IsGpxHeight), <name>, <desc> and <sym> (each only when not empty, a
// CR kept as "&#13;" so that it reads back); nothing when IsGpxPosition refuses the position.
void AppendGpxWaypoint(std::string& out, const GpxWaypoint& waypoint,
                       GpxLeftOut* leftOut = nullptr);

struct GpxRoute;
// An <rte> with its <name> and its points as <rtept>s, written as waypoints are.
void AppendGpxRoute(std::string& out, const GpxRoute& route, GpxLeftOut* leftOut = nullptr);

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
    // What Add left out so far.
    [[nodiscard]] const GpxLeftOut& LeftOut() const { return leftOut_; }

private:
    std::string& out_;
    bool inSegment_ = false;
    GpxLeftOut leftOut_;
};

// A whole document holding one track; leftOut, when given, gets what was left out.
[[nodiscard]] std::string GpxTrackDocument(const Track& track, GpxLeftOut* leftOut = nullptr);

// A whole document: the waypoints, then the track when it holds any point.
[[nodiscard]] std::string GpxDocument(const std::vector<GpxWaypoint>& waypoints,
                                      const Track& track);

struct GpxContents;
// A whole document of everything GpxContents holds: the waypoints, the routes, and each track
// with its name and its segments.
[[nodiscard]] std::string GpxContentsDocument(const GpxContents& contents,
                                              GpxLeftOut* leftOut = nullptr);

} // namespace xml
