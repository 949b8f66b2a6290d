#include "AppTestSupport.h"

#include "calib/CalibrationFile.h"
#include "calib/MapSettingsDlg.h"
#include "demo/DemoMap.h"
#include "gps/DemoTown.h"
#include "map/pyramid/PyramidCache.h"
#include "platform/FileIo.h"
#include "support/GdalMaps.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QInputDialog>
#include <QMouseEvent>
#include <QPainter>
#include <QProgressBar>
#include <QPushButton>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

std::string Bytes(const QString& path) {
    std::string bytes;
    EXPECT_TRUE(platform::ReadWholeFile(path.toStdString(), bytes));
    return bytes;
}

void Put(const QString& path, const std::string& bytes) {
    ASSERT_TRUE(platform::WriteFileAtomically(path.toStdString(), bytes));
}

QImage Gradient(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, qRgb(x * 255 / width, y * 255 / height, 90));
    return image;
}

QImage Shot(view::MapView& v) {
    QImage shot(v.size(), QImage::Format_RGB32);
    QPainter painter(&shot);
    v.PaintFrame(painter);
    return shot;
}

int ChannelDistance(QRgb a, QRgb b) {
    return std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                     std::abs(qBlue(a) - qBlue(b))});
}

} // namespace

class MapLoad : public FrameFixture {
protected:
    void SetUp() override {
        QString error;
        ASSERT_TRUE(demo::WriteDemoMap(dir.path(), &error)) << error.toStdString();
        map = demo::DemoMapImagePath(dir.path());
        base = map.left(map.size() - 4);
    }
    QString map;
    QString base;
};

TEST_F(MapLoad, DemoMapLoadsWithItsCalibrationAndPointsAtFullSizeFromTheCorner) {
    view::MapView& v = StartFrame().View();
    v.SetZoom(2.0);
    ASSERT_TRUE(view::MapLoader(v).Load(map));
    EXPECT_TRUE(catcher.messages.empty());
    EXPECT_EQ(QSize(v.Geometry().ImageWidth(), v.Geometry().ImageHeight()),
              QSize(demo::kMapWidth, demo::kMapHeight));
    EXPECT_DOUBLE_EQ(v.Geometry().Zoom(), 1.0);
    EXPECT_EQ(v.Geometry().ScrollOffset(), (view::ViewPoint{0, 0}));
    EXPECT_EQ(v.Session().Document().BaseName(), base.toStdString());
    EXPECT_TRUE(v.Session().Document().Calibration().IsCalibrated());
    EXPECT_DOUBLE_EQ(v.Session().Document().Calibration().GetMagVar(), demo::kMagneticVariation);
    EXPECT_EQ(v.Session().Document().Points().size(), demo::Places().size());
    // The calibration maps the town's pixels where the demo put them.
    for (const demo::Pixel& p :
         {demo::Pixel{0, 0}, demo::Pixel{800, 600}, demo::Pixel{1599, 1199}}) {
        const MapPos geo = v.Session().Georeference().ToGeo(MapPos(p.x, p.y));
        const MapPos expected = demo::PixelToGeo(p);
        EXPECT_NEAR(geo.y, expected.y, 1e-9);
        EXPECT_NEAR(geo.x, expected.x, 1e-9);
    }
}

