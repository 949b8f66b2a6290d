#include "points/KmlPlacemarks.h"

#include "points/PointsGpx.h"
#include "xml/KmlReader.h"

#include <vector>

namespace points {

namespace {

MapPointList PointsOf(std::vector<xml::KmlPlacemark>& placemarks) {
    MapPointList points;
    points.reserve(placemarks.size());
    for (xml::KmlPlacemark& placemark : placemarks) {
        points.push_back(ImportedPoint(std::move(placemark.name), placemark.position,
                                       std::move(placemark.description), ""));
    }
    return points;
}

} // namespace

xml::Result ParseKmlPlacemarks(std::string_view document, MapPointList& points) {
    std::vector<xml::KmlPlacemark> placemarks;
    xml::Result result = xml::ParseKmlPlacemarks(document, placemarks);
    if (result)
        points = PointsOf(placemarks);
    return result;
}

platform::LoadResult ReadKmlPlacemarks(const std::string& path, MapPointList& points) {
    std::vector<xml::KmlPlacemark> placemarks;
    platform::LoadResult result = xml::ReadKmlPlacemarks(path, placemarks);
    if (result)
        points = PointsOf(placemarks);
    return result;
}

} // namespace points
