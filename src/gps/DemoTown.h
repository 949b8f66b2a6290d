#pragma once

#include "base/MapPos.h"

#include <ctime>
#include <span>
#include <string>
#include <string_view>

// The demo: an invented town, Brindlemoor, drawn by our own code onto a north-up map image,
// and a simulated receiver driving round it. The map painter, the calibration and points
// files and the receiver all take their geometry from here, so the marker runs on the
// streets the map shows.
namespace demo {

inline constexpr int kMapWidth = 1600;  // pixels
inline constexpr int kMapHeight = 1200; // pixels
inline constexpr double kMetresPerPixel = 2.0;
// Geographic position of the top-left corner of pixel (0, 0).
inline constexpr double kOriginLatitude = 52.2410;
inline constexpr double kOriginLongitude = -1.9120;
// Degrees, east positive; small, as in the English Midlands today.
inline constexpr double kMagneticVariation = 0.4;

// Image pixel, column x from the left edge and row y from the top edge.
struct Pixel {
    double x = 0.0;
    double y = 0.0;
};

// Pixel to latitude/longitude (MapPos y = latitude, x = longitude) on a local flat-earth
// approximation, exact enough over the town's three kilometres.
[[nodiscard]] MapPos PixelToGeo(Pixel p);

enum class StreetKind { Main, Minor };

struct Street {
    std::string_view name;
    StreetKind kind;
    std::span<const Pixel> points;
};

struct Place {
    std::string_view name;
    std::string_view description;
    Pixel pixel;
    int symbol;     // symbol index of the map points list
    int lineColour; // colour indices
    int fillColour;
    int size;
};

[[nodiscard]] std::span<const Street> Streets();
[[nodiscard]] std::span<const Pixel> RiverCentreLine();
[[nodiscard]] std::span<const Pixel> ParkOutline();
[[nodiscard]] std::span<const Place> Places();
// The closed loop the simulated receiver drives, along the streets above; the last point
// joins the first.
[[nodiscard]] std::span<const Pixel> Route();
// The three image points the calibration file pairs with their positions; not on one line.
[[nodiscard]] std::span<const Pixel> CalibrationPixels();

// Where the receiver is after some seconds on the route.
struct RouteSample {
    MapPos position; // y latitude, x longitude
    double speedKnots = 0.0;
    double courseDegrees = 0.0; // true course, 0..360
};

// Drives the loop at a steady speed, starting at its first point.
class RouteDriver {
public:
    explicit RouteDriver(double speedMetresPerSecond);
    [[nodiscard]] RouteSample At(double seconds) const;
    [[nodiscard]] double LoopLengthMetres() const { return loopMetres_; }

private:
    double speed_;
    double loopMetres_ = 0.0;
};

// One second of receiver output: GSV, GGA, RMC and GSA sentences with checksums, each ending in
// CR LF. Numbers are printed without the process locale.
[[nodiscard]] std::string MakeSentences(const RouteSample& sample, const std::tm& utc);

} // namespace demo
