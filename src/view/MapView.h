#pragma once

#include "coords/CoordFormat.h"
#include "gps/GpsFeed.h"
#include "map/OpenMap.h"
#include "map/pyramid/MapPyramid.h"
#include "map/pyramid/PyramidTarget.h"
#include "session/Changes.h"
#include "session/MapSession.h"
#include "view/GridOverlay.h"
#include "view/LoadingPicture.h"
#include "view/MapPaint.h"
#include "view/PointerGesture.h"
#include "view/SymbolCache.h"
#include "view/SymbolPainter.h"
#include "view/TrailLayer.h"
#include "view/ViewGeometry.h"

#include <QEvent>
#include <QImage>
#include <QPoint>
#include <QString>
#include <QWidget>

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

class QGestureEvent;
class QNativeGestureEvent;
class QTimer;
class SettingsStore;

namespace view {

// The one window that shows the map and everything on it. It holds the pixels (the map image,
// the geometry of zoom and scroll), turns pointer and key events into gestures and paints; the
// state and the decisions on it are the MapSession's, and the commands that run dialogs are
// MapCommands'. A repaint happens later, once, whatever number of changes came before it.
class MapView : public QWidget {
    Q_OBJECT

public:
    // The session reads its settings from store.
    explicit MapView(const SettingsStore& store, QWidget* parent = nullptr);

    [[nodiscard]] const session::MapSession& Session() const { return session_; }
    // For the commands beside the view: a call that changes what shows is followed by Refresh.
    [[nodiscard]] session::MapSession& Session() { return session_; }
    // Replaces the whole state (tests and benchmarks build a scene this way) and repaints.
    void SetSession(session::MapSession session);

    // --- Pixels and geometry -------------------------------------------------------------
    // A map already cut into its pyramid (empty for none; PyramidFromImage cuts an image):
    // takes its size, zoom 1.0, scroll (0, 0).
    void SetMap(map::MapPyramid map);
    [[nodiscard]] const ViewGeometry& Geometry() const { return geometry_; }
    // Clamped to the map's zoom range (ViewGeometry::MinZoom, MaxZoom).
    void SetZoom(double zoom);
    void ScrollTo(ViewPoint offset);
    // Arrow keys (Qt::Key_Left ... Qt::Key_Down) scroll by a fifth of the width; returns
    // false, doing nothing, for any other key.
    bool ScrollByKey(int qtKey);
    // Centres on the GPS position while the link is connected and the map calibrated;
    // otherwise does nothing.
    void CentreOnGps();
    // CentreOnGps as Follow GPS does it: a position off the map centres the nearest point of
    // the map instead.
    void FollowGps();
    void GoToMapCentre();
    // Centres on an image pixel (column, row from the top).
    void CentreOn(const MapPos& image);
    // The position (latitude in y) under view pixel at; none while the map is uncalibrated or
    // another one loads. The context menu's commands named for a place act there.
    [[nodiscard]] std::optional<MapPos> PositionAt(QPoint at) const;
    // Paints one frame onto painter exactly as the window shows it (the paint handler calls
    // it; benchmarks and tests call it on an image of the client size). It asks the map for the
    // tiles in view; those not there yet are drawn from a coarser level meanwhile, and the view
    // repaints as they arrive.
    void PaintFrame(QPainter& painter);
    // Blocks until every tile in view has arrived (a screenshot shows them all).
    void WaitForTilesInView();

    // --- What the frame sets -------------------------------------------------------------
    void SetShowFlags(const session::ShowFlags& flags);
    // Selects an image pixel, as a tap does, and writes it on the cursor line.
    void SetSelection(const MapPos& image);
    // Repaints what a session call changed: a line's band alone when only its text did.
    void Refresh(session::Changes changes);
    // The edges of other maps (WGS 84 corners) drawn over the map showing; none to draw none.
    void SetMapOutlines(std::vector<std::vector<MapPos>> outlines);
    // The calibration points are drawn as numbered marks while any caller has them on.
    void ShowCalibrationMarks(bool on);
    [[nodiscard]] bool ShowsCalibrationMarks() const { return calibrationMarks_ > 0; }
    // The lines of the map's grid over the map (View > Grid Overlay).
    void ShowGridOverlay(bool on);
    [[nodiscard]] bool ShowsGridOverlay() const { return showGrid_; }
    // Its lines in GridOverlay::kColours[index].
    void SetGridOverlayColour(int index);
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
    // The map's first columns x rows at full resolution over the picture; true the first time
    // every pixel in view is.
    bool ShowLoadingRows(map::MapPyramid map, int columns, int rows);
    // Ends the picture; returns where it was dragged to.
    ViewPoint EndLoadingPicture();
    // Shows an opened map with the calibration and points files beside it, scrolled to scroll;
    // false, with the reason in *error, when it holds none: then the map showing stays.
    bool ShowMap(const QString& path, map::OpenedMap opened, QString* error, ViewPoint scroll);
    // The pixels of the map showing (those at shown) again, from where they are now kept.
    void ReplaceMapPixels(const map::MapPixel* shown, map::MapPyramid kept);
    // Whether a dialog of a map command is open; MapDialogsClosed says when none is left.
    [[nodiscard]] bool MapDialogsOpen() const { return mapDialogs_ > 0; }
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