TEST_F(MapLoad, MissingCalibrationWarnsAndStartsUncalibrated) {
    CGPSMapFrame& frame = StartFrame();
    view::MapView& v = frame.View();
    ASSERT_TRUE(frame.LoadMapFile(map));
    QFile::copy(map, dir.filePath("copy.png"));
    // Said over the new map under its own name, not over the old one and a full bar.
    QStringList whenTold;
    const platform::MessageHook caught = platform::SetMessageHook([&](const platform::Message& m) {
        catcher.messages.push_back(m);
        whenTold << frame.windowTitle() << QFileInfo(v.MapPath()).fileName()
                 << (frame.findChild<QProgressBar*>()->isVisible() ? "bar" : "no bar");
    });
    ASSERT_TRUE(frame.LoadMapFile(dir.filePath("copy.png")));
    platform::SetMessageHook(caught);
    EXPECT_EQ(whenTold, (QStringList{"copy.png - QUILO", "copy.png", "no bar"}));
    ASSERT_EQ(catcher.messages.size(), 1u);
    EXPECT_EQ(catcher.messages[0].text, "This map has no calibration information.");
    EXPECT_EQ(catcher.messages[0].caption, "Warning");
    EXPECT_EQ(v.Session().Document().Calibration(), calib::CGPSMapFuncs());
    EXPECT_TRUE(v.Session().Document().Points().empty()); // no points file: silently none

    // A quit with the box up: the map shows, but is not flushed into the cache for a quit to
    // wait on.
    QFile::copy(map, dir.filePath("quit.png"));
    const platform::MessageHook before =
        platform::SetMessageHook([&](const platform::Message&) { frame.Loader().Stop(); });
    ASSERT_TRUE(frame.LoadMapFile(dir.filePath("quit.png")));
    platform::SetMessageHook(before);
    EXPECT_EQ(v.MapPath(), dir.filePath("quit.png"));
    const map::PyramidCache cache(map::PyramidCache::DefaultFolder());
    const auto cached = [&](const QString& path) {
        int err = 0;
        const platform::UniqueFd fd = platform::OpenRegularFile(path.toStdString(), &err);
        return cache.Open(path.toStdString(), fd.Get(), demo::kMapWidth, demo::kMapHeight) !=
               nullptr;
    };
    EXPECT_TRUE(cached(dir.filePath("copy.png")));
    EXPECT_FALSE(cached(dir.filePath("quit.png")));
    EXPECT_FALSE(frame.Loader().Load(map)) << "a stopped loader starts nothing";
}

TEST_F(MapLoad, ImageFilesThatAreCutShortRotatedOrNoImages) {
    CGPSMapFrame& frame = StartFrame();
    view::MapView& v = frame.View();
    // Detailed enough that half the file is mostly picture, not tables.
    QImage image(400, 200, QImage::Format_RGB32);
    for (int y = 0; y < 200; ++y)
        for (int x = 0; x < 400; ++x)
            image.setPixel(x, y, qRgb(x % 256, (x * y) % 256, y));
    QByteArray jpeg;
    QBuffer buffer(&jpeg);
    ASSERT_TRUE(buffer.open(QIODevice::WriteOnly) && image.save(&buffer, "JPEG"));
    // An APP1 segment whose EXIF data says "turn by 90 degrees" (orientation 6).
    const char exif[] = "\xFF\xE1\x00\x22"
                        "Exif\0\0MM\0\x2A\0\0\0\x08\0\x01"
                        "\x01\x12\0\x03\0\0\0\x01\0\x06\0\0\0\0\0\0";
    // The frame's type changed to one no decoder knows; a stray marker inside the image data.
    QByteArray badMarker = jpeg;
    badMarker[jpeg.indexOf("\xFF\xC0") + 1] = '\x02';
    QByteArray strayMarker = jpeg;
    strayMarker.replace(jpeg.indexOf("\xFF\xDA") + 300, 2, "\xFF\xD5");
    const struct {
        const char* legend;
        QByteArray bytes;
        bool loads;
        const char* message; // in the one box shown, after the path; "" for none
    } rows[] = {
        {"whole", jpeg, true, ""},
        {"EXIF orientation: the file's own grid",
         QByteArray(jpeg).insert(2, exif, sizeof(exif) - 1), true, ""},
        {"cut in half", jpeg.left(jpeg.size() / 2), true, ": the file ends early"},
        {"a marker inside the image data", strayMarker, true, ": the file is damaged"},
        {"a frame of no known kind", badMarker, false, ": Unsupported marker type 0x02"},
        {"not an image", "not an image", false, ": Unsupported image format"},
        {"empty", "", false, ": "},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.legend);
        ASSERT_TRUE(frame.LoadMapFile(map));
        v.SetSelection(MapPos(100, 100));
        catcher.messages.clear();
        const QString path = dir.filePath("photo.jpg");
        Put(path, row.bytes.toStdString());
        EXPECT_EQ(frame.LoadMapFile(path), row.loads);
        if (row.loads) {
            EXPECT_EQ(QSize(v.Geometry().ImageWidth(), v.Geometry().ImageHeight()),
                      QSize(400, 200));
            EXPECT_EQ(catcher.messages.size(), *row.message ? 2u : 1u) << "and no calibration";
        } else {
            // The map that was showing stays, with its calibration, points and selection.
            EXPECT_EQ(v.Session().Document().BaseName(), base.toStdString());
            EXPECT_EQ(v.Geometry().ImageWidth(), demo::kMapWidth);
            EXPECT_TRUE(v.Session().Document().Calibration().HasTransform());
            EXPECT_EQ(v.Session().Document().Points().size(), demo::Places().size());
            EXPECT_EQ(v.Session().Selection(), MapPos(100, 100));
            ASSERT_EQ(catcher.messages.size(), 1u);
            EXPECT_EQ(catcher.messages[0].caption, "Error");
        }
        if (*row.message) {
            ASSERT_FALSE(catcher.messages.empty());
            const QString text = catcher.messages[0].text;
            EXPECT_TRUE(
                text.startsWith((row.loads ? "" : "Failed to load map\n") + path + row.message))
                << text.toStdString();
            // A cut or damaged file is never cached: it warns again at the next open.
            const std::size_t told = catcher.messages.size();
            ASSERT_TRUE(frame.LoadMapFile(map));
            EXPECT_EQ(frame.LoadMapFile(path), row.loads);
            ASSERT_EQ(catcher.messages.size(), 2 * told);
            EXPECT_EQ(catcher.messages[told].text, text);
        }
    }
}

