#pragma once

#include "calib/MapGeoreference.h"
#include "map/pyramid/TiledMap.h"
#include "trail/TrackPoint.h"
#include "view/TrackLayer.h"
#include "view/ViewGeometry.h"

#include <QColor>
#include <QString>

#include <deque>
#include <optional>
#include <vector>

namespace gps {
struct GpsFix;
}
namespace trail {
class TrackSet;
class TrailBuffer;
} // namespace trail
struct ViewSettings;
class CMapPoint;

namespace view {

class GridOverlay;
class PointPlaces;
class ShadeLayer;
class SymbolCache;
class TrailLayer;
class TrailPens;
struct LiveOverlay;
struct WorldUnderlay;

// One of the two text lines laid over the top (status, "GPS:") and bottom (cursor, "Sel:")
// edges of the view.
struct InfoLine {
    QString text;
    bool visible = false;
};

// Everything one frame shows, borrowed from the map view for the length of a paint.
struct MapScene {
    const ViewGeometry& geometry;
    const map::TiledMap& map; // empty without a map; its size is the geometry's image size
    const map::MapGeoreference& georeference; // the map's, asked for every position
    const std::vector<CMapPoint>& mapPoints;
    const trail::TrailBuffer& trail;
    const ViewSettings& settings;
    const TrailPens& trailPens;
    SymbolCache& symbols;   // the map points' looks, drawn once and reused
    TrailLayer& trailLayer; // the trail as last drawn
    const gps::GpsFix& gpsFix;
    std::optional<MapPos> selection; // image position of the crosshair; none without one
    bool showMapPoints = false;
    bool showLabels = false;
    bool showTrail = false;
    InfoLine statusLine;
    InfoLine cursorLine;
    QColor infoBackground = Qt::white;
    QColor infoText = Qt::black;
    const LiveOverlay* live = nullptr; // the live display's overlays; none for the plain frame
    GridOverlay* grid = nullptr;       // the grid's lines, drawn over the map when set
    // The edges of other maps (WGS 84 corners), drawn over a map under the info lines; none
    // to draw none.
    const std::vector<std::vector<MapPos>>* outlines = nullptr;
    // The hint on how to load a map, in this colour, over an empty view; none to leave it out.
    std::optional<QColor> noMapHint;
    // Image pixels of the calibration points, drawn as numbered marks over everything.
    std::vector<MapPos> calibrationMarks;
    // The map points' pixels as last converted; none to convert them in every frame.
    PointPlaces* pointPlaces = nullptr;
    // The open tracks, drawn whole under the trail by trackLayer; none to draw none.
    const trail::TrackSet* tracks = nullptr;
    TrackLayer* trackLayer = nullptr;
    // How the tracks and the trail are coloured, and what the trail's samples measured.
    ValueColouring colouring{};
    const std::deque<trail::TrackPoint>* recentPoints = nullptr;
    // The ruler's points (latitude in y) and what it measures; none while it is off.
    const std::vector<MapPos>* ruler = nullptr;
    QString rulerText;
    // The world map laid under and around the map; none for none.
    const WorldUnderlay* world = nullptr;
    // The hill or slope shading laid over the map; none to lay none.
    ShadeLayer* shading = nullptr;
    // Where the profile's cursor is (latitude in y); none without one.
    std::optional<MapPos> profileMarker;
};

// A geographic position to a view pixel through the georeference and the geometry; empty while
// the map has no transform and when the result is not a finite 32-bit pixel (a position far
// off the map).
std::optional<ViewPoint> GeoToView(const MapScene& scene, const MapPos& geo, ViewPoint offset);
// The first step of it: the image pixel (unzoomed), empty while the map has no transform.
std::optional<MapPos> GeoToImage(const MapScene& scene, const MapPos& geo);

} // namespace view
