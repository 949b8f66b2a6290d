#pragma once

#include "map/HandheldGeoreference.h"
#include "map/MapPyramid.h"
#include "view/ViewGeometry.h"

#include <QColor>
#include <QRect>
#include <QString>

#include <optional>
#include <vector>

class QPainter;
class SymbolCache;
class TrailLayer;
class TrailPens;
struct ViewSettings;
namespace calib {
class CGPSMapFuncs;
}
namespace gps {
struct GpsFix;
}
class CMapPoint;
namespace trail {
class TrailBuffer;
}

// One of the two text lines laid over the top (status, "GPS:") and bottom (cursor, "Sel:")
// edges of the view.
struct InfoLine {
    QString text;
    bool visible = false;
};

// Everything one frame shows, borrowed from the map view for the length of a paint.
struct MapScene {
    const ViewGeometry& geometry;
    const map::MapPyramid& map; // empty without a map; its size is the geometry's image size
    const map::HandheldGeoreference& georeference; // the map's, asked for every position
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
    const InfoLine& statusLine;
    const InfoLine& cursorLine;
    QColor infoBackground = Qt::white;
    QColor infoText = Qt::black;
};

// Paints one frame: the map scaled onto the client area with white beyond the image, the
// map points, the trail (left out while dragging), the GPS marker, the selection crosshair and
// the info lines, in this order. Expects a painter on a surface of the client size with
// antialiasing off.
void PaintScene(QPainter& painter, const MapScene& scene);

// The layers, each drawing with the offset the frame uses (the drag offset while dragging).
// Every pixel of the client area: each shows the pixel of the map (of the pyramid level for
// the zoom) under its centre, or white beyond the map; exactly the whole level scaled by
// nearest neighbour, whatever tiles it is kept in.
void PaintMap(QPainter& painter, const MapScene& scene, ViewPoint offset);
void DrawMapPoints(QPainter& painter, const MapScene& scene, ViewPoint offset);
// Always with the scroll offset; the paint leaves it out while a drag is in progress.
void DrawTrail(QPainter& painter, const MapScene& scene);
void DrawGpsPosition(QPainter& painter, const MapScene& scene, ViewPoint offset);
void DrawSelection(QPainter& painter, const MapScene& scene, ViewPoint offset);
void DrawInfoLines(QPainter& painter, const MapScene& scene);

// A geographic position to a view pixel through the georeference and the geometry; empty while
// the map has no transform and when the result is not a finite 32-bit pixel (a position far
// off the map).
std::optional<ViewPoint> GeoToView(const MapScene& scene, const MapPos& geo, ViewPoint offset);
// The first step of it: the image pixel (unzoomed), empty while the map has no transform.
std::optional<MapPos> GeoToImage(const MapScene& scene, const MapPos& geo);

// Where the info lines lie for a client area: both as wide as the client area and one pixel
// less high than the info font's text; the status line at the top, the cursor line at the
// bottom.
QRect StatusLineRect(int clientWidth, int clientHeight);
QRect CursorLineRect(int clientWidth, int clientHeight);
