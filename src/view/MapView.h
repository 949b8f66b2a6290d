#pragma once

#include "coords/CoordFormat.h"
#include "gps/GpsFeed.h"
#include "map/MapPyramid.h"
#include "map/OpenMap.h"
#include "map/PyramidTarget.h"
#include "session/MapSession.h"
#include "view/LoadingPicture.h"
#include "view/MapPaint.h"
#include "view/PointerGesture.h"
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
class QTimer;

class SettingsStore;

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
    // The session reads its settings from store. entryFormat is the format the coordinate
    // dialogs open in, kept by the window (see coords::EnterCoordsDlg).
    MapView(const SettingsStore& store, coords::CoordFormat& entryFormat,
            QWidget* parent = nullptr);

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

    // --- What a MapLoader shows -----------------------------------------------------------
    // While a load runs the map commands do nothing (the frame disables them).
    void SetMapLoading(bool loading) { mapLoading_ = loading; }
    [[nodiscard]] bool MapLoading() const { return mapLoading_; }
    // A JPEG map of many pixels shows a picture of itself (LoadingPicture) while it decodes,
    // under the GPS and cursor lines but no other overlay (its calibration is not read yet).
    // Until the map itself shows, nothing but a drag of the picture moves the view, and the
    // map, zoom, scroll, calibration, points and selection of the map before stay as they
    // were, for a cancel or a failure to go back to.
    void ShowLoadingPicture(map::MapPyramid picture);
    [[nodiscard]] bool ShowsMapPreview() const { return picture_.has_value(); }
    // The map's first rows at full resolution over the picture; true the first time every row
    // in view is.
    bool ShowLoadingRows(map::MapPyramid map, int rows);
    // Ends the picture; returns where it was dragged to.
    ViewPoint EndLoadingPicture();
    // Shows an opened map with the calibration and points files beside it, scrolled to scroll;
    // false, with the reason in *error, when it holds none: then the map showing stays.
    bool ShowMap(const QString& path, map::OpenedMap opened, QString* error, ViewPoint scroll);
    // The pixels of the map showing (those at shown) again, from where they are now kept.
    void ReplaceMapPixels(const map::MapPixel* shown, map::MapPyramid kept);
    // Whether a dialog of a map command is open; MapDialogsClosed says when none is left.
    [[nodiscard]] bool MapDialogsOpen() const { return mapDialogs_ > 0; }

    // --- Commands --------------------------------------------------------------------------
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
    // The last dialog of a map command has closed (after the command that opened it ended).
    void MapDialogsClosed();

protected:
    void paintEvent(QPaintEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool event(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    // The geometry pointer gestures move: the picture's while it shows.
    ViewGeometry& PointerGeometry() { return picture_ ? picture_->Geometry() : geometry_; }

    // Whether a map command can run now; says why not when the map has no selection or
    // transform that it needs.
    bool MapCommandReady(const QString& title, bool needsSelection, bool needsTransform);
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
    void Tell(const std::vector<session::Notice>& notices);
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
    coords::CoordFormat& entryFormat_;
    ViewGeometry geometry_;
    map::MapPyramid map_;
    QString mapImagePath_;
    TrailPens trailPens_;
    SymbolCache symbols_;
    TrailLayer trailLayer_;
    bool pensOutdated_ = true; // the ramp is built at the first paint

    gps::GpsFeed gpsFeed_;
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
    int mapDialogs_ = 0;                    // open MapDialogOpen
    std::optional<LoadingPicture> picture_; // of the map a MapLoader is loading
    bool mapLoading_ = false;
};
