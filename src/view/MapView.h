#pragma once

#include "coords/CoordFormat.h"
#include "gps/GpsLink.h"
#include "platform/ImageLoader.h"
#include "session/MapSession.h"
#include "view/MapPaint.h"
#include "map/MapPyramid.h"
#include "view/PointerGesture.h"
#include "map/PyramidTarget.h"
#include "view/SymbolCache.h"
#include "view/SymbolPainter.h"
#include "view/TrailLayer.h"
#include "view/ViewGeometry.h"

#include <QEvent>
#include <QImage>
#include <QString>
#include <QWidget>

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class QGestureEvent;
class QMenu;
class QNativeGestureEvent;
class QThread;
class QTimer;

class SettingsStore;

// Bounds of a map load; tests lower them to reach the other side with small images.
struct MapLoadLimits {
    // PNG, GIF and BMP files decode whole in memory, up to this size.
    int imageAllocationMb = platform::kImageAllocationLimitMb;
    // JPEG maps of at least this many pixels show a small picture first while they decode.
    long long previewMinPixels = 2048LL * 2048;
};

// The context menu's commands.
enum ContextCommand : int {
    kCmdNewPointAtCursor = 32830,
    kCmdGoToGpsPosition = 32833,
    kCmdGoToMapCentre = 32834,
};

// The one window that shows the map and everything on it. It holds the pixels (the map image,
// the geometry of zoom and scroll), turns pointer and key events into gestures, runs the
// context menu and the dialogs, and paints; the state and the decisions on it are the
// MapSession's. Each command is one session call, a message box for each notice and a
// repaint; the paint happens later, once, whatever number of changes came before it.
class MapView : public QWidget {
    Q_OBJECT

public:
    // The session reads its settings from store.
    explicit MapView(const SettingsStore& store, QWidget* parent = nullptr);
    // Waits for any map still decoding in the background.
    ~MapView() override;

    [[nodiscard]] const session::MapSession& Session() const { return session_; }
    // Replaces the whole state (tests and benchmarks build a scene this way) and repaints.
    void SetSession(session::MapSession session);

    // --- Pixels and geometry -------------------------------------------------------------
    // A newly loaded map image (null for none): takes its size, zoom 1.0, scroll (0, 0).
    void SetMapImage(const QImage& image);
    // The same for a map already cut into its pyramid (empty for none).
    void SetMap(map::MapPyramid map);
    [[nodiscard]] const ViewGeometry& Geometry() const { return geometry_; }
    // Clamped to [ViewGeometry::kMinZoom, kMaxZoom].
    void SetZoom(double zoom);
    void ScrollTo(ViewPoint offset);
    // Arrow keys (Qt::Key_Left ... Qt::Key_Down) scroll by a fifth of the width; returns
    // false, doing nothing, for any other key.
    bool ScrollByKey(int qtKey);
    // Centres on the GPS position while the link is connected and the map calibrated;
    // otherwise does nothing.
    void CentreOnGps();
    void GoToMapCentre();
    // Paints one frame onto painter exactly as the window shows it (the paint handler calls
    // it; benchmarks and tests call it on an image of the client size).
    void PaintFrame(QPainter& painter);

    // --- What the frame sets -------------------------------------------------------------
    void SetShowFlags(const session::ShowFlags& flags);
    // Takes effect at the next tap or GPS update.
    void SetCoordFormat(coords::CoordFormat format);
    // Selects an image pixel, as a tap does, and writes it on the cursor line.
    void SetSelection(const MapPos& image);
    // A device path used instead of the configured COM port ("quilo --gps PATH").
    void SetGpsDevice(std::string device);
    // A baud rate (or gps::kAutoBaud) used instead of the configured one ("quilo --baud").
    void SetGpsBaud(std::int32_t baud) { session_.SetGpsBaud(baud); }
    // Replaces the link (tests shorten its polling); disconnects first.
    void SetGpsLinkOptions(const gps::GpsLinkOptions& options);

