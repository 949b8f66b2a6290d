#include "view/MapView.h"

#include "platform/SettingsStore.h"

#include <QPainter>
#include <QResizeEvent>

MapView::MapView(const SettingsStore& store, QWidget* parent) : QWidget(parent) {
    // Every pixel is painted each frame: no erase, no system background.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    settings_.Load(store);
    LoadGpsDeviceSetting(store);
    geometry_.SetClientSize(width(), height());
    CreatePointerHandling();
}

void MapView::SetMapImage(QImage image) {
    mapImage_ = std::move(image);
    geometry_.SetImageSize(mapImage_.width(), mapImage_.height());
    update();
}

void MapView::SetCalibration(const calib::CGPSMapFuncs& calibration) {
    calibration_ = calibration;
    update();
}

void MapView::SetMapPoints(std::vector<CMapPoint> mapPoints) {
    mapPoints_ = std::move(mapPoints);
    update();
}

void MapView::SetTrail(trail::TrailBuffer trail) {
    trail_ = std::move(trail);
    update();
}

void MapView::SetSettings(const ViewSettings& settings) {
    settings_ = settings;
    RebuildTrailPens();
}

void MapView::RebuildTrailPens() {
    trailPens_.Rebuild(settings_.trailColour, settings_.trailSize);
    pensOutdated_ = false;
}

void MapView::SetGpsFix(const gps::GpsFix& fix) {
    gpsFix_ = fix;
    update();
}

MapPos MapView::PixelToGeo(const MapPos& pixel) const {
    return calibration_.PixelToGeo(pixel, geometry_.ImageHeight());
}

MapPos MapView::GeoToPixel(const MapPos& geo) const {
    return calibration_.GeoToPixel(geo, geometry_.ImageHeight());
}

void MapView::CentreOn(const MapPos& image) {
    if (geometry_.CentreOn(image))
        update();
}

void MapView::SetZoom(double zoom) {
    geometry_.SetZoom(zoom);
    update();
}

void MapView::CentreOnGps() {
    if (geometry_.CentreOnGps(gpsConnected_, GeoToPixel(gpsFix_.position)))
        update();
}

void MapView::GoToMapCentre() {
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
    geometry_.ScrollByKey(key);
    update();
    return true;
}

void MapView::SetShowMapPoints(bool show) {
    showMapPoints_ = show;
    update();
}

void MapView::SetShowLabels(bool show) {
    showLabels_ = show;
    update();
}

void MapView::SetShowTrail(bool show) {
    showTrail_ = show;
    update();
}

void MapView::ShowStatusInfo(bool show) {
    statusLine_.visible = show;
    update();
}

void MapView::ShowCursorInfo(bool show) {
    cursorLine_.visible = show;
    update();
}

void MapView::SetStatusText(const QString& text) {
    if (text == statusLine_.text)
        return;
    statusLine_.text = text;
    // The map under the line repaints with it; a status update is frequent, so only its band.
    if (statusLine_.visible)
        UpdateLine(StatusLineRect(geometry_.ClientWidth(), geometry_.ClientHeight()));
}

void MapView::SetCursorText(const QString& text) {
    if (text == cursorLine_.text)
        return;
    cursorLine_.text = text;
    if (cursorLine_.visible)
        UpdateLine(CursorLineRect(geometry_.ClientWidth(), geometry_.ClientHeight()));
}

void MapView::UpdateLine(const QRect& rect) {
    update(rect);
}

void MapView::SetSelection(const MapPos& image) {
    selection_ = image;
    update();
}

MapScene MapView::Scene() const {
    return MapScene{geometry_,
                    mapImage_,
                    calibration_,
                    mapPoints_,
                    trail_,
                    settings_,
                    trailPens_,
                    gpsFix_,
                    selection_,
                    showMapPoints_,
                    showLabels_,
                    showTrail_,
                    statusLine_,
                    cursorLine_,
                    palette().color(QPalette::Window),
                    palette().color(QPalette::WindowText)};
}

void MapView::PaintFrame(QPainter& painter) {
    if (pensOutdated_)
        RebuildTrailPens();
    painter.setRenderHint(QPainter::Antialiasing, false);
    PaintScene(painter, Scene());
}

void MapView::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    PaintFrame(painter);
}

void MapView::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    // The scroll offset stays: the image point at the top-left corner keeps its place.
    geometry_.SetClientSize(event->size().width(), event->size().height());
}
