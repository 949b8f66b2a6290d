#pragma once

#include "view/ViewGeometry.h"

class QPainter;

namespace view {

struct MapScene;

// The ruler's legs as a line through its points, each point a ring, and what it measures in a
// box under the status line, while the ruler is on.
void DrawRuler(QPainter& painter, const MapScene& scene, ViewPoint offset);

} // namespace view
