// The map view's map point commands: New Point at Cursor, Store Position, Edit Points.
#include "view/MapView.h"

#include "points/EditMapPointsDlg.h"
#include "points/NewMapPoint.h"

void MapView::OnNewPointAtCursor() {
    if (mapLoading_ || !session_.Selection())
        return; // the context menu offers it only with a selection and no load
    Tell(session_.NewPointAtCursor(points::CurrentLocalDateTime()).notices);
    update();
    OnEditPoints();
}

void MapView::OnStorePosition() {
    if (!MapCommandReady(QStringLiteral("Store Position"), false, false))
        return;
    const session::Outcome stored = session_.StorePosition(points::CurrentLocalDateTime());
    if (!stored.changes.Has(session::Changed::Points))
        return;
    Tell(stored.notices);
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
    session_.EditDocument([&](session::MapDocument& document) {
        document.EditPoints([&](points::MapPointList& list) {
            outcome = points::RunEditMapPoints(this, list, entryFormat_, [this, &document] {
                const std::optional<session::Notice> notice = document.SavePoints();
                Tell(notice);
                return !notice;
            });
        });
        return session::Outcome{session::Changed::Points, {}};
    });
    if (outcome.result == points::EditMapPointsDlg::kShowResult) {
        // The frame's Map Points check marks stay as they were: only the view shows points now.
        session_.RevealMapPoints();
        CentreOn(session_.Georeference().ToPixel(outcome.showPosition));
    }
    update();
}
