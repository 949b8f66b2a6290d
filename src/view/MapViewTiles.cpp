// The map view's part for maps of tiles in Web Mercator: opening at a position and tile zoom,
// the area in view for saving, and the attribution a tile server asks for, bottom right.
#include "view/InfoLines.h"
#include "view/MapView.h"

#include "map/OpenMap.h"
#include "map/tiles/TileSourceMap.h"
#include "view/PyramidImage.h"

#include <QCoreApplication>
#include <QFile>
#include <QLabel>
#include <QPointer>
#include <QThread>
#include <QTimer>

#include <algorithm>
#include <cmath>

namespace view {

namespace {

// The tile zoom of the map's level 0 when it is a map of Web Mercator tiles: a tile's width in
// longitude halves at each zoom (360 degrees at zoom 0).
std::optional<double> LevelZeroTileZoom(const session::MapSession& session,
                                        const map::TiledMap& map) {
    if (!map.OnDemand() || !session.Georeference().HasTransform())
        return std::nullopt;
    const MapPos a = session.Georeference().ToGeo(MapPos(0, 0));
    const MapPos b = session.Georeference().ToGeo(MapPos(map::TiledMap::kTileSize, 0));
    const double degrees = b.x - a.x;
    if (!(degrees > 0))
        return std::nullopt;
    return std::log2(360.0 / degrees);
}

// A tile source opens without pictures or progress to tell.
class QuietEvents final : public map::OpenMapEvents {
public:
    bool Progress(double) override { return true; }
    bool Cancelled() override { return false; }
    void EarlyPicture(map::MapPyramid) override {}
    void RowsStored(map::MapPyramid, int, int) override {}
};

} // namespace

void MapView::OpenAt(const MapPos& geo, std::optional<double> zoom) {
    if (Map().Empty() || !session_.Georeference().HasTransform())
        return;
    if (zoom) {
        const std::optional<double> level0 = LevelZeroTileZoom(session_, Map());
        SetZoom(level0 ? std::ldexp(1.0, static_cast<int>(std::lround(*zoom - *level0)))
                       : *zoom / 100.0);
    }
    CentreOn(session_.Georeference().ToPixel(geo));
}

std::optional<MapAreaBox> MapView::AreaInView() const {
    if (Map().Empty() || !session_.Georeference().HasTransform())
        return std::nullopt;
    MapAreaBox box{90, 180, -90, -180, 0};
    const double w = width();
    const double h = height();
    for (const QPointF corner : {QPointF(0, 0), QPointF(w, 0), QPointF(0, h), QPointF(w, h)}) {
        const MapPos image = geometry_.ScreenToImage(
            ViewPoint{static_cast<int>(corner.x()), static_cast<int>(corner.y())});
        const MapPos geo = session_.Georeference().ToGeo(image);
        box.south = std::max(std::min(box.south, geo.y), -85.0);
        box.north = std::min(std::max(box.north, geo.y), 85.0);
        box.west = std::max(std::min(box.west, geo.x), -180.0);
        box.east = std::min(std::max(box.east, geo.x), 180.0);
    }
    if (const std::optional<double> level0 = LevelZeroTileZoom(session_, Map()))
        box.zoom = static_cast<int>(std::lround(*level0 + std::log2(geometry_.Zoom())));
    if (!(box.south < box.north && box.west < box.east))
        return std::nullopt;
    return box;
}

void MapView::SetWorldMap(std::shared_ptr<map::TiledMap> tiles, int maxZoom,
                          const QString& attribution) {
    if (world_.tiles)
        world_.tiles->OnArrival({});
    world_.tiles = std::move(tiles);
    world_.maxZoom = maxZoom;
    ++world_.arrivals;
    worldAttribution_ = world_.tiles ? attribution : QString();
    // Told on the thread that fetches: the repaint asks again and shows them.
    if (world_.tiles)
        world_.tiles->OnArrival([this] {
            QMetaObject::invokeMethod(
                this,
                [this] {
                    ++world_.arrivals;
                    kept_.Forget();
                    update();
                },
                Qt::QueuedConnection);
        });
    kept_.Forget();
    ShowAttribution(attributionText_);
    update();
}

void MapView::OpenWorldMap(const QString& path, bool wait,
                           std::function<void(const QString&)> done) {
    struct Opened {
        map::OpenedMap map;
    };
    auto opened = std::make_shared<Opened>();
    const std::string file = QFile::encodeName(path).toStdString();
    const std::string agent = "QUILO/" + QCoreApplication::applicationVersion().toStdString();
    auto open = [opened, file, agent] {
        // Stateless, and used by the source for as long as it shows.
        static const QtTileDecoder tileImages;
        map::OpenMapOptions options;
        options.tileImages = &tileImages;
        options.tileUserAgent = agent;
        QuietEvents events;
        opened->map = map::OpenMap(file, options, events);
    };
    auto show = [this, opened, done = std::move(done)] {
        map::OpenedMap& m = opened->map;
        if (!m.tiles) {
            done(QString::fromStdString(m.error.empty() ? "not a tile source" : m.error));
            return;
        }
        // Level 0 is the whole world at the source's finest zoom.
        const int maxZoom = static_cast<int>(
            std::lround(std::log2(m.tiles->Width() / double{map::TiledMap::kTileSize})));
        SetWorldMap(std::move(m.tiles), maxZoom, QString::fromStdString(m.source.attribution));
        done(QString());
    };
    if (wait) {
        open();
        show();
        return;
    }
    QThread* thread = QThread::create(std::move(open));
    connect(thread, &QThread::finished, this, std::move(show));
    connect(thread, &QThread::finished, thread, &QObject::deleteLater);
    thread->start();
}

bool MapView::CanLayWorldUnder() const {
    return !Map().Empty() && session_.Georeference().HasTransform() &&
           !map::IsTileSourcePath(mapImagePath_.toStdString());
}

void MapView::SetScanOpacity(double opacity) {
    world_.scanOpacity = std::clamp(opacity, 0.0, 1.0);
    kept_.Forget();
    update();
}

void MapView::ShowAttribution(const QString& attribution) {
    attributionText_ = attribution;
    if (attribution_ == nullptr) {
        attribution_ = new QLabel(this);
        attribution_->setStyleSheet(QStringLiteral(
            "QLabel { background: rgba(255, 255, 255, 200); color: black; padding: 1px 4px; }"));
        attribution_->setAttribute(Qt::WA_TransparentForMouseEvents);
        // A tile source's problems (a server down, an error) are told beside its attribution,
        // polled: they come from the thread that fetches.
        auto* poll = new QTimer(attribution_);
        connect(poll, &QTimer::timeout, this, [this] { PlaceAttribution(); });
        poll->start(1000);
    }
    PlaceAttribution();
}

void MapView::PlaceAttribution() {
    if (attribution_ == nullptr)
        return;
    QString text = attributionText_;
    if (!worldAttribution_.isEmpty() && !text.contains(worldAttribution_))
        text =
            text.isEmpty() ? worldAttribution_ : text + QStringLiteral(" | ") + worldAttribution_;
    if (!text.isEmpty()) {
        const std::string problem = map::SharedTileState()->Problem();
        if (map::SharedTileState()->offline)
            text = tr("Working offline") + QStringLiteral(" | ") + text;
        else if (!problem.empty())
            text = QString::fromStdString(problem) + QStringLiteral(" | ") + text;
    }
    if (attribution_->text() != text)
        attribution_->setText(text);
    attribution_->setVisible(!text.isEmpty());
    attribution_->adjustSize();
    const int bottom = CursorLineRect(width(), height()).top();
    attribution_->move(width() - attribution_->width(), bottom - attribution_->height());
}

} // namespace view
