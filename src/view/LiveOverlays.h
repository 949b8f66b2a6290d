#pragma once

#include "base/MapPos.h"
#include "session/Units.h"
#include "view/ViewGeometry.h"

#include <QColor>
#include <QString>

#include <optional>

class QPainter;
namespace map {
class Georeference;
}
namespace session {
class MapSession;
}

namespace view {

struct MapScene;

// What the live display lays over the map, taken from the session for one paint: the heading
// arrow in place of the plain marker, the accuracy circle, the bearing line to the go-to
// point, the scale bar, the arrival note and night mode's tint.
struct LiveOverlay {
    std::optional<double> arrowCourse; // degrees true; none: the plain marker
    std::optional<double> accuracyM;   // the circle's radius; none: no circle
    std::optional<MapPos> goToPoint;   // latitude in y; the bearing line runs to it
    bool scaleBar = false;
    session::UnitSystem units = session::UnitSystem::Metric;
    QString arrivalNote;   // under the status line; "" for none
    int nightAmount = 0;   // percent the map is dimmed and warmed; 0 for day
    bool courseUp = false; // the north arrow shows, and a tap on it turns north up again
    std::optional<MapPos> alarmCentre; // latitude in y; the alarm circle's ring round it
    double alarmRadiusM = 0.0;
    QString alarmNotice; // the loud notice while the alarm sounds; "" for none
};

// The overlays of what session holds: the arrow, circle and scale bar as switched on, the
// bearing line while going to a point, the tint in night mode.
LiveOverlay LiveOverlayOf(const session::MapSession& session);

// Metres on the ground per view pixel, measured along a horizontal span at view pixel at; none
// without a transform or where the map gives no distance.
std::optional<double> MetresPerViewPixel(const MapScene& scene, ViewPoint at, ViewPoint offset);

// The layers, in the frame's order: the tint over the map, the circle and the bearing line
// under the marker, the arrow as the marker (true when it drew one, so the plain marker is
// left out), the scale bar and the note over everything but the info lines.
void DrawNightTint(QPainter& painter, const MapScene& scene, ViewPoint offset);
void DrawAccuracyCircle(QPainter& painter, const MapScene& scene, ViewPoint offset);
void DrawGoToLine(QPainter& painter, const MapScene& scene, ViewPoint offset);
bool DrawHeadingArrow(QPainter& painter, const MapScene& scene, ViewPoint offset);
void DrawScaleBar(QPainter& painter, const MapScene& scene, ViewPoint offset);
void DrawArrivalNote(QPainter& painter, const MapScene& scene, ViewPoint offset);
// While the GPS position lies beyond the view: an arrow on the view's edge pointing to it.
void DrawOffViewArrow(QPainter& painter, const MapScene& scene, ViewPoint offset);

// The angle on the unturned map image, clockwise from up, of courseDeg (true) at geo: a step
// along the course through the map's own placement, so a scan turned on the scanner or a grid
// whose north is not true north turns the arrow (and a course-up map) with it. None while
// nothing places the map.
std::optional<double> ImageCourse(const map::Georeference& georeference, const MapPos& geo,
                                  double courseDeg);

// The warm colour night mode multiplies the map by: white at 0 %, a dark red-brown at 100 %.
QColor NightTint(int amount);

} // namespace view
