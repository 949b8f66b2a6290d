#include "session/MapDocument.h"

#include "base/Translatable.h"
#include "calib/CalibrationFile.h"
#include "calib/MapCalibration.h"
#include "calib/PlaceImage.h"
#include "geo/Datums.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <utility>

namespace session {

namespace {

Notice Warning(std::string text) {
    return {Notice::Kind::Warning, std::move(text), QUILO_TRANSLATABLE("core", "Warning")};
}

Notice LoadError(std::string text) {
    return {Notice::Kind::Error, std::move(text), QUILO_TRANSLATABLE("core", "Load Error")};
}

Notice WriteFailure(const std::string& what) {
    return {Notice::Kind::Error, QUILO_TRANSLATABLE("core", "Unable to write file: ") + what,
            QUILO_TRANSLATABLE("core", "Save Error")};
}

Notice CalibrationError(std::string text) {
    return {Notice::Kind::Error, std::move(text), QUILO_TRANSLATABLE("core", "Calibration Error")};
}

bool IsDamaged(platform::LoadStatus status) {
    return status == platform::LoadStatus::Unreadable || status == platform::LoadStatus::Damaged;
}

} // namespace

MapDocument::MapDocument(map::MapGeoreference georeference, points::MapPointList points)
    : georeference_(std::move(georeference)),
      grid_(
          map::DefaultGridSettings(georeference_.Calibration(), true, georeference_.ImageHeight())),
      points_(std::move(points)) {}

Outcome MapDocument::Open(std::string_view imagePath, int imageHeight,
                          std::shared_ptr<const map::GridGeoreference> placed,
                          std::optional<map::ImagePlacement> placement) {
    Outcome outcome =
        OpenCalibration(imagePath, imageHeight, std::move(placed), std::move(placement));
    outcome.changes |= Changed::Map | Changed::Points;
    points_.clear();
    points::MapPointList loaded;
    const platform::LoadResult read = points::ReadPointsFile(PointsPath(), loaded);
    pointsFileDamaged_ = !read && read.status != platform::LoadStatus::Missing;
    if (read)
        points_ = std::move(loaded);
    else if (read.status != platform::LoadStatus::Missing)
        outcome.notices.push_back(LoadError(read.error));
    return outcome;
}

Outcome MapDocument::OpenCalibration(std::string_view imagePath, int imageHeight,
                                     std::shared_ptr<const map::GridGeoreference> placed,
                                     std::optional<map::ImagePlacement> placedAlready) {
    Outcome outcome{Changed::Calibration, {}};
    std::vector<Notice>& notices = outcome.notices;
    std::string baseName = calib::MapBaseName(imagePath);
    const bool sameMap = baseName == baseName_;
    baseName_ = std::move(baseName);
    calibrationUndo_.clear();

    // A map never carries another map's calibration: it starts uncalibrated, unless it is the
    // map showing, loaded again, whose calibration stays while its file cannot be read.
    const bool placedByFile = placed != nullptr;
    map::ImagePlacement placement =
        placedAlready && !(sameMap && !placedAlready->issues.empty())
            ? std::move(*placedAlready)
            : map::PlaceImage(imagePath, imageHeight, std::move(placed),
                              sameMap ? Calibration() : calib::CGPSMapFuncs());
    calibrationFileDamaged_ = IsDamaged(placement.calibrationFile);
    gridFileDamaged_ = IsDamaged(placement.gridFile);
    gridFile_ = placement.gridFile != platform::LoadStatus::Missing;
    if (placement.calibrationFile == platform::LoadStatus::Missing && !placedByFile)
        notices.push_back(
            Warning(QUILO_TRANSLATABLE("core", "This map has no calibration information.")));
    for (map::FileIssue& issue : placement.issues)
        notices.push_back(IsDamaged(issue.status) ? LoadError(std::move(issue.text))
                                                  : Warning(std::move(issue.text)));
    if (gridFileDamaged_ && sameMap) {
        // The grid and its fit stay, as the calibration does.
        georeference_.Handheld() = placement.georeference.Handheld();
        return outcome;
    }
    georeference_ = std::move(placement.georeference);
    grid_ = std::move(placement.grid);
    return outcome;
}

std::string MapDocument::PointsPath() const {
    return calib::PointsFileName(baseName_);
}

std::string MapDocument::GridPath() const {
    return map::GridFileName(baseName_);
}

std::string MapDocument::DatumCrs() const {
    std::string why;
    if (grid_.datum == map::GridSettings().datum)
        return std::string(map::kWgs84);
    return map::DatumCrs(grid_.datum, &why).value_or(std::string(map::kWgs84));
}

std::optional<Notice> MapDocument::SetAsideIfDamaged(bool& damaged, const std::string& path) {
    if (!damaged)
        return std::nullopt;
    // A file we could not read may still be recoverable by hand: it is renamed to NAME.damaged
    // (replacing an older one) before our first write over it.
    const std::string aside = path + ".damaged";
    if (std::rename(path.c_str(), aside.c_str()) != 0 && errno != ENOENT)
        return WriteFailure(path);
    damaged = false;
    return std::nullopt;
}

std::optional<Notice> MapDocument::SaveCalibration() {
    const std::string path = calib::CalibrationFileName(baseName_);
    if (auto notice = SetAsideIfDamaged(calibrationFileDamaged_, path))
        return notice;
    if (!calib::SaveCalibrationFile(path, Calibration()))
        return WriteFailure(path);
    // A map calibrated here keeps its grid file from the first write on, an old folder only
    // once it holds what the handheld's file cannot.
    if (!gridFile_ && !map::NeedsGridFile(grid_))
        return std::nullopt;
    const std::string gridPath = GridPath();
    if (auto notice = SetAsideIfDamaged(gridFileDamaged_, gridPath))
        return notice;
    if (!map::SaveGridFile(gridPath, grid_))
        return WriteFailure(gridPath);
    return std::nullopt;
}

std::optional<Notice> MapDocument::SavePoints() {
    const std::string path = PointsPath();
    if (auto notice = SetAsideIfDamaged(pointsFileDamaged_, path))
        return notice;
    if (const platform::FileResult written = points::WritePointsFile(path, points_); !written)
        return WriteFailure(written.error);
    return std::nullopt;
}

Outcome MapDocument::CalibrationSaved() {
    Outcome outcome{Changed::Calibration, {}};
    if (auto notice = SaveCalibration())
        outcome.notices.push_back(std::move(*notice));
    return outcome;
}

std::optional<Notice>
MapDocument::CheckGrid(const map::GridSettings& settings,
                       std::shared_ptr<const map::GridGeoreference>& fit) const {
    std::string why;
    // Each is one line of the grid file.
    for (const std::string& text : {settings.model.Name(), settings.datum})
        if (text.find_first_of("\r\n") != std::string::npos)
            return CalibrationError(GridPath() + ": a grid or datum must be written on one line");
    // WGS 84 needs no conversion: an old folder calibrates without asking PROJ.
    if (settings.datum != map::GridSettings().datum && !map::DatumCrs(settings.datum, &why))
        return CalibrationError(GridPath() + ": " + why);
    fit = map::FitGrid(settings, &why);
    if (!why.empty())
        return CalibrationError(GridPath() + ": " + why);
    return std::nullopt;
}

Outcome MapDocument::Commit(map::GridSettings settings, calib::CGPSMapFuncs calibration,
                            std::shared_ptr<const map::GridGeoreference> fit) {
    // A change of the settings alone has nothing for Undo to take back.
    if (settings.points != grid_.points || !(calibration == Calibration()))
        calibrationUndo_.push_back({Calibration(), grid_.points});
    grid_ = std::move(settings);
    georeference_.Handheld().Calibration() = std::move(calibration);
    georeference_.SetGrid(std::move(fit));
    return CalibrationSaved();
}

Outcome MapDocument::AddCalibrationPair(const MapPos& plane, const MapPos& geo) {
    const int height = georeference_.ImageHeight();
    map::GridSettings next = grid_;
    next.Add({MapPos(plane.x, height - plane.y), geo});
    if (!map::UsesHandheldModel(next))
        return Recalibrate(std::move(next));
    // The handheld's model takes the pair as the handheld does, keeping a bad one with a
    // warning and the last good transform.
    calib::CGPSMapFuncs calibration = Calibration();
    const calib::FitResult fit = calibration.AddCalibrationPoint(plane, geo);
    std::vector<Notice> notices;
    if (fit != calib::FitResult::Fitted && fit != calib::FitResult::TooFewPairs)
        notices.push_back(Warning(std::string(calib::DescribeFitResult(fit))));
    Outcome outcome = Commit(std::move(next), std::move(calibration), nullptr);
    notices.insert(notices.end(), outcome.notices.begin(), outcome.notices.end());
    outcome.notices = std::move(notices);
    return outcome;
}

Outcome MapDocument::RemoveCalibrationPair(std::size_t point) {
    if (point >= grid_.points.size())
        return {};
    map::GridSettings next = grid_;
    next.points.erase(next.points.begin() + static_cast<std::ptrdiff_t>(point));
    if (!map::UsesHandheldModel(grid_) || !map::UsesHandheldModel(next))
        return Recalibrate(std::move(next));
    // All points are the handheld's pairs: removed as the handheld removes one.
    calib::CGPSMapFuncs calibration = Calibration();
    if (!calibration.RemoveCalibrationPair(point))
        return {};
    return Commit(std::move(next), std::move(calibration), nullptr);
}

Outcome MapDocument::Recalibrate(map::GridSettings settings) {
    settings.keep = std::clamp(settings.keep, map::kMinKeptPoints, map::kMaxKeptPoints);
    const auto keep = static_cast<std::size_t>(settings.keep);
    if (settings.points.size() > keep)
        settings.points.erase(settings.points.begin(),
                              settings.points.end() - static_cast<std::ptrdiff_t>(keep));
    std::shared_ptr<const map::GridGeoreference> fit;
    if (auto notice = CheckGrid(settings, fit))
        return {{}, {std::move(*notice)}};
    calib::CGPSMapFuncs calibration =
        map::CalibrationFor(settings, Calibration(), georeference_.ImageHeight());
    std::vector<Notice> notices;
    const std::string_view why = calib::DescribeFitResult(calibration.GetFitResult());
    if (map::UsesHandheldModel(settings) && !why.empty())
        notices.push_back(Warning(std::string(why)));
    Outcome outcome = Commit(std::move(settings), std::move(calibration), std::move(fit));
    notices.insert(notices.end(), outcome.notices.begin(), outcome.notices.end());
    outcome.notices = std::move(notices);
    return outcome;
}

Outcome MapDocument::Undo() {
    if (calibrationUndo_.empty())
        return {};
    // The variation and the grid settings are not part of the change: later values stay.
    map::GridSettings settings = grid_;
    settings.points = calibrationUndo_.back().points;
    std::shared_ptr<const map::GridGeoreference> fit;
    if (auto notice = CheckGrid(settings, fit))
        return {{}, {std::move(*notice)}};
    calib::CGPSMapFuncs calibration = std::move(calibrationUndo_.back().calibration);
    calibrationUndo_.pop_back();
    calibration.SetMagVar(Calibration().GetMagVar());
    grid_ = std::move(settings);
    georeference_.Handheld().Calibration() = std::move(calibration);
    georeference_.SetGrid(std::move(fit));
    return CalibrationSaved();
}

Outcome MapDocument::SetMagVar(double degrees) {
    georeference_.Handheld().Calibration().SetMagVar(degrees);
    return CalibrationSaved();
}

Outcome MapDocument::AddPoint(CMapPoint point) {
    points_.push_back(std::move(point));
    Outcome outcome{Changed::Points, {}};
    if (auto notice = SavePoints())
        outcome.notices.push_back(std::move(*notice));
    return outcome;
}

} // namespace session