TEST_F(MapLoad, DamagedFilesAreNamedAndLeaveStateAsTheStepsBeforeLeftIt) {
    view::MapView& v = StartFrame().View();
    ASSERT_TRUE(view::MapLoader(v).Load(map));
    const calib::CGPSMapFuncs before = v.Session().Document().Calibration();
    const std::string mcd = Bytes(base + ".mcd");
    const std::string pts = Bytes(base + ".pts");
    const struct {
        const char* legend;
        std::string mcd;
        std::string pts;
        const char* named; // the file the message must name
        bool pointsKept;
    } rows[] = {
        {"calibration cut short", mcd.substr(0, 100), pts, ".mcd", true},
        {"calibration count beyond its bytes", std::string("\x06\x00", 2) + mcd.substr(2, 30), pts,
         ".mcd", true},
        {"points file cut short", mcd, pts.substr(0, pts.size() / 2), ".pts", false},
        {"points file of another class", mcd, pts.substr(0, 8) + "X" + pts.substr(9), ".pts",
         false},
    };
    for (const auto& row : rows) {
        Put(base + ".mcd", row.mcd);
        Put(base + ".pts", row.pts);
        catcher.messages.clear();
        EXPECT_TRUE(view::MapLoader(v).Load(map)) << row.legend; // the image itself is fine
        ASSERT_EQ(catcher.messages.size(), 1u) << row.legend;
        EXPECT_TRUE(catcher.messages[0].text.contains(base + row.named)) << row.legend;
        EXPECT_EQ(v.Session().Document().Calibration(), before) << row.legend;
        EXPECT_EQ(v.Session().Document().Points().size(),
                  row.pointsKept ? demo::Places().size() : 0u)
            << row.legend;
    }
}

