#pragma once

#include "calib/CGPSMapFuncs.h"
#include "coords/CoordFormat.h"
#include "gps/GpsFix.h"
#include "gps/GpsUpdate.h"
#include "map/OpenMap.h"
#include "points/NewMapPoint.h"
#include "session/Changes.h"
#include "session/LiveState.h"
#include "session/MapDocument.h"
#include "session/Notice.h"
#include "session/ShowFlags.h"
#include "session/ViewSettings.h"
#include "trail/Recording.h"
#include "trail/TrackSet.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class SettingsStore;
namespace terrain {
class DemFolder;
}

namespace session {

// What a GPS update changed (marker, trail, status and cursor lines), and whether the view
// follows the new position.
struct GpsStep {
    Changes changes;
    bool centreOnGps = false;
};

// The GPS source to open, and at what rate (a baud rate or gps::kAutoBaud).
struct GpsSourceChoice {
    std::string device;
    std::int32_t baud = 0;
    std::string configured; // the device the settings name ("GPSDevice"), before any override
};

// Where a new map point goes.
enum class NewPointAt {
    Cursor, // "Map point <time>" at the selection; nothing without one
    Gps,    // "GPS position <time>" at the position the link holds, fix or not; nothing while
            // disconnected
};

// Everything the map view shows apart from its pixels, and the decisions on it: the map
// document (the loaded map's calibration and points), the recording (the trail and its
// journal), the GPS fix and connection, when to record and follow, map point creation, and the
// texts of the status and cursor lines. No window: what the user must be told comes back as
// Notices, what changed as Changes.
class MapSession {
public:
    // Reads the settings and the "GPSDevice" override from store. The lines start as "GPS:"
    // and "Sel:"; nothing is shown and nothing recorded until SetShowFlags.
    explicit MapSession(const SettingsStore& store);
    MapSession(); // default settings
    // A scene for tests and benchmarks: the parts as they are (no file is read or written),
    // the switches set as given (the trail recording when they say tracking), disconnected.
    MapSession(MapDocument document, trail::Recording recording, const ViewSettings& settings,
               const ShowFlags& flags = {}, const gps::GpsFix& fix = {});

    // --- State -----------------------------------------------------------------------------
    [[nodiscard]] const MapDocument& Document() const { return document_; }
    // Where the map's pixels lie on the earth (the document's).
    [[nodiscard]] const map::MapGeoreference& Georeference() const {
        return document_.Georeference();
    }
    [[nodiscard]] const trail::Recording& Recording() const { return recording_; }
    [[nodiscard]] const ViewSettings& Settings() const { return settings_; }
    [[nodiscard]] const gps::GpsFix& GpsFix() const { return gpsFix_; }
    [[nodiscard]] bool GpsConnected() const { return gpsConnected_; }
    // The image pixel selected; none at start and after another map opens, whose pixels the
    // last selection does not name.
    [[nodiscard]] const std::optional<MapPos>& Selection() const { return selection_; }
    [[nodiscard]] const ShowFlags& Flags() const { return flags_; }
    // The live display: the receiver's details, the trip meter, the go-to point.
    [[nodiscard]] const LiveState& Live() const { return live_; }
    [[nodiscard]] LiveState& Live() { return live_; }
    // The tracks opened beside the trail; a change to them is a Changed::Trail.
    [[nodiscard]] const trail::TrackSet& Tracks() const { return tracks_; }
    [[nodiscard]] trail::TrackSet& Tracks() { return tracks_; }
    // Adds a track read from a file; one without heights takes the DEM's.
    Changes AddTrack(trail::LoadedTrack track);

    // --- Terrain ---------------------------------------------------------------------------
    // The folder of DEM tiles and elevation rasters ("" for none, as at the start without
    // "DemFolder" in the store): the cursor line gains the height under the selection, and the
    // open tracks without heights take the DEM's.
    Changes SetDemFolder(const std::string& folder);
    // Null without a folder. Safe to use from any thread.
    [[nodiscard]] const std::shared_ptr<terrain::DemFolder>& Dem() const { return dem_; }
    [[nodiscard]] coords::CoordFormat CoordFormat() const { return coordFormat_; }
    [[nodiscard]] const std::string& StatusText() const { return statusText_; }
    [[nodiscard]] const std::string& CursorText() const { return cursorText_; }

    // The size of the image the map view shows, set with its pixels: a position beyond its
    // width is said to be off the map; its height places the handheld's pairs where no file is
    // opened (tests and benchmarks build a scene this way).
    void SetImageSize(int width, int height) {
        imageWidth_ = width;
        document_.SetImageHeight(height);
    }

    // --- Map files ---------------------------------------------------------------------------
    // A map image was loaded: its document reads the calibration and points files beside it
    // (see MapDocument::Open). Another map starts with no selection.
    Outcome OpenMap(std::string_view imagePath, int imageHeight,
                    std::shared_ptr<const map::GridGeoreference> placed = {});
    // A map that opened (map::OpenMap, its shown map set): what its image and file let pass is told
    // first (an image that ends early or is damaged, the readers' warnings), then its document
    // opens with the placement the open found.
    Outcome OpenMap(std::string_view imagePath, map::OpenedMap& opened);
    // A calibration pair: the selection and the position typed for it; then the file. Nothing
    // without a selection.
    Outcome AddCalibrationPoint(const MapPos& geo);
    // Changes the map document in place (a calibration pair removed, the last change undone,
    // the variation, the points edited), then the cursor line.
    Outcome EditDocument(const std::function<Outcome(MapDocument&)>& edit);

    // --- Map points --------------------------------------------------------------------------
    // A new point, named for when, written to the points file.
    Outcome NewPoint(NewPointAt at, const points::LocalDateTime& when);

