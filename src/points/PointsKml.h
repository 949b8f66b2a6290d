#pragma once

#include "platform/FileIo.h"
#include "points/PointsFile.h"

#include <cstddef>
#include <string>

// The map points as one KML 2.1 document: the shared envelope of xml/KmlWriter.h, one folder
// "QUILO Map Points" and a placemark per point in list order, with its name, description and
// position (longitude first, ten decimals). Names and descriptions are XML-escaped UTF-8, so
// a point named "A&B <1>" is written as "A&amp;B &lt;1&gt;" and the document always parses. A
// point a KML reader would refuse (xml::IsKmlPosition) is left out and counted in leftOut,
// when given.
namespace points {

inline constexpr std::string_view kPointsKmlFolderName = "QUILO Map Points";

[[nodiscard]] std::string PointsKmlDocument(const MapPointList& points,
                                            std::size_t* leftOut = nullptr);

// Writes the document to path atomically; the result names the path on failure.
[[nodiscard]] platform::FileResult
WritePointsKml(const std::string& path, const MapPointList& points, std::size_t* leftOut = nullptr);

} // namespace points
