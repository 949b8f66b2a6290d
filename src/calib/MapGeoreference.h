#pragma once

#include "calib/Georeference.h"
#include "calib/GridModel.h"
#include "calib/HandheldGeoreference.h"

#include <memory>

namespace map {

// The georeference a map holds. The handheld's model is always there: it keeps the pairs of the
// calibration file, the magnetic variation and the image height. A grid model (fitted through the
// map's calibration points, or read with the map) places the pixels instead when the map has one.
// A fit is never changed once made, so copies share it.
class MapGeoreference final : public Georeference {
public:
    MapGeoreference() = default;
    explicit MapGeoreference(HandheldGeoreference handheld,
                             std::shared_ptr<const GridGeoreference> grid = {})
        : handheld_(std::move(handheld)), grid_(std::move(grid)) {}

    [[nodiscard]] const HandheldGeoreference& Handheld() const { return handheld_; }
    [[nodiscard]] HandheldGeoreference& Handheld() { return handheld_; }
    // Null while the handheld's model places the pixels.
    [[nodiscard]] const std::shared_ptr<const GridGeoreference>& Grid() const { return grid_; }
    void SetGrid(std::shared_ptr<const GridGeoreference> grid) { grid_ = std::move(grid); }

    // The handheld's parts, which stay whichever model places the pixels.
    [[nodiscard]] const calib::CGPSMapFuncs& Calibration() const { return handheld_.Calibration(); }
    [[nodiscard]] int ImageHeight() const { return handheld_.ImageHeight(); }
    [[nodiscard]] MapPos ToPlane(const MapPos& pixel) const { return handheld_.ToPlane(pixel); }

    [[nodiscard]] bool HasTransform() const override { return Active().HasTransform(); }
    [[nodiscard]] MapPos ToGeo(const MapPos& pixel) const override { return Active().ToGeo(pixel); }
    [[nodiscard]] MapPos ToPixel(const MapPos& geo) const override { return Active().ToPixel(geo); }
    [[nodiscard]] std::string Describe() const override { return Active().Describe(); }

    // The model that places the pixels.
    [[nodiscard]] const Georeference& Active() const {
        if (grid_)
            return *grid_;
        return handheld_;
    }

    friend bool operator==(const MapGeoreference& a, const MapGeoreference& b) {
        return a.handheld_ == b.handheld_ && a.grid_ == b.grid_;
    }

private:
    HandheldGeoreference handheld_;
    std::shared_ptr<const GridGeoreference> grid_;
};

} // namespace map
