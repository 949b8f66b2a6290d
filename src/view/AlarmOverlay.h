#pragma once

#include "view/ViewGeometry.h"

class QPainter;

namespace view {

struct MapScene;

// The alarm circle's ring on the map, under the marker.
void DrawAlarmCircle(QPainter& painter, const MapScene& scene, ViewPoint offset);
// While the alarm sounds: a red band across the middle of the view, over everything but the
// info lines, saying how far off the receiver is and that a tap silences it.
void DrawAlarmNotice(QPainter& painter, const MapScene& scene, ViewPoint offset);

} // namespace view
