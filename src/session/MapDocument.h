#pragma once

#include "calib/CGPSMapFuncs.h"
#include "map/MapGeoreference.h"
#include "points/PointsFile.h"
#include "session/Notice.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace session {

// The map showing and what belongs to it: its calibration, with the undo of the pairs added or
// removed since it opened, and its points, each kept in its file beside the image. A file that
// exists but cannot be read is set aside as NAME.damaged before the first write over it, so the
// user can still recover it by hand.
class MapDocument {
public:
    MapDocument() = default;
    // A scene for tests and benchmarks: no map opened, no file read or written until one is.
    MapDocument(map::MapGeoreference georeference, points::MapPointList points)
        : georeference_(std::move(georeference)), points_(std::move(points)) {}
    MapDocument(map::HandheldGeoreference georeference, points::MapPointList points)
        : MapDocument(map::MapGeoreference(std::move(georeference)), std::move(points)) {}

    // The image path minus its last four characters: the name its files are made from.
    [[nodiscard]] const std::string& BaseName() const { return baseName_; }
    // Where the map's pixels lie on the earth: its calibration, the image height and the grid
    // model that places the pixels, if any.
    [[nodiscard]] const map::MapGeoreference& Georeference() const { return georeference_; }
    [[nodiscard]] const calib::CGPSMapFuncs& Calibration() const {
        return georeference_.Calibration();
    }
    [[nodiscard]] const points::MapPointList& Points() const { return points_; }
    [[nodiscard]] std::string PointsPath() const;
    void SetImageHeight(int height) { georeference_.Handheld().SetImageHeight(height); }
    [[nodiscard]] bool CanUndo() const { return !calibrationUndo_.empty(); }

    // Reads the calibration and points files of the map at imagePath (BaseName plus ".mcd" and
    // ".pts") of an image imageHeight pixels high. A missing calibration is a warning and leaves
    // the map uncalibrated; a missing points file is nothing. A file that cannot be read or is
    // damaged is an error; the map then has no points, and no calibration unless it is the same map
    // opened again, whose calibration stays.
    Outcome Open(std::string_view imagePath, int imageHeight);
    // Write the files; the notice when one could not be written.
    std::optional<Notice> SaveCalibration();
    std::optional<Notice> SavePoints();
    // A calibration pair (plane: the calibration plane, rows from the bottom), then the file.
    Outcome AddCalibrationPair(const MapPos& plane, const MapPos& geo);
    // Removes pair `pair` (0 = oldest) and writes the file; nothing for a pair not held.
    Outcome RemoveCalibrationPair(std::size_t pair);
    // Puts back the calibration as it was before the last pair added or removed, keeping the
    // variation, and writes the file; nothing when there is none.
    Outcome Undo();
    Outcome SetMagVar(double degrees);
    // A new point, written to the points file.
    Outcome AddPoint(CMapPoint point);
    // Gives edit the points to change in place (the Edit Map Points list). Nothing is written
    // here: the list's changes go through SavePoints.
    void EditPoints(const std::function<void(points::MapPointList&)>& edit) { edit(points_); }

private:
    std::optional<Notice> SetAsideIfDamaged(bool& damaged, const std::string& path);
    Outcome CalibrationSaved();

    std::string baseName_;
    map::MapGeoreference georeference_;
    points::MapPointList points_;
    // The calibration or points file exists but could not be read.
    bool calibrationFileDamaged_ = false;
    bool pointsFileDamaged_ = false;
    // The calibrations before each pair added or removed, newest last.
    std::vector<calib::CGPSMapFuncs> calibrationUndo_;
};

} // namespace session
