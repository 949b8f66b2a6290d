// The map view's map point commands: New Point at Cursor, Store Position, Edit Points.
#include "view/MapView.h"

#include "points/EditMapPointsDlg.h"
#include "points/NewMapPoint.h"

void MapView::OnNewPointAtCursor() {
    Tell(session_.NewPointAtCursor(points::CurrentLocalDateTime()));
    update();
    OnEditPoints();
}

void MapView::OnStorePosition() {
    std::optional<session::Notice> notice;
    if (!session_.StorePosition(points::CurrentLocalDateTime(), notice))
        return;
    Tell(notice);
    update();
    OnEditPoints();
}

void MapView::OnEditPoints() {
    // The list edits the points in place and writes the file itself when it changed anything.
    points::EditPointsOutcome outcome;
    std::optional<session::Notice> notice;
    const std::string path = session_.PointsPath();
    if (!session_.EditMapPoints(
            [&](points::MapPointList& list) {
                outcome = points::RunEditMapPoints(this, list, path);
            },
            notice)) {
        Tell(notice);
        return;
    }
    if (outcome.result == points::EditMapPointsDlg::kShowResult) {
        // The frame's Map Points check marks stay as they were: only the view shows points now.
        session_.RevealMapPoints();
        CentreOn(session_.GeoToPixel(outcome.showPosition));
    }
    update();
}
