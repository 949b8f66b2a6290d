#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/MapPos.h"
#include "platform/FileIo.h"
#include "xml/TrackPoint.h"
#include "xml/XmlReader.h"

// GPX input (1.1, and 1.0 in its namespace or in none), read with the bounded XML reader
// (XmlReader.h): no document types or entities, limited depth and sizes. What is taken:
//   every <trkseg> of every <trk>, in file order -> one segment of the track, its <trkpt>s with
//                                                  <ele> as the height and <time> as UTC, and
//                                                  the speed (m/s) and course of GPX 1.0's
//                                                  <speed> and <course> or of a 1.1 point's
//                                                  Garmin TrackPointExtension v2;
//   every <trk>'s <name>                         -> GpxTrack, which names its segments;
//   every <rte> with its <name>                  -> a route, its <rtept>s read as waypoints;
//   every <wpt>                                  -> a waypoint with <ele>, <name>, <desc>, <sym>.
// Metadata and other extensions are passed over. The root must be a <gpx> in a GPX namespace
// or in none (as GPX 1.0 files often are), and only elements of the root's namespace count. A
// lat or lon that is missing, not a number or out of range (|lat| > 90, |lon| > 180), an <ele>
// that is not a finite number within +-1e9 or a <time> that is not an ISO 8601 date and time
// (base/Time.h) makes the whole document damaged: nothing of it is taken. A speed or course that is
// not a number, a negative speed or a course outside 0..360 is passed over.
namespace xml {

// Where GPX 1.1 keeps a point's speed and course (the namespace most programs read them from).
inline constexpr std::string_view kGpxTrackPointExtension =
    "http://www.garmin.com/xmlschemas/TrackPointExtension/v2";

struct GpxWaypoint {
    MapPos position;
    std::string name;
    std::string description;
    std::string symbol;
    std::optional<double> heightM{}; // <ele>
    friend bool operator==(const GpxWaypoint&, const GpxWaypoint&) = default;
};

struct GpxRoute {
    std::string name;
    std::vector<GpxWaypoint> points;
    friend bool operator==(const GpxRoute&, const GpxRoute&) = default;
};

// A <trk>: its name, and how many of GpxContents::track's segments, in order, are its own.
struct GpxTrack {
    std::string name;
    std::size_t segments = 0;
    friend bool operator==(const GpxTrack&, const GpxTrack&) = default;
};

struct GpxContents {
    Track track; // the segments of every <trk>, in order; empty segments are dropped
    std::vector<GpxWaypoint> waypoints;
    std::vector<GpxRoute> routes{}; // empty routes are dropped
    std::vector<GpxTrack> tracks{}; // those with a segment, in order
};

// The trail a GPX file holds: its tracks, or when it has none its routes, one segment each.
[[nodiscard]] Track GpxTrail(const GpxContents& contents);

// Reads a document; contents is replaced only on success. The error says where and why.
Result ParseGpx(std::string_view document, GpxContents& contents);

// Reads the file at path; contents is replaced only when Loaded. Errors name the path:
// "PATH: damaged GPX file (line 3, column 5: latitude out of range: \"91\")".
platform::LoadResult ReadGpxFile(const std::string& path, GpxContents& contents);

} // namespace xml
