#pragma once

#include "coords/CoordFormat.h"
#include "map/OpenMap.h"
#include "map/pyramid/MapPyramid.h"
#include "map/pyramid/PyramidTarget.h"
#include "session/Changes.h"
#include "session/MapSession.h"
#include "view/GridOverlay.h"
#include "view/KeptFrame.h"
#include "view/LoadingMode.h"
#include "view/MapPaint.h"
#include "view/PointPlaces.h"
#include "view/PointerGesture.h"
#include "view/SaveMapArea.h"
#include "view/SymbolCache.h"
#include "view/SymbolPainter.h"
#include "view/TrackLayer.h"
#include "view/TrailLayer.h"
#include "view/ViewGeometry.h"
#include "view/ViewOverlays.h"
#include "view/WorldLayer.h"

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
class QLabel;
class QNativeGestureEvent;
class QTimer;
class SettingsStore;

namespace view {

struct LiveOverlay;

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
    // For the commands beside the view: runs edit on the session, then repaints what it says
    // changed (a line's band alone when only its text did). Every change to what shows comes
    // this way, so none goes unpainted.
    void Change(const std::function<session::Changes(session::MapSession&)>& edit);
    // Replaces the whole state (tests and benchmarks build a scene this way) and repaints.
    void SetSession(session::MapSession session);

    // --- Pixels and geometry -------------------------------------------------------------
    // A map already cut into its pyramid (empty for none; PyramidFromImage cuts an image):
    // takes its size, zoom 1.0, scroll (0, 0).
    void SetMap(map::MapPyramid map);
    [[nodiscard]] const ViewGeometry& Geometry() const { return geometry_; }
    // The turn two fingers gave the map while course-up is off (degrees clockwise; 0 puts
    // north up again).
    void SetHandTurn(double degrees);
    // Clamped to the map's zoom range (ViewGeometry::MinZoom, MaxZoom).
    void SetZoom(double zoom);
    void ScrollTo(ViewPoint offset);
    // Arrow keys (Qt::Key_Left ... Qt::Key_Down) scroll by a fifth of the width; returns
    // false, doing nothing, for any other key.
    bool ScrollByKey(int qtKey);
    // Centres on the GPS position while the link is connected and the map calibrated;
    // otherwise does nothing.
    void CentreOnGps();
    void GoToMapCentre();
    // Centres on an image pixel (column, row from the top).
    void CentreOn(const MapPos& image);
    // Centres on a position (latitude in y) of a placed map, at zoom when given: a tile zoom on
    // a map of Web Mercator tiles, a percentage on any other.
    void OpenAt(const MapPos& geo, std::optional<double> zoom);
    // The area the view shows, in degrees, with its tile zoom on a map of tiles.
    [[nodiscard]] std::optional<MapAreaBox> AreaInView() const;
    // The words a map's owner asks to be shown with it, bottom right ("" for none); a tile
    // source's problems and Work Offline are told beside them.
    void ShowAttribution(const QString& attribution);
    // Puts the GPS marker at image pixel where following keeps it: the middle, or low in the
    // middle while the map is turned course-up.
    void PlaceGps(const MapPos& image);
    // The position (latitude in y) under view pixel at; none while the map is uncalibrated or
    // another one loads. The context menu's commands named for a place act there.
    [[nodiscard]] std::optional<MapPos> PositionAt(QPoint at) const;
    // Paints one frame onto painter exactly as the window shows it (the paint handler calls
    // it; benchmarks and tests call it on an image of the client size). It asks the map for the
    // tiles in view; those not there yet are drawn from a coarser level meanwhile, and the view
    // repaints as they arrive.
    void PaintFrame(QPainter& painter);
    // The same as a first paint would draw it, with nothing kept from the frames before (tests
    // compare the window with it); what was kept stays for the next paint.
    void PaintFrameAfresh(QPainter& painter);
    // Blocks until every tile in view has arrived, and the shading in view is computed (a
    // screenshot shows them all).
    void WaitForTilesInView();
    // A tile source's world (maxZoom its level 0's tile zoom) drawn under and around the map,
    // with its attribution; null tiles for none. The map keeps its calibration.
    void SetWorldMap(std::shared_ptr<map::TiledMap> tiles, int maxZoom, const QString& attribution);
    [[nodiscard]] bool HasWorldMap() const { return world_.tiles != nullptr; }
    // Opens the tile source at path (a definition file or a URL template) off the window's
    // thread and lays it under the map; done is told "" or why it did not open. wait: on this
    // thread, done told before the return (a screenshot waits for it).
    void OpenWorldMap(const QString& path, bool wait, std::function<void(const QString&)> done);
    // Whether a world map can lie under the map showing: one placed on the earth that is no
    // tile source itself.
    [[nodiscard]] bool CanLayWorldUnder() const;
    // How much the map covers the world under it, 0..1.
    void SetScanOpacity(double opacity);
    [[nodiscard]] double ScanOpacity() const { return world_.scanOpacity; }

    // --- What the frame sets -------------------------------------------------------------
    // Selects an image pixel, as a tap does, and writes it on the cursor line.
    void SetSelection(const MapPos& image);
    // What is laid over the map beside what the session holds.
    [[nodiscard]] const OverlayChoice& Overlays() const { return overlays_; }
    void SetOverlays(OverlayChoice overlays);
    // The limits the tracks and the trail were last coloured between; none while plain.
    [[nodiscard]] std::optional<trail::ValueLimits> ColourLimits() const {
        return trackLayer_.Limits();
    }
    // The shown track nearest to view pixel at, within radius pixels, as last drawn.
    [[nodiscard]] std::optional<TrackLayer::Hit> TrackAt(QPoint at, int radius);

