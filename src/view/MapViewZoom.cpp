// Wheel and pinch zoom about the pointer.
#include "view/MapView.h"

#include <QGestureEvent>
#include <QNativeGestureEvent>
#include <QPinchGesture>
#include <QWheelEvent>

#include <cmath>

namespace view {

namespace {

// One notch of a wheel, in eighths of a degree; smooth wheels send fractions of it.
constexpr int kWheelNotch = 120;

} // namespace

void MapView::ZoomAt(double factor, ViewPoint at) {
    const bool zoomed = MoveMap([&](ViewGeometry& g) {
        // Reading the point back from the rounded scroll offset at each step would let it
        // wander by half a pixel a step; while nothing else moved the view, the first point is
        // kept.
        const bool sameRun = zoomAnchor_ && zoomAnchor_->at == at &&
                             zoomAnchor_->scroll == g.ScrollOffset() &&
                             zoomAnchor_->zoom == g.Zoom();
        const MapPos image = sameRun ? zoomAnchor_->image : g.ScreenToImage(at);
        g.ZoomAbout(g.Zoom() * factor, image, at);
        zoomAnchor_ = ZoomAnchor{at, image, g.ScrollOffset(), g.Zoom()};
        return true;
    });
    if (zoomed)
        emit ZoomChanged();
}

void MapView::wheelEvent(QWheelEvent* event) {
    wheelRemainder_ += event->angleDelta().y();
    const ViewPoint at = PixelUnderPointer(event->position());
    while (std::abs(wheelRemainder_) >= kWheelNotch) {
        const bool in = wheelRemainder_ > 0;
        wheelRemainder_ += in ? -kWheelNotch : kWheelNotch;
        ZoomAt(in ? ViewGeometry::kZoomInStep : ViewGeometry::kZoomOutStep, at);
    }
    event->accept();
}

void MapView::OnPinch(QGestureEvent* event) {
    auto* pinch = static_cast<QPinchGesture*>(event->gesture(Qt::PinchGesture));
    if (pinch == nullptr)
        return;
    event->accept(pinch);
    if (pinch->state() == Qt::GestureStarted)
        zoomAnchor_.reset(); // a new pinch holds the point under its own centre
    const double factor = pinch->scaleFactor();
    if (std::isfinite(factor) && factor > 0.0 && factor != 1.0)
        ZoomAt(factor, PixelUnderPointer(mapFromGlobal(pinch->centerPoint())));
    // Turning with two fingers only when unlocked, and never against course-up's own turn.
    const session::LiveSettings& live = session_.Live().Settings();
    const double turn = pinch->rotationAngle() - pinch->lastRotationAngle();
    if (live.touchTurn && !live.Turns() && std::isfinite(turn) && turn != 0.0)
        SetHandTurn(handTurn_ + turn);
}

void MapView::SetHandTurn(double degrees) {
    handTurn_ = std::isfinite(degrees) ? std::remainder(degrees, 360.0) : 0.0;
    Refresh(session::Changes());
}

void MapView::OnNativeZoom(QNativeGestureEvent* event) {
    // Touchpads report a pinch as a native zoom gesture: value is the relative change.
    const double factor = 1.0 + event->value();
    if (std::isfinite(factor) && factor > 0.0 && factor != 1.0)
        ZoomAt(factor, PixelUnderPointer(event->position()));
    event->accept();
}

} // namespace view