TEST_F(MapLoad, CollinearCalibrationPointsWarnInsteadOfBreakingTheTransform) {
    view::MapView& v = StartFrame().View();
    ASSERT_TRUE(view::MapLoader(v).Load(map));
    const calib::CGPSMapFuncs good = v.Session().Document().Calibration();
    calib::CGPSMapFuncs line;
    for (int i = 0; i < 3; ++i)
        line.AddCalibrationPoint(MapPos(100.0 * i, 100.0 * i),
                                 MapPos(-1.9 + 0.01 * i, 52.2 + 0.01 * i));
    ASSERT_TRUE(calib::SaveCalibrationFile((base + ".mcd").toStdString(), line));
    ASSERT_TRUE(view::MapLoader(v).Load(map));
    ASSERT_EQ(catcher.messages.size(), 1u);
    EXPECT_EQ(catcher.messages[0].caption, "Warning");
    EXPECT_FALSE(v.Session().Document().Calibration().IsCalibrated());
    // The transform in use is still the last good one, so nothing non-finite is drawn.
    EXPECT_EQ(v.Session().Document().Calibration().GetA(), good.GetA());
    EXPECT_EQ(v.Session().Document().Calibration().GetF(), good.GetF());
}

TEST_F(MapLoad, SaveCalibrationWritesBesideTheMapAndReportsFailure) {
    view::MapView& v = StartFrame().View();
    ASSERT_TRUE(view::MapLoader(v).Load(map));
    // OK in Map Settings writes the calibration file.
    const auto saveCalibration = [this] {
        testsupport::WhenModal<calib::MapSettingsDlg>([](calib::MapSettingsDlg& d) { d.accept(); });
        frame->Commands().OnMapSettings();
    };
    QFile::remove(base + ".mcd");
    saveCalibration();
    EXPECT_EQ(Bytes(base + ".mcd").size(), 154u);
    EXPECT_TRUE(catcher.messages.empty());

    // A folder where the file should go cannot be replaced by a file.
    QFile::remove(base + ".mcd");
    ASSERT_TRUE(QDir().mkpath(base + ".mcd"));
    saveCalibration();
    ASSERT_EQ(catcher.messages.size(), 1u);
    EXPECT_EQ(catcher.messages[0].caption, "Save Error");
    EXPECT_EQ(catcher.messages[0].text, "Unable to write file: " + base + ".mcd");
}

