// Stylus, mouse and touch on the map view: tap selects, drag scrolls, hold (or the right
// button) asks for the context menu, two fingers pinch; and the status line's tooltip.
#include "view/MapView.h"

#include <QGestureEvent>
#include <QHelpEvent>
#include <QMouseEvent>
#include <QNativeGestureEvent>
#include <QTimer>
#include <QToolTip>

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
        if (gesture_.HoldTimeout() == PointerGesture::Action::Hold && Pointer().acts)
            emit ContextMenuRequested(QPoint(gesture_.PressPoint().x, gesture_.PressPoint().y));
    });
}

std::optional<MapPos> MapView::PositionAt(QPoint at) const {
    const map::Georeference& georef = session_.Georeference();
    if (loading_.Active() || !georef.HasTransform())
        return std::nullopt;
    return georef.ToGeo(geometry_.ScreenToImage(ViewPoint{at.x(), at.y()}));
}

void MapView::mousePressEvent(QMouseEvent* event) {
    const ViewPoint at = PixelUnderPointer(event->position());
    const PointerTarget target = Pointer();
    if (event->button() == Qt::RightButton && target.acts) {
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
    target.geometry.Press();
    if (target.acts)
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
        Pointer().geometry.DragTo(gesture_.PressPoint(), at);
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
    const PointerTarget target = Pointer();
    switch (gesture_.Release(at, NowMs())) {
    case PointerGesture::Action::DragEnd:
        target.geometry.Release(press, at);
        update();
        break;
    case PointerGesture::Action::Tap:
        target.geometry.Release(press, at);
        if (target.acts && session_.Live().Alarm().Sounding())
            // The alarm's notice covers the map: the tap is the silencing one, no selection.
            Change([](session::MapSession& session) {
                session.Live().SilenceAlarm();
                return session::Changed::Marker | session::Changed::Details;
            });
        else if (target.acts && OnNorthArrow(at))
            emit NorthArrowTapped();
        else if (target.acts) { // the picture has no image positions to select
            SetSelection(geometry_.ScreenToImage(at));
            emit Tapped(QPoint(at.x, at.y));
        }
        break;
    case PointerGesture::Action::Hold:
        if (target.acts)
            emit ContextMenuRequested(QPoint(press.x, press.y));
        break;
    default:
        break;
    }
    event->accept();
}

bool MapView::event(QEvent* event) {
    switch (event->type()) {
    case QEvent::Gesture:
        OnPinch(static_cast<QGestureEvent*>(event));
        return true;
    case QEvent::ToolTip: {
        // The status line's letters are the handheld's terse ones; say once what they mean.
        const auto* help = static_cast<QHelpEvent*>(event);
        const QRect status = StatusLineRect(geometry_.ClientWidth(), geometry_.ClientHeight());
        if (status.contains(help->pos()))
            QToolTip::showText(help->globalPos(),
                               tr("A: altitude above sea level\n"
                                  "S: satellites used in the fix, all systems together\n"
                                  "P: precision, 100 / HDOP: 100% at HDOP 1, higher is better"),
                               this, status);
        else
            QToolTip::hideText();
        return true;
    }
    case QEvent::PaletteChange:
    case QEvent::FontChange:
        kept_.Forget();
        break;
    case QEvent::NativeGesture:
        if (static_cast<QNativeGestureEvent*>(event)->gestureType() == Qt::ZoomNativeGesture) {
            OnNativeZoom(static_cast<QNativeGestureEvent*>(event));
            return true;
        }
        break;
    default:
        break;
    }
    return QWidget::event(event);
}

} // namespace view
