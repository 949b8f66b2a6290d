#pragma once

#include "calib/CGPSMapFuncs.h"
#include "coords/CoordFormat.h"
#include "gps/GpsFix.h"
#include "gps/GpsUpdateFold.h"
#include "map/HandheldGeoreference.h"
#include "points/NewMapPoint.h"
#include "points/PointsFile.h"
#include "session/ShowFlags.h"
#include "session/ViewSettings.h"
#include "trail/TrailBuffer.h"
#include "trail/TrailJournal.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class SettingsStore;
namespace gps {
class GpsLink;
}

namespace session {

// What to tell the user: the map view shows it as a message box.
struct Notice {
    enum class Kind { Warning, Error };
    Kind kind = Kind::Error;
    std::string text;
    std::string caption;
    friend bool operator==(const Notice&, const Notice&) = default;
};

// What a GPS update changed, for the view to repaint.
struct GpsStep {
    bool repaint = false;       // marker, trail or fix changed
    bool centreOnGps = false;   // follow the new position
    bool statusChanged = false; // the status text is a new one
    bool cursorChanged = false; // the cursor text is a new one
};

// Everything the map view shows apart from its pixels, and the decisions on it: the loaded
// map's calibration and points files (with the set-aside of a damaged one), the GPS fix and
// connection, the trail and when to record and follow, map point creation, and the texts of
// the status and cursor lines. No window: what the user must be told comes back as Notices.
class MapSession {
public:
    // Reads the settings and the "GPSDevice" override from store. The lines start as "GPS:"
    // and "Sel:"; nothing is shown and nothing recorded until SetShowFlags.
    explicit MapSession(const SettingsStore& store);
    MapSession(); // default settings

    // --- State -----------------------------------------------------------------------------
    // Where the map's pixels lie on the earth: its calibration and the image height.
    [[nodiscard]] const map::HandheldGeoreference& Georeference() const { return georeference_; }
    [[nodiscard]] const calib::CGPSMapFuncs& Calibration() const {
        return georeference_.Calibration();
    }
    [[nodiscard]] const points::MapPointList& MapPoints() const { return mapPoints_; }
    [[nodiscard]] const trail::TrailBuffer& Trail() const { return trail_; }
    [[nodiscard]] const ViewSettings& Settings() const { return settings_; }
    [[nodiscard]] const gps::GpsFix& GpsFix() const { return gpsFix_; }
    [[nodiscard]] bool GpsConnected() const { return gpsConnected_; }
    [[nodiscard]] const MapPos& Selection() const { return selection_; }
    // False until a pixel of the map showing is selected: at start and after another map
    // opens, whose pixels the last selection does not name.
    [[nodiscard]] bool HasSelection() const { return hasSelection_; }
    [[nodiscard]] const ShowFlags& Flags() const { return flags_; }
    [[nodiscard]] coords::CoordFormat CoordFormat() const { return coordFormat_; }
    [[nodiscard]] const std::string& StatusText() const { return statusText_; }
    [[nodiscard]] const std::string& CursorText() const { return cursorText_; }
    [[nodiscard]] const std::string& MapBaseName() const { return mapBaseName_; }
    [[nodiscard]] const std::string& ConfiguredGpsDevice() const { return configuredGpsDevice_; }

    // Set as they are, for tests and benchmarks that build a scene (no file is written).
    void SetCalibration(const calib::CGPSMapFuncs& calibration) {
        georeference_.Calibration() = calibration;
    }
    void SetMapPoints(points::MapPointList mapPoints) { mapPoints_ = std::move(mapPoints); }
    void SetTrail(trail::TrailBuffer trail); // recording as the tracking flag says
    void SetSettings(const ViewSettings& settings) { settings_ = settings; }
    void SetGpsFix(const gps::GpsFix& fix) { gpsFix_ = fix; }
    // The map's calibration and the height of the image the map view shows.
    void SetGeoreference(map::HandheldGeoreference georeference) {
        georeference_ = std::move(georeference);
    }

    // --- Map files ---------------------------------------------------------------------------
    // A map image was loaded: reads the calibration and points files beside it (the path
    // minus its last four characters, plus ".mcd" and ".pts"). A missing calibration is a
    // warning and leaves the map uncalibrated; a missing points file is nothing. A file that
    // cannot be read or is damaged is an error and is set aside as NAME.damaged before the
    // first write over it; the map then has no points, and no calibration unless it is the
    // same map loaded again, whose calibration stays. Another map starts with no selection.
    std::vector<Notice> OpenMap(std::string_view imagePath, int imageHeight);
    // Writes the calibration file; the notice when it could not be written.
    std::optional<Notice> SaveCalibration();
    std::optional<Notice> SavePoints();
    // A calibration pair: the selection and the position typed for it; then the file. Nothing
    // without a selection.
    std::vector<Notice> AddCalibrationPoint(const MapPos& geo);
    // Removes calibration pair `pair` (0 = oldest) and writes the file; nothing for a pair
    // not held.
    std::vector<Notice> RemoveCalibrationPair(std::size_t pair);
    // Puts back the calibration as it was before the last pair added or removed since the
    // map was opened, and writes the file; nothing when there is none.
    std::vector<Notice> UndoCalibrationChange();
    [[nodiscard]] bool CanUndoCalibrationChange() const { return !calibrationUndo_.empty(); }
    std::optional<Notice> SetMagVar(double degrees);
    // Gives edit the map points to change in place (the Edit Map Points list). Nothing is set
    // aside here: the list's changes are written through SavePoints.
    void EditMapPoints(const std::function<void(points::MapPointList&)>& edit);
    [[nodiscard]] std::string PointsPath() const;