TEST_F(MapLoad, BackgroundLoadKeepsTheWindowRunningAndLeavesTheMapOnCancelOrFailure) {
    CGPSMapFrame& frame = StartFrame();
    view::MapView& v = frame.View();
    // Several tiles across, so the pyramid has levels to cut.
    QImage image(700, 300, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, qRgb(x % 256, (x * y) % 256, y % 256));
    QByteArray png;
    QBuffer buffer(&png);
    ASSERT_TRUE(buffer.open(QIODevice::WriteOnly) && image.save(&buffer, "PNG"));
    // The image data garbled from the middle on: the decoder fails part way through.
    QByteArray damaged = png;
    for (qsizetype i = png.size() / 2; i < png.size() - 12; ++i)
        damaged[i] = static_cast<char>(damaged[i] ^ 0x5A);
    int lastPercent = -2;
    QObject::connect(&frame.Loader(), &view::MapLoader::MapLoadProgress, &v,
                     [&](int p) { lastPercent = p; });

    const struct {
        const char* legend;
        QByteArray bytes; // null: a FIFO with no writer, refused without waiting for one
        bool cancel;
        bool loads;
    } rows[] = {
        {"whole", png, false, true},
        {"cancelled while the file is read", png, true, false},
        {"damaged half-way", damaged, false, false},
        {"a FIFO", QByteArray(), false, false},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.legend);
        ASSERT_TRUE(frame.LoadMapFile(map));
        v.SetZoom(2.0);
        v.ScrollTo(view::ViewPoint{50, 40});
        v.SetSelection(MapPos(100, 100));
        catcher.messages.clear();
        const QString path = dir.filePath("map.png");
        QFile::remove(path);
        if (row.bytes.isNull())
            ASSERT_EQ(::mkfifo(path.toLocal8Bit().constData(), 0600), 0);
        else
            Put(path, row.bytes.toStdString());
        const QSize viewSize = v.size();
        frame.StartLoadMapFile(path);

        // The window is back before the decode ends, showing that it loads over the map, which
        // keeps its place; the commands on the map's files wait.
        EXPECT_TRUE(v.Loading().Active());
        EXPECT_TRUE(frame.LoadProgress()->isVisible());
        EXPECT_EQ(v.size(), viewSize);
        EXPECT_FALSE(frame.Action(app::kCmdMapSettings)->isEnabled());
        EXPECT_EQ(v.cursor().shape(), Qt::BusyCursor);
        EXPECT_EQ(lastPercent, -1) << "decoding";
        if (row.cancel)
            frame.LoadCancelButton()->click();
        ASSERT_TRUE(
            PumpUntil([&] { return frame.Loader().Workers() == 0 && !v.Loading().Active(); }));
        EXPECT_FALSE(frame.LoadProgress()->isVisible());
        EXPECT_TRUE(frame.Action(app::kCmdMapSettings)->isEnabled());
        EXPECT_FALSE(v.testAttribute(Qt::WA_SetCursor));

        if (row.loads) {
            EXPECT_EQ(lastPercent, 100);
            EXPECT_EQ(QSize(v.Geometry().ImageWidth(), v.Geometry().ImageHeight()), image.size());
            EXPECT_DOUBLE_EQ(v.Geometry().Zoom(), 1.0);
            EXPECT_EQ(v.Geometry().ScrollOffset(), (view::ViewPoint{0, 0}));
            EXPECT_TRUE(frame.Action(app::kCmdZoom100)->isChecked());
            EXPECT_TRUE(frame.windowTitle().endsWith(" - QUILO"))
                << frame.windowTitle().toStdString();
            // The view paints the new map's pixels.
            QImage shot(v.size(), QImage::Format_RGB32);
            QPainter painter(&shot);
            v.PaintFrame(painter);
            painter.end();
            EXPECT_EQ(shot.pixel(150, 120), image.pixel(150, 120));
            ASSERT_EQ(catcher.messages.size(), 1u);
            EXPECT_EQ(catcher.messages[0].text, "This map has no calibration information.");
            continue;
        }
        // The map that was showing stays exactly as it was.
        EXPECT_EQ(v.Session().Document().BaseName(), base.toStdString());
        EXPECT_EQ(v.Geometry().ImageWidth(), demo::kMapWidth);
        EXPECT_DOUBLE_EQ(v.Geometry().Zoom(), 2.0);
        EXPECT_EQ(v.Geometry().ScrollOffset(), (view::ViewPoint{50, 40}));
        EXPECT_TRUE(v.Session().Document().Calibration().HasTransform());
        EXPECT_EQ(v.Session().Document().Points().size(), demo::Places().size());
        EXPECT_EQ(v.Session().Selection(), MapPos(100, 100));
        if (row.cancel) {
            EXPECT_TRUE(catcher.messages.empty());
        } else {
            ASSERT_EQ(catcher.messages.size(), 1u);
            EXPECT_EQ(catcher.messages[0].caption, "Error");
            EXPECT_TRUE(catcher.messages[0].text.startsWith("Failed to load map\n" + path + ": "))
                << catcher.messages[0].text.toStdString();
            if (row.bytes.isNull()) {
                EXPECT_EQ(catcher.messages[0].text,
                          "Failed to load map\n" + path + ": not a regular file");
            }
        }
    }
}