    // --- GPS ---------------------------------------------------------------------------------
    // The device and the baud rate (or gps::kAutoBaud) given at start ("quilo --gps PATH
    // --baud N"), used before the configured ones (and the device before the COM port's);
    // empty and none leave those.
    void SetGpsDevice(std::string device, std::optional<std::int32_t> baud = std::nullopt) {
        gpsDevice_ = std::move(device);
        gpsBaud_ = baud;
    }
    // What to open: the device from the settings' port and overrides, at the run's or the
    // settings' rate.
    [[nodiscard]] GpsSourceChoice GpsSource() const;
    // The GPS source was opened (or not) as GpsSource says. On success: connected, a trail
    // break and "GPS: Connected." ("GPS: Connecting to HOST:PORT..." while a network source
    // connects in the background), and what that changed; otherwise only the notice ("Unable to
    // open COM port" for a serial line, "Unable to open the GPS source" for the others).
    Outcome Connect(const gps::GpsOpening& opening);
    // Disconnected: the fix is dropped (the marker changes); without a fix the status says so.
    Changes Disconnect();
    // One update taken from the feed: the fix, recording and follow (not while dragging), the
    // texts. Nothing while disconnected or when the rate limit held it back.
    GpsStep OnGpsUpdate(const gps::GpsUpdate& update, bool dragging);

    // --- Trail -------------------------------------------------------------------------------
    // Keeps the trail in the journal at path from now on, rebuilding it from what the journal
    // holds (see trail::TrailJournal). Without it the trail lives in memory only. A warning
    // when damage in the journal was read past (said once: the journal is begun again).
    Outcome OpenJournal(const std::string& path);
    // Empties the trail; the journal starts afresh, the old one kept beside it.
    Changes ClearTrail();
    // The file's trail replaces the trail; the recording it replaces is set aside as
    // ClearTrail sets it aside, and the journal goes on from the loaded runs.
    Outcome LoadTrail(const std::string& path);
    // New settings from the GPS Settings sheet: written to store with the device, and the
    // trail trimmed to its new length.
    void ApplySettings(const ViewSettings& settings, std::string device, SettingsStore& store);

    // --- Selection, flags and texts -------------------------------------------------------
    // Selects an image pixel and writes its position on the cursor line.
    Changes Select(const MapPos& image);
    // A one-off note on the status line (a dropped file refused, the last map gone); the next
    // GPS update writes over it, unless it is to stay holdMs from the tick nowMs: updates taken
    // before then leave it (a driver glancing away must still find it).
    Changes ShowStatusNote(std::string text, std::uint32_t nowMs = 0, std::uint32_t holdMs = 0);
    // Shows at the next selection or GPS update.
    void SetCoordFormat(coords::CoordFormat format) { coordFormat_ = format; }
    // Turning tracking on adds a break to the trail. Returns what the flags show or hide.
    Changes SetShowFlags(const ShowFlags& flags);
    // Show in the points list: the points are shown whatever the flag says, until the flag
    // itself next changes.
    void RevealMapPoints() { pointsRevealed_ = true; }
    [[nodiscard]] bool ShowsMapPoints() const { return flags_.mapPoints || pointsRevealed_; }

private:
    // What the marker and the overlays around it show of the fix and the receiver's details.
    struct MarkerLook {
        MapPos position;
        bool hasFix = false;
        std::optional<double> arrowCourse;
        std::optional<double> accuracyM;
        std::string alarmText;
        std::string arrivalText;
        friend bool operator==(const MarkerLook&, const MarkerLook&) = default;
    };
    [[nodiscard]] MarkerLook LookOfMarker() const;
    // "Sel: " + the selection's position, " H:...m" where the DEM has a height there, and
    // " RB:...m ...°" from the GPS while connected;
    // "Sel: x 120 y 45" (the image pixel) while the map has no transform or the position
    // would lie off the earth; "Sel:" without a selection.
    Changes UpdateSelectionText();
    Changes SetStatusText(std::string text);
    // outcome, with the cursor line brought up to date when the calibration changed.
    Outcome WithSelectionText(Outcome outcome);

    MapDocument document_;
    trail::Recording recording_;
    ViewSettings settings_;
    gps::GpsFix gpsFix_;
    bool gpsConnected_ = false;
    std::optional<MapPos> selection_;
    ShowFlags flags_;
    bool pointsRevealed_ = false;
    coords::CoordFormat coordFormat_ = coords::CoordFormat::Dms;
    std::string statusText_ = "GPS:";
    std::string cursorText_ = "Sel:";
    int imageWidth_ = 0;
    std::uint32_t noteFromMs_ = 0; // the note on the status line stays holdMs from this tick
    std::uint32_t noteHoldMs_ = 0;
    std::string configuredGpsDevice_;
    std::string gpsDevice_;
    std::optional<std::int32_t> gpsBaud_;
    LiveState live_;
    trail::TrackSet tracks_;
    std::shared_ptr<terrain::DemFolder> dem_;
};

// What the session's recording gives, read from it alone.

// The recording's figures from the journal, one a line: "Length: 1.23 km", "Time moving:
// 0:25:10", "Average speed: 4.9 km/h", "Top speed: 6.1 km/h", "Start: 2026-12-08 10:00:00
// UTC", "End: ..." ("unknown" without times), from the whole recording while the journal keeps
// it, otherwise from the trail the map shows (without times). Without a journal asked for it
// says so.
std::string TrailStatisticsText(const trail::Recording& recording);
// The lines of that text for any figures: length, moving time, speeds, start and end.
std::string StatisticsText(const trail::TrailStatistics& statistics);
// Trail file or KML by the extension.
std::optional<Notice> SaveTrail(const trail::Recording& recording, const std::string& path);

} // namespace session
