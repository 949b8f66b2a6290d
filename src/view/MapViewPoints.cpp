// The map view's map point commands: New Point at Cursor, Store Position, Edit Points.
#include "view/MapView.h"

#include "points/EditMapPointsDlg.h"
#include "points/NewMapPoint.h"

void MapView::OnNewPointAtCursor() {
    if (mapLoading_ || !session_.HasSelection())
        return; // the context menu offers it only with a selection and no load
    Tell(session_.NewPointAtCursor(points::CurrentLocalDateTime()));
    update();
    OnEditPoints();
}

void MapView::OnStorePosition() {
    if (!MapCommandReady(QStringLiteral("Store Position"), false, false))
        return;
    std::optional<session::Notice> notice;
    if (!session_.StorePosition(points::CurrentLocalDateTime(), notice))
        return;
    Tell(notice);
    update();
    OnEditPoints();
}

void MapView::OnEditPoints() {
    if (!MapCommandReady(QStringLiteral("Edit Points"), false, false))
        return;
    const MapDialogOpen open(*this);
    // The list edits the points in place (no other map's replace them while it is open); only
    // a change writes the file, which sets a damaged one aside first.
    points::EditPointsOutcome outcome;
    session_.EditMapPoints([&](points::MapPointList& list) {
        outcome = points::RunEditMapPoints(this, list, entryFormat_, [this] {
            const std::optional<session::Notice> notice = session_.SavePoints();
            Tell(notice);
            return !notice;
        });
    });
    if (outcome.result == points::EditMapPointsDlg::kShowResult) {
        // The frame's Map Points check marks stay as they were: only the view shows points now.
        session_.RevealMapPoints();
        CentreOn(session_.Georeference().ToPixel(outcome.showPosition));
    }
    update();
}
