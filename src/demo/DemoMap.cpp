#include "demo/DemoMap.h"

#include "calib/CalibrationFile.h"
#include "gps/DemoTown.h"
#include "platform/FileIo.h"
#include "points/PointsFile.h"

#include <QBuffer>
#include <QDir>
#include <QFont>
#include <QPainter>
#include <QPainterPath>

#include <cmath>
#include <cstdint>

namespace demo {

namespace {

const QColor kLand(244, 240, 226);
const QColor kBuilding(214, 190, 160);
const QColor kBuildingEdge(170, 140, 110);
const QColor kWater(150, 192, 232);
const QColor kWaterEdge(100, 145, 200);
const QColor kParkFill(186, 222, 160);
const QColor kTree(90, 150, 80);
const QColor kGrid(120, 150, 210, 110);
const QColor kStreetCasing(140, 140, 140);
const QColor kMainStreet(255, 236, 170);
const QColor kMinorStreet(255, 255, 255);
const QColor kText(50, 50, 60);

QPointF ToPoint(Pixel p) {
    return {p.x, p.y};
}

QPolygonF ToPolygon(std::span<const Pixel> points) {
    QPolygonF polygon;
    for (const Pixel& p : points)
        polygon << ToPoint(p);
    return polygon;
}

double DistanceToSegment(QPointF p, QPointF a, QPointF b) {
    const QPointF ab = b - a;
    const double len2 = QPointF::dotProduct(ab, ab);
    double t = len2 > 0.0 ? QPointF::dotProduct(p - a, ab) / len2 : 0.0;
    t = std::clamp(t, 0.0, 1.0);
    const QPointF d = p - (a + ab * t);
    return std::hypot(d.x(), d.y());
}

double DistanceToPolyline(QPointF p, std::span<const Pixel> line) {
    double best = 1e9;
    for (std::size_t i = 1; i < line.size(); ++i)
        best = std::min(best, DistanceToSegment(p, ToPoint(line[i - 1]), ToPoint(line[i])));
    return best;
}

// A fixed little generator, so every build draws the same town.
class Lcg {
public:
    std::uint32_t Next() {
        state_ = state_ * 1664525u + 1013904223u;
        return state_ >> 8;
    }
    int Range(int lo, int hi) { return lo + static_cast<int>(Next() % (hi - lo + 1)); }

private:
    std::uint32_t state_ = 20261208u;
};

void PaintGrid(QPainter& p) {
    p.setPen(QPen(kGrid, 1));
    const int step = 125; // 250 m
    for (int x = step; x < kMapWidth; x += step)
        p.drawLine(x, 0, x, kMapHeight);
    for (int y = step; y < kMapHeight; y += step)
        p.drawLine(0, y, kMapWidth, y);
    QFont font("DejaVu Sans");
    font.setPixelSize(12);
    p.setFont(font);
    p.setPen(QColor(70, 100, 170));
    for (int i = 0; i * step < kMapWidth; ++i)
        p.drawText(QRectF(i * step, 2, step, 16), Qt::AlignCenter, QString(QChar('A' + i)));
    for (int j = 0; j * step < kMapHeight; ++j)
        p.drawText(QRectF(2, j * step, 16, step), Qt::AlignCenter, QString::number(j + 1));
}

void PaintRiver(QPainter& p) {
    QPainterPath path;
    const auto river = RiverCentreLine();
    path.moveTo(ToPoint(river[0]));
    // Curves through the midpoints give the river its bends without corners.
    for (std::size_t i = 1; i + 1 < river.size(); ++i) {
        const QPointF mid = (ToPoint(river[i]) + ToPoint(river[i + 1])) / 2.0;
        path.quadTo(ToPoint(river[i]), mid);
    }
    path.lineTo(ToPoint(river.back()));
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kWaterEdge, 48, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(path);
    p.setPen(QPen(kWater, 44, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(path);

    QFont font("DejaVu Serif");
    font.setPixelSize(16);
    font.setItalic(true);
    p.setFont(font);
    p.setPen(QColor(40, 80, 150));
    p.save();
    p.translate(600, 470);
    p.rotate(std::atan2(520.0 - 420.0, 700.0 - 500.0) * 180.0 / 3.14159265358979);
    p.drawText(QPointF(-45, 6), "River Brind");
    p.restore();
}

void PaintPark(QPainter& p, Lcg& random) {
    const QPolygonF park = ToPolygon(ParkOutline());
    p.setPen(QPen(QColor(120, 170, 100), 2));
    p.setBrush(kParkFill);
    p.drawPolygon(park);
    p.setPen(Qt::NoPen);
    p.setBrush(kTree);
    for (int i = 0; i < 90; ++i) {
        const QPointF c(random.Range(450, 950), random.Range(240, 520));
        if (park.containsPoint(c, Qt::OddEvenFill) && DistanceToPolyline(c, RiverCentreLine()) > 40)
            p.drawEllipse(c, 5, 5);
    }
}

bool NearStreet(QPointF c, double margin) {
    for (const Street& s : Streets())
        if (DistanceToPolyline(c, s.points) < margin)
            return true;
    return false;
}

void PaintBuildings(QPainter& p, Lcg& random) {
    const QPolygonF park = ToPolygon(ParkOutline());
    p.setPen(QPen(kBuildingEdge, 1));
    p.setBrush(kBuilding);
    for (int y = 70; y < kMapHeight - 60; y += 30) {
        for (int x = 70; x < kMapWidth - 60; x += 30) {
            if (random.Range(0, 9) < 3)
                continue;
            const QPointF c(x + random.Range(-3, 3), y + random.Range(-3, 3));
            // Houses line the streets: nothing far from one, nothing on one.
            if (!NearStreet(c, 70) || NearStreet(c, 20))
                continue;
            if (DistanceToPolyline(c, RiverCentreLine()) < 45 ||
                park.containsPoint(c, Qt::OddEvenFill))
                continue;
            const double w = random.Range(14, 22);
            const double h = random.Range(12, 20);
            p.drawRect(QRectF(c.x() - w / 2, c.y() - h / 2, w, h));
        }
    }
}

void PaintStreets(QPainter& p) {
    p.setBrush(Qt::NoBrush);
    for (const Street& s : Streets()) {
        const double width = s.kind == StreetKind::Main ? 18 : 12;
        p.setPen(QPen(kStreetCasing, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPolyline(ToPolygon(s.points));
    }
    for (const Street& s : Streets()) {
        const bool main = s.kind == StreetKind::Main;
        p.setPen(QPen(main ? kMainStreet : kMinorStreet, main ? 14 : 9, Qt::SolidLine, Qt::RoundCap,
                      Qt::RoundJoin));
        p.drawPolyline(ToPolygon(s.points));
    }
    QFont font("DejaVu Sans");
    font.setPixelSize(11);
    p.setFont(font);
    p.setPen(kText);
    for (const Street& s : Streets()) {
        // The name sits a little way along the first stretch, clear of its junction.
        const QPointF a = ToPoint(s.points[0]);
        const QPointF b = ToPoint(s.points[1]);
        const double angle = std::atan2(b.y() - a.y(), b.x() - a.x()) * 180.0 / 3.14159265358979;
        const QPointF at = a + (b - a) * 0.12;
        p.save();
        p.translate(at);
        p.rotate(angle);
        p.drawText(QRectF(0, -8, 160, 16), Qt::AlignLeft | Qt::AlignVCenter,
                   QString::fromUtf8(s.name.data(), static_cast<int>(s.name.size())));
        p.restore();
    }
}

void PaintLegend(QPainter& p) {
    const QRectF box(1230, 1010, 340, 160);
    p.setPen(QPen(kText, 1));
    p.setBrush(QColor(255, 255, 255, 230));
    p.drawRect(box);
    QFont title("DejaVu Serif");
    title.setPixelSize(30);
    title.setBold(true);
    p.setFont(title);
    p.drawText(box.adjusted(12, 8, -12, 0), Qt::AlignLeft | Qt::AlignTop, "BRINDLEMOOR");
    QFont small("DejaVu Sans");
    small.setPixelSize(12);
    p.setFont(small);
    p.drawText(box.adjusted(12, 48, -12, 0), Qt::AlignLeft | Qt::AlignTop,
               "Town plan  \u00b7  grid squares 250 m");
    // Scale bar: 500 m.
    const double bar = 500.0 / kMetresPerPixel;
    const QPointF origin = box.topLeft() + QPointF(14, 110);
    p.setBrush(kText);
    p.drawRect(QRectF(origin.x(), origin.y(), bar / 2, 6));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(origin.x() + bar / 2, origin.y(), bar / 2, 6));
    p.drawText(QPointF(origin.x() - 3, origin.y() + 22), "0");
    p.drawText(QPointF(origin.x() + bar / 2 - 16, origin.y() + 22), "250");
    p.drawText(QPointF(origin.x() + bar - 24, origin.y() + 22), "500 m");
    // North arrow.
    const QPointF n = box.topRight() + QPointF(-30, 110);
    QPolygonF arrow;
    arrow << n + QPointF(0, -34) << n + QPointF(10, 0) << n + QPointF(0, -8) << n + QPointF(-10, 0);
    p.setBrush(kText);
    p.drawPolygon(arrow);
    p.drawText(QRectF(n.x() - 10, n.y() + 2, 20, 16), Qt::AlignCenter, "N");
}

} // namespace

QImage PaintDemoMap() {
    QImage image(kMapWidth, kMapHeight, QImage::Format_RGB32);
    image.fill(kLand);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setRenderHint(QPainter::TextAntialiasing, true);
    Lcg random;
    PaintGrid(p);
    PaintRiver(p);
    PaintPark(p, random);
    PaintBuildings(p, random);
    PaintStreets(p);
    PaintLegend(p);
    p.setPen(QPen(kText, 3));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(1.5, 1.5, kMapWidth - 3, kMapHeight - 3));
    p.end();
    return image;
}

QString DemoMapImagePath(const QString& dir) {
    return QDir(dir).filePath(QString(kDemoMapBaseName) + ".png");
}

bool WriteDemoSheets(const QString& dir, QString* error) {
    if (!QDir().mkpath(dir)) {
        if (error)
            *error = dir + ": cannot create the folder";
        return false;
    }
    const QImage town = PaintDemoMap();
    const int width = (kMapWidth + kSheetOverlap * (kSheetColumns - 1)) / kSheetColumns;
    const int height = (kMapHeight + kSheetOverlap * (kSheetRows - 1)) / kSheetRows;
    for (int column = 0; column < kSheetColumns; ++column) {
        for (int row = 0; row < kSheetRows; ++row) {
            const Pixel origin{column * (width - kSheetOverlap) * 1.0,
                               row * (height - kSheetOverlap) * 1.0};
            QByteArray png;
            QBuffer buffer(&png);
            buffer.open(QIODevice::WriteOnly);
            town.copy(static_cast<int>(origin.x), static_cast<int>(origin.y), width, height)
                .save(&buffer, "PNG");
            const std::string path = QDir(dir)
                                         .filePath(QString("%1-%2%3.png")
                                                       .arg(kDemoMapBaseName)
                                                       .arg(QChar('A' + column))
                                                       .arg(row + 1))
                                         .toStdString();
            // Three corners of the sheet, placed where they lie on the town.
            calib::CGPSMapFuncs calibration;
            calibration.SetMagVar(kMagneticVariation);
            for (const Pixel corner : {Pixel{0, 0}, Pixel{width * 1.0, 0}, Pixel{0, height * 1.0}})
                calibration.AddCalibrationPoint(
                    MapPos(corner.x, height - corner.y),
                    demo::PixelToGeo(Pixel{origin.x + corner.x, origin.y + corner.y}));
            platform::FileResult written =
                platform::WriteFileAtomically(path, std::string_view(png.constData(), png.size()));
            if (written)
                written = calib::SaveCalibrationFile(
                    calib::CalibrationFileName(calib::MapBaseName(path)), calibration);
            if (!written) {
                if (error)
                    *error = QString::fromStdString(written.error);
                return false;
            }
        }
    }
    return true;
}

bool WriteDemoMap(const QString& dir, QString* error) {
    auto fail = [error](const QString& text) {
        if (error)
            *error = text;
        return false;
    };
    if (!QDir().mkpath(dir))
        return fail(dir + ": cannot create the folder");

    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    if (!PaintDemoMap().save(&buffer, "PNG"))
        return fail("cannot encode the demo map");
    const QString imagePath = DemoMapImagePath(dir);
    const platform::FileResult written = platform::WriteFileAtomically(
        imagePath.toStdString(), std::string_view(png.constData(), png.size()));
    if (!written)
        return fail(QString::fromStdString(written.error));

    // Three pairs spread over the map, written by the same code that saves a user's
    // calibration, so the demo also exercises it.
    calib::CGPSMapFuncs calibration;
    calibration.SetMagVar(kMagneticVariation);
    calib::FitResult fit = calib::FitResult::TooFewPairs;
    for (const Pixel& pixel : CalibrationPixels())
        fit = calibration.AddCalibrationPoint(MapPos(pixel.x, kMapHeight - pixel.y),
                                              demo::PixelToGeo(pixel));
    if (fit != calib::FitResult::Fitted)
        return fail("the demo calibration points do not fit");
    const std::string base = calib::MapBaseName(imagePath.toStdString());
    const platform::FileResult calibrationWritten =
        calib::SaveCalibrationFile(calib::CalibrationFileName(base), calibration);
    if (!calibrationWritten)
        return fail(QString::fromStdString(calibrationWritten.error));

    points::MapPointList list;
    for (const Place& place : Places())
        list.emplace_back(std::string(place.name), demo::PixelToGeo(place.pixel), place.symbol,
                          place.lineColour, place.fillColour, place.size,
                          std::string(place.description));
    const platform::FileResult pointsWritten =
        points::WritePointsFile(calib::PointsFileName(base), list);
    if (!pointsWritten)
        return fail(QString::fromStdString(pointsWritten.error));
    return true;
}

} // namespace demo
