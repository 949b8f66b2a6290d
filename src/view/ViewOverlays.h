#pragma once

#include "base/MapPos.h"
#include "calib/Georeference.h"
#include "view/ViewGeometry.h"

#include <QColor>

#include <vector>

class QPainter;

namespace view {

// What the view paints over the scene for a while: the calibration points as numbered marks
// while they are being looked at, and a hint while no map is loaded.

// A ring with its number beside it at each image pixel (column, row from the top), numbered
// from 1 in the order given; pixels the geometry cannot place are skipped.
void PaintCalibrationMarks(QPainter& painter, const ViewGeometry& geometry,
                           const std::vector<MapPos>& pixels);

// The outlines of the other maps of a map folder (WGS 84 corners, x the longitude), dashed,
// placed through the georeference of the map showing; nothing while it has no transform, and
// an outline with a corner it cannot place is left out.
void PaintMapOutlines(QPainter& painter, const ViewGeometry& geometry,
                      const map::Georeference& georeference,
                      const std::vector<std::vector<MapPos>>& outlines);

// "Load a map with File > Load Map... or drop an image here", centred in the view.
void PaintNoMapHint(QPainter& painter, const ViewGeometry& geometry, const QColor& colour);

} // namespace view
