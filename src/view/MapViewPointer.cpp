// Stylus, mouse and touch on the map view: tap selects, drag scrolls, hold (or the right
// button) asks for the context menu.
#include "view/MapView.h"

#include <QMouseEvent>
#include <QTimer>

#include <chrono>

namespace view {

namespace {

long long NowMs() {
    return std::chrono::duration_cast<std::chrono::milliseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

} // namespace

void MapView::CreatePointerHandling() {
    holdTimer_ = new QTimer(this);
    holdTimer_->setSingleShot(true);
    holdTimer_->setInterval(PointerGesture::kHoldTimeMs);
    holdTimer_->setTimerType(Qt::PreciseTimer);
    connect(holdTimer_, &QTimer::timeout, this, [this] {
        if (gesture_.HoldTimeout() == PointerGesture::Action::Hold && !picture_)
            emit ContextMenuRequested(QPoint(gesture_.PressPoint().x, gesture_.PressPoint().y));
    });
}

std::optional<MapPos> MapView::PositionAt(QPoint at) const {
    const map::Georeference& georef = session_.Georeference();
    if (mapLoading_ || !georef.HasTransform())
        return std::nullopt;
    return georef.ToGeo(geometry_.ScreenToImage(ViewPoint{at.x(), at.y()}));
}

void MapView::mousePressEvent(QMouseEvent* event) {
    const ViewPoint at = PixelUnderPointer(event->position());
    if (event->button() == Qt::RightButton && !picture_) {
        holdTimer_->stop();
        emit ContextMenuRequested(QPoint(at.x, at.y));
        event->accept();
        return;
    }
    if (event->button() != Qt::LeftButton) {
        QWidget::mousePressEvent(event);
        return;
    }
    gesture_.Press(at, NowMs());
    PointerGeometry().Press();
    if (!picture_)
        holdTimer_->start();
    event->accept();
}

void MapView::mouseMoveEvent(QMouseEvent* event) {
    if (!(event->buttons() & Qt::LeftButton) || !gesture_.Pressed()) {
        QWidget::mouseMoveEvent(event);
        return;
    }
    const ViewPoint at = PixelUnderPointer(event->position());
    if (gesture_.Move(at, NowMs()) == PointerGesture::Action::DragTo) {
        holdTimer_->stop();
        PointerGeometry().DragTo(gesture_.PressPoint(), at);
        update();
    }
    event->accept();
}

void MapView::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        QWidget::mouseReleaseEvent(event);
        return;
    }
    holdTimer_->stop();
    const ViewPoint at = PixelUnderPointer(event->position());
    const ViewPoint press = gesture_.PressPoint();
    switch (gesture_.Release(at, NowMs())) {
    case PointerGesture::Action::DragEnd:
        PointerGeometry().Release(press, at);
        update();
        break;
    case PointerGesture::Action::Tap:
        PointerGeometry().Release(press, at);
        if (!picture_) // the picture has no image positions to select
            SetSelection(geometry_.ScreenToImage(at));
        break;
    case PointerGesture::Action::Hold:
        if (!picture_)
            emit ContextMenuRequested(QPoint(press.x, press.y));
        break;
    default:
        break;
    }
    event->accept();
}

} // namespace view