    // --- What a MapLoader shows -----------------------------------------------------------
    // The load running, if any. Its picture shows under the GPS and cursor lines but no other
    // overlay (its calibration is not read yet).
    [[nodiscard]] const LoadingMode& Loading() const { return loading_; }
    // For the loader: runs step on the load's mode, then repaints.
    void ChangeLoading(const std::function<void(LoadingMode&)>& step);
    // Shows an opened map with the calibration and points files beside it, scrolled to scroll;
    // false, with the reason in *error, when it holds none: then the map showing stays.
    bool ShowMap(const QString& path, map::OpenedMap opened, QString* error, ViewPoint scroll);
    // The pixels of the map showing (those at shown) again, from where they are now kept.
    void ReplaceMapPixels(const map::MapPixel* shown, std::shared_ptr<map::TiledMap> kept);
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

    // The map showing as the folder lists it (its kind, size and placement when it opened, with
    // its tiles); null without one, or for pixels given with SetMap.
    [[nodiscard]] const map::ShownMap* Shown() const { return shown_.get(); }
    // The image last loaded; empty without a map.
    [[nodiscard]] QString MapPath() const { return Map().Empty() ? QString() : mapImagePath_; }
    // The image of the map showing when a world file places it but no .prj names its grid;
    // empty otherwise.
    [[nodiscard]] const QString& ImageNeedingGrid() const { return imageNeedingGrid_; }
    // The maps of the file showing when it holds several and none was chosen; empty otherwise.
    [[nodiscard]] const std::vector<map::MapChoice>& MapsInFile() const { return mapsInFile_; }

signals:
    // The zoom changed by the wheel or a pinch (not by SetZoom).
    void ZoomChanged();
    // A GPS update brought the receiver's details, or a command changed what the live
    // display shows (it follows them).
    void DetailsChanged();
    // The last dialog of a map command has closed (after the command that opened it ended).
    void MapDialogsClosed();
    // A hold or a right-button press at view pixel at asks for the context menu.
    void ContextMenuRequested(QPoint at);
    // An opened map shows at path, before what its opening has to tell the user is told.
    void MapShowing(const QString& path);
    // A tap on the north arrow of a turned map asks for north up again.
    void NorthArrowTapped();
    // A tap at view pixel at, after it selected there.
    void Tapped(QPoint at);
    // The trail or the tracks changed (a fix recorded, a track opened, hidden or removed).
    void TrailChanged();

protected:
    void paintEvent(QPaintEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool event(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    // Where a pointer gesture goes: the geometry it drags, and whether a tap, a hold or the
    // right button act on the map (not while the loading picture holds the view).
    struct PointerTarget {
        ViewGeometry& geometry;
        bool acts = true;
    };
    PointerTarget Pointer() { return {loading_.PointerGeometry(geometry_), !loading_.HoldsView()}; }
    // Moves the map's view by move and repaints when it says it moved; nothing while the
    // loading picture holds the view (the map before keeps its view for a cancel).
    bool MoveMap(const std::function<bool(ViewGeometry&)>& move);
    // The frame's scene over geometry and map, built here alone; live null: the loading
    // picture's, without the map's overlays, which belong to a calibration not read yet.
    MapScene SceneOf(const ViewGeometry& geometry, const map::TiledMap& map,
                     const LiveOverlay* live);
    // True while the view is empty (no map, trail or points) and says how to fill it.
    [[nodiscard]] bool ShowsNoMapHint() const;
    void Refresh(session::Changes changes);
    // Turns the view to the session's course-up angle; true when that changed it.
    bool TurnToCourse();
    [[nodiscard]] bool OnNorthArrow(ViewPoint at) const;
    // The map showing; an empty one without.
    [[nodiscard]] const map::TiledMap& Map() const;
    // Shows map (null for none) at zoom 1.0, scroll (0, 0), with its zoom range; repaints as
    // its tiles arrive.
    void SetShownMap(std::shared_ptr<map::TiledMap> map);

    void Tell(const session::Notice& notice);
    void PlaceAttribution();
    void CreatePointerHandling();
    // Zooms by factor about view pixel at; a run of steps at one pixel keeps one map point.
    void ZoomAt(double factor, ViewPoint at);
    void OnPinch(QGestureEvent* event);
    void OnNativeZoom(QNativeGestureEvent* event);

    session::MapSession session_;
    ViewGeometry geometry_;
    std::shared_ptr<map::TiledMap> map_;
    std::shared_ptr<const map::ShownMap> shown_;
    QString mapImagePath_;
    QLabel* attribution_ = nullptr; // made for the first map that asks for one
    QString attributionText_;
    QString imageNeedingGrid_;
    std::vector<map::MapChoice> mapsInFile_;
    TrailPens trailPens_;
    SymbolCache symbols_;
    TrailLayer trailLayer_;
    KeptFrame kept_;
    PointPlaces pointPlaces_;
    TrackLayer trackLayer_;
    GridOverlay gridOverlay_;
    ShadeLayer shadeLayer_;
    OverlayChoice overlays_;
    // The trail colour and size trailPens_ were built for; the ramp is built at the first
    // paint and again when the settings change.
    std::optional<std::pair<int, int>> pensBuiltFor_;

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
    double handTurn_ = 0.0;
    int mapDialogs_ = 0; // open MapDialogOpen
    LoadingMode loading_;
    WorldUnderlay world_;
    QString worldAttribution_;
};

} // namespace view
