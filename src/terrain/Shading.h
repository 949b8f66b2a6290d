#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>

namespace terrain {

// A window of heights laid out as a raster: row after row, stride floats apart, north up.
struct HeightWindow {
    const float* heights = nullptr;
    int width = 0;
    int height = 0;
    std::ptrdiff_t stride = 0;
    // The grid step as a geotransform gives it: east per column, and north per row (negative
    // for a grid whose rows run south), in the grid's units.
    double xStep = 1.0;
    double yStep = -1.0;
    // Grid units to height units: 1 for metres over metres, 111120 for degrees over metres.
    double scale = 1.0;
    std::optional<float> noData; // NaN is always no data
};

enum class ShadeKind {
    Hill,  // Horn's gradient lit from azimuth, altitude
    Slope, // the steepness alone: flat is white, a cliff black
};

struct ShadeLight {
    double azimuthDegrees = 315.0;
    double altitudeDegrees = 45.0;
    double zFactor = 1.0;
};

// The grey (1..255) of every pixel of the window into out (width x height bytes, outStride
// apart), 0 where it has no answer: the outer rows and columns, and every pixel whose 3 x 3
// neighbourhood holds no data. Hill shading is the cosine of the angle between the light and
// the surface normal by Horn's gradient, 1 + 254 cos rounded, as gdaldem's hillshade computes
// it; slope shading is 1 + 254 (1 - slope / 90 degrees), the slope as gdaldem's slope has it.
void Shade(const HeightWindow& window, ShadeKind kind, const ShadeLight& light, std::uint8_t* out,
           std::ptrdiff_t outStride);

// The window at 1/factor of its resolution: the mean of each factor x factor block's heights
// (those with data, as GDAL's average resampling takes them), NaN where it has none, into out
// (width / factor x height / factor floats, outStride apart). Shading a view from the DEM
// resolution it shows keeps the work to one grey per screen pixel.
void Reduce(const HeightWindow& window, int factor, float* out, std::ptrdiff_t outStride);

} // namespace terrain
