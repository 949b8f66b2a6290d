#pragma once

#include "calib/CGPSMapFuncs.h"
#include "calib/Georeference.h"

namespace map {

// The handheld's model: the latitude/longitude affine of its calibration file, which counts
// rows upward from the bottom edge, so the image height belongs to it. Map images on a
// latitude/longitude graticule are exact in it.
class HandheldGeoreference final : public Georeference {
public:
    HandheldGeoreference() = default;
    HandheldGeoreference(calib::CGPSMapFuncs calibration, int imageHeight)
        : calibration_(std::move(calibration)), imageHeight_(imageHeight) {}

    [[nodiscard]] const calib::CGPSMapFuncs& Calibration() const { return calibration_; }
    // The pairs, the fit and the variation change through this; the image height stays.
    [[nodiscard]] calib::CGPSMapFuncs& Calibration() { return calibration_; }
    [[nodiscard]] int ImageHeight() const { return imageHeight_; }
    void SetImageHeight(int height) { imageHeight_ = height; }

    // An image pixel to the calibration plane and back (rows from the bottom).
    [[nodiscard]] MapPos ToPlane(const MapPos& pixel) const;

    [[nodiscard]] bool HasTransform() const override { return calibration_.HasTransform(); }
    [[nodiscard]] MapPos ToGeo(const MapPos& pixel) const override;
    [[nodiscard]] MapPos ToPixel(const MapPos& geo) const override;
    // "handheld-affine" and A..F, or "handheld-affine none" without a fitted transform.
    [[nodiscard]] std::string Describe() const override;

    friend bool operator==(const HandheldGeoreference& a, const HandheldGeoreference& b) {
        return a.calibration_ == b.calibration_ && a.imageHeight_ == b.imageHeight_;
    }

private:
    calib::CGPSMapFuncs calibration_;
    int imageHeight_ = 0;
};

} // namespace map
