// One input is an OziExplorer .map file. Either it is refused with a reason, or it has an image
// path, at least two and at most the bounded number of points, each with a finite pixel and a
// position in range; its grid is then made or refused with a reason, and a fit through its
// points (an affine, and a polynomial when the file asks for one) is finite or none.
#include "FuzzCheck.h"
#include "calib/AffineFit.h"
#include "calib/PolynomialFit.h"
#include "map/formats/OziGrid.h"
#include "map/formats/OziMapFile.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace {

using fuzz::Check;

bool Finite(const MapPos& p) {
    return std::isfinite(p.x) && std::isfinite(p.y);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const map::OziMapParse parsed = map::ParseOziMap(bytes);
    if (!parsed.map) {
        Check(!parsed.error.empty());
        return 0;
    }
    const map::OziMapFile& file = *parsed.map;
    Check(!file.imagePath.empty() && file.points.size() >= 2 &&
          file.points.size() <= map::kMaxOziPoints);
    std::vector<MapPos> pixels;
    std::vector<MapPos> grid;
    for (const map::OziPoint& point : file.points) {
        Check(Finite(point.pixel) && (point.geo || point.grid));
        if (point.geo)
            Check(std::abs(point.geo->y) <= 90 && std::abs(point.geo->x) <= 180);
        if (point.grid) {
            Check(std::isfinite(point.grid->easting) && std::isfinite(point.grid->northing));
            pixels.push_back(point.pixel);
            grid.emplace_back(point.grid->easting, point.grid->northing);
        }
    }
    std::string error;
    if (!map::OziGridCrs(file, &error))
        Check(!error.empty());
    if (const auto affine = map::FitAffine(pixels, grid))
        for (const double value : *affine)
            Check(std::isfinite(value));
    const map::PixelArea area{MapPos(0, 0), MapPos(file.imageWidth, file.imageHeight)};
    const auto polynomial =
        file.polynomial ? map::PixelPolynomial::Fit(pixels, grid, 2, area, &error) : std::nullopt;
    for (const MapPos& p : polynomial ? pixels : std::vector<MapPos>{}) {
        const MapPos at = polynomial->Apply(p);
        Check(Finite(at));
        if (const auto back = polynomial->Invert(at, MapPos(p.x + 10, p.y + 10)))
            Check(Finite(*back));
    }
    return 0;
}
