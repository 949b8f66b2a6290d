#pragma once

#include "platform/FileIo.h"
#include "points/PointsFile.h"
#include "xml/GpxReader.h"

#include <cstddef>
#include <string>
#include <string_view>

// The map points as GPX 1.1 waypoints (see xml/GpxWriter.h for the document): a <wpt> per
// point in list order with <name>, <desc> (each when not empty) and <sym>, the symbol's name from
// the points dialog
// ("Circle", "Triangle"...; an index outside the list is written as "Crosshair", as it is
// drawn). Colours and size have no place in GPX and are not written. A point GPX cannot hold
// (latitude beyond +-90...) is left out and counted in leftOut, when given.
namespace points {

// The point as a waypoint: position, name, description and the symbol's name.
[[nodiscard]] xml::GpxWaypoint ToGpxWaypoint(const CMapPoint& point);

// The whole document.
[[nodiscard]] std::string PointsGpxDocument(const MapPointList& points,
                                            std::size_t* leftOut = nullptr);

// Writes the document to path atomically; the result names the path on failure.
[[nodiscard]] platform::FileResult
WritePointsGpx(const std::string& path, const MapPointList& points, std::size_t* leftOut = nullptr);

// The symbol's name for a <sym>, and back: SymbolFromGpxName matches a name of the list
// ignoring ASCII case and returns -1 for anything else.
[[nodiscard]] std::string_view GpxSymbolName(int symbol);
[[nodiscard]] int SymbolFromGpxName(std::string_view name);

// A point read from another program's file: the symbol named by symbolName (see
// SymbolFromGpxName), a triangle when the name is not one of ours, drawn red on green at size
// value 2 like a point made at the cursor.
[[nodiscard]] CMapPoint ImportedPoint(std::string name, const MapPos& position,
                                      std::string description, std::string_view symbolName);

// The waypoints of the GPX file at path as map points, in file order; points is replaced only
// when Loaded (see xml/GpxReader.h for what is refused).
platform::LoadResult ReadPointsGpx(const std::string& path, MapPointList& points);

// Points to import from path: KML placemarks when the extension is ".kml" (any case), GPX
// waypoints otherwise. points is replaced only when Loaded.
platform::LoadResult ReadImportedPoints(const std::string& path, MapPointList& points);

} // namespace points
