#include "session/MapDocument.h"

#include "calib/CalibrationFile.h"

#include <cerrno>
#include <cstdio>
#include <utility>

namespace session {

namespace {

Notice Warning(std::string text) {
    return {Notice::Kind::Warning, std::move(text), "Warning"};
}

Notice LoadError(std::string text) {
    return {Notice::Kind::Error, std::move(text), "Load Error"};
}

Notice WriteFailure(const std::string& what) {
    return {Notice::Kind::Error, "Unable to write file: " + what, "Save Error"};
}

} // namespace

Outcome MapDocument::Open(std::string_view imagePath, int imageHeight) {
    georeference_.Handheld().SetImageHeight(imageHeight);
    Outcome outcome{Changed::Map | Changed::Calibration | Changed::Points, {}};
    std::vector<Notice>& notices = outcome.notices;
    std::string baseName = calib::MapBaseName(imagePath);
    const bool sameMap = baseName == baseName_;
    baseName_ = std::move(baseName);
    calibrationUndo_.clear();

    // A map never carries another map's calibration: it starts uncalibrated, unless it is the
    // map showing, loaded again, whose calibration stays while its file cannot be read.
    calib::CGPSMapFuncs loadedCalibration =
        sameMap ? georeference_.Handheld().Calibration() : calib::CGPSMapFuncs();
    const std::string calibrationPath = calib::CalibrationFileName(baseName_);
    const platform::LoadResult calibration =
        calib::LoadCalibrationFile(calibrationPath, loadedCalibration);
    georeference_.Handheld().Calibration() = calibration.status == platform::LoadStatus::Missing
                                      ? calib::CGPSMapFuncs()
                                      : loadedCalibration;
    calibrationFileDamaged_ = calibration.status == platform::LoadStatus::Unreadable ||
                              calibration.status == platform::LoadStatus::Damaged;
    switch (calibration.status) {
    case platform::LoadStatus::Missing:
        notices.push_back(Warning("This map has no calibration information."));
        break;
    case platform::LoadStatus::Unreadable:
    case platform::LoadStatus::Damaged:
        notices.push_back(LoadError(calibration.error));
        break;
    case platform::LoadStatus::Loaded: {
        // Three points on one line give no transform; the last good one, if any, stays.
        const std::string_view why =
            calib::DescribeFitResult(georeference_.Handheld().Calibration().GetFitResult());
        if (!why.empty())
            notices.push_back(Warning(calibrationPath + ": " + std::string(why)));
        break;
    }
    }

    points_.clear();
    points::MapPointList loaded;
    const platform::LoadResult read = points::ReadPointsFile(PointsPath(), loaded);
    pointsFileDamaged_ = !read && read.status != platform::LoadStatus::Missing;
    if (read)
        points_ = std::move(loaded);
    else if (read.status != platform::LoadStatus::Missing)
        notices.push_back(LoadError(read.error));
    return outcome;
}

std::string MapDocument::PointsPath() const {
    return calib::PointsFileName(baseName_);
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
    if (!calib::SaveCalibrationFile(path, georeference_.Handheld().Calibration()))
        return WriteFailure(path);
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

Outcome MapDocument::AddCalibrationPair(const MapPos& plane, const MapPos& geo) {
    calibrationUndo_.push_back(georeference_.Handheld().Calibration());
    const calib::FitResult fit = georeference_.Handheld().Calibration().AddCalibrationPoint(plane, geo);
    std::vector<Notice> notices;
    if (fit != calib::FitResult::Fitted && fit != calib::FitResult::TooFewPairs)
        notices.push_back(Warning(std::string(calib::DescribeFitResult(fit))));
    Outcome outcome = CalibrationSaved();
    notices.insert(notices.end(), outcome.notices.begin(), outcome.notices.end());
    outcome.notices = std::move(notices);
    return outcome;
}

Outcome MapDocument::RemoveCalibrationPair(std::size_t pair) {
    const calib::CGPSMapFuncs before = georeference_.Handheld().Calibration();
    if (!georeference_.Handheld().Calibration().RemoveCalibrationPair(pair))
        return {};
    calibrationUndo_.push_back(before);
    return CalibrationSaved();
}

Outcome MapDocument::Undo() {
    if (calibrationUndo_.empty())
        return {};
    // The variation is not part of the change: a later Map Settings value stays.
    const double magVar = georeference_.Handheld().Calibration().GetMagVar();
    georeference_.Handheld().Calibration() = std::move(calibrationUndo_.back());
    calibrationUndo_.pop_back();
    georeference_.Handheld().Calibration().SetMagVar(magVar);
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
