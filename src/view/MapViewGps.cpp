// The GPS side of the map view: the link and the posted update event.
#include "view/MapView.h"

#include "gps/GpsFeed.h"
#include "platform/MessageBox.h"

#include <QCoreApplication>
#include <QEvent>
#include <QGestureEvent>
#include <QHelpEvent>
#include <QNativeGestureEvent>
#include <QTimer>
#include <QToolTip>

namespace view {

void MapView::SetGpsDevice(std::string device) {
    session_.SetGpsDevice(std::move(device));
}

void MapView::SetGpsLinkOptions(const gps::GpsLinkOptions& options) {
    if (session_.GpsConnected())
        OnGpsDisconnect();
    gpsFeed_.SetLinkOptions(options);
}

void MapView::OnGpsConnect() {
    // Close joins the old reader thread, so no pause is needed before the port opens again.
    if (session_.GpsConnected())
        OnGpsDisconnect();
    // The reader thread only posts; the event is handled here, on the user-interface thread.
    gpsFeed_.SetWake([this] { QCoreApplication::postEvent(this, new QEvent(kGpsUpdateEvent)); });
    // A network source connects on the link's thread: the window never waits for a name
    // lookup or a server that does not answer.
    const session::GpsSourceChoice source = session_.GpsSource();
    const session::Outcome connected =
        session_.Connect(gpsFeed_.OpenWithoutWaiting(source.device, source.baud));
    if (!connected.notices.empty()) {
        Tell(connected.notices.front());
        return;
    }
    Refresh(connected.changes);
    emit ConnectionChanged();
}

void MapView::OnGpsDisconnect() {
    Refresh(session_.Disconnect());
    gpsFeed_.Close();
    // The marker turns black now, not at some later paint.
    repaint();
    emit ConnectionChanged();
}

void MapView::OnGpsUpdate() {
    // An update posted before Disconnect is dropped, and does not count against the rate.
    if (!session_.GpsConnected())
        return;
    const session::GpsStep step = session_.OnGpsUpdate(
        gpsFeed_.TakeUpdate(gps::TickCountMs(),
                            static_cast<std::uint32_t>(session_.Settings().updateRateMs)),
        geometry_.Dragging());
    if (step.centreOnGps) {
        FollowGps();
        emit GpsFollowed();
    }
    if (step.changes.Has(session::Changed::Marker) || step.changes.Has(session::Changed::Trail))
        update();
    if (step.changes.Has(session::Changed::CursorLine))
        CursorTextChanged();
    if (step.changes.Has(session::Changed::StatusLine))
        StatusTextChanged();
    if (step.changes.Has(session::Changed::Details))
        emit DetailsChanged();
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
