#include "calib/HandheldGeoreference.h"

#include "base/Number.h"

namespace map {

MapPos HandheldGeoreference::ToPlane(const MapPos& pixel) const {
    return MapPos(pixel.x, static_cast<double>(imageHeight_) - pixel.y);
}

MapPos HandheldGeoreference::ToGeo(const MapPos& pixel) const {
    return calibration_.PixelToGeo(pixel, imageHeight_);
}

MapPos HandheldGeoreference::ToPixel(const MapPos& geo) const {
    return calibration_.GeoToPixel(geo, imageHeight_);
}

std::string HandheldGeoreference::Describe() const {
    std::string text = "handheld-affine";
    if (!HasTransform())
        return text + "\tnone";
    for (const double p : {calibration_.GetA(), calibration_.GetB(), calibration_.GetC(),
                           calibration_.GetD(), calibration_.GetE(), calibration_.GetF()})
        text += '\t' + base::FormatShortest(p);
    return text;
}

} // namespace map
