#include "session/MapSession.h"

#include "base/FileKind.h"
#include "calib/CalibrationFile.h"
#include "calib/RangeBearing.h"
#include "gps/GpsLink.h"
#include "gps/GpsSourceName.h"
#include "platform/SerialPort.h"
#include "platform/SettingsStore.h"
#include "trail/TrailFile.h"
#include "trail/TrailStatistics.h"
#include "xml/GpxReader.h"
#include "xml/GpxWriter.h"

#include <cerrno>
#include <chrono>
#include <cmath>
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

MapSession::MapSession() {
    trail_.recording = false; // until tracking is switched on
}

MapSession::MapSession(const SettingsStore& store) : MapSession() {
    settings_.Load(store);
    settings_.baudAuto = LoadGpsBaudAuto(store);
    configuredGpsDevice_ = LoadGpsDevice(store);
}

void MapSession::SetTrail(trail::TrailBuffer trail) {
    trail_ = std::move(trail);
    trail_.recording = flags_.tracking;
}

std::vector<Notice> MapSession::OpenMap(std::string_view imagePath, int imageHeight) {
    std::vector<Notice> notices;
    georeference_.SetImageHeight(imageHeight);
    std::string baseName = calib::MapBaseName(imagePath);
    const bool sameMap = baseName == mapBaseName_;
    mapBaseName_ = std::move(baseName);
    calibrationUndo_.clear();
    // A pixel chosen on another map names nothing on this one.
    if (!sameMap)
        hasSelection_ = false;

    // A map never carries another map's calibration: it starts uncalibrated, unless it is the
    // map showing, loaded again, whose calibration stays while its file cannot be read.
    calib::CGPSMapFuncs loadedCalibration =
        sameMap ? georeference_.Calibration() : calib::CGPSMapFuncs();
    const std::string calibrationPath = calib::CalibrationFileName(mapBaseName_);
    const platform::LoadResult calibration =
        calib::LoadCalibrationFile(calibrationPath, loadedCalibration);
    georeference_.Calibration() = calibration.status == platform::LoadStatus::Missing
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
            calib::DescribeFitResult(georeference_.Calibration().GetFitResult());
        if (!why.empty())
            notices.push_back(Warning(calibrationPath + ": " + std::string(why)));
        break;
    }
    }

    mapPoints_.clear();
    points::MapPointList loaded;
    const platform::LoadResult read = points::ReadPointsFile(PointsPath(), loaded);
    pointsFileDamaged_ = !read && read.status != platform::LoadStatus::Missing;
    if (read)
        mapPoints_ = std::move(loaded);
    else if (read.status != platform::LoadStatus::Missing)
        notices.push_back(LoadError(read.error));
    UpdateSelectionText();
    return notices;
}

std::string MapSession::PointsPath() const {
    return calib::PointsFileName(mapBaseName_);
}