TEST_F(MapLoad, LargeJpegShowsItsPictureFirstAndACancelThenGoesBackExactly) {
    CGPSMapFrame& frame = StartFrame();
    view::MapView& v = frame.View();
    view::MapLoadLimits limits;
    limits.previewMinPixels = 0; // a picture for a small map too
    frame.Loader().SetLimits(limits);
    const QImage image = Gradient(900, 600);
    QString path;

    bool cancel = false;
    std::vector<std::string> events;
    QImage picture;
    QObject::connect(
        &frame.Loader(), &view::MapLoader::MapPreviewShown, &v, [&](const QString& shown) {
            events.push_back(shown == path ? "picture" : "another picture");
            EXPECT_TRUE(v.Loading().HoldsView());
            picture = Shot(v);
            // A drag of 30 x 20 pixels: the picture moves, and the map opens moved as much.
            const auto send = [&v](QEvent::Type type, QPoint at, Qt::MouseButton button,
                                   Qt::MouseButtons buttons) {
                QMouseEvent event(type, QPointF(at), v.mapToGlobal(QPointF(at)), button, buttons,
                                  Qt::NoModifier);
                QCoreApplication::sendEvent(&v, &event);
            };
            send(QEvent::MouseButtonPress, QPoint(100, 100), Qt::LeftButton, Qt::LeftButton);
            send(QEvent::MouseMove, QPoint(85, 90), Qt::NoButton, Qt::LeftButton);
            send(QEvent::MouseMove, QPoint(70, 80), Qt::NoButton, Qt::LeftButton);
            send(QEvent::MouseButtonRelease, QPoint(70, 80), Qt::LeftButton, Qt::NoButton);
            if (cancel)
                frame.LoadCancelButton()->click();
        });
    QImage rowsShot; // the screen when every row in view is decoded, the map not yet loaded
    QObject::connect(&frame.Loader(), &view::MapLoader::MapFullResolutionShown, &v,
                     [&](const QString& shown) {
                         events.push_back(shown == path ? "full resolution" : "another map's rows");
                         EXPECT_TRUE(v.Loading().HoldsView());
                         rowsShot = Shot(v);
                     });
    QObject::connect(&frame.Loader(), &view::MapLoader::MapLoadFinished, &v,
                     [&](const QString&, bool loaded, const QString&) {
                         events.push_back(loaded ? "map" : "no map");
                     });
    const struct {
        const char* legend;
        const char* file;
        bool cancel;
        std::vector<std::string> events;
        bool wait = false; // as a screenshot does
    } rows[] = {
        {"loaded", "big.jpg", false, {"picture", "full resolution", "map"}},
        {"reopened: from the cache at once", "big.jpg", false, {"map"}},
        {"cancelled while the picture shows", "other.jpg", true, {"picture", "no map"}},
        {"waited for: the whole map, no picture", "waited.jpg", false, {"map"}, true},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.legend);
        path = dir.filePath(row.file);
        if (!QFile::exists(path)) { // a new file is not the one cached
            ASSERT_TRUE(image.save(path, "JPEG", 95));
        }
        const QImage decoded = QImage(path).convertToFormat(QImage::Format_RGB32);
        ASSERT_TRUE(frame.LoadMapFile(map));
        v.SetZoom(2.0);
        v.ScrollTo(view::ViewPoint{50, 40});
        v.SetSelection(MapPos(100, 100));
        const QImage before = Shot(v);
        catcher.messages.clear();
        events.clear();
        cancel = row.cancel;
        if (row.wait)
            EXPECT_TRUE(frame.LoadMapFile(path));
        else
            frame.StartLoadMapFile(path);
        ASSERT_TRUE(
            PumpUntil([&] { return !v.Loading().Active() && frame.Loader().Workers() == 0; }));
        EXPECT_EQ(events, row.events);
        EXPECT_FALSE(v.Loading().HoldsView());
        // The picture shows the map at 100 % from its corner, in blocks of 8 pixels, under the
        // GPS and cursor lines as they were.
        if (row.events[0] == "picture") {
            ASSERT_FALSE(picture.isNull());
            for (const QRect line : {view::StatusLineRect(v.width(), v.height()),
                                     view::CursorLineRect(v.width(), v.height())})
                EXPECT_EQ(picture.copy(line), before.copy(line));
            for (const QPoint p : {QPoint(4, 30), QPoint(100, 60), QPoint(300, 180)})
                EXPECT_LE(ChannelDistance(picture.pixel(p), decoded.pixel(p)), 10) << p.x();
        }
        picture = QImage();
        if (!row.cancel) {
            EXPECT_EQ(QSize(v.Geometry().ImageWidth(), v.Geometry().ImageHeight()), decoded.size());
            EXPECT_DOUBLE_EQ(v.Geometry().Zoom(), 1.0);
            const view::ViewPoint scroll =
                row.events[0] == "picture" ? view::ViewPoint{30, 20} : view::ViewPoint{};
            EXPECT_EQ(v.Geometry().ScrollOffset(), scroll);
            const QImage shot = Shot(v);
            for (const QPoint p : {QPoint(20, 40), QPoint(151, 123), QPoint(299, 100)}) {
                const QRgb pixel = decoded.pixel(p + QPoint(scroll.x, scroll.y));
                EXPECT_LE(ChannelDistance(shot.pixel(p), pixel), 1) << p.x();
                // The decoded rows showed the same pixels before the map was loaded.
                if (row.events[0] == "picture") {
                    ASSERT_FALSE(rowsShot.isNull());
                    EXPECT_LE(ChannelDistance(rowsShot.pixel(p), pixel), 1) << p.x();
                }
            }
            rowsShot = QImage();
            continue;
        }
        EXPECT_EQ(v.Session().Document().BaseName(), base.toStdString());
        EXPECT_DOUBLE_EQ(v.Geometry().Zoom(), 2.0);
        EXPECT_EQ(v.Geometry().ScrollOffset(), (view::ViewPoint{50, 40}));
        EXPECT_TRUE(v.Session().Document().Calibration().HasTransform());
        EXPECT_EQ(v.Session().Document().Points().size(), demo::Places().size());
        EXPECT_EQ(v.Session().Selection(), MapPos(100, 100));
        EXPECT_TRUE(catcher.messages.empty());
        EXPECT_EQ(Shot(v), before) << "the same pixels, the cursor line's included";
    }
}