    // --- Map points --------------------------------------------------------------------------
    // "Map point <time>" at the selection, written to the points file; nothing without one.
    std::optional<Notice> NewPointAtCursor(const points::LocalDateTime& when);
    // "GPS position <time>" at the position the link holds, fix or not; false (nothing added)
    // while disconnected.
    bool StorePosition(const points::LocalDateTime& when, std::optional<Notice>& notice);

    // --- GPS ---------------------------------------------------------------------------------
    // The device to open: the one given at start ("quilo --gps PATH") before the configured
    // one, before the COM port's device.
    void SetGpsDevice(std::string device) { gpsDevice_ = std::move(device); }
    // A baud rate (or gps::kAutoBaud) used instead of the configured one ("quilo --baud").
    void SetGpsBaud(std::int32_t baud) { gpsBaud_ = baud; }
    // Opens link with the settings' port and rate. On success: connected, a trail break and
    // "GPS: Connected." ("GPS: Connecting to HOST:PORT..." while a network source connects in
    // the background); otherwise the notice ("Unable to open COM port" for a serial line,
    // "Unable to open the GPS source" for the others), and nothing changed.
    std::optional<Notice> Connect(gps::GpsLink& link);
    // Disconnected: the fix is dropped; without a fix the status says so.
    void Disconnect();
    // One posted update: the rate limit, the fold of what link queued, recording and follow
    // (not while dragging), the texts. Nothing while disconnected.
    GpsStep OnGpsUpdate(gps::GpsLink& link, std::uint32_t nowMs, bool dragging);

    // --- Trail -------------------------------------------------------------------------------
    // Keeps the trail in the journal at path from now on, rebuilding it from what the journal
    // holds (see trail::TrailJournal). Without it the trail lives in memory only. A warning
    // when damage in the journal was read past (said once: the journal is begun again).
    std::optional<Notice> OpenJournal(const std::string& path);
    [[nodiscard]] const trail::TrailJournal& Journal() const { return journal_; }
    // The recording's figures from the journal, one a line: "Length: 1.23 km", "Time moving:
    // 0:25:10", "Average speed: 4.9 km/h", "Top speed: 6.1 km/h", "Start: 2026-12-08 10:00:00
    // UTC", "End: ..." ("unknown" without times), from the whole recording while the journal keeps
    // it, otherwise from the trail the map shows (without times). Without a journal asked for it
    // says so.
    [[nodiscard]] std::string TrailStatisticsText() const;
    // Empties the trail; the journal starts afresh, the old one kept beside it.
    void ClearTrail();
    // Trail file or KML by the extension.
    std::optional<Notice> SaveTrail(const std::string& path) const;
    // The file's trail replaces the trail; the recording it replaces is set aside as
    // ClearTrail sets it aside, and the journal goes on from the loaded runs.
    std::optional<Notice> LoadTrail(const std::string& path);
    // New settings from the GPS Settings sheet: written to store with the device, and the
    // trail trimmed to its new length.
    void ApplySettings(const ViewSettings& settings, std::string device, SettingsStore& store);

    // --- Selection, flags and texts -------------------------------------------------------
    // Selects an image pixel and writes its position on the cursor line; true when the line
    // changed.
    bool Select(const MapPos& image);
    // "Sel: " + the selection's position, and " RB:...m ...°" from the GPS while connected;
    // "Sel: x 120 y 45" (the image pixel) while the map has no transform or the position
    // would lie off the earth; "Sel:" without a selection. True when the line changed.
    bool UpdateSelectionText();
    // A one-off note on the status line (a dropped file refused, the last map gone); the next
    // GPS update writes over it. True when the line changed.
    bool ShowStatusNote(std::string text) { return SetStatusText(std::move(text)); }
    // Shows at the next selection or GPS update.
    void SetCoordFormat(coords::CoordFormat format) { coordFormat_ = format; }
    // Turning tracking on adds a break to the trail.
    void SetShowFlags(const ShowFlags& flags);
    // Show in the points list: the points are shown whatever the flag says, until the flag
    // itself next changes.
    void RevealMapPoints() { pointsRevealed_ = true; }
    [[nodiscard]] bool ShowsMapPoints() const { return flags_.mapPoints || pointsRevealed_; }

private:
    // Save Trail as GPX and the statistics take the whole recording from the journal while it
    // keeps it, otherwise the trail the map shows.
    [[nodiscard]] bool JournalHoldsTheTrail() const;
    bool SetStatusText(std::string text);
    std::optional<Notice> SetAsideIfDamaged(bool& damaged, const std::string& path);

    map::HandheldGeoreference georeference_;
    points::MapPointList mapPoints_;
    trail::TrailBuffer trail_;
    trail::TrailJournal journal_;
    ViewSettings settings_;
    gps::GpsFix gpsFix_;
    bool gpsConnected_ = false;
    gps::GpsUpdateRateLimit rateLimit_;
    gps::GpsEpochAssembler gpsEpochs_; // of the current connection
    MapPos selection_;
    bool hasSelection_ = false;
    ShowFlags flags_;
    bool pointsRevealed_ = false;
    coords::CoordFormat coordFormat_ = coords::CoordFormat::Dms;
    std::string statusText_ = "GPS:";
    std::string cursorText_ = "Sel:";
    std::string mapBaseName_;
    std::string configuredGpsDevice_;
    std::string gpsDevice_;
    std::optional<std::int32_t> gpsBaud_;
    // The loaded map's calibration or points file exists but could not be read.
    bool calibrationFileDamaged_ = false;
    bool pointsFileDamaged_ = false;
    // The calibrations before each pair added or removed, newest last.
    std::vector<calib::CGPSMapFuncs> calibrationUndo_;
};

} // namespace session
