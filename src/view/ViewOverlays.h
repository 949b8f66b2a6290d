#pragma once

#include "view/MapScene.h"
#include "view/ShadeLayer.h"

#include <optional>
#include <vector>

class QPainter;

namespace view {

// What the frame and the map commands lay over the map beside what the session holds.
struct OverlayChoice {
    bool grid = false;        // the lines of the map's grid (View > Grid Overlay)
    int gridColour = 0;       // its lines in GridOverlay::kColours[gridColour]
    int calibrationMarks = 0; // callers that have the calibration points on as numbered marks
    std::vector<std::vector<MapPos>> outlines{}; // the edges of other maps, WGS 84 corners
    ValueColouring colouring{};                  // of the tracks and the trail (View > Colour By)
    std::optional<std::vector<MapPos>> ruler{};  // its points while View > Ruler is on
    std::optional<ShadeChoice> shading{};        // View > Hill Shading or Slope Shading
    std::optional<MapPos> profileMarker{};       // the profile's cursor on its track
};

// The layers the view lays over the scene for a while, each drawing with the frame's offset:
// the outlines of other maps, the calibration points as numbered marks while they are being
// looked at, and a hint while no map is loaded.

// The scene's outlines (WGS 84 corners, x the longitude), dashed, placed through the
// georeference of the map showing; nothing without a map or while it has no transform, and an
// outline with a corner it cannot place is left out.
void DrawMapOutlines(QPainter& painter, const MapScene& scene, ViewPoint offset);

// A ring with its number beside it at each of the scene's calibration marks, numbered from 1 in
// their order; pixels the geometry cannot place are skipped.
void DrawCalibrationMarks(QPainter& painter, const MapScene& scene, ViewPoint offset);

// "Load a map with File > Load Map... or drop an image here", centred in the view, while the
// scene has the hint.
void DrawNoMapHint(QPainter& painter, const MapScene& scene, ViewPoint offset);

} // namespace view
