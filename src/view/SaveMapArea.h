#pragma once

#include <string>

class QWidget;

namespace view {

// The area to save: a box in degrees, and the zoom the view shows it at.
struct MapAreaBox {
    double south = 0.0;
    double west = 0.0;
    double north = 0.0;
    double east = 0.0;
    int zoom = 0;
};

// File > Save Map Area...: asks for the zooms and the file, showing the tile count and the size
// to expect first; refuses a source whose terms forbid saving with their words; then saves on a
// worker with progress and Cancel (what was saved stays, and a later save resumes it). source is
// the tile source's definition file or URL template.
void SaveMapArea(QWidget* parent, const std::string& source, const MapAreaBox& box,
                 const std::string& userAgent);

} // namespace view
