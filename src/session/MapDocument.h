#pragma once

#include "calib/CGPSMapFuncs.h"
#include "calib/GridFile.h"
#include "calib/MapGeoreference.h"
#include "calib/PlaceImage.h"
#include "points/PointsFile.h"
#include "session/Notice.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace session {

// The map showing and what belongs to it: its calibration, with the undo of the points added or
// removed since it opened, and its points, each kept in its file beside the image. The
// calibration lives in two files: the handheld's calibration file (the newest three points and
// the variation) and the grid file (the grid model, the datum and all points kept). A file that
// exists but cannot be read is set aside as NAME.damaged before the first write over it, so the
// user can still recover it by hand.
class MapDocument {
public:
    MapDocument() = default;
    // A scene for tests and benchmarks: no map opened, no file read or written until one is.
    // Its grid settings are those of an old folder: the graticule through the calibration's
    // pairs.
    MapDocument(map::MapGeoreference georeference, points::MapPointList points);
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
    // The grid model, the datum of typed positions and every calibration point kept.
    [[nodiscard]] const map::GridSettings& Grid() const { return grid_; }
    // The geographic CRS of the map's datum, for positions typed for this map (see
    // map::DatumCrs); WGS 84 when the datum is not known.
    [[nodiscard]] std::string DatumCrs() const;
    [[nodiscard]] const points::MapPointList& Points() const { return points_; }
    [[nodiscard]] std::string PointsPath() const;
    [[nodiscard]] std::string GridPath() const;
    void SetImageHeight(int height) { georeference_.Handheld().SetImageHeight(height); }
    [[nodiscard]] bool CanUndo() const { return !calibrationUndo_.empty(); }

    // Reads the calibration files and the points file of the map at imagePath (BaseName plus
    // ".mcd", ".grid" and ".pts") of an image imageHeight pixels high. A missing calibration is
    // a warning and leaves the map uncalibrated; a missing points file is nothing. A file that
    // cannot be read or is damaged is an error; the map then has no points, and no calibration
    // unless it is the same map opened again, whose calibration stays. A damaged grid file, or
    // one whose grid cannot be made, leaves the map on its handheld calibration.
    // A map placed by its own file (a .map, a world file, a ground overlay) comes with that
    // placement, and a missing calibration file is then nothing to warn of; map::PlaceImage
    // decides which model places the pixels, as the folder index and quilo-tool map do.
    // placement, when given, is PlaceImage's for this map, run where the map was opened; it is
    // run again only for the same map when a calibration file could not be read or fitted, as
    // its last good calibration then stays.
    Outcome Open(std::string_view imagePath, int imageHeight,
                 std::shared_ptr<const map::GridGeoreference> placed = {},
                 std::optional<map::ImagePlacement> placement = std::nullopt);
    // The calibration part of Open alone (the tool's calib): no points file is read.
    Outcome OpenCalibration(std::string_view imagePath, int imageHeight,
                            std::shared_ptr<const map::GridGeoreference> placed = {},
                            std::optional<map::ImagePlacement> placement = std::nullopt);
    // Write the files; the notice when one could not be written.
    std::optional<Notice> SaveCalibration();
    std::optional<Notice> SavePoints();
    // A calibration pair (plane: the calibration plane, rows from the bottom), then the files.
    // On a grid model a point that leaves the grid unfittable is refused, changing nothing.
    Outcome AddCalibrationPair(const MapPos& plane, const MapPos& geo);
    // Removes point `point` of Grid().points (0 = oldest) and writes the files; nothing for a
    // point not held.
    Outcome RemoveCalibrationPair(std::size_t point);
    // The grid settings and points as given, in one change that Undo takes back, written once.
    // Refused, changing nothing and writing nothing, when the datum is unknown or the grid
    // cannot be fitted; the error names the grid file and the reason.
    Outcome Recalibrate(map::GridSettings settings);
    // Puts back the calibration as it was before the last change of its points, keeping the
    // variation and the grid settings, and writes the files; nothing when there is none.
    Outcome Undo();
    Outcome SetMagVar(double degrees);
    // A new point, written to the points file.
    Outcome AddPoint(CMapPoint point);
    // Gives edit the points to change in place (the Edit Map Points list). Nothing is written
    // here: the list's changes go through SavePoints.
    void EditPoints(const std::function<void(points::MapPointList&)>& edit) { edit(points_); }

private:
    // The calibration as it stands before a change, for Undo.
    struct CalibrationState {
        calib::CGPSMapFuncs calibration;
        std::vector<map::CalibrationPoint> points;
    };

    std::optional<Notice> SetAsideIfDamaged(bool& damaged, const std::string& path);
    Outcome CalibrationSaved();
    // Takes settings and calibration as the map's, with the grid fitted through its points,
    // after noting the present state for Undo; the files are then written.
    Outcome Commit(map::GridSettings settings, calib::CGPSMapFuncs calibration,
                   std::shared_ptr<const map::GridGeoreference> fit);
    // A notice naming the grid file when settings cannot be taken: unknown datum, no fit.
    std::optional<Notice> CheckGrid(const map::GridSettings& settings,
                                    std::shared_ptr<const map::GridGeoreference>& fit) const;

    std::string baseName_;
    map::MapGeoreference georeference_;
    map::GridSettings grid_;
    points::MapPointList points_;
    // The calibration, grid or points file exists but could not be read.
    bool calibrationFileDamaged_ = false;
    bool gridFileDamaged_ = false;
    bool pointsFileDamaged_ = false;
    // A grid file was there when the map opened: it is kept written.
    bool gridFile_ = false;
    // The calibrations before each change of the points, newest last.
    std::vector<CalibrationState> calibrationUndo_;
};

} // namespace session
