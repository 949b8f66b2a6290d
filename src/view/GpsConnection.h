#pragma once

#include "gps/GpsFeed.h"

#include <QEvent>
#include <QObject>

namespace session {
struct Notice;
}

namespace view {

class MapView;

// The GPS link of a map view: opens and closes the source its session names, and takes each
// update the reader thread posts into the session on the view's thread.
class GpsConnection : public QObject {
    Q_OBJECT

public:
    // Lives no longer than view (it is view's child).
    explicit GpsConnection(MapView& view);

    void Connect();
    void Disconnect();
    // Replaces the link (tests shorten its polling); disconnects first.
    void SetLinkOptions(const gps::GpsLinkOptions& options);
    // The reader thread posts this event; it is handled on the view's thread.
    static constexpr QEvent::Type kUpdateEvent = static_cast<QEvent::Type>(QEvent::User + 1);

signals:
    // Connect or Disconnect ran, whatever its outcome.
    void ConnectionChanged();
    // A GPS update has centred the view on the new position (Follow GPS).
    void Followed();

protected:
    bool event(QEvent* event) override;

private:
    void OnUpdate();
    // Centres on the new position; one off the map centres the nearest point of the map.
    void Follow();
    void Tell(const session::Notice& notice);

    MapView& view_;
    gps::GpsFeed feed_;
};

} // namespace view
