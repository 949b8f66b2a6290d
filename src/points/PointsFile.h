#pragma once

#include "platform/FileIo.h"
#include "points/MapPoint.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// The points file beside a map image: the framework archive of the point list (see
// points/Archive.h). It holds the element count, then every point in list order as an object
// record: the first with a new class record "CMapPoint", schema 1, the later ones with a
// reference to that class; each followed by the point's own fields:
//   name (string), longitude, latitude (doubles), symbol, lineColour, fillColour, size
//   (32-bit integers), description (string).
// There is no header or checksum; the schema is the only version mark.
namespace points {

// The map's points, in the order they were created (points are only ever appended).
using MapPointList = std::vector<CMapPoint>;

inline constexpr std::string_view kMapPointClassName = "CMapPoint";
inline constexpr std::uint16_t kMapPointSchema = 1;

// The bytes of a points file holding points.
[[nodiscard]] std::string EncodePoints(const MapPointList& points);

// Decodes a whole points file. On success points is replaced by the file's points in file
// order; otherwise points is left exactly as it was. Damaged: a count larger than the bytes
// left can hold, a class other than "CMapPoint" or a schema other than 1, a null or
// back-reference tag (or an unknown class) where a new point is expected, any value cut
// short, or bytes after the last point (the framework never writes any).
// Not Loaded: Damaged, with one line naming the byte offset, e.g. "damaged points file (schema
// 2 at byte 4)".
platform::LoadResult DecodePoints(std::string_view bytes, MapPointList& points);

// Reads the points file at path; points changes only when the result is Loaded. Missing is a
// map without points, not an error, to the map view; every error names the path.
platform::LoadResult ReadPointsFile(const std::string& path, MapPointList& points);

// Writes points to path atomically (a temporary file renamed over it); on failure the old
// file is intact and the result names the path and the reason.
platform::FileResult WritePointsFile(const std::string& path, const MapPointList& points);

} // namespace points
