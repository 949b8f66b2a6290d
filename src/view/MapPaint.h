#pragma once

#include "view/InfoLines.h"
#include "view/MapScene.h"

#include <QRect>

#include <span>
#include <vector>

class QPainter;

namespace view {

// Paints one frame: the map scaled onto the client area with white beyond the image, the
// grid's lines when the scene has them, the map points, the trail (left out while dragging), the
// GPS marker, the selection crosshair and the info lines, in this order. Expects a painter on a
// surface of the client size with antialiasing off.
void PaintScene(QPainter& painter, const MapScene& scene);
// The two parts of it: the layers from the map to the trail and the night tint, which a still
// frame keeps, and those over them (the GPS marker, the overlays, the info lines).
void PaintKeptLayers(QPainter& painter, const MapScene& scene);
void PaintLiveLayers(QPainter& painter, const MapScene& scene);
// Whether the kept layers of scene, at ratio device pixels a view pixel, draw each pixel from
// the map's place under it alone, so that a frame scrolled by whole pixels is the last one
// shifted, apart from ViewPlacements: whole device pixels, no world map under the scan (laid
// a row at a time), and on a turned view neither grid nor shading.
bool KeptLayersShift(const MapScene& scene, qreal ratio);
// What the kept layers place by the view rather than by the map, as numbers: where each
// track's name goes. Two views scrolled apart show the same only where these are the same.
std::vector<std::size_t> ViewPlacements(const MapScene& scene);

// The layers, each drawing with the offset the frame uses (the drag offset while dragging).
// Every pixel of the client area: each shows the pixel of the map (of the level for the zoom)
// under its centre, or white beyond the map; exactly the whole level scaled by nearest
// neighbour, whatever tiles it is kept in. A tile not there yet shows the nearest coarser
// level's pixels in its place.
void PaintMap(QPainter& painter, const MapScene& scene, ViewPoint offset);
// The same for the map unturned under geometry g, which may differ from the scene's: a turned
// frame samples a larger square this way and turns it. With only, just those rectangles of the
// client area (the parts of the square the turn reads).
void PaintMapIn(QPainter& painter, const MapScene& scene, const ViewGeometry& g, ViewPoint offset,
                std::span<const QRect> only = {});
// The colour of the ground beyond the map.
QColor MapGround(const MapScene& scene);
// The tiles a paint of the view draws from: the level for its zoom, then each coarser one.
std::vector<map::TileRange> TilesInView(const map::TiledMap& map, const ViewGeometry& geometry);
void DrawMapPoints(QPainter& painter, const MapScene& scene, ViewPoint offset);
// Always with the scroll offset; the paint leaves it out while a drag is in progress.
void DrawTrail(QPainter& painter, const MapScene& scene);
void DrawGpsPosition(QPainter& painter, const MapScene& scene, ViewPoint offset);
void DrawSelection(QPainter& painter, const MapScene& scene, ViewPoint offset);
void DrawInfoLines(QPainter& painter, const MapScene& scene);

} // namespace view
