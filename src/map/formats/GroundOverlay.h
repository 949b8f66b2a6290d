#pragma once

#include "base/MapPos.h"
#include "calib/PolynomialFit.h"

#include <array>
#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace map {

struct MapSource;
struct MapSourceResult;

// A KML LatLonBox: the edges in degrees, and the box's rotation about its centre, degrees
// counter-clockwise.
struct LatLonBox {
    double north = 0.0;
    double south = 0.0;
    double east = 0.0;
    double west = 0.0;
    double rotation = 0.0;
};

// One GroundOverlay of a KML document: an image laid on the earth by a LatLonBox or by the
// four corners of a gx:LatLonQuad (longitude in x: lower left, lower right, upper right,
// upper left of the image).
struct GroundOverlay {
    std::string name;
    std::string href; // the image, as written (relative to the document, or a URL)
    std::optional<LatLonBox> box;
    std::optional<std::array<MapPos, 4>> quad;
};

// The most overlays a document is read with: a tiled custom map has a few hundred.
inline constexpr std::size_t kMaxGroundOverlays = 1000;
inline constexpr std::size_t kMaxOverlayDocumentBytes = std::size_t{16} << 20;

struct GroundOverlays {
    std::vector<GroundOverlay> overlays; // in document order, each with an image and a place
    std::string error;                   // one line when the document is refused
};

// The ground overlays of a KML document. An overlay without an image or a place is left out;
// numbers out of range, a box with no area, or more than kMaxGroundOverlays refuse the document.
GroundOverlays ParseGroundOverlays(std::string_view document);

// The pixel-to-position affine of an overlay on an image of width x height pixels, in
// longitude and latitude degrees, in a world file's order (the centre of the upper left
// pixel); a quad that is no parallelogram is fitted by least squares.
std::optional<std::array<double, 6>> OverlayAffine(const GroundOverlay& overlay, int width,
                                                   int height);

// The bilinear mapping (in longitude and latitude degrees, as a polynomial of the second order)
// that lays an image of width x height pixels on the four corners of a quad exactly. Nothing for
// a parallelogram, which OverlayAffine lays exactly, or a quad that folds the image over.
std::optional<PixelPolynomial> QuadPolynomial(const std::array<MapPos, 4>& quad, int width,
                                              int height);

// A path inside an archive or below a folder, normalised ("a/./b/../c.jpg" is "a/c.jpg"),
// relative to base (the folder of the document, "" for the top); nothing when it is a URL,
// absolute, empty, or climbs above the top.
std::optional<std::string> ContainedPath(std::string_view base, std::string_view href);

// The reader rows of a KML document and of a KMZ archive of ground overlays: one overlay is shown
// as it is, several as one map through their common grid. An overlay whose image is missing or
// unreadable is left out with a warning while another remains. No image is decoded: an image in
// the archive is read for its header alone, except the one image of a single overlay, which is
// taken out whole and kept in source.imageFd for the decode.
MapSourceResult ReadKmlOverlay(MapSource source, const std::function<bool()>& cancelled);
MapSourceResult ReadKmz(MapSource source, const std::function<bool()>& cancelled);

} // namespace map
