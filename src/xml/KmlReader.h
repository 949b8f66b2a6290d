#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "base/MapPos.h"
#include "platform/FileIo.h"
#include "xml/TrackPoint.h"
#include "xml/XmlReader.h"

// KML input, as ours and other programs write it, read with the bounded XML reader: any KML
// version (elements are matched by local name); the root must be a <kml>. Coordinates are
// "longitude,latitude[,altitude]" tuples; one that is not numbers in range makes the document
// damaged and nothing of it is taken.
namespace xml {

// The trail: every LineString is an unbroken run of its coordinates, in document order.
Result ParseKmlTrack(std::string_view document, Track& track);
platform::LoadResult ReadKmlTrack(const std::string& path, Track& track);

// A <Placemark> with a <Point>: its <name>, its <description> and the first tuple of the
// point's <coordinates>. Placemarks without a point (lines, polygons) are passed over.
struct KmlPlacemark {
    std::string name;
    std::string description;
    MapPos position;
};

Result ParseKmlPlacemarks(std::string_view document, std::vector<KmlPlacemark>& placemarks);
platform::LoadResult ReadKmlPlacemarks(const std::string& path,
                                       std::vector<KmlPlacemark>& placemarks);

} // namespace xml
