#pragma once

#include "base/MapPos.h"
#include "base/Translatable.h"
#include "calib/MapGeoreference.h"
#include "geo/Proj.h"
#include "view/LayerImage.h"
#include "view/ViewGeometry.h"

#include <QColor>
#include <QPolygon>

#include <array>
#include <memory>
#include <string>
#include <vector>

class QPainter;

namespace view {

struct MapScene;

// The lines of a map grid laid over the map where the map's fit puts them, to be held against
// the grid printed on the sheet: the map's named grid, or else the UTM zone of the view's
// middle. One line every 100 m up to 100 km, as close as keeps them kMinSpacing pixels apart.
class GridOverlay {
public:
    static constexpr double kMinSpacing = 60.0;

    // The colours the lines can be drawn in, the first by default: printed grids are blue,
    // black, brown or red, and a line of the same colour over one of them cannot be told apart.
    struct Colour {
        const char* name;
        QRgb rgb;
    };
    static constexpr std::array<Colour, 4> kColours = {{
        {QUILO_TRANSLATABLE("core", "Magenta"), qRgba(230, 0, 200, 200)},
        {QUILO_TRANSLATABLE("core", "Orange"), qRgba(255, 120, 0, 210)},
        {QUILO_TRANSLATABLE("core", "Cyan"), qRgba(0, 190, 210, 210)},
        {QUILO_TRANSLATABLE("core", "Blue"), qRgba(0, 70, 200, 170)},
    }};
    // One of kColours by its index; any other index is the first.
    void SetColour(int index);

    // Draws the lines over the part of the map the view shows; nothing while the map has no
    // transform.
    void Draw(QPainter& painter, const MapScene& scene, ViewPoint offset);

private:
    // What the lines were placed for: a frame like the last one draws them again as they are.
    struct Key {
        map::MapGeoreference georeference;
        ViewPoint offset;
        double zoom = 0.0;
        int clientWidth = 0;
        int clientHeight = 0;
        double rotation = 0.0;
        QRgb colour = 0;
        friend bool operator==(const Key&, const Key&) = default;
    };

    // The lines over the part of the map g's client area shows, in its pixels.
    void Place(const MapScene& scene, const ViewGeometry& g);

    // Made once for each grid and kept: the conversion is asked for every point of every line.
    std::string crs_;
    std::shared_ptr<const map::ProjTransform> toGrid_; // WGS 84 -> the grid
    std::optional<Key> placedFor_;
    std::vector<QPolygon> lines_; // in pixels of the area placed for
    QRect clip_;                  // the map's part of it
    LayerImage layer_;
    bool layerValid_ = false;
    QColor colour_ = QColor::fromRgba(kColours[0].rgb);
};

// The grid laid over a map: its named grid, else the WGS 84 UTM zone of geo ("EPSG:32632").
std::string OverlayCrs(const map::MapGeoreference& georeference, const MapPos& geo);

// Metres between lines: the least of 100, 200, 500, 1000 ... 100 000 m that lies at least
// minPixels apart at metresPerPixel; 0 when even 100 km does not (a map of a continent).
double GridSpacing(double metresPerPixel, double minPixels);

} // namespace view
