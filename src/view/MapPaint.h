#pragma once

#include "view/InfoLines.h"
#include "view/MapScene.h"

class QPainter;

namespace view {

// Paints one frame: the map scaled onto the client area with white beyond the image, the
// grid's lines when the scene has them, the map points, the trail (left out while dragging), the
// GPS marker, the selection crosshair and the info lines, in this order. Expects a painter on a
// surface of the client size with antialiasing off.
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

} // namespace view
