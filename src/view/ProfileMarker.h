#pragma once

#include "view/ViewGeometry.h"

class QPainter;

namespace view {

struct MapScene;

// Where the profile's cursor is on the track: a ring with a dot, over the tracks and the trail.
void DrawProfileMark(QPainter& painter, const MapScene& scene, ViewPoint offset);

} // namespace view
