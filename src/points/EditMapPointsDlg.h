#pragma once

#include "coords/CoordFormat.h"
#include "points/PointsFile.h"

#include <QDialog>

#include <functional>
#include <string>

class QListWidget;
class QPushButton;

namespace points {

// "Edit Map Points": the list of the map's points with Show, New..., Edit... (also a
// double-click), Delete, Import..., Export... and Close. It edits the list in place, so
// changes take effect at once in memory; writing the points file is the caller's business (see
// RunEditMapPoints), and Export... writes only the KML or GPX document the user names.
//
// exec() returns kShowResult after Show (then ShowPosition() is the chosen point's position),
// kGoToResult after Go To (the same, and ShowName() its name) and Rejected after Close;
// IsModified() tells whether New, Edit, Delete or Import changed the list.
class EditMapPointsDlg : public QDialog {
    Q_OBJECT
public:
    static constexpr int kShowResult = 1008;
    static constexpr int kGoToResult = 1009;

    // entryFormat: the coordinate format the position dialog opens in (see EnterCoordsDlg).
    EditMapPointsDlg(MapPointList& points, coords::CoordFormat& entryFormat,
                     QWidget* parent = nullptr);

    [[nodiscard]] bool IsModified() const { return modified; }
    [[nodiscard]] const MapPos& ShowPosition() const { return showPosition; }
    [[nodiscard]] const std::string& ShowName() const { return showName; }

    // Show and Go To: the chosen point's position (and name), then the dialog ends with result.
    void OnShow(int result = kShowResult);
    void OnNew();
    void OnEdit();
    void OnDelete();
    // Asks for a .kml or .gpx file and writes the points to it as KML placemarks or GPX
    // waypoints, by the extension; the list and IsModified() stay as they are. A failure is
    // shown as "Unable to write file: " + path, caption "Save Error".
    void ExportPoints();
    // Asks for a GPX or KML file and appends its waypoints or placemarks (points/PointsGpx.h)
    // to the list. A refused file is shown as "Unable to open file: PATH: reason", caption
    // "Load Error", and changes nothing.
    void ImportPoints();

private:
    void FillList();
    [[nodiscard]] int SelectedRow() const;

    MapPointList& points_;
    coords::CoordFormat& entryFormat_;
    bool modified = false;
    MapPos showPosition;
    std::string showName;
    QListWidget* list_ = nullptr;
};

struct EditPointsOutcome {
    int result = QDialog::Rejected; // EditMapPointsDlg::kShowResult after Show
    bool modified = false;
    bool saved = false; // the points file was written (only after a change)
    MapPos showPosition;
    std::string showName; // after Go To
};

// The Edit Points command without its map view part: runs the dialog on points and, when
// anything changed, whatever button closed it, writes the points file at pointsPath; a failed
// write is shown as "Unable to write file: <path>: <reason>", caption "Save Error". The caller
// centres the map on showPosition when result is kShowResult.
[[nodiscard]] EditPointsOutcome RunEditMapPoints(QWidget* parent, MapPointList& points,
                                                 coords::CoordFormat& entryFormat,
                                                 const std::string& pointsPath);
// The same with the write left to save, which reports its own failure and returns whether
// the file was written.
[[nodiscard]] EditPointsOutcome RunEditMapPoints(QWidget* parent, MapPointList& points,
                                                 coords::CoordFormat& entryFormat,
                                                 const std::function<bool()>& save);

// Writes the points file, showing a failure as above. Returns whether it was written.
bool SavePointsFileReporting(QWidget* parent, const std::string& pointsPath,
                             const MapPointList& points);

} // namespace points
