// One input is a KML document with ground overlays (the first byte sets the image's size). It
// is refused with a reason, or each overlay has an image link and a place; its affine on the
// image is finite or none, and its link, made a path inside an archive, never leaves it. The
// overlays shown as one map make a mosaic within its bounds (a few pixels for each of theirs at
// most), or none.
#include "FuzzCheck.h"
#include "map/formats/GroundOverlay.h"
#include "map/formats/OverlayMosaic.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using fuzz::Check;
    std::string_view input(reinterpret_cast<const char*>(data), size);
    const int side = static_cast<int>(fuzz::TakeByte(input)) * 16;
    const map::GroundOverlays read = map::ParseGroundOverlays(input);
    if (!read.error.empty()) {
        Check(read.overlays.empty());
        return 0;
    }
    Check(!read.overlays.empty() && read.overlays.size() <= map::kMaxGroundOverlays);
    std::vector<map::PlacedOverlay> placed;
    for (const map::GroundOverlay& overlay : read.overlays) {
        Check(!overlay.href.empty() && (overlay.box || overlay.quad));
        if (const auto affine = map::OverlayAffine(overlay, side, side + 1)) {
            for (const double value : *affine)
                Check(std::isfinite(value));
            placed.push_back({side, side + 1, *affine});
        }
        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
    if (const auto layout = map::PlanMosaic(placed)) {
        Check(layout->width >= 1 && layout->height >= 1);
        Check(layout->width <= map::kMaxMosaicSide && layout->height <= map::kMaxMosaicSide);
        const long long pixels = static_cast<long long>(layout->width) * layout->height;
        Check(pixels <= map::kMaxMosaicPixels);
        Check(pixels <= map::kMosaicPixelsPerOverlayPixel * static_cast<long long>(placed.size()) *
                            side * (side + 1));
        Check(std::all_of(layout->affine.begin(), layout->affine.end(),
                          [](double value) { return std::isfinite(value); }));
    }
    return 0;
}
