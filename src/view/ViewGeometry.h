#pragma once

#include "base/MapPos.h"

#include <optional>
#include <utility>

namespace view {

// A pixel of the view, or an offset pair in zoomed image pixels. 32-bit, like the window
// system's coordinates.
struct ViewPoint {
    int x = 0;
    int y = 0;
    friend constexpr bool operator==(const ViewPoint&, const ViewPoint&) = default;
};

// A rectangle of image pixels; right and bottom are exclusive.
struct ImageRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    friend constexpr bool operator==(const ImageRect&, const ImageRect&) = default;
};

// The same rectangle without rounding, for drawing the map exactly under the overlays.
struct ImageRectF {
    double left = 0.0;
    double top = 0.0;
    double width = 0.0;
    double height = 0.0;
};

// The view pixel under a pointer at (x, y) in view coordinates, which Qt gives with fractions
// (high-density screens, touch, tablets): floor on each axis, so the pixel whose square holds
// the pointer, also left of and above the view during a drag. Saturates at the 32-bit range;
// NaN gives 0. Taps, drags, the context menu and the zoom anchors all read the pointer so.
[[nodiscard]] ViewPoint PixelUnderPointer(double x, double y);
// The same for a point type with x() and y(): the QPointF of the widget's pointer events.
template <class Point> [[nodiscard]] ViewPoint PixelUnderPointer(const Point& p) {
    return PixelUnderPointer(p.x(), p.y());
}

enum class ScrollKey { Left, Right, Up, Down };

// How image pixels and view pixels map onto each other: the client size, the map size, the
// zoom and the scroll and drag offsets. Shared by painting and pointer handling, so a tap
// lands exactly where the paint put things.
//
// Image positions are MapPos values in unzoomed image pixels: x is the column from the left
// edge, y the row from the top edge. The scroll offset is the zoomed image pixel under the
// view's top-left pixel; it has no limits (beyond the image the view shows white), but every
// step saturates at the 32-bit range instead of wrapping.
class ViewGeometry {
public:
    // A scan's zoom stays within [kMinZoom, kMaxZoom]: wide enough for the menu's 25%..800%
    // and many toolbar steps beyond, narrow enough that a 20000-pixel map stays far inside the
    // 32-bit range at any zoom. A tile set's spans its levels (SetTiledZoomRange).
    static constexpr double kMinZoom = 1.0 / 32.0;
    static constexpr double kMaxZoom = 32.0;
    // One step of zoom in and zoom out (toolbar, keys and each wheel notch).
    static constexpr double kZoomInStep = 1.2;
    static constexpr double kZoomOutStep = 0.8;

    [[nodiscard]] int ClientWidth() const { return clientWidth_; }
    [[nodiscard]] int ClientHeight() const { return clientHeight_; }
    [[nodiscard]] int ImageWidth() const { return imageWidth_; }
    [[nodiscard]] int ImageHeight() const { return imageHeight_; }
    [[nodiscard]] double Zoom() const { return zoom_; }
    [[nodiscard]] double MinZoom() const { return minZoom_; }
    [[nodiscard]] double MaxZoom() const { return maxZoom_; }
    [[nodiscard]] ViewPoint ScrollOffset() const { return scroll_; }
    [[nodiscard]] ViewPoint DragOffset() const { return drag_; }
    [[nodiscard]] bool Dragging() const { return dragging_; }
    // The offset a paint uses: the drag offset while a drag is in progress.
    [[nodiscard]] ViewPoint PaintOffset() const { return dragging_ ? drag_ : scroll_; }

    // A resize keeps the scroll offset, so the image point at the top-left corner stays put.
    // Negative sizes count as 0.
    void SetClientSize(int width, int height);
    // A newly loaded map (0 x 0 for none): zoom 1.0, scroll offset (0, 0), no drag; the zoom
    // range [kMinZoom, kMaxZoom] of a scan.
    void SetImageSize(int width, int height);
    // The zoom range of a map of levels zooms, one a half of the one before, read on demand:
    // from its coarsest level at 100 % to kMaxZoom, or to where the map's zoomed pixels would
    // leave the 32-bit range. Call after SetImageSize.
    void SetTiledZoomRange(int levels);
    void SetScrollOffset(ViewPoint offset) { scroll_ = offset; }

