#pragma once

#include "calib/MapPos.h"
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

// "Load a map with File > Load Map... or drop an image here", centred in the view.
void PaintNoMapHint(QPainter& painter, const ViewGeometry& geometry, const QColor& colour);

} // namespace view
