#include "view/MapView.h"

#include "platform/MessageBox.h"
#include "platform/SettingsStore.h"
#include "view/LiveOverlays.h"
#include "view/PyramidImage.h"
#include "view/ViewOverlays.h"

#include <QPaintEvent>
#include <QPainter>
#include <QRegion>
#include <QResizeEvent>

#include <algorithm>
#include <cmath>

namespace view {

MapView::MapView(const SettingsStore& store, QWidget* parent) : QWidget(parent), session_(store) {
    // Every pixel is painted each frame: no erase, no system background.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    geometry_.SetClientSize(width(), height());
    CreatePointerHandling();
    // Two fingers pinch; touches not taken as a gesture come on as mouse events.
    setAttribute(Qt::WA_AcceptTouchEvents);
    grabGesture(Qt::PinchGesture);
}

void MapView::SetSession(session::MapSession session) {
    session_ = std::move(session);
    session_.SetImageHeight(Map().Height());
    session_.SetImageWidth(Map().Width());
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
    geometry_.SetImageSize(Map().Width(), Map().Height());
    if (Map().OnDemand())
        geometry_.SetTiledZoomRange(Map().LevelCount());
    // Told on the thread that reads the tiles: the repaint asks again and shows them.
    if (map_)
        map_->OnArrival([this] {
            QMetaObject::invokeMethod(
                this, [this] { update(); }, Qt::QueuedConnection);
        });
}

void MapView::WaitForTilesInView() {
    if (!map_ || picture_)
        return;
    map_->Want(TilesInView(*map_, geometry_));
    map_->WaitForWanted();
}

void MapView::Tell(const session::Notice& notice) {
    platform::ShowMessage(
        this, QString::fromStdString(notice.text), QString::fromStdString(notice.caption),
        notice.kind == session::Notice::Kind::Warning ? platform::MessageIcon::Warning
                                                      : platform::MessageIcon::Error);
}

void MapView::SetMap(map::MapPyramid map) {
    SetShownMap(map.Empty() ? nullptr : std::make_shared<map::MapPyramid>(std::move(map)));
    session_.SetImageHeight(Map().Height());
    session_.SetImageWidth(Map().Width());
    update();
}

void MapView::CentreOn(const MapPos& image) {
    if (!picture_ && geometry_.CentreOn(image))
        update();
}

void MapView::SetZoom(double zoom) {
    if (picture_)
        return; // the map before keeps its zoom for a cancel
    geometry_.SetZoom(zoom);
    update();
}

void MapView::ShowGridOverlay(bool on) {
    showGrid_ = on;
    update();
}

void MapView::SetGridOverlayColour(int index) {
    gridOverlay_.SetColour(index);
    update();
}

void MapView::ScrollTo(ViewPoint offset) {
    if (picture_)
        return;
    geometry_.SetScrollOffset(offset);
    update();
}

void MapView::CentreOnGps() {
    // An uncalibrated map has no place for the GPS position.
    if (!picture_ && session_.Georeference().HasTransform() &&
        geometry_.CentreOnGps(session_.GpsConnected(),
                              session_.Georeference().ToPixel(session_.GpsFix().position)))
        update();
}

void MapView::FollowGps() {
    if (picture_ || !session_.Georeference().HasTransform())
        return;
    MapPos pixel = session_.Georeference().ToPixel(session_.GpsFix().position);
    // Off the map the nearest part of it stays in view, the edge arrow pointing on from there.
    if (!Map().Empty() && std::isfinite(pixel.x) && std::isfinite(pixel.y))
        pixel = MapPos(std::clamp(pixel.x, 0.0, static_cast<double>(Map().Width())),
                       std::clamp(pixel.y, 0.0, static_cast<double>(Map().Height())));
    if (geometry_.CentreOnGps(session_.GpsConnected(), pixel))
        update();
}

void MapView::GoToMapCentre() {
    if (picture_)
        return;
    geometry_.GoToMapCentre();
    update();
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
    if (picture_)
        return true; // taken, but the view before the load stays
    geometry_.ScrollByKey(key);
    update();
    return true;
}

void MapView::SetShowFlags(const session::ShowFlags& flags) {
    session_.SetShowFlags(flags);
    update();
}

void MapView::SetSelection(const MapPos& image) {
    session_.Select(image);
    update();
}

void MapView::Refresh(session::Changes changes) {
    using session::Changed;
    if (changes.Has(Changed::Details))
        emit DetailsChanged();
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

void MapView::SetMapOutlines(std::vector<std::vector<MapPos>> outlines) {
    mapOutlines_ = std::move(outlines);
    update();
}

void MapView::ShowCalibrationMarks(bool on) {
    calibrationMarks_ += on ? 1 : -1;
    update();
}

void MapView::PaintFrame(QPainter& painter) {
    const ViewSettings& settings = session_.Settings();
    if (const std::pair pens(settings.trailColour, settings.trailSize); pensBuiltFor_ != pens) {
        trailPens_.Rebuild(pens.first, pens.second);
        pensBuiltFor_ = pens;
    }
    painter.setRenderHint(QPainter::Antialiasing, false);
    const session::ShowFlags& flags = session_.Flags();
    const InfoLine statusLine{QString::fromStdString(session_.StatusText()), flags.statusInfo};
    const InfoLine cursorLine{QString::fromStdString(session_.CursorText()), flags.cursorInfo};
    const QColor infoBackground = palette().color(QPalette::Window);
    const QColor infoText = palette().color(QPalette::WindowText);
    const std::optional<MapPos>& selection = session_.Selection();
    const LiveOverlay live = LiveOverlayOf(session_);
    // overlays false: the loading picture, without the map's overlays, which belong to a
    // calibration not read yet; the GPS and cursor lines go on showing.
    const auto sceneOf = [&](const ViewGeometry& geometry, const map::TiledMap& map,
                             bool overlays) {
        return MapScene{geometry,
                        map,
                        session_.Georeference(),
                        session_.Document().Points(),
                        session_.Recording().Trail(),
                        settings,
                        trailPens_,
                        symbols_,
                        trailLayer_,
                        session_.GpsFix(),
                        overlays ? selection : std::nullopt,
                        overlays && session_.ShowsMapPoints(),
                        overlays && flags.labels,
                        overlays && flags.trail,
                        statusLine,
                        cursorLine,
                        infoBackground,
                        infoText,
                        overlays ? &live : nullptr,
                        overlays && showGrid_ ? &gridOverlay_ : nullptr};
    };
    if (picture_) {
        picture_->Paint(painter, [&](const ViewGeometry& geometry, const map::MapPyramid& map) {
            return sceneOf(geometry, map, false);
        });
        return;
    }
    if (map_)
        map_->Want(TilesInView(*map_, geometry_));
    PaintScene(painter, sceneOf(geometry_, Map(), true));
    if (!Map().Empty() && !mapOutlines_.empty()) {
        // Under the info lines, which the scene has painted already.
        const int w = geometry_.ClientWidth();
        const int h = geometry_.ClientHeight();
        QRegion clip(0, 0, w, h);
        if (flags.statusInfo)
            clip -= StatusLineRect(w, h);
        if (flags.cursorInfo)
            clip -= CursorLineRect(w, h);
        painter.save();
        painter.setClipRegion(clip, Qt::IntersectClip);
        PaintMapOutlines(painter, geometry_, session_.Georeference(), mapOutlines_);
        painter.restore();
    }
    if (ShowsNoMapHint())
        PaintNoMapHint(painter, geometry_, palette().color(QPalette::PlaceholderText));
    if (calibrationMarks_ > 0) {
        std::vector<MapPos> pixels;
        for (const map::CalibrationPoint& point : session_.Document().Grid().points)
            pixels.push_back(point.pixel);
        PaintCalibrationMarks(painter, geometry_, pixels);
    }
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
    if (picture_)
        picture_->Geometry().SetClientSize(event->size().width(), event->size().height());
}

} // namespace view
