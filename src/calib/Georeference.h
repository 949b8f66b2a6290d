#pragma once

#include "base/MapPos.h"

#include <string>

namespace map {

// Where a map's pixels lie on the earth. Pixels are full-resolution image coordinates, x the
// column and y the row from the top edge, fractional; positions hold latitude in y and
// longitude in x, decimal degrees, north and east positive. Each model (the handheld's
// latitude/longitude affine, projected fits, named grids) is one implementation.
class Georeference {
public:
    virtual ~Georeference() = default;

    // False while the model has nothing fitted for this map: ToGeo and ToPixel then still
    // answer (with a placeholder), but nothing should be drawn or reported from them.
    [[nodiscard]] virtual bool HasTransform() const = 0;
    [[nodiscard]] virtual MapPos ToGeo(const MapPos& pixel) const = 0;
    [[nodiscard]] virtual MapPos ToPixel(const MapPos& geo) const = 0;
    // The model's name and parameters on one line, fields separated by tabs, for listings.
    [[nodiscard]] virtual std::string Describe() const = 0;
};

} // namespace map
