#include "session/MapSession.h"

#include "base/FileKind.h"
#include "base/Translatable.h"
#include "calib/CalibrationFile.h"
#include "geo/RangeBearing.h"
#include "gps/GpsSourceName.h"
#include "platform/SerialPort.h"
#include "platform/SettingsStore.h"
#include "session/StatusLine.h"
#include "terrain/DemFolder.h"
#include "terrain/TrackHeights.h"
#include "trail/TrailFile.h"
#include "trail/TrailStatistics.h"
#include "xml/GpxReader.h"
#include "xml/GpxWriter.h"

#include <chrono>
#include <cmath>
#include <cstdio>
#include <utility>

namespace session {

namespace {

Notice Warning(std::string text) {
    return {Notice::Kind::Warning, std::move(text), QUILO_TRANSLATABLE("core", "Warning")};
}

Notice WriteFailure(const std::string& what) {
    return {Notice::Kind::Error, QUILO_TRANSLATABLE("core", "Unable to write file: ") + what,
            QUILO_TRANSLATABLE("core", "Save Error")};
}

trail::RecordingRules RulesOf(const ViewSettings& settings) {
    return {settings.trailMinDelta, settings.trailLength,
            static_cast<double>(settings.trailMaxSpeedKmh)};
}

} // namespace

MapSession::MapSession() {
    recording_.SetRules(RulesOf(settings_));
}

MapSession::MapSession(const SettingsStore& store) : MapSession() {
    settings_.Load(store);
    settings_.baudAuto = LoadGpsBaudAuto(store);
    configuredGpsDevice_ = LoadGpsDevice(store);
    recording_.SetRules(RulesOf(settings_));
    SetDemFolder(store.ReadText("Settings", "DemFolder", ""));
}

Changes MapSession::AddTrack(trail::LoadedTrack track) {
    // A loader may have given them on its worker already.
    if (dem_ && !track.heightsFromDem && track.missingDemTiles.empty())
        terrain::GiveHeights(*dem_, track);
    tracks_.Add(std::move(track));
    return Changed::Trail;
}

Changes MapSession::SetDemFolder(const std::string& folder) {
    if (folder.empty())
        dem_.reset();
    else if (!dem_ || dem_->Folder() != folder)
        dem_ = std::make_shared<terrain::DemFolder>(folder);
    Changes changes = UpdateSelectionText();
    for (std::size_t i = 0; dem_ && i < tracks_.Size(); ++i)
        if (!tracks_.All()[i].heightsFromDem && tracks_.Edit(i, [this](trail::LoadedTrack& t) {
                return terrain::GiveHeights(*dem_, t);
            }))
            changes |= Changed::Trail;
    return changes;
}

MapSession::MapSession(MapDocument document, trail::Recording recording,
                       const ViewSettings& settings, const ShowFlags& flags, const gps::GpsFix& fix)
    : document_(std::move(document)), recording_(std::move(recording)), settings_(settings),
      gpsFix_(fix), flags_(flags) {
    recording_.SwitchOn(flags_.tracking);
}

Outcome MapSession::WithSelectionText(Outcome outcome) {
    // The selection's position is the calibration's.
    if (outcome.changes.Has(Changed::Calibration))
        outcome.changes |= UpdateSelectionText();
    return outcome;
}

Outcome MapSession::OpenMap(std::string_view imagePath, int imageHeight,
                            std::shared_ptr<const map::GridGeoreference> placed) {
    // A pixel chosen on another map names nothing on this one.
    if (calib::MapBaseName(imagePath) != document_.BaseName())
        selection_.reset();
    return WithSelectionText(document_.Open(imagePath, imageHeight, std::move(placed)));
}

Outcome MapSession::OpenMap(std::string_view imagePath, map::OpenedMap& opened) {
    const std::string path(imagePath);
    std::vector<Notice> told;
    if (opened.incomplete)
        told.push_back(Warning(path + ": the file ends early; part of the image may be missing."));
    else if (opened.damaged)
        told.push_back(Warning(path + ": the file is damaged; part of the image may be wrong."));
    // A world file without its grid says so in the question that follows, not in a box more.
    if (!map::AsksForGrid(opened.source)) {
        for (std::string& warning : opened.source.warnings)
            told.push_back(Warning(std::move(warning)));
    }
    const int height = opened.shown->Height();
    if (calib::MapBaseName(imagePath) != document_.BaseName())
        selection_.reset();
    Outcome outcome = WithSelectionText(
        document_.Open(imagePath, height, opened.source.grid, std::move(opened.placement)));
    told.insert(told.end(), std::make_move_iterator(outcome.notices.begin()),
                std::make_move_iterator(outcome.notices.end()));
    outcome.notices = std::move(told);
    return outcome;
}

Outcome MapSession::AddCalibrationPoint(const MapPos& geo) {
    if (!selection_)
        return {};
    return WithSelectionText(
        document_.AddCalibrationPair(document_.Georeference().ToPlane(*selection_), geo));
}

Outcome MapSession::EditDocument(const std::function<Outcome(MapDocument&)>& edit) {
    return WithSelectionText(edit(document_));
}

Outcome MapSession::NewPoint(NewPointAt at, const points::LocalDateTime& when) {
    if (at == NewPointAt::Cursor) {
        if (!selection_)
            return {};
        return document_.AddPoint(
            points::MakeCursorPoint(document_.Georeference().ToGeo(*selection_), when));
    }
    if (!gpsConnected_)
        return {};
    // The position the link holds, fix or not: (0, 0) before the first one.
    return document_.AddPoint(points::MakeGpsPositionPoint(gpsFix_.position, when));
}

GpsSourceChoice MapSession::GpsSource() const {
    return {platform::GpsDevicePath(settings_.comPort,
                                    gpsDevice_.empty() ? configuredGpsDevice_ : gpsDevice_),
            gpsBaud_.value_or(settings_.baudAuto ? gps::kAutoBaud : settings_.baudRate),
            configuredGpsDevice_};
}

Outcome MapSession::Connect(const gps::GpsOpening& opening) {
    if (!opening.ok) {
        const auto name = gps::ParseGpsSourceName(GpsSource().device);
        const bool serial = name.parts && name.parts->kind == gps::GpsSourceKind::Serial;
        const std::string what = serial
                                     ? QUILO_TRANSLATABLE("core", "Unable to open COM port")
                                     : QUILO_TRANSLATABLE("core", "Unable to open the GPS source");
        return {{},
                {Notice{Notice::Kind::Warning, what + "\n" + opening.error,
                        QUILO_TRANSLATABLE("core", "Error")}}};
    }
    gpsConnected_ = true;
    recording_.AddBreak();
    return {SetStatusText(opening.connectingText.empty() ? StatusConnected()
                                                         : StatusSaying(opening.connectingText)),
            {}};
}

Changes MapSession::Disconnect() {
    Changes changes = Changed::Marker;
    if (!gpsFix_.hasFix)
        changes |= SetStatusText(StatusDisconnected());
    gpsConnected_ = false;
    gpsFix_.hasFix = false;
    live_.Disconnected();
    return changes;
}

MapSession::MarkerLook MapSession::LookOfMarker() const {
    return {gpsFix_.position,          gpsFix_.hasFix,    live_.ArrowCourse(),
            live_.Details().accuracyM, live_.AlarmText(), live_.ArrivalText(gpsFix_)};
}

GpsStep MapSession::OnGpsUpdate(const gps::GpsUpdate& update, bool dragging) {
    GpsStep step;
    // An update posted before Disconnect is dropped.
    if (!gpsConnected_ || !update.handled)
        return step;
    const MarkerLook before = LookOfMarker();
    gpsFix_ = update.fix;
    step.changes |= live_.Apply(update);
    const bool readError = update.Has(gps::GpsUpdate::kReadError);
    // A receiver standing still sends the same fix again and again: nothing to repaint.
    if (LookOfMarker() != before)
        step.changes |= Changed::Marker;
    // The trail takes whole receiver fixes, each with its own time; one may complete an update
    // after its position was first shown.
    for (const gps::GpsEpoch& epoch : update.epochs)
        if (!readError &&
            recording_.Record(trail::TrackPoint{epoch.position, epoch.utcMs, epoch.heightM,
                                                epoch.speedKnots, epoch.courseDeg}))
            step.changes |= Changed::Trail;
    if (!readError && update.Has(gps::GpsUpdate::kPosition)) {
        step.centreOnGps = flags_.follow && !dragging && document_.Georeference().HasTransform();
        step.changes |= UpdateSelectionText();
    }
    // A held note gives way to the receiver's own news (a note, a lost link), not to a position.
    if (noteHoldMs_ > 0 && update.takenMs - noteFromMs_ < noteHoldMs_ && !readError &&
        !update.Has(gps::GpsUpdate::kNote) && !update.Has(gps::GpsUpdate::kEnded))
        return step;
    noteHoldMs_ = 0;
    // The rate the line found is shown once, then the positions again.
    if (update.Has(gps::GpsUpdate::kNote)) {
        step.changes |= SetStatusText(StatusSaying(update.note));
        return step;
    }
    std::string text = StatusAfter(update, coordFormat_);
    // A window of white around the marker says nothing by itself.
    if (!readError && !update.Has(gps::GpsUpdate::kEnded) && gpsFix_.hasFix)
        if (const std::string off = OffMapText(document_.Georeference(), imageWidth_,
                                               document_.Georeference().ImageHeight(),
                                               gpsFix_.position, live_.Settings().units);
            !off.empty())
            text += " (" + off + ")";
    // Heading-up without a heading turns by course: the user is told why the map swings less.
    if (!readError && live_.HeadingMissing())
        text += " (no heading: course up)";
    step.changes |= SetStatusText(std::move(text));
    return step;
}

Changes MapSession::ShowStatusNote(std::string text, std::uint32_t nowMs, std::uint32_t holdMs) {
    noteFromMs_ = nowMs;
    noteHoldMs_ = holdMs;
    return SetStatusText(std::move(text));
}

std::optional<Notice> SaveTrail(const trail::Recording& recording, const std::string& path) {
    // GPX has room for times and heights: it gets the whole recording the journal holds, not
    // only the samples the trail keeps.
    if (base::SavedTrailFormat(path).keepsTimes && recording.HoldsWholeRecording()) {
        xml::GpxLeftOut leftOut;
        if (!recording.Journal().ExportGpx(path, &leftOut))
            return WriteFailure(path);
        // A glitch of the receiver (an altitude of 1e308) is left out, never written for a
        // reader to refuse; the user is told what is missing.
        if (const std::string text = xml::GpxLeftOutText(leftOut); !text.empty())
            return Notice{Notice::Kind::Warning, path + ": " + text + ".", "Warning"};
        return std::nullopt;
    }
    if (!trail::SaveTrail(recording.Trail(), path))
        return WriteFailure(path);
    return std::nullopt;
}

Outcome MapSession::LoadTrail(const std::string& path) {
    // Read into a copy first: a refused file leaves the trail and the journal as they were.
    // The loaded samples are added to what the map shows, fenced by breaks.
    trail::TrailBuffer taken = recording_.Trail();
    trail::Track loaded;
    if (const auto read = trail::LoadTrail(taken, path, settings_.trailLength, &loaded); !read) {
        // A GPX or KML file says why it was refused (the error names the path).
        const base::FileKind kind = base::LoadedTrailFormat(path).kind;
        const bool xml = kind == base::FileKind::Gpx || kind == base::FileKind::Kml;
        return {
            {},
            {Notice{Notice::Kind::Error,
                    QUILO_TRANSLATABLE("core", "Unable to open file: ") + (xml ? read.error : path),
                    QUILO_TRANSLATABLE("core", "Load Error")}}};
    }
    recording_.ReplaceWithLoaded(std::move(taken), loaded);
    return {Changes(Changed::Trail) | SetStatusText(statusText_), {}};
}

Outcome MapSession::OpenJournal(const std::string& path) {
    Outcome outcome{Changes(Changed::Trail), {}};
    const std::string notice = recording_.Open(path);
    outcome.changes |= SetStatusText(statusText_);
    if (!notice.empty())
        outcome.notices.push_back(Warning(notice));
    return outcome;
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

std::string TrailStatisticsText(const trail::Recording& recording) {
    if (!recording.Journal().IsOpen() && !recording.Journal().Failed())
        return QUILO_TRANSLATABLE("core", "The trail is not being recorded.");
    return StatisticsText(recording.Statistics());
}

std::string StatisticsText(const trail::TrailStatistics& s) {
    return std::string(QUILO_TRANSLATABLE("core", "Length: ")) +
           coords::FormatFixed(s.lengthM / 1000.0, 2) + " km\n" +
           QUILO_TRANSLATABLE("core", "Time moving: ") + DurationText(s.movingSeconds) + "\n" +
           QUILO_TRANSLATABLE("core", "Average speed: ") + coords::FormatFixed(s.averageKmh, 1) +
           " km/h\n" + QUILO_TRANSLATABLE("core", "Top speed: ") +
           coords::FormatFixed(s.topKmh, 1) + " km/h\n" + QUILO_TRANSLATABLE("core", "Start: ") +
           UtcText(s.startUtcMs) + "\n" + QUILO_TRANSLATABLE("core", "End: ") + UtcText(s.endUtcMs);
}

Changes MapSession::ClearTrail() {
    recording_.Clear();
    return Changes(Changed::Trail) | SetStatusText(statusText_);
}

void MapSession::ApplySettings(const ViewSettings& settings, std::string device,
                               SettingsStore& store) {
    settings_ = settings;
    configuredGpsDevice_ = std::move(device);
    settings_.Save(store);
    SaveGpsDevice(store, configuredGpsDevice_);
    SaveGpsBaudAuto(store, settings_.baudAuto);
    recording_.SetRules(RulesOf(settings_));
}

Changes MapSession::Select(const MapPos& image) {
    selection_ = image;
    return UpdateSelectionText();
}

Changes MapSession::UpdateSelectionText() {
    std::string text = "Sel:";
    if (selection_) {
        const MapPos geo = document_.Georeference().ToGeo(*selection_);
        // Without a transform, or off the earth, the selection has no position: its pixel shows.
        const bool placed = document_.Georeference().HasTransform() && std::isfinite(geo.x) &&
                            std::isfinite(geo.y) && std::abs(geo.y) <= 90.0;
        if (placed)
            text += " " + coords::FormatPosition(geo, coordFormat_);
        else
            text += " x " + coords::FormatFixed(selection_->x, 0) + " y " +
                    coords::FormatFixed(selection_->y, 0);
        // Where the DEM has no height nothing is said: a zero would read as sea level.
        if (placed && dem_) {
            if (const terrain::HeightResult h = dem_->Height(geo.y, geo.x);
                h.status == terrain::HeightResult::Status::Ok)
                text += " H:" + coords::FormatFixed(h.metres, 0) + "m";
        }
        if (placed && gpsConnected_) {
            // Measured from the position the link holds, fix or not.
            const calib::RangeBearing r =
                document_.Calibration().RangeAndBearing(gpsFix_.position, geo);
            text += " RB:" + coords::FormatFixed(r.distance, 0) + "m " +
                    coords::FormatFixed(r.magneticBearing, 0) + "\u00b0";
        }
    }
    if (text == cursorText_)
        return {};
    cursorText_ = std::move(text);
    return Changed::CursorLine;
}

Changes MapSession::SetShowFlags(const ShowFlags& flags) {
    if (flags.mapPoints != flags_.mapPoints)
        pointsRevealed_ = false;
    flags_ = flags;
    recording_.SwitchOn(flags.tracking);
    return Changed::Trail | Changed::Points | Changed::StatusLine | Changed::CursorLine;
}

Changes MapSession::SetStatusText(std::string text) {
    // Said on every status line until the journal works again, so it cannot scroll away.
    static constexpr std::string_view kNotSaved = " Trail not saved.";
    static constexpr std::string_view kHeldElsewhere =
        " Trail not recorded: another program is recording into the journal.";
    for (const std::string_view said : {kNotSaved, kHeldElsewhere})
        if (text.ends_with(said))
            text.resize(text.size() - said.size());
    if (recording_.Journal().HeldElsewhere())
        text += kHeldElsewhere;
    else if (recording_.Journal().Failed())
        text += kNotSaved;
    if (text == statusText_)
        return {};
    statusText_ = std::move(text);
    return Changed::StatusLine;
}

} // namespace session