    // Course-up turns the map by degrees, clockwise on the screen; 0 (the default) is the map
    // as drawn, and every conversion below is then exactly the plain one. A turned view shows
    // its canvas: the zoomed image turned about its own origin, each point rounded to a pixel;
    // the screen is the canvas less CanvasOrigin(offset), the whole pixel that puts the turn
    // about the view's middle. So a scroll moves everything on a turned screen by whole
    // pixels, as it does on a plain one, and what was drawn can be shifted instead of drawn
    // again. Image-to-screen and back, drags, zooms about a point and the arrow keys all hold
    // the turn, so a tap lands where the turned paint put things. NaN counts as 0.
    void SetRotation(double degrees);
    [[nodiscard]] double Rotation() const { return rotation_; }
    [[nodiscard]] bool Turned() const { return rotation_ != 0.0; }
    // Where image position p shows on the screen for offset, unrounded.
    [[nodiscard]] std::pair<double, double> ImageToScreenF(const MapPos& image,
                                                           ViewPoint offset) const;
    // The canvas pixel of image, and the canvas pixel at the screen's top-left corner for
    // offset: empty when it does not fit 32 bits. Without a turn, ImageToScreen for offset 0
    // and offset itself.
    [[nodiscard]] std::optional<ViewPoint> CanvasPixel(const MapPos& image) const;
    [[nodiscard]] std::optional<ViewPoint> CanvasOrigin(ViewPoint offset) const;
    // CanvasPixel(image) less at: where a layer whose top-left corner is canvas pixel at draws
    // image. ImageToScreen(image, offset) is this for at = CanvasOrigin(offset).
    [[nodiscard]] std::optional<ViewPoint> ImageToCanvas(const MapPos& image, ViewPoint at) const;
    // Puts image position p at view pixel anchor (course-up keeps the marker low on the
    // screen). Returns false, changing nothing, when p cannot be placed.
    bool PlaceAt(const MapPos& p, ViewPoint anchor);

    // floor(x * zoom + 0.5) - offset on each axis (turned: on the canvas). Empty when the
    // result is not finite or does not fit 32 bits (a broken calibration, a position far off the
    // map): such a position cannot be drawn or centred on.
    [[nodiscard]] std::optional<ViewPoint> ImageToScreen(const MapPos& image,
                                                         ViewPoint offset) const;
    // Always with the scroll offset (a tap is read where the settled view shows it); no
    // rounding.
    [[nodiscard]] MapPos ScreenToImage(ViewPoint pixel) const;
    // The image pixels under the client area for an offset, truncated toward zero; may reach
    // beyond the image on any side.
    [[nodiscard]] ImageRect VisibleImageRect(ViewPoint offset) const;
    // The same without truncation: the part of the image the paint scales onto the client area.
    [[nodiscard]] ImageRectF VisibleImageRectF(ViewPoint offset) const;
    // left <= x < right and top <= y < bottom of the client area.
    [[nodiscard]] bool InClient(ViewPoint pixel) const;

    // Puts image position p at the middle of the view (client size halved, truncated).
    // Returns false, changing nothing, when p cannot be placed (see ImageToScreen).
    bool CentreOn(const MapPos& p);
    // Sets the zoom, keeping the image point under the middle of the view in place. NaN
    // changes nothing; other values are clamped to [MinZoom(), MaxZoom()].
    void SetZoom(double zoom);
    // Sets the zoom (NaN changes nothing, others are clamped) and puts image position p at
    // view pixel anchor, to the nearest pixel: the wheel and pinch keep the map point under
    // the pointer. p is passed in rather than read back from the rounded scroll offset, so a
    // run of steps about one point does not drift.
    void ZoomAbout(double zoom, const MapPos& p, ViewPoint anchor);
    // Follow and "Go to GPS Position": centres on the GPS position (already converted to an
    // image position) only while the link is connected. Returns whether the view moved.
    bool CentreOnGps(bool gpsConnected, const MapPos& gpsImagePosition);
    // Centres on (imageWidth / 2, imageHeight / 2) in integer halves; (0, 0) without a map.
    void GoToMapCentre();
    // Scrolls by a fifth of the client width on either axis.
    void ScrollByKey(ScrollKey key);

    // Pointer gestures. A press ends any drag; every move with the button held makes it a
    // drag showing offset scroll + press - current; a release after a drag moves the scroll
    // offset by press - release and returns true, a release without a drag returns false (a
    // tap).
    void Press() { dragging_ = false; }
    void DragTo(ViewPoint press, ViewPoint current);
    bool Release(ViewPoint press, ViewPoint release);

    // The same view in every respect (kept pictures compare it).
    friend bool operator==(const ViewGeometry&, const ViewGeometry&) = default;

private:
    int clientWidth_ = 0;
    int clientHeight_ = 0;
    int imageWidth_ = 0;
    int imageHeight_ = 0;
    double zoom_ = 1.0;
    double minZoom_ = kMinZoom;
    double maxZoom_ = kMaxZoom;
    ViewPoint scroll_;
    ViewPoint drag_;
    bool dragging_ = false;
    double rotation_ = 0.0;
    double cos_ = 1.0;
    double sin_ = 0.0;

    // Screen vector to the unturned frame's: the inverse turn.
    [[nodiscard]] std::pair<double, double> Unturn(double dx, double dy) const;
    // The scroll offset after a drag from press to release.
    [[nodiscard]] ViewPoint DraggedBy(ViewPoint press, ViewPoint release) const;
    // The scroll offset that puts p at anchor.
    [[nodiscard]] std::optional<ViewPoint> ScrollPlacing(const MapPos& p, ViewPoint anchor) const;
};

} // namespace view
