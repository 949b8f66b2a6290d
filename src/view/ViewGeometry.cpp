#include "view/ViewGeometry.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <numbers>
#include <tuple>
#include <utility>

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

// from + (dx, dy) rounded to the nearest pixel, saturating: the turned frame's moves come in
// fractions of a pixel.
ViewPoint Moved(ViewPoint from, double dx, double dy) {
    return {FloorSaturate(from.x + dx + 0.5), FloorSaturate(from.y + dy + 0.5)};
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

void ViewGeometry::SetRotation(double degrees) {
    rotation_ = std::isfinite(degrees) ? std::remainder(degrees, 360.0) : 0.0;
    // -0 is no turn either.
    if (rotation_ == 0.0)
        rotation_ = 0.0;
    const double r = rotation_ * std::numbers::pi / 180.0;
    cos_ = std::cos(r);
    sin_ = std::sin(r);
}

std::pair<double, double> ViewGeometry::Unturn(double dx, double dy) const {
    return {dx * cos_ + dy * sin_, -dx * sin_ + dy * cos_};
}

namespace {

std::optional<ViewPoint> Rounded(double x, double y) {
    const double sx = std::floor(x + 0.5);
    const double sy = std::floor(y + 0.5);
    // The negated comparisons also reject NaN.
    if (!(sx >= kIntMin && sx <= kIntMax && sy >= kIntMin && sy <= kIntMax))
        return std::nullopt;
    return ViewPoint{static_cast<int>(sx), static_cast<int>(sy)};
}

} // namespace

std::optional<ViewPoint> ViewGeometry::CanvasPixel(const MapPos& image) const {
    const double x = image.x * zoom_;
    const double y = image.y * zoom_;
    if (!Turned())
        return Rounded(x, y);
    return Rounded(x * cos_ - y * sin_, x * sin_ + y * cos_);
}

std::optional<ViewPoint> ViewGeometry::CanvasOrigin(ViewPoint offset) const {
    if (!Turned())
        return offset;
    // The turn of offset + m less m, m the client's middle: a turn about the middle.
    const double mx = clientWidth_ / 2.0 + offset.x;
    const double my = clientHeight_ / 2.0 + offset.y;
    return Rounded(mx * cos_ - my * sin_ - clientWidth_ / 2.0,
                   mx * sin_ + my * cos_ - clientHeight_ / 2.0);
}

std::optional<ViewPoint> ViewGeometry::ImageToCanvas(const MapPos& image, ViewPoint at) const {
    const std::optional<ViewPoint> p = CanvasPixel(image);
    if (!p)
        return std::nullopt;
    const std::int64_t x = std::int64_t{p->x} - at.x;
    const std::int64_t y = std::int64_t{p->y} - at.y;
    if (x != static_cast<int>(x) || y != static_cast<int>(y))
        return std::nullopt;
    return ViewPoint{static_cast<int>(x), static_cast<int>(y)};
}

std::optional<ViewPoint> ViewGeometry::ImageToScreen(const MapPos& image, ViewPoint offset) const {
    if (!Turned())
        return Rounded(std::floor(image.x * zoom_ + 0.5) - offset.x,
                       std::floor(image.y * zoom_ + 0.5) - offset.y);
    const std::optional<ViewPoint> origin = CanvasOrigin(offset);
    return origin ? ImageToCanvas(image, *origin) : std::nullopt;
}

std::pair<double, double> ViewGeometry::ImageToScreenF(const MapPos& image,
                                                       ViewPoint offset) const {
    const double x = image.x * zoom_;
    const double y = image.y * zoom_;
    if (!Turned())
        return {x - offset.x, y - offset.y};
    const std::optional<ViewPoint> origin = CanvasOrigin(offset);
    if (!origin)
        return {NAN, NAN};
    return {x * cos_ - y * sin_ - origin->x, x * sin_ + y * cos_ - origin->y};
}

MapPos ViewGeometry::ScreenToImage(ViewPoint pixel) const {
    const double f = 1.0 / zoom_;
    // Summed in double: exact for any two 32-bit values, and cannot wrap.
    double x = static_cast<double>(pixel.x) + scroll_.x;
    double y = static_cast<double>(pixel.y) + scroll_.y;
    if (Turned()) {
        // Beyond the canvas's 32-bit range, the turn about the middle unrounded.
        const double cx = clientWidth_ / 2.0;
        const double cy = clientHeight_ / 2.0;
        const std::optional<ViewPoint> origin = CanvasOrigin(scroll_);
        const auto [dx, dy] = origin ? Unturn(static_cast<double>(pixel.x) + origin->x,
                                              static_cast<double>(pixel.y) + origin->y)
                                     : Unturn(pixel.x - cx, pixel.y - cy);
        x = origin ? dx : dx + cx + scroll_.x;
        y = origin ? dy : dy + cy + scroll_.y;
    }
    return MapPos(x * f, y * f);
}

ImageRect ViewGeometry::VisibleImageRect(ViewPoint offset) const {
    if (Turned()) {
        const ImageRectF r = VisibleImageRectF(offset);
        const int left = TruncSaturate(r.left);
        const int top = TruncSaturate(r.top);
        return {left, top, Shift(left, 0, TruncSaturate(r.width)),
                Shift(top, 0, TruncSaturate(r.height))};
    }
    const double f = 1.0 / zoom_;
    const int w = TruncSaturate(clientWidth_ * f);
    const int h = TruncSaturate(clientHeight_ * f);
    const int left = TruncSaturate(offset.x * f);
    const int top = TruncSaturate(offset.y * f);
    return {left, top, Shift(left, 0, w), Shift(top, 0, h)};
}

ImageRectF ViewGeometry::VisibleImageRectF(ViewPoint offset) const {
    if (Turned()) {
        // The box around the turned client area: what the turned paint samples.
        const std::optional<ViewPoint> origin = CanvasOrigin(offset);
        if (!origin)
            return {};
        double left = INFINITY;
        double top = INFINITY;
        double right = -INFINITY;
        double bottom = -INFINITY;
        for (const auto& [cx, cy] :
             {std::pair(0, 0), std::pair(clientWidth_, 0), std::pair(0, clientHeight_),
              std::pair(clientWidth_, clientHeight_)}) {
            const auto [x, y] =
                Unturn(static_cast<double>(cx) + origin->x, static_cast<double>(cy) + origin->y);
            left = std::min(left, x);
            right = std::max(right, x);
            top = std::min(top, y);
            bottom = std::max(bottom, y);
        }
        return {left / zoom_, top / zoom_, (right - left) / zoom_, (bottom - top) / zoom_};
    }
    return {offset.x / zoom_, offset.y / zoom_, clientWidth_ / zoom_, clientHeight_ / zoom_};
}

bool ViewGeometry::InClient(ViewPoint pixel) const {
    return pixel.x >= 0 && pixel.x < clientWidth_ && pixel.y >= 0 && pixel.y < clientHeight_;
}

std::optional<ViewPoint> ViewGeometry::ScrollPlacing(const MapPos& p, ViewPoint anchor) const {
    // The plain frame's pixel of p: the turn is about the middle, so it is added after.
    const double ux = std::floor(p.x * zoom_ + 0.5);
    const double uy = std::floor(p.y * zoom_ + 0.5);
    if (!(ux >= kIntMin && ux <= kIntMax && uy >= kIntMin && uy <= kIntMax))
        return std::nullopt;
    const ViewPoint u{static_cast<int>(ux), static_cast<int>(uy)};
    if (!Turned())
        return ViewPoint{Shift(u.x, anchor.x, 0), Shift(u.y, anchor.y, 0)};
    // The offset whose canvas origin puts p's canvas pixel at anchor; rounding the offset may
    // leave p a pixel off.
    const std::optional<ViewPoint> c = CanvasPixel(p);
    if (!c)
        return std::nullopt;
    const double cx = clientWidth_ / 2.0;
    const double cy = clientHeight_ / 2.0;
    const auto [x, y] = Unturn(static_cast<double>(c->x) - anchor.x + cx,
                               static_cast<double>(c->y) - anchor.y + cy);
    return Moved({0, 0}, x - cx, y - cy);
}

bool ViewGeometry::PlaceAt(const MapPos& p, ViewPoint anchor) {
    const std::optional<ViewPoint> scroll = ScrollPlacing(p, anchor);
    if (!scroll)
        return false;
    scroll_ = *scroll;
    return true;
}

bool ViewGeometry::CentreOn(const MapPos& p) {
    return PlaceAt(p, {clientWidth_ / 2, clientHeight_ / 2});
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
    PlaceAt(p, anchor);
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
    if (Turned()) {
        // The way the arrow points on the screen, whatever the map's turn.
        const double sx = key == ScrollKey::Left ? -step : key == ScrollKey::Right ? step : 0;
        const double sy = key == ScrollKey::Up ? -step : key == ScrollKey::Down ? step : 0;
        const auto [dx, dy] = Unturn(sx, sy);
        scroll_ = Moved(scroll_, dx, dy);
        return;
    }
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
    drag_ = DraggedBy(press, current);
}

ViewPoint ViewGeometry::DraggedBy(ViewPoint press, ViewPoint release) const {
    if (!Turned())
        return {Shift(scroll_.x, release.x, press.x), Shift(scroll_.y, release.y, press.y)};
    const auto [dx, dy] =
        Unturn(static_cast<double>(press.x) - release.x, static_cast<double>(press.y) - release.y);
    return Moved(scroll_, dx, dy);
}

bool ViewGeometry::Release(ViewPoint press, ViewPoint release) {
    if (!dragging_)
        return false;
    dragging_ = false;
    scroll_ = DraggedBy(press, release);
    return true;
}

} // namespace view
