#pragma once

#include "platform/FileIo.h"
#include "points/PointsFile.h"
#include "xml/XmlReader.h"

#include <string>
#include <string_view>

// Map points from the placemarks of a KML document (any KML version: elements are matched by
// local name), read with the bounded XML reader. A <Placemark> with a <Point> gives a point
// named by its <name>, described by its <description>, at the first "lon,lat[,alt]" of the
// point's <coordinates>; placemarks without a point (lines, polygons) are passed over. The root
// must be a <kml>. Coordinates that are not numbers or out of range make the document damaged
// and nothing of it is taken.
namespace points {

// Reads a document; points is replaced only on success.
xml::Result ParseKmlPlacemarks(std::string_view document, MapPointList& points);

// Reads the file at path; points is replaced only when Loaded. Errors name the path.
platform::LoadResult ReadKmlPlacemarks(const std::string& path, MapPointList& points);

} // namespace points
