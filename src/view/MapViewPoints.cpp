// The map view's map point commands: New Point at Cursor, Store Position, Edit Points.
#include "view/MapView.h"

#include "calib/CalibrationFile.h"
#include "points/EditMapPointsDlg.h"
#include "points/NewMapPoint.h"

bool MapView::SavePointsFile() {
    const std::string path = calib::PointsFileName(mapBaseName_);
    if (!SetAsideIfDamaged(pointsFileDamaged_, path))
        return false;
    return points::SavePointsFileReporting(this, path, mapPoints_);
}

void MapView::OnNewPointAtCursor() {
    mapPoints_.push_back(
        points::MakeCursorPoint(PixelToGeo(selection_), points::CurrentLocalDateTime()));
    SavePointsFile();
    update();
    OnEditPoints();
}

void MapView::OnStorePosition() {
    if (!gpsConnected_)
        return;
    // The position the link holds, fix or not: (0, 0) before the first one.
    mapPoints_.push_back(
        points::MakeGpsPositionPoint(gpsFix_.position, points::CurrentLocalDateTime()));
    SavePointsFile();
    update();
    OnEditPoints();
}

void MapView::OnEditPoints() {
    // The list writes the file itself when it changed anything.
    if (!SetAsideIfDamaged(pointsFileDamaged_, calib::PointsFileName(mapBaseName_)))
        return;
    const points::EditPointsOutcome outcome =
        points::RunEditMapPoints(this, mapPoints_, calib::PointsFileName(mapBaseName_));
    if (outcome.result == points::EditMapPointsDlg::kShowResult) {
        // The frame's Map Points check marks stay as they were: only the view shows points now.
        showMapPoints_ = true;
        CentreOn(GeoToPixel(outcome.showPosition));
    }
    update();
}