    // --- Commands --------------------------------------------------------------------------
    // Loads the image at path with the calibration and points files beside it; zoom 1.0,
    // scroll (0, 0). False, with the reason in *error (if given), when the image cannot be
    // decoded: then the map showing stays as it was.
    bool LoadMap(const QString& path, QString* error = nullptr);
    // The same in the background: the window stays responsive while the image decodes and
    // its pyramid is cut, MapLoadProgress reports how far it got and MapLoadFinished ends
    // it. Until then the map showing stays; a load still running is cancelled first.
    void StartLoadMap(const QString& path);
    // Drops the load in progress: the map showing stays as it was. MapLoadFinished follows.
    void CancelMapLoad();
    // A JPEG map of many pixels shows a picture of itself at 1/8 of its resolution while it
    // decodes, at the zoom (100 %) and scroll (0, 0) it will open with, under the GPS and
    // cursor lines but no other overlay (its calibration is not read yet). Until the map itself
    // shows, the picture can be dragged, the drag carried over to the map; nothing else moves the
    // view, and the map, zoom, scroll, calibration, points and selection of the map before stay as
    // they were, for a cancel or a failure to go back to.
    [[nodiscard]] bool ShowsMapPreview() const { return preview_.has_value(); }
    void SetLoadLimits(const MapLoadLimits& limits) { loadLimits_ = limits; }
    // Whether a background load is waiting for its result.
    [[nodiscard]] bool MapLoading() const { return load_ != nullptr; }
    // Worker threads still running, cancelled ones included.
    [[nodiscard]] int LoadWorkers() const { return static_cast<int>(workers_.size()); }
    // Trail file or KML by the extension; false after a message box.
    bool SaveTrail(const QString& path);
    bool LoadTrail(const QString& path);
    void OnClearTrail();
    // Keeps the trail in the journal at path, showing what it already holds. Damage read past
    // in it is told in a message box once the window's events run, so a start is not held up.
    void OpenJournal(const std::string& path);
    // View > Trail Statistics...: the recording's figures in a message box.
    void OnTrailStatistics();
    void OnGpsConnect();
    void OnGpsDisconnect();
    // The reader thread posts this event; the view handles it on its own thread.
    static constexpr QEvent::Type kGpsUpdateEvent = static_cast<QEvent::Type>(QEvent::User + 1);
    // A point at the GPS position (nothing while disconnected), then the list.
    void OnStorePosition();
    // The Edit Map Points list; centres on the point chosen with Show.
    void OnEditPoints();
    // The commands on the map's calibration and points do nothing while a map loads (the frame
    // disables them), and a load that ends while one of their dialogs is open shows its map
    // once the dialog closes: what is entered goes to the files of the map it was entered on.
    // Adds a calibration pair: the selection and the position typed for it; saves the file.
    void OnEnterCalibrationPoint();
    // The Map Settings dialog; on OK the variation is set and the calibration file saved.
    void OnMapSettings();
    // The calibration pairs with the fit's error; a pair deleted or the last change undone
    // writes the file at once.
    void OnCalibrationPoints();
    // The selection's true position typed in: says how far and which way the map's fit is
    // from it. Nothing is stored.
    void OnCheckPosition();
    // A typed position becomes the selection, and the view centres on it; true when it did.
    bool OnGoToPosition();
    // A note on the status line (see MapSession::ShowStatusNote).
    void ShowStatusNote(const std::string& text);
    // The image last loaded; empty without a map.
    [[nodiscard]] QString MapPath() const { return map_.Empty() ? QString() : mapImagePath_; }
    // True while the view is empty (no map, trail or points) and says how to fill it.
    [[nodiscard]] bool ShowsNoMapHint() const;
    // True while the calibration points are drawn as numbered marks.
    [[nodiscard]] bool ShowsCalibrationMarks() const { return calibrationMarks_ > 0; }
    // The GPS Settings sheet; when it closes, however, its values are applied and written to
    // store.
    void OnGpsSettings(SettingsStore& store);
    // A command of the context menu (ContextCommand).
    void OnContextCommand(int id);

signals:
    // The zoom changed by the wheel or a pinch (not by SetZoom).
    void ZoomChanged();
    // Connect or Disconnect ran, whatever its outcome.
    void ConnectionChanged();
    // Percent done, or -1 while the image itself decodes (no measure of that).
    void MapLoadProgress(int percent);
    // loaded: the map now shows. Otherwise error says why, or is empty after a cancel.
    void MapLoadFinished(const QString& path, bool loaded, const QString& error);
    // A background load's small picture of the map shows now; MapLoadFinished follows.
    void MapPreviewShown(const QString& path);
    // Every row in view of a map whose picture shows is drawn at full resolution; the rest of
    // the map is still decoding.
    void MapFullResolutionShown(const QString& path);

protected:
    void paintEvent(QPaintEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool event(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    struct LoadedMap;
    struct LoadJob;
    // Decodes the image and cuts its pyramid, on whichever thread; progress gets the fraction
    // done and returns false to stop (given -1, from another thread, it only says whether to
    // go on). preview (if given) gets a small picture of a large JPEG
    // map while the rest decodes, on another thread.
    static LoadedMap DecodeMap(const QString& path, const MapLoadLimits& limits,
                               const std::function<bool(double)>& progress,
                               const std::function<void(map::MapPyramid)>& preview,
                               const std::function<void(map::MapPyramid, int)>& rowsStored = {});
    // Shows a decoded map with the calibration and points files beside it, scrolled to scroll;
    // false, with the reason, when there is none.
    bool AdoptLoadedMap(const QString& path, LoadedMap loaded, QString* error,
                        ViewPoint scroll = {});
    void ShowPreview(const QString& path, map::MapPyramid picture);
    // The map's first rows at full resolution, drawn over the picture as they are decoded.
    void ShowPreviewRows(const QString& path, map::MapPyramid map, int rows);
    // Keeps a shown map for the next open on a worker (flushing it takes a second or more),
    // then shows it from where it is kept.
    void CommitInBackground(std::shared_ptr<map::PyramidTarget> keep);
    // The geometry pointer gestures move: the picture's while it shows.
    ViewGeometry& PointerGeometry() { return preview_ ? preview_->geometry : geometry_; }
    void OnWorkerFinished(QThread* worker, const std::shared_ptr<LoadJob>& job);

    // Whether a map command can run now; says why not when the map has no selection or
    // transform that it needs.
    bool MapCommandReady(const QString& title, bool needsSelection, bool needsTransform);
    // Shows the map of the load that has ended.
    void FinishLoad();
    // A dialog of a map command is open for as long as one of these lives.
    class MapDialogOpen {
    public:
        explicit MapDialogOpen(MapView& view);
        ~MapDialogOpen();
        MapDialogOpen(const MapDialogOpen&) = delete;
        MapDialogOpen& operator=(const MapDialogOpen&) = delete;

    private:
        MapView& view_;
    };

    void Tell(const session::Notice& notice);
    void Tell(const std::optional<session::Notice>& notice);
    // Repaints the band of a line whose text changed, when it is shown.
    void StatusTextChanged();
    void CursorTextChanged();
    void CentreOn(const MapPos& image);
    void OnGpsUpdate();
    void OnNewPointAtCursor();
    void CreatePointerHandling();
    void ShowContextMenu(ViewPoint at);
    // Zooms by factor about view pixel at; a run of steps at one pixel keeps one map point.
    void ZoomAt(double factor, ViewPoint at);
    void OnPinch(QGestureEvent* event);
    void OnNativeZoom(QNativeGestureEvent* event);

    session::MapSession session_;
    ViewGeometry geometry_;
    map::MapPyramid map_;
    QString mapImagePath_;
    TrailPens trailPens_;
    SymbolCache symbols_;
    TrailLayer trailLayer_;
    bool pensOutdated_ = true; // the ramp is built at the first paint

    std::unique_ptr<gps::GpsLink> gpsLink_;
    PointerGesture gesture_;
    QTimer* holdTimer_ = nullptr;
    QMenu* contextMenu_ = nullptr;

    // Wheel angle not yet turned into a step (smooth wheels send a fraction of a notch).
    int wheelRemainder_ = 0;
    // The map point held under the pointer by the last wheel or pinch step, while the pointer
    // and the view stay where that step left them.
    struct ZoomAnchor {
        ViewPoint at;
        MapPos image;
        ViewPoint scroll;
        double zoom = 0.0;
    };
    std::optional<ZoomAnchor> zoomAnchor_;
    // Dialogs open that show the calibration points on the map.
    int calibrationMarks_ = 0;
    friend class CalibrationMarksShown;
    int mapDialogs_ = 0; // open MapDialogOpen
    struct Preview {
        map::MapPyramid picture;
        ViewGeometry geometry; // of the picture, zoomed to show it at the map's size
        map::MapPyramid full;       // the map being decoded: only its first fullRows rows are read
        int fullRows = 0;
        bool fullShown = false; // every row in view has been drawn at full resolution
    };
    std::optional<Preview> preview_;
    MapLoadLimits loadLimits_;
    std::shared_ptr<LoadJob> load_; // the background load whose result is wanted
    std::vector<QThread*> workers_;
};