TEST_F(MapLoad, BeyondTheWholeImageLimitOnlyJpegAndTiffMapsLoad) {
    CGPSMapFrame& frame = StartFrame();
    view::MapView& v = frame.View();
    view::MapLoadLimits limits;
    limits.imageAllocationMb = 1; // 262144 pixels
    const QImage image = Gradient(1024, 512);
    const struct {
        const char* format;
        bool loads;
    } rows[] = {{"PNG", false}, {"BMP", false}, {"JPEG", true}, {"TIFF", true}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.format);
        frame.Loader().SetLimits(view::MapLoadLimits());
        ASSERT_TRUE(frame.LoadMapFile(map));
        frame.Loader().SetLimits(limits);
        catcher.messages.clear();
        const QString path = dir.filePath("wide." + QString(row.format).toLower());
        ASSERT_TRUE(image.save(path, row.format));
        EXPECT_EQ(frame.LoadMapFile(path), row.loads);
        ASSERT_FALSE(catcher.messages.empty());
        if (row.loads) {
            EXPECT_EQ(v.Geometry().ImageWidth(), 1024);
            // A TIFF that its tags do not place says so first.
            EXPECT_EQ(catcher.messages.back().text, "This map has no calibration information.");
            if (QString(row.format) == "TIFF") {
                EXPECT_EQ(catcher.messages[0].text,
                          path + ": The file is not georeferenced; it opens uncalibrated.");
            }
        } else {
            EXPECT_EQ(v.Geometry().ImageWidth(), demo::kMapWidth);
            EXPECT_EQ(catcher.messages[0].text,
                      "Failed to load map\n" + path +
                          ": The image is 1024 x 512 pixels; a PNG, GIF or BMP map can have at "
                          "most 0.262 million.");
        }
    }
}

// A PDF of two pages shows its first and asks which to show; the second, chosen, opens as
// FILE#2 and asks no more.
TEST_F(MapLoad, AFileOfSeveralMapsAsksWhichToShow) {
    const testsupport::TempDir pdfDir;
    const std::string pdf = testsupport::WriteTwoPagePdf(pdfDir);
    ASSERT_FALSE(pdf.empty());
    CGPSMapFrame& frame = StartFrame();
    QStringList offered;
    testsupport::WhenModal<QInputDialog>([&](QInputDialog& d) {
        offered = d.comboBoxItems();
        d.setTextValue(offered.value(1));
        d.accept();
    });
    ASSERT_TRUE(frame.LoadMapFile(QString::fromStdString(pdf)));
    EXPECT_EQ(offered.size(), 2);
    EXPECT_TRUE(PumpUntil([&] { return frame.View().MapPath().endsWith("two.pdf#2"); }, 20000));
    EXPECT_TRUE(frame.View().MapsInFile().empty());
}

