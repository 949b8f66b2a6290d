// The demo town as a small MBTiles tile set: the demo starts on a tiled map, without a network.
#include "demo/DemoMap.h"

#include "gps/DemoTown.h"
#include "map/pyramid/WebMercator.h"
#include "map/tiles/TileCache.h"

#include <QBuffer>
#include <QDir>
#include <QFile>

#include <cmath>
#include <numbers>

namespace demo {

namespace {

// The town's 2 m pixels lie between zoom 15 and 16; the coarsest shows it whole in one tile.
constexpr int kMinZoom = 12;
constexpr int kMaxZoom = 16;

// The west or north edge of a fraction of a tile, in degrees.
double Longitude(double column, int zoom) {
    return column / std::ldexp(1.0, zoom) * 360.0 - 180.0;
}
double Latitude(double row, int zoom) {
    const double n = std::numbers::pi * (1.0 - 2.0 * row / std::ldexp(1.0, zoom));
    return std::atan(std::sinh(n)) * 180.0 / std::numbers::pi;
}

} // namespace

QString DemoTilesPath(const QString& dir) {
    return QDir(dir).filePath(QString(kDemoMapBaseName) + ".mbtiles");
}

bool WriteDemoTiles(const QString& dir, QString* error) {
    auto fail = [error](const QString& text) {
        if (error)
            *error = text;
        return false;
    };
    if (!QDir().mkpath(dir))
        return fail(dir + ": cannot create the folder");
    const QString path = DemoTilesPath(dir);
    QFile::remove(path); // made afresh, never added to
    std::string why;
    const std::unique_ptr<map::TileCache> file =
        map::TileCache::Open(path.toStdString(), map::TileCache::kNoLimit, &why);
    if (!file)
        return fail(QString::fromStdString(why));
    const QImage town = PaintDemoMap();
    // The town's pixels are a linear function of the position.
    const MapPos origin = PixelToGeo({0, 0});
    const MapPos corner = PixelToGeo({kMapWidth, kMapHeight});
    const double lonPerPixel = (corner.x - origin.x) / kMapWidth;
    const double latPerPixel = (corner.y - origin.y) / kMapHeight;
    const QRgb ground = town.pixel(town.width() / 2, 4);
    for (int zoom = kMinZoom; zoom <= kMaxZoom; ++zoom) {
        // Shrunk smoothly to about the tiles' pixels first, so a coarse zoom does not shimmer.
        const double tileLonPerPixel = 360.0 / std::ldexp(map::TiledMap::kTileSize, zoom);
        const double shrink = std::min(1.0, lonPerPixel / tileLonPerPixel);
        const QImage image = shrink < 1.0
                                 ? town.scaled(static_cast<int>(kMapWidth * shrink),
                                               static_cast<int>(kMapHeight * shrink),
                                               Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                                 : town;
        for (int row = map::MercatorRow(origin.y, zoom);
             row <= map::MercatorRow(corner.y, zoom, true); ++row)
            for (int column = map::MercatorColumn(origin.x, zoom);
                 column <= map::MercatorColumn(corner.x, zoom, true); ++column) {
                QImage tile(map::TiledMap::kTileSize, map::TiledMap::kTileSize,
                            QImage::Format_RGB32);
                for (int y = 0; y < tile.height(); ++y) {
                    const double lat = Latitude(row + (y + 0.5) / tile.height(), zoom);
                    const int py =
                        static_cast<int>(std::floor((lat - origin.y) / latPerPixel * shrink));
                    auto* line = reinterpret_cast<QRgb*>(tile.scanLine(y));
                    for (int x = 0; x < tile.width(); ++x) {
                        const double lon = Longitude(column + (x + 0.5) / tile.width(), zoom);
                        const int px =
                            static_cast<int>(std::floor((lon - origin.x) / lonPerPixel * shrink));
                        line[x] = image.valid(px, py) ? image.pixel(px, py) : ground;
                    }
                }
                QByteArray png;
                QBuffer buffer(&png);
                buffer.open(QIODevice::WriteOnly);
                if (!tile.save(&buffer, "PNG") ||
                    !file->Put(zoom, column, row, std::string_view(png.constData(), png.size()), 0))
                    return fail(path + ": cannot write a tile");
            }
    }
    const auto degrees = [](double value) { return std::to_string(value); };
    if (!(file->SetMetadata("name", "Brindlemoor") && file->SetMetadata("format", "png") &&
          file->SetMetadata("type", "baselayer") && file->SetMetadata("version", "1.0") &&
          file->SetMetadata("bounds", degrees(origin.x) + "," + degrees(corner.y) + "," +
                                          degrees(corner.x) + "," + degrees(origin.y)) &&
          file->SetMetadata("minzoom", std::to_string(kMinZoom)) &&
          file->SetMetadata("maxzoom", std::to_string(kMaxZoom)) &&
          file->SetMetadata("attribution", "Brindlemoor demo town")))
        return fail(path + ": cannot be written");
    file->Finish();
    QFile::remove(path + ".lock");
    return true;
}

} // namespace demo
