#pragma once

#include "platform/FileIo.h"
#include "points/PointsFile.h"
#include "xml/XmlReader.h"

#include <string>
#include <string_view>

// Map points from the placemarks of a KML document (xml/KmlReader.h): a <Placemark> with a
// <Point> gives a point named by its <name>, described by its <description>, at the point's
// first coordinates, drawn as ImportedPoint draws it. A document with coordinates that are
// not numbers or out of range is damaged and nothing of it is taken.
namespace points {

// Reads a document; points is replaced only on success.
xml::Result ParseKmlPlacemarks(std::string_view document, MapPointList& points);

// Reads the file at path; points is replaced only when Loaded. Errors name the path.
platform::LoadResult ReadKmlPlacemarks(const std::string& path, MapPointList& points);

} // namespace points
