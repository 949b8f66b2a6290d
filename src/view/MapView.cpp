#include "view/MapView.h"

#include "platform/MessageBox.h"
#include "platform/SettingsStore.h"
#include "session/Ruler.h"
#include "view/CoreText.h"
#include "view/LiveOverlays.h"
#include "view/PyramidImage.h"
#include "view/TurnedView.h"

#include <QPaintEvent>
#include <QPainter>
#include <QResizeEvent>

#include <algorithm>
#include <cmath>
#include <utility>

namespace view {

MapView::MapView(const SettingsStore& store, QWidget* parent) : QWidget(parent), session_(store) {
    // Every pixel is painted each frame: no erase, no system background.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    geometry_.SetClientSize(width(), height());
    CreatePointerHandling();
    connect(&shadeLayer_, &ShadeLayer::Ready, this, [this] {
        kept_.Forget(); // the shading lies under the kept layers' top
        update();
    });
    // Two fingers pinch; touches not taken as a gesture come on as mouse events.
    setAttribute(Qt::WA_AcceptTouchEvents);
    grabGesture(Qt::PinchGesture);
}

void MapView::SetSession(session::MapSession session) {
    session_ = std::move(session);
    session_.SetImageSize(Map().Width(), Map().Height());
    kept_.Forget();
    update();
}

const map::TiledMap& MapView::Map() const {
    static const map::MapPyramid none;
    if (map_)
        return *map_;
    return none;
}

void MapView::SetShownMap(std::shared_ptr<map::TiledMap> map) {
    if (map_)
        map_->OnArrival({});
    map_ = std::move(map);
    kept_.Forget();
    geometry_.SetImageSize(Map().Width(), Map().Height());
    if (Map().OnDemand())
        geometry_.SetTiledZoomRange(Map().LevelCount());
    // Told on the thread that reads the tiles: the repaint asks again and shows them.
    if (map_)
        map_->OnArrival([this] {
            QMetaObject::invokeMethod(
                this,
                [this] {
                    kept_.Forget();
                    update();
                },
                Qt::QueuedConnection);
        });
}

void MapView::WaitForTilesInView() {
    if (!map_ || loading_.HoldsView())
        return;
    map_->Want(TilesInView(*map_, geometry_));
    if (HasWorldMap() && CanLayWorldUnder()) {
        world_.tiles->Want(WorldTilesInView(world_, session_.Georeference(), geometry_));
        world_.tiles->WaitForWanted();
    }
    map_->WaitForWanted();
    const LiveOverlay live = LiveOverlayOf(session_);
    if (const MapScene scene = SceneOf(geometry_, Map(), &live); scene.shading != nullptr)
        shadeLayer_.WaitForView(scene);
    // Their arrival is told through the event loop, which may not run before the frame is drawn.
    ++world_.arrivals;
    kept_.Forget();
}

void MapView::Tell(const session::Notice& notice) {
    platform::ShowMessage(
        this, QString::fromStdString(notice.text), QString::fromStdString(notice.caption),
        notice.kind == session::Notice::Kind::Warning ? platform::MessageIcon::Warning
                                                      : platform::MessageIcon::Error);
}

void MapView::SetMap(map::MapPyramid map) {
    shown_.reset();
    SetShownMap(map.Empty() ? nullptr : std::make_shared<map::MapPyramid>(std::move(map)));
    session_.SetImageSize(Map().Width(), Map().Height());
    update();
}

bool MapView::MoveMap(const std::function<bool(ViewGeometry&)>& move) {
    if (loading_.HoldsView() || !move(geometry_))
        return false;
    update();
    return true;
}

void MapView::CentreOn(const MapPos& image) {
    MoveMap([&image](ViewGeometry& g) { return g.CentreOn(image); });
}

void MapView::SetZoom(double zoom) {
    MoveMap([zoom](ViewGeometry& g) {
        g.SetZoom(zoom);
        return true;
    });
}

void MapView::SetOverlays(OverlayChoice overlays) {
    overlays_ = std::move(overlays);
    gridOverlay_.SetColour(overlays_.gridColour);
    kept_.Forget();
    update();
}

void MapView::ScrollTo(ViewPoint offset) {
    MoveMap([offset](ViewGeometry& g) {
        g.SetScrollOffset(offset);
        return true;
    });
}

void MapView::CentreOnGps() {
    // An uncalibrated map has no place for the GPS position.
    const map::Georeference& georef = session_.Georeference();
    if (georef.HasTransform())
        MoveMap([&](ViewGeometry& g) {
            return session_.GpsConnected() &&
                   g.PlaceAt(georef.ToPixel(session_.GpsFix().position), MarkerAnchor(g));
        });
}

void MapView::PlaceGps(const MapPos& image) {
    // A fix that leaves the marker where it was leaves the view as it is: nothing to repaint.
    MoveMap([&image](ViewGeometry& g) {
        const ViewPoint before = g.ScrollOffset();
        return g.PlaceAt(image, MarkerAnchor(g)) && !(g.ScrollOffset() == before);
    });
}

void MapView::GoToMapCentre() {
    MoveMap([](ViewGeometry& g) {
        g.GoToMapCentre();
        return true;
    });
}

bool MapView::ScrollByKey(int qtKey) {
    ScrollKey key;
    switch (qtKey) {
    case Qt::Key_Left:
        key = ScrollKey::Left;
        break;
    case Qt::Key_Right:
        key = ScrollKey::Right;
        break;
    case Qt::Key_Up:
        key = ScrollKey::Up;
        break;
    case Qt::Key_Down:
        key = ScrollKey::Down;
        break;
    default:
        return false;
    }
    // Taken even while the loading picture holds the view.
    MoveMap([key](ViewGeometry& g) {
        g.ScrollByKey(key);
        return true;
    });
    return true;
}

void MapView::SetSelection(const MapPos& image) {
    session_.Select(image);
    update();
}

void MapView::Change(const std::function<session::Changes(session::MapSession&)>& edit) {
    Refresh(edit(session_));
}

void MapView::Refresh(session::Changes changes) {
    using session::Changed;
    // The kept layers show none of these; any other change, or an edit that does not say what
    // it changed (a setting), may show in them.
    constexpr session::Changes kOverKept =
        Changed::StatusLine | Changed::CursorLine | Changed::Details;
    if (!changes.Any() || (changes | kOverKept) != kOverKept)
        kept_.Forget();
    if (TurnToCourse())
        update();
    if (changes.Has(Changed::Details))
        emit DetailsChanged();
    if (changes.Has(Changed::Trail))
        emit TrailChanged();
    if (changes.Has(Changed::Map) || changes.Has(Changed::Trail) || changes.Has(Changed::Points) ||
        changes.Has(Changed::Marker) || changes.Has(Changed::Calibration)) {
        update();
        return;
    }
    // The map under a line repaints with it; a status update is frequent, so only its band.
    if (changes.Has(Changed::StatusLine) && session_.Flags().statusInfo)
        update(StatusLineRect(geometry_.ClientWidth(), geometry_.ClientHeight()));
    if (changes.Has(Changed::CursorLine) && session_.Flags().cursorInfo)
        update(CursorLineRect(geometry_.ClientWidth(), geometry_.ClientHeight()));
}

MapScene MapView::SceneOf(const ViewGeometry& geometry, const map::TiledMap& map,
                          const LiveOverlay* live) {
    const session::ShowFlags& flags = session_.Flags();
    const bool overlays = live != nullptr;
    if (overlays_.shading)
        shadeLayer_.Use(session_.Dem(), *overlays_.shading);
    std::vector<MapPos> calibrationMarks;
    if (overlays && overlays_.calibrationMarks > 0)
        for (const map::CalibrationPoint& point : session_.Document().Grid().points)
            calibrationMarks.push_back(point.pixel);
    return MapScene{
        .geometry = geometry,
        .map = map,
        .georeference = session_.Georeference(),
        .mapPoints = session_.Document().Points(),
        .trail = session_.Recording().Trail(),
        .settings = session_.Settings(),
        .trailPens = trailPens_,
        .symbols = symbols_,
        .trailLayer = trailLayer_,
        .gpsFix = session_.GpsFix(),
        .selection = overlays ? session_.Selection() : std::nullopt,
        .showMapPoints = overlays && session_.ShowsMapPoints(),
        .showLabels = overlays && flags.labels,
        .showTrail = overlays && flags.trail,
        .statusLine = {CoreText(session_.StatusText()), flags.statusInfo},
        .cursorLine = {QString::fromStdString(session_.CursorText()), flags.cursorInfo},
        .infoBackground = palette().color(QPalette::Window),
        .infoText = palette().color(QPalette::WindowText),
        .live = live,
        .grid = overlays && overlays_.grid ? &gridOverlay_ : nullptr,
        .outlines = overlays ? &overlays_.outlines : nullptr,
        .noMapHint = overlays && ShowsNoMapHint()
                         ? std::optional(palette().color(QPalette::PlaceholderText))
                         : std::nullopt,
        .calibrationMarks = std::move(calibrationMarks),
        .pointPlaces = &pointPlaces_,
        .tracks = overlays ? &session_.Tracks() : nullptr,
        .trackLayer = &trackLayer_,
        .colouring = overlays_.colouring,
        .recentPoints = &session_.Recording().RecentPoints(),
        .ruler = overlays && overlays_.ruler ? &*overlays_.ruler : nullptr,
        .rulerText = overlays && overlays_.ruler
                         ? CoreText(session::RulerText(
                               *overlays_.ruler, session_.Document().Calibration().GetMagVar(),
                               session_.Live().Settings().units))
                         : QString(),
        .shading = overlays && overlays_.shading && session_.Dem() ? &shadeLayer_ : nullptr,
        .profileMarker = overlays ? overlays_.profileMarker : std::nullopt,
    };
}

std::optional<TrackLayer::Hit> MapView::TrackAt(QPoint at, int radius) {
    const LiveOverlay live = LiveOverlayOf(session_);
    return trackLayer_.HitTest(SceneOf(geometry_, Map(), &live), {at.x(), at.y()}, radius);
}

void MapView::PaintFrame(QPainter& painter) {
    const ViewSettings& settings = session_.Settings();
    if (const std::pair pens(settings.trailColour, settings.trailSize); pensBuiltFor_ != pens) {
        trailPens_.Rebuild(pens.first, pens.second);
        pensBuiltFor_ = pens;
    }
    painter.setRenderHint(QPainter::Antialiasing, false);
    if (loading_.Paint(painter, [this](const ViewGeometry& geometry, const map::MapPyramid& map) {
            return SceneOf(geometry, map, nullptr);
        }))
        return;
    const LiveOverlay live = LiveOverlayOf(session_);
    if (map_)
        map_->Want(TilesInView(*map_, geometry_));
    MapScene scene = SceneOf(geometry_, Map(), &live);
    if (HasWorldMap() && CanLayWorldUnder()) {
        world_.tiles->Want(WorldTilesInView(world_, session_.Georeference(), geometry_));
        scene.world = &world_;
    }
    const qreal ratio = painter.device() ? painter.device()->devicePixelRatioF() : 1.0;
    const bool shifts = KeptLayersShift(scene, ratio);
    kept_.Draw(painter,
               {geometry_, ratio, map_.get(), live.nightAmount, shifts,
                shifts ? ViewPlacements(scene) : std::vector<std::size_t>()},
               [&scene](QPainter& kept) { PaintKeptLayers(kept, scene); });
    PaintLiveLayers(painter, scene);
}

void MapView::PaintFrameAfresh(QPainter& painter) {
    KeptFrame kept = std::exchange(kept_, KeptFrame());
    TrailLayer trail = std::exchange(trailLayer_, TrailLayer());
    TrackLayer tracks = std::exchange(trackLayer_, TrackLayer());
    WorldPicture world = std::exchange(world_.picture, WorldPicture());
    PaintFrame(painter);
    kept_ = std::move(kept);
    trailLayer_ = std::move(trail);
    trackLayer_ = std::move(tracks);
    world_.picture = std::move(world);
}

bool MapView::ShowsNoMapHint() const {
    // Only over an empty view: a trail or points shown without a map stay uncovered.
    const auto trail = session_.Recording().Trail().NewestToOldest();
    return Map().Empty() && session_.Document().Points().empty() &&
           std::all_of(trail.begin(), trail.end(), [](const MapPos& p) { return p == MapPos(); });
}

void MapView::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    // The map is sampled only where this paint shows it.
    painter.setClipRegion(event->region());
    PaintFrame(painter);
}

void MapView::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    // The scroll offset stays: the image point at the top-left corner keeps its place.
    geometry_.SetClientSize(event->size().width(), event->size().height());
    loading_.SetClientSize(event->size().width(), event->size().height());
    PlaceAttribution();
}

bool MapView::TurnToCourse() {
    const double rotation = UpRotation(session_, handTurn_);
    if (rotation == geometry_.Rotation())
        return false;
    geometry_.SetRotation(rotation);
    return true;
}

bool MapView::OnNorthArrow(ViewPoint at) const {
    return (session_.Live().Settings().Turns() || geometry_.Turned()) &&
           NorthArrowRect(geometry_.ClientWidth(), geometry_.ClientHeight())
               .contains(QPoint(at.x, at.y));
}

} // namespace view
