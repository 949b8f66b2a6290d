#include "view/GpsConnection.h"

#include "platform/MessageBox.h"
#include "view/CoreText.h"
#include "view/MapView.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>

namespace view {

using session::Changed;
using session::Changes;

GpsConnection::GpsConnection(MapView& view) : QObject(&view), view_(view) {}

void GpsConnection::Tell(const session::Notice& notice) {
    platform::ShowMessage(&view_, CoreText(notice.text), CoreText(notice.caption),
                          notice.kind == session::Notice::Kind::Warning
                              ? platform::MessageIcon::Warning
                              : platform::MessageIcon::Error);
}

void GpsConnection::SetLinkOptions(const gps::GpsLinkOptions& options) {
    if (view_.Session().GpsConnected())
        Disconnect();
    feed_.SetLinkOptions(options);
}

void GpsConnection::Connect() {
    // Close joins the old reader thread, so no pause is needed before the port opens again.
    if (view_.Session().GpsConnected())
        Disconnect();
    // The reader thread only posts; the event is handled here, on the user-interface thread.
    feed_.SetWake([this] { QCoreApplication::postEvent(this, new QEvent(kUpdateEvent)); });
    std::optional<session::Notice> notice;
    view_.Change([&](session::MapSession& session) {
        // A network source connects on the link's thread: the window never waits for a name
        // lookup or a server that does not answer.
        const session::GpsSourceChoice source = session.GpsSource();
        session::Outcome connected =
            session.Connect(feed_.OpenWithoutWaiting(source.device, source.baud));
        if (!connected.notices.empty())
            notice = connected.notices.front();
        return connected.changes;
    });
    if (notice) {
        Tell(*notice);
        return;
    }
    emit ConnectionChanged();
}

void GpsConnection::Disconnect() {
    view_.Change([](session::MapSession& session) { return session.Disconnect(); });
    feed_.Close();
    // The marker turns black now, not at some later paint.
    view_.repaint();
    emit ConnectionChanged();
}

void GpsConnection::OnUpdate() {
    // An update posted before Disconnect is dropped, and does not count against the rate.
    if (!view_.Session().GpsConnected())
        return;
    session::GpsStep step;
    view_.Change([&](session::MapSession& session) {
        step = session.OnGpsUpdate(
            feed_.TakeUpdate(gps::TickCountMs(),
                             static_cast<std::uint32_t>(session.Settings().updateRateMs)),
            view_.Geometry().Dragging());
        return step.changes;
    });
    if (step.centreOnGps) {
        Follow();
        emit Followed();
    }
}

void GpsConnection::Follow() {
    const session::MapSession& session = view_.Session();
    if (!session.Georeference().HasTransform())
        return;
    MapPos pixel = session.Georeference().ToPixel(session.GpsFix().position);
    // Off the map the nearest part of it stays in view, the edge arrow pointing on from there.
    const ViewGeometry& g = view_.Geometry();
    if (g.ImageWidth() > 0 && std::isfinite(pixel.x) && std::isfinite(pixel.y))
        pixel = MapPos(std::clamp(pixel.x, 0.0, static_cast<double>(g.ImageWidth())),
                       std::clamp(pixel.y, 0.0, static_cast<double>(g.ImageHeight())));
    view_.PlaceGps(pixel);
}

bool GpsConnection::event(QEvent* event) {
    if (event->type() == kUpdateEvent) {
        OnUpdate();
        return true;
    }
    return QObject::event(event);
}

} // namespace view
