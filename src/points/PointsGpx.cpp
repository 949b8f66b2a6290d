#include "points/PointsGpx.h"

#include "base/FileKind.h"
#include "points/KmlPlacemarks.h"
#include "points/MapPointLook.h"
#include "xml/GpxReader.h"
#include "xml/GpxWriter.h"

#include <algorithm>
#include <cctype>
#include <iterator>

namespace points {

std::string_view GpxSymbolName(int symbol) {
    if (symbol < 0 || symbol >= static_cast<int>(kSymbolNames.size()))
        symbol = kSymbolCrosshair;
    return kSymbolNames[static_cast<std::size_t>(symbol)];
}

int SymbolFromGpxName(std::string_view name) {
    const auto same = [name](std::string_view known) {
        return std::ranges::equal(name, known, [](char a, char b) {
            return std::tolower(static_cast<unsigned char>(a)) ==
                   std::tolower(static_cast<unsigned char>(b));
        });
    };
    const auto* found = std::ranges::find_if(kSymbolNames, same);
    return found == kSymbolNames.end() ? -1 : static_cast<int>(found - kSymbolNames.begin());
}

xml::GpxWaypoint ToGpxWaypoint(const CMapPoint& point) {
    return {point.GetPosition(), point.GetName(), point.GetDescription(),
            std::string(GpxSymbolName(point.GetSymbol()))};
}

std::string PointsGpxDocument(const MapPointList& points, std::size_t* leftOut) {
    xml::GpxContents contents;
    contents.waypoints.reserve(points.size());
    std::ranges::transform(points, std::back_inserter(contents.waypoints), ToGpxWaypoint);
    xml::GpxLeftOut counted;
    std::string document = xml::GpxContentsDocument(contents, &counted);
    if (leftOut != nullptr)
        *leftOut = counted.points;
    return document;
}

platform::FileResult WritePointsGpx(const std::string& path, const MapPointList& points,
                                    std::size_t* leftOut) {
    return platform::WriteFileAtomically(path, PointsGpxDocument(points, leftOut));
}

CMapPoint ImportedPoint(std::string name, const MapPos& position, std::string description,
                        std::string_view symbolName) {
    const int known = SymbolFromGpxName(symbolName);
    return {std::move(name),
            position,
            known < 0 ? kSymbolTriangle : known,
            kColourRed,
            kColourGreen,
            SizeShownAs(3),
            std::move(description)};
}

platform::LoadResult ReadPointsGpx(const std::string& path, MapPointList& points) {
    xml::GpxContents gpx;
    platform::LoadResult result = xml::ReadGpxFile(path, gpx);
    if (!result)
        return result;
    MapPointList read;
    read.reserve(gpx.waypoints.size());
    for (xml::GpxWaypoint& waypoint : gpx.waypoints) {
        read.push_back(ImportedPoint(std::move(waypoint.name), waypoint.position,
                                     std::move(waypoint.description), waypoint.symbol));
    }
    points = std::move(read);
    return result;
}

platform::LoadResult ReadImportedPoints(const std::string& path, MapPointList& points) {
    return base::KindOfFile(path) == base::FileKind::Kml ? ReadKmlPlacemarks(path, points)
                                                         : ReadPointsGpx(path, points);
}

} // namespace points
