#include "view/ViewGeometry.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>

namespace view {

namespace {

constexpr double kIntMin = std::numeric_limits<int>::min();
constexpr double kIntMax = std::numeric_limits<int>::max();

int Saturate(std::int64_t v) {
    return static_cast<int>(std::clamp<std::int64_t>(v, std::numeric_limits<int>::min(),
                                                     std::numeric_limits<int>::max()));
}

// Truncates toward zero, saturating; NaN gives 0. Only reached with finite values in practice
// (the zoom is bounded), but converting an out-of-range double is undefined behaviour.
int TruncSaturate(double v) {
    if (std::isnan(v))
        return 0;
    return static_cast<int>(std::clamp(std::trunc(v), kIntMin, kIntMax));
}

int FloorSaturate(double v) {
    if (std::isnan(v))
        return 0;
    return static_cast<int>(std::clamp(std::floor(v), kIntMin, kIntMax));
}

// a - b + c on 32-bit values without wrapping.
int Shift(int a, int b, int c) {
    return Saturate(std::int64_t{a} - std::int64_t{b} + std::int64_t{c});
}

} // namespace

ViewPoint PixelUnderPointer(double x, double y) {
    return {FloorSaturate(x), FloorSaturate(y)};
}

void ViewGeometry::SetClientSize(int width, int height) {
    clientWidth_ = std::max(width, 0);
    clientHeight_ = std::max(height, 0);
}

void ViewGeometry::SetImageSize(int width, int height) {
    imageWidth_ = std::max(width, 0);
    imageHeight_ = std::max(height, 0);
    zoom_ = 1.0;
    minZoom_ = kMinZoom;
    maxZoom_ = kMaxZoom;
    scroll_ = {};
    drag_ = {};
    dragging_ = false;
}

void ViewGeometry::SetTiledZoomRange(int levels) {
    // Half the 32-bit range, so that scrolling a view's width beyond it still fits.
    constexpr double kMostZoomedSide = 1 << 30;
    const int side = std::max({imageWidth_, imageHeight_, 1});
    minZoom_ = std::ldexp(1.0, -std::clamp(levels - 1, 0, 60));
    maxZoom_ = std::max(1.0, std::min(kMaxZoom, kMostZoomedSide / side));
    zoom_ = std::clamp(zoom_, minZoom_, maxZoom_);
}

std::optional<ViewPoint> ViewGeometry::ImageToScreen(const MapPos& image, ViewPoint offset) const {
    const double sx = std::floor(image.x * zoom_ + 0.5) - offset.x;
    const double sy = std::floor(image.y * zoom_ + 0.5) - offset.y;
    // The negated comparisons also reject NaN.
    if (!(sx >= kIntMin && sx <= kIntMax && sy >= kIntMin && sy <= kIntMax))
        return std::nullopt;
    return ViewPoint{static_cast<int>(sx), static_cast<int>(sy)};
}

MapPos ViewGeometry::ScreenToImage(ViewPoint pixel) const {
    const double f = 1.0 / zoom_;
    // Summed in double: exact for any two 32-bit values, and cannot wrap.
    const double x = (static_cast<double>(pixel.x) + scroll_.x) * f;
    const double y = (static_cast<double>(pixel.y) + scroll_.y) * f;
    return MapPos(x, y);
}

ImageRect ViewGeometry::VisibleImageRect(ViewPoint offset) const {
    const double f = 1.0 / zoom_;
    const int w = TruncSaturate(clientWidth_ * f);
    const int h = TruncSaturate(clientHeight_ * f);
    const int left = TruncSaturate(offset.x * f);
    const int top = TruncSaturate(offset.y * f);
    return {left, top, Shift(left, 0, w), Shift(top, 0, h)};
}

ImageRectF ViewGeometry::VisibleImageRectF(ViewPoint offset) const {
    return {offset.x / zoom_, offset.y / zoom_, clientWidth_ / zoom_, clientHeight_ / zoom_};
}

bool ViewGeometry::InClient(ViewPoint pixel) const {
    return pixel.x >= 0 && pixel.x < clientWidth_ && pixel.y >= 0 && pixel.y < clientHeight_;
}

bool ViewGeometry::CentreOn(const MapPos& p) {
    const std::optional<ViewPoint> s = ImageToScreen(p, {});
    if (!s)
        return false;
    scroll_ = {Shift(s->x, clientWidth_ / 2, 0), Shift(s->y, clientHeight_ / 2, 0)};
    return true;
}

void ViewGeometry::SetZoom(double zoom) {
    if (std::isnan(zoom))
        return;
    const MapPos middle = ScreenToImage({clientWidth_ / 2, clientHeight_ / 2});
    zoom_ = std::clamp(zoom, minZoom_, maxZoom_);
    CentreOn(middle);
}

void ViewGeometry::ZoomAbout(double zoom, const MapPos& p, ViewPoint anchor) {
    if (std::isnan(zoom))
        return;
    zoom_ = std::clamp(zoom, minZoom_, maxZoom_);
    if (const std::optional<ViewPoint> s = ImageToScreen(p, {}))
        scroll_ = {Shift(s->x, anchor.x, 0), Shift(s->y, anchor.y, 0)};
}

bool ViewGeometry::CentreOnGps(bool gpsConnected, const MapPos& gpsImagePosition) {
    return gpsConnected && CentreOn(gpsImagePosition);
}

void ViewGeometry::GoToMapCentre() {
    CentreOn(MapPos(imageWidth_ / 2, imageHeight_ / 2));
}

void ViewGeometry::ScrollByKey(ScrollKey key) {
    // A fifth of the width on both axes, as the handheld did.
    const int step = clientWidth_ / 5;
    switch (key) {
    case ScrollKey::Left:
        scroll_.x = Shift(scroll_.x, step, 0);
        break;
    case ScrollKey::Right:
        scroll_.x = Shift(scroll_.x, 0, step);
        break;
    case ScrollKey::Up:
        scroll_.y = Shift(scroll_.y, step, 0);
        break;
    case ScrollKey::Down:
        scroll_.y = Shift(scroll_.y, 0, step);
        break;
    }
}

void ViewGeometry::DragTo(ViewPoint press, ViewPoint current) {
    dragging_ = true;
    drag_ = {Shift(scroll_.x, current.x, press.x), Shift(scroll_.y, current.y, press.y)};
}

bool ViewGeometry::Release(ViewPoint press, ViewPoint release) {
    if (!dragging_)
        return false;
    dragging_ = false;
    scroll_ = {Shift(scroll_.x, release.x, press.x), Shift(scroll_.y, release.y, press.y)};
    return true;
}

} // namespace view