std::optional<Notice> MapSession::SetAsideIfDamaged(bool& damaged, const std::string& path) {
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

std::optional<Notice> MapSession::SaveCalibration() {
    const std::string path = calib::CalibrationFileName(mapBaseName_);
    if (auto notice = SetAsideIfDamaged(calibrationFileDamaged_, path))
        return notice;
    if (!calib::SaveCalibrationFile(path, georeference_.Calibration()))
        return WriteFailure(path);
    return std::nullopt;
}

std::optional<Notice> MapSession::SavePoints() {
    const std::string path = PointsPath();
    if (auto notice = SetAsideIfDamaged(pointsFileDamaged_, path))
        return notice;
    if (const platform::FileResult written = points::WritePointsFile(path, mapPoints_); !written)
        return WriteFailure(written.error);
    return std::nullopt;
}

std::vector<Notice> MapSession::AddCalibrationPoint(const MapPos& geo) {
    std::vector<Notice> notices;
    if (!hasSelection_)
        return notices;
    // The calibration plane counts rows from the bottom of the image.
    const MapPos plane = georeference_.ToPlane(selection_);
    calibrationUndo_.push_back(georeference_.Calibration());
    const calib::FitResult fit = georeference_.Calibration().AddCalibrationPoint(plane, geo);
    if (fit != calib::FitResult::Fitted && fit != calib::FitResult::TooFewPairs)
        notices.push_back(Warning(std::string(calib::DescribeFitResult(fit))));
    if (auto notice = SaveCalibration())
        notices.push_back(std::move(*notice));
    UpdateSelectionText();
    return notices;
}

std::vector<Notice> MapSession::RemoveCalibrationPair(std::size_t pair) {
    std::vector<Notice> notices;
    const calib::CGPSMapFuncs before = georeference_.Calibration();
    if (!georeference_.Calibration().RemoveCalibrationPair(pair))
        return notices;
    calibrationUndo_.push_back(before);
    if (auto notice = SaveCalibration())
        notices.push_back(std::move(*notice));
    UpdateSelectionText();
    return notices;
}

std::vector<Notice> MapSession::UndoCalibrationChange() {
    std::vector<Notice> notices;
    if (calibrationUndo_.empty())
        return notices;
    // The variation is not part of the change: a later Map Settings value stays.
    const double magVar = georeference_.Calibration().GetMagVar();
    georeference_.Calibration() = std::move(calibrationUndo_.back());
    calibrationUndo_.pop_back();
    georeference_.Calibration().SetMagVar(magVar);
    if (auto notice = SaveCalibration())
        notices.push_back(std::move(*notice));
    UpdateSelectionText();
    return notices;
}

std::optional<Notice> MapSession::SetMagVar(double degrees) {
    georeference_.Calibration().SetMagVar(degrees);
    auto notice = SaveCalibration();
    UpdateSelectionText();
    return notice;
}

void MapSession::EditMapPoints(const std::function<void(points::MapPointList&)>& edit) {
    edit(mapPoints_);
}

std::optional<Notice> MapSession::NewPointAtCursor(const points::LocalDateTime& when) {
    if (!hasSelection_)
        return std::nullopt;
    mapPoints_.push_back(points::MakeCursorPoint(georeference_.ToGeo(selection_), when));
    return SavePoints();
}

bool MapSession::StorePosition(const points::LocalDateTime& when, std::optional<Notice>& notice) {
    if (!gpsConnected_)
        return false;
    // The position the link holds, fix or not: (0, 0) before the first one.
    mapPoints_.push_back(points::MakeGpsPositionPoint(gpsFix_.position, when));
    notice = SavePoints();
    return true;
}

std::optional<Notice> MapSession::Connect(gps::GpsLink& link) {
    const std::string device = platform::GpsDevicePath(
        settings_.comPort, gpsDevice_.empty() ? configuredGpsDevice_ : gpsDevice_);
    // A network source connects on the link's thread: the window never waits for a name
    // lookup or a server that does not answer.
    if (!link.OpenWithoutWaiting(
            device, gpsBaud_.value_or(settings_.baudAuto ? gps::kAutoBaud : settings_.baudRate))) {
        const auto name = gps::ParseGpsSourceName(device);
        const bool serial = name.parts && name.parts->kind == gps::GpsSourceKind::Serial;
        return Notice{Notice::Kind::Warning,
                      (serial ? "Unable to open COM port\n" : "Unable to open the GPS source\n") +
                          link.OpenError(),
                      "Error"};
    }
    gpsConnected_ = true;
    gpsEpochs_ = {};
    journal_.AddBreak(trail_);
    SetStatusText(link.IsConnecting() ? "GPS: " + link.ConnectingText() : gps::StatusConnected());
    return std::nullopt;
}

void MapSession::Disconnect() {
    if (!gpsFix_.hasFix)
        SetStatusText(gps::StatusDisconnected());
    gpsConnected_ = false;
    gpsFix_.hasFix = false;
}

GpsStep MapSession::OnGpsUpdate(gps::GpsLink& link, std::uint32_t nowMs, bool dragging) {
    GpsStep step;
    // An update posted before Disconnect is dropped.
    if (!gpsConnected_)
        return step;
    const gps::GpsUpdateOutcome outcome =
        gps::HandleGpsUpdate(link, gpsFix_, gpsEpochs_, rateLimit_, nowMs,
                             static_cast<std::uint32_t>(settings_.updateRateMs), coordFormat_);
    if (!outcome.handled)
        return step;
    const gps::GpsBatchResult& batch = outcome.batch;
    step.repaint = outcome.readError || batch.hasNewPosition || batch.fixLost;
    // The trail takes whole receiver fixes, each with its own time; one may complete an update
    // after its position was first shown.
    for (const gps::GpsEpoch& epoch : outcome.epochs)
        if (!outcome.readError && trail_.recording &&
            journal_.Record(trail_,
                            trail::TrackPoint{epoch.position, epoch.utcMs, epoch.heightM,
                                              epoch.speedKnots, epoch.courseDeg},
                            settings_.trailMinDelta, settings_.trailLength,
                            settings_.trailMaxSpeedKmh))
            step.repaint = true;
    if (!outcome.readError && batch.hasNewPosition) {
        step.centreOnGps = flags_.follow && !dragging && georeference_.HasTransform();
        step.cursorChanged = UpdateSelectionText();
    }
    // The rate the line found is shown once, then the positions again.
    step.statusChanged =
        SetStatusText(outcome.note.empty() ? outcome.status : "GPS: " + outcome.note);
    return step;
}

namespace {

// The trail's samples as a recording without times, oldest first.
std::vector<trail::JournalEntry> EntriesOf(const trail::TrailBuffer& trail) {
    std::vector<trail::JournalEntry> entries;
    for (const MapPos& sample : trail.OldestToNewest())
        entries.push_back(sample.IsSet()
                              ? trail::JournalEntry{trail::JournalEntry::Kind::Fix, {sample}}
                              : trail::JournalEntry::Break(0));
    return entries;
}

} // namespace

bool MapSession::JournalHoldsTheTrail() const {
    // A journal that failed, or reads back empty while the map shows a trail, holds less than
    // the trail shows.
    return journal_.Keeps() && (journal_.EntryCount() > 0 || trail_.Empty());
}

std::optional<Notice> MapSession::SaveTrail(const std::string& path) const {
    // GPX has room for times and heights: it gets the whole recording the journal holds, not
    // only the samples the trail keeps.
    if (base::SavedTrailFormat(path).keepsTimes && JournalHoldsTheTrail()) {
        xml::GpxLeftOut leftOut;
        if (!journal_.ExportGpx(path, &leftOut))
            return WriteFailure(path);
        // A glitch of the receiver (an altitude of 1e308) is left out, never written for a
        // reader to refuse; the user is told what is missing.
        if (const std::string text = xml::GpxLeftOutText(leftOut); !text.empty())
            return Notice{Notice::Kind::Warning, path + ": " + text + ".", "Warning"};
        return std::nullopt;
    }
    if (!trail::SaveTrail(trail_, path))
        return WriteFailure(path);
    return std::nullopt;
}

std::optional<Notice> MapSession::LoadTrail(const std::string& path) {
    // Read into a copy first: a refused file leaves the trail and the journal as they were.
    // The loaded samples are added to what the map shows, fenced by breaks.
    trail::TrailBuffer taken = trail_;
    trail::Track loaded;
    if (const auto read = trail::LoadTrail(taken, path, settings_.trailLength, &loaded); !read) {
        // A GPX or KML file says why it was refused (the error names the path).
        const base::FileKind kind = base::LoadedTrailFormat(path).kind;
        const bool xml = kind == base::FileKind::Gpx || kind == base::FileKind::Kml;
        return Notice{Notice::Kind::Error, "Unable to open file: " + (xml ? read.error : path),
                      "Load Error"};
    }
    // In the journal the loaded trail starts a new recording; the one before is kept aside as
    // Clear Trail keeps it, never merged with the file.
    const bool recording = trail_.recording;
    journal_.Clear(trail_);
    trail_ = std::move(taken);
    trail_.recording = recording;
    journal_.Loaded(loaded);
    SetStatusText(statusText_);
    return std::nullopt;
}

std::optional<Notice> MapSession::OpenJournal(const std::string& path) {
    journal_.Open(path, trail_, settings_.trailLength);
    SetStatusText(statusText_);
    if (journal_.OpenNotice().empty())
        return std::nullopt;
    return Warning(journal_.OpenNotice());
}

namespace {

std::string UtcText(std::int64_t utcMs) {
    if (utcMs == 0)
        return "unknown";
    const std::chrono::sys_seconds t{std::chrono::floor<std::chrono::seconds>(
        std::chrono::sys_time<std::chrono::milliseconds>(std::chrono::milliseconds(utcMs)))};
    const std::chrono::year_month_day day{std::chrono::floor<std::chrono::days>(t)};
    const std::chrono::hh_mm_ss time{t - std::chrono::floor<std::chrono::days>(t)};
    char text[40];
    std::snprintf(text, sizeof text, "%04d-%02u-%02u %02ld:%02ld:%02ld UTC",
                  static_cast<int>(day.year()), static_cast<unsigned>(day.month()),
                  static_cast<unsigned>(day.day()), static_cast<long>(time.hours().count()),
                  static_cast<long>(time.minutes().count()),
                  static_cast<long>(time.seconds().count()));
    return text;
}

std::string DurationText(double seconds) {
    const auto whole = static_cast<long long>(seconds + 0.5);
    char text[40];
    std::snprintf(text, sizeof text, "%lld:%02lld:%02lld", whole / 3600, whole / 60 % 60,
                  whole % 60);
    return text;
}

} // namespace

std::string MapSession::TrailStatisticsText() const {
    if (!journal_.IsOpen() && !journal_.Failed())
        return "The trail is not being recorded.";
    // Read in pieces: a long recording needs no more memory than a short one.
    trail::TrailStatisticsBuilder statistics;
    if (JournalHoldsTheTrail()) {
        std::string error;
        journal_.ReadRecording([&](const trail::JournalEntry& e) { statistics.Add(e); }, error);
    } else {
        for (const trail::JournalEntry& e : EntriesOf(trail_))
            statistics.Add(e);
    }
    const trail::TrailStatistics s = statistics.Result();
    return "Length: " + coords::FormatFixed(s.lengthM / 1000.0, 2) + " km\n" +
           "Time moving: " + DurationText(s.movingSeconds) + "\n" +
           "Average speed: " + coords::FormatFixed(s.averageKmh, 1) + " km/h\n" +
           "Top speed: " + coords::FormatFixed(s.topKmh, 1) + " km/h\n" +
           "Start: " + UtcText(s.startUtcMs) + "\n" + "End: " + UtcText(s.endUtcMs);
}

void MapSession::ClearTrail() {
    journal_.Clear(trail_);
    SetStatusText(statusText_);
}

void MapSession::ApplySettings(const ViewSettings& settings, std::string device,
                               SettingsStore& store) {
    settings_ = settings;
    configuredGpsDevice_ = std::move(device);
    settings_.Save(store);
    SaveGpsDevice(store, configuredGpsDevice_);
    SaveGpsBaudAuto(store, settings_.baudAuto);
    trail_.TrimTo(settings_.trailLength);
}

bool MapSession::Select(const MapPos& image) {
    selection_ = image;
    hasSelection_ = true;
    return UpdateSelectionText();
}

bool MapSession::UpdateSelectionText() {
    const MapPos geo = georeference_.ToGeo(selection_);
    // Without a transform, or off the earth, the selection has no position: its pixel shows.
    const bool placed = georeference_.HasTransform() && std::isfinite(geo.x) &&
                        std::isfinite(geo.y) && std::abs(geo.y) <= 90.0;
    std::string text = "Sel: ";
    if (!hasSelection_)
        text = "Sel:";
    else if (placed)
        text += coords::FormatPosition(geo, coordFormat_);
    else
        text += "x " + coords::FormatFixed(selection_.x, 0) + " y " +
                coords::FormatFixed(selection_.y, 0);
    if (hasSelection_ && placed && gpsConnected_) {
        // Measured from the position the link holds, fix or not.
        const calib::RangeBearing r =
            georeference_.Calibration().RangeAndBearing(gpsFix_.position, geo);
        text += " RB:" + coords::FormatFixed(r.distance, 0) + "m " +
                coords::FormatFixed(r.magneticBearing, 0) + "\u00b0";
    }
    if (text == cursorText_)
        return false;
    cursorText_ = std::move(text);
    return true;
}

void MapSession::SetShowFlags(const ShowFlags& flags) {
    const bool startTracking = flags.tracking && !flags_.tracking;
    if (flags.mapPoints != flags_.mapPoints)
        pointsRevealed_ = false;
    flags_ = flags;
    trail_.recording = flags.tracking;
    if (startTracking)
        journal_.AddBreak(trail_);
}

bool MapSession::SetStatusText(std::string text) {
    // Said on every status line until the journal works again, so it cannot scroll away.
    static constexpr std::string_view kNotSaved = " Trail not saved.";
    static constexpr std::string_view kHeldElsewhere =
        " Trail not recorded: another QUILO window is recording.";
    for (const std::string_view said : {kNotSaved, kHeldElsewhere})
        if (text.ends_with(said))
            text.resize(text.size() - said.size());
    if (journal_.HeldElsewhere())
        text += kHeldElsewhere;
    else if (journal_.Failed())
        text += kNotSaved;
    if (text == statusText_)
        return false;
    statusText_ = std::move(text);
    return true;
}

} // namespace session