// A scan whose world file names no grid: the window asks for it once a session, writes the
// .prj of what is typed and opens the map again, placed as GDAL places the same sheet (its
// grid in the .aux.xml beside it, which the viewer does not read).
TEST_F(MapLoad, AWorldFileWithoutItsGridAsksOnceWritesItsPrjAndPlacesTheMap) {
    const std::string sheet = dir.filePath("sheet.png").toStdString();
    ASSERT_TRUE(testsupport::RunGdal("gdal_create",
                                     {"-q", "-of", "PNG", "-outsize", "400", "300", "-burn", "90",
                                      "-a_srs", "EPSG:32632", "-a_ullr", "480000", "5100000",
                                      "484000", "5097000", "-co", "WORLDFILE=YES", sheet}));
    const std::vector<double> pixels{0, 0, 400, 0, 123.5, 77.25, 400, 300};
    const std::vector<double> truth =
        testsupport::GdalTransform(sheet, pixels, "+proj=longlat +datum=WGS84");
    const QString prj = dir.filePath("sheet.prj");
    const struct {
        const char* legend;
        const char* answer; // nullptr: cancelled
        QString message;    // shown after the answer
    } rows[] = {
        {"cancelled", nullptr, ""},
        {"not a named grid", "topographic",
         "topographic: a world file needs a named grid (a UTM zone, an EPSG code)"},
        {"a UTM zone", "32N", ""},
        {"an EPSG code", " EPSG:32632 ", ""},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.legend);
        QFile::remove(prj);
        view::MapView& v = StartFrame().View(); // a new session asks again
        catcher.messages.clear();
        std::size_t asked = 0; // messages before the dialog
        testsupport::WhenModal<QInputDialog>([&](QInputDialog& d) {
            asked = catcher.messages.size();
            EXPECT_EQ(d.labelText(), "The world file of sheet.png does not say its grid.\nGrid (a "
                                     "UTM zone such as 32N, or EPSG:NNNN):");
            if (row.answer == nullptr)
                return d.reject();
            d.setTextValue(row.answer);
            d.accept();
        });
        ASSERT_TRUE(frame->LoadMapFile(QString::fromStdString(sheet)));
        const bool placed = row.answer != nullptr && row.message.isEmpty();
        // Opened again, placed by the .prj just written.
        EXPECT_EQ(PumpUntil([&] { return v.Session().Georeference().HasTransform(); },
                            placed ? 10000 : 0),
                  placed);
        // One box before the question, not one more saying what the question says.
        ASSERT_EQ(asked, 1u);
        EXPECT_EQ(catcher.messages[0].text, "This map has no calibration information.");
        QStringList after;
        for (std::size_t i = asked; i < catcher.messages.size(); ++i)
            after << catcher.messages[i].text;
        EXPECT_EQ(after, row.message.isEmpty() ? QStringList() : QStringList{row.message});
        EXPECT_EQ(QFile::exists(prj), placed);
        if (!placed) {
            testsupport::ExpectNoModal([&] { frame->LoadMapFile(QString::fromStdString(sheet)); });
            EXPECT_FALSE(QFile::exists(prj));
            continue;
        }
        for (std::size_t i = 0; i + 1 < truth.size(); i += 2) {
            const MapPos back = v.Session().Georeference().ToPixel(MapPos(truth[i], truth[i + 1]));
            EXPECT_LT(std::hypot(back.x - pixels[i], back.y - pixels[i + 1]), 0.5)
                << pixels[i] << ' ' << pixels[i + 1];
        }
    }
}
