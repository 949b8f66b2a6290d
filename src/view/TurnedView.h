#pragma once

#include "base/MapPos.h"
#include "view/ViewGeometry.h"

#include <QRect>

#include <optional>

class QPainter;
namespace session {
class MapSession;
}

// Course-up on the view: the map turned under upright overlays, the north arrow that says where
// north went, and the turn a session asks for.
namespace view {

struct MapScene;

// The map of a turned frame: sampled unturned over the box that covers the client area at its
// angle, then turned onto it by nearest neighbour, so the map's pixels stay sharp.
void PaintTurnedMap(QPainter& painter, const MapScene& scene, ViewPoint offset);

// The north arrow's place: the top right corner, under the status line.
QRect NorthArrowRect(int clientWidth, int clientHeight);
// While course-up is on: a compass needle pointing to north on the turned map.
void DrawNorthArrow(QPainter& painter, const MapScene& scene, ViewPoint offset);

// The turn of the view for session: minus the smoothed course's angle on the map image, so the
// course points up; handTurn (what two fingers left, 0 for north up) while course-up is off;
// 0 without a course or a placed map.
double UpRotation(const session::MapSession& session, double handTurn);
// Where a course-up view keeps the GPS marker: low in the middle, so more lies ahead.
ViewPoint MarkerAnchor(const ViewGeometry& geometry);

} // namespace view