    // --- The GPS link ----------------------------------------------------------------------
    void OnGpsConnect();
    void OnGpsDisconnect();
    // The reader thread posts this event; the view handles it on its own thread.
    static constexpr QEvent::Type kGpsUpdateEvent = static_cast<QEvent::Type>(QEvent::User + 1);
    // The image last loaded; empty without a map.
    [[nodiscard]] QString MapPath() const { return Map().Empty() ? QString() : mapImagePath_; }
    // The image of the map showing when a world file places it but no .prj names its grid;
    // empty otherwise.
    [[nodiscard]] const QString& ImageNeedingGrid() const { return imageNeedingGrid_; }
    // True while the view is empty (no map, trail or points) and says how to fill it.
    [[nodiscard]] bool ShowsNoMapHint() const;

signals:
    // The zoom changed by the wheel or a pinch (not by SetZoom).
    void ZoomChanged();
    // Connect or Disconnect ran, whatever its outcome.
    void ConnectionChanged();
    // A GPS update brought the receiver's details, or a command changed what the live
    // display shows (it follows them).
    void DetailsChanged();
    // The last dialog of a map command has closed (after the command that opened it ended).
    void MapDialogsClosed();
    // A hold or a right-button press at view pixel at asks for the context menu.
    void ContextMenuRequested(QPoint at);
    // A GPS update has centred the view on the new position (Follow GPS).
    void GpsFollowed();
    // An opened map shows at path, before what its opening has to tell the user is told.
    void MapShowing(const QString& path);

protected:
    void paintEvent(QPaintEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool event(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    // The map showing; an empty one without.
    [[nodiscard]] const map::TiledMap& Map() const;
    // Shows map (null for none) at zoom 1.0, scroll (0, 0), with its zoom range; repaints as
    // its tiles arrive.
    void SetShownMap(std::shared_ptr<map::TiledMap> map);
    // The geometry pointer gestures move: the picture's while it shows.
    ViewGeometry& PointerGeometry() { return picture_ ? picture_->Geometry() : geometry_; }

    void Tell(const session::Notice& notice);
    // Repaints the band of a line whose text changed, when it is shown.
    void StatusTextChanged() { Refresh(session::Changed::StatusLine); }
    void CursorTextChanged() { Refresh(session::Changed::CursorLine); }
    void OnGpsUpdate();
    void CreatePointerHandling();
    // Zooms by factor about view pixel at; a run of steps at one pixel keeps one map point.
    void ZoomAt(double factor, ViewPoint at);
    void OnPinch(QGestureEvent* event);
    void OnNativeZoom(QNativeGestureEvent* event);

    session::MapSession session_;
    ViewGeometry geometry_;
    std::shared_ptr<map::TiledMap> map_;
    QString mapImagePath_;
    QString imageNeedingGrid_;
    TrailPens trailPens_;
    SymbolCache symbols_;
    TrailLayer trailLayer_;
    GridOverlay gridOverlay_;
    bool showGrid_ = false;
    // The trail colour and size trailPens_ were built for; the ramp is built at the first
    // paint and again when the settings change.
    std::optional<std::pair<int, int>> pensBuiltFor_;

    gps::GpsFeed gpsFeed_;
    PointerGesture gesture_;
    QTimer* holdTimer_ = nullptr;

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
    std::vector<std::vector<MapPos>> mapOutlines_; // of other maps, WGS 84
    // Callers that have the calibration marks on.
    int calibrationMarks_ = 0;
    int mapDialogs_ = 0;                    // open MapDialogOpen
    std::optional<LoadingPicture> picture_; // of the map a MapLoader is loading
    bool mapLoading_ = false;
};

} // namespace view
