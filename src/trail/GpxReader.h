#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "calib/MapPos.h"
#include "platform/FileIo.h"
#include "trail/TrackPoint.h"
#include "xml/XmlReader.h"

// GPX input (1.1, and 1.0 whose tracks and waypoints look the same), read with the bounded
// XML reader (xml/XmlReader.h): no document types or entities, limited depth and sizes.
// What is taken:
//   every <trkseg> of every <trk>, in file order -> one segment of the track, its <trkpt>s with
//                                                  <ele> as the height and <time> as UTC;
//   every <wpt>                                  -> a waypoint with <name>, <desc> and <sym>.
// Routes, metadata and extensions are passed over. The root must be a <gpx> in a GPX
// namespace. A lat or lon that is missing, not a number or out of range (|lat| > 90,
// |lon| > 180), an <ele> that is not a finite number or a <time> that is not an ISO 8601 date
// and time makes the whole document damaged: nothing of it is taken.
namespace trail {

struct GpxWaypoint {
    MapPos position;
    std::string name;
    std::string description;
    std::string symbol;
    friend bool operator==(const GpxWaypoint&, const GpxWaypoint&) = default;
};

struct GpxContents {
    Track track; // empty segments are dropped
    std::vector<GpxWaypoint> waypoints;
};

// True when the path's extension is ".gpx" in any case.
[[nodiscard]] bool IsGpxFilePath(std::string_view path);

// "2024-12-08T12:00:00.123Z" to milliseconds since 1970 (UTC); an offset such as "+02:00" is
// applied, a time without one is taken as UTC. Fractions beyond milliseconds are cut.
[[nodiscard]] std::optional<std::int64_t> ParseGpxTime(std::string_view text);

// Reads a document; contents is replaced only on success. The error says where and why.
xml::Result ParseGpx(std::string_view document, GpxContents& contents);

// Reads the file at path; contents is replaced only when Loaded. Errors name the path:
// "PATH: damaged GPX file (line 3, column 5: latitude out of range: \"91\")".
platform::LoadResult ReadGpxFile(const std::string& path, GpxContents& contents);

// The track's positions newest first, with a break (0, 0) between segments, as the trail
// file loader takes them (see InsertLoadedSamples).
[[nodiscard]] std::vector<MapPos> NewestFirstSamples(const Track& track);

} // namespace trail
