// The GPS side of the map view: the link and the posted update event.
#include "view/MapView.h"

#include "gps/GpsUpdateFold.h"
#include "platform/MessageBox.h"

#include <QCoreApplication>
#include <QEvent>
#include <QGestureEvent>
#include <QNativeGestureEvent>
#include <QTimer>

void MapView::SetGpsDevice(std::string device) {
    session_.SetGpsDevice(std::move(device));
}

void MapView::SetGpsLinkOptions(const gps::GpsLinkOptions& options) {
    if (session_.GpsConnected())
        OnGpsDisconnect();
    gpsLink_ = std::make_unique<gps::GpsLink>(gps::GpsLink::kDefaultMaxSentences, options);
}

void MapView::OnGpsConnect() {
    // Close joins the old reader thread, so no pause is needed before the port opens again.
    if (session_.GpsConnected())
        OnGpsDisconnect();
    if (!gpsLink_)
        gpsLink_ = std::make_unique<gps::GpsLink>();
    // The reader thread only posts; the event is handled here, on the user-interface thread.
    gpsLink_->SetPostCallback([this](std::int32_t, std::size_t) {
        QCoreApplication::postEvent(this, new QEvent(kGpsUpdateEvent));
    });
    const std::string before = session_.StatusText();
    if (const auto notice = session_.Connect(*gpsLink_)) {
        Tell(*notice);
        return;
    }
    if (session_.StatusText() != before)
        StatusTextChanged();
    emit ConnectionChanged();
}

void MapView::OnGpsDisconnect() {
    const std::string before = session_.StatusText();
    session_.Disconnect();
    if (session_.StatusText() != before)
        StatusTextChanged();
    if (gpsLink_)
        gpsLink_->Close();
    // The marker turns black now, not at some later paint.
    repaint();
    emit ConnectionChanged();
}

void MapView::OnGpsUpdate() {
    if (!gpsLink_)
        return;
    const session::GpsStep step =
        session_.OnGpsUpdate(*gpsLink_, gps::TickCountMs(), geometry_.Dragging());
    if (step.centreOnGps)
        CentreOnGps();
    if (step.repaint)
        update();
    if (step.cursorChanged)
        CursorTextChanged();
    if (step.statusChanged)
        StatusTextChanged();
}

bool MapView::event(QEvent* event) {
    if (event->type() == kGpsUpdateEvent) {
        OnGpsUpdate();
        return true;
    }
    switch (event->type()) {
    case QEvent::Gesture:
        OnPinch(static_cast<QGestureEvent*>(event));
        return true;
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
