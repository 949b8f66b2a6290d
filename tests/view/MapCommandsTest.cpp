// The Map menu's calibration commands and the GPS Settings sheet, driven through their real
// dialogs while the commands run them modally.
#include "view/MapCommands.h"
#include "calib/GridFile.h"
#include "calib/MapSettingsDlg.h"
#include "coords/CoordEntry.h"
#include "coords/EnterCoordsDlg.h"
#include "geo/Datums.h"
#include "geo/Proj.h"
#include "platform/MessageBox.h"
#include "view/GpsSettingsSheet.h"
#include "view/MapLoader.h"
#include "view/MapView.h"

#include "support/QtTestSupport.h"
#include "support/TestFiles.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <functional>

namespace view {

namespace fs = std::filesystem;
using testsupport::WhenModal;

namespace {

void SetEdit(QWidget& dialog, const QString& name, const QString& text) {
    auto* edit = dialog.findChild<QLineEdit*>(name);
    ASSERT_NE(edit, nullptr) << name.toStdString();
    edit->setText(text);
}

void SetHemisphere(QWidget& dialog, coords::EntryField field, const QString& letter) {
    auto* list = dialog.findChild<QComboBox*>(QStringLiteral("field%1").arg(int(field)));
    ASSERT_NE(list, nullptr);
    list->setCurrentIndex(list->findText(letter));
}

// Types a position in decimal degrees and presses OK.
void TypePosition(coords::EnterCoordsDlg& dialog, double lat, double lon) {
    using F = coords::EntryField;
    SetEdit(dialog, QStringLiteral("field%1").arg(int(F::LatDecDegrees)),
            QString::number(std::abs(lat)));
    SetEdit(dialog, QStringLiteral("field%1").arg(int(F::LonDecDegrees)),
            QString::number(std::abs(lon)));
    SetHemisphere(dialog, F::LatHemisphere, lat < 0 ? "S" : "N");
    SetHemisphere(dialog, F::LonHemisphere, lon < 0 ? "W" : "E");
    dialog.accept();
}

class MapCommandsTest : public ::testing::Test {
protected:
    void SetUp() override {
        view = std::make_unique<MapView>(store);
        commands = std::make_unique<MapCommands>(*view, store, entryFormat);
        view->resize(640, 480);
        QImage image(640, 480, QImage::Format_RGB32);
        image.fill(Qt::white);
        mapPath = dir.File("area.png");
        ASSERT_TRUE(image.save(QString::fromStdString(mapPath)));
        ASSERT_TRUE(MapLoader(*view).Load(QString::fromStdString(mapPath)));
        catcher.messages.clear(); // the missing-calibration warning
    }
    std::uintmax_t CalibrationFileSize() const {
        std::error_code ec;
        return fs::file_size(dir.Path() / "area.mcd", ec);
    }
    const calib::CGPSMapFuncs& Calibration() const {
        return view->Session().Document().Calibration();
    }

    testsupport::TempDir dir;
    testsupport::MessageCatcher catcher;
    std::string mapPath;
    MemorySettingsStore store;
    // The dialogs are answered in decimal degrees.
    coords::CoordFormat entryFormat = coords::CoordFormat::Deg;
    std::unique_ptr<MapView> view;
    std::unique_ptr<MapCommands> commands;
};

TEST_F(MapCommandsTest, ThreeTappedPointsCalibrateAndSaveEachTime) {
    const struct {
        MapPos pixel; // column, row from the top
        double lat, lon;
        std::uintmax_t fileSize;
    } steps[] = {
        {MapPos(0, 0), 52.0, -1.0, 2 + 48 + 8},
        {MapPos(640, 0), 52.0, -0.9, 2 + 96 + 8},
        {MapPos(0, 480), 51.95, -1.0, 154},
    };
    const double before = Calibration().GetA();
    for (const auto& step : steps) {
        view->SetSelection(step.pixel);
        WhenModal<coords::EnterCoordsDlg>(
            [&step](coords::EnterCoordsDlg& d) { TypePosition(d, step.lat, step.lon); });
        commands->OnEnterCalibrationPoint();
        EXPECT_EQ(CalibrationFileSize(), step.fileSize);
    }
    EXPECT_TRUE(catcher.messages.empty());
    EXPECT_NE(Calibration().GetA(), before);
    // The first pair's plane point is stored bottom-up: row 0 of a 480-row image is y 480.
    EXPECT_EQ(Calibration().GetCalibrationPoints().at(0), MapPos(0, 480));
    // Fitted on the topographic grid of a map calibrated here, the middle of a rectangle of
    // degrees lies a metre or two from the middle of the degrees.
    const MapPos middle = view->Session().Georeference().ToGeo(MapPos(320, 240));
    EXPECT_NEAR(middle.y, 51.975, 3e-5);
    EXPECT_NEAR(middle.x, -0.95, 5e-5);

    // The entry opens on the map's datum; another one chosen there becomes the map's, and the
    // position typed on it is kept in WGS 84, some 120 m away in England.
    view->SetSelection(MapPos(640, 480));
    WhenModal<coords::EnterCoordsDlg>([](coords::EnterCoordsDlg& d) {
        EXPECT_EQ(map::DatumCrs(d.Datum().toStdString(), nullptr), "EPSG:4326");
        d.SetDatum("OSGB36");
        TypePosition(d, 51.95, -0.9);
    });
    commands->OnEnterCalibrationPoint();
    EXPECT_EQ(view->Session().Document().Grid().datum, "OSGB36");
    const MapPos kept = view->Session().Document().Grid().points.back().geo;
    EXPECT_NEAR(map::GroundMetres(kept, MapPos(-0.9, 51.95)), 120, 40);
}

TEST_F(MapCommandsTest, CancelledOrCollinearEntries) {
    view->SetSelection(MapPos(10, 10));
    WhenModal<coords::EnterCoordsDlg>([](coords::EnterCoordsDlg& d) { d.reject(); });
    commands->OnEnterCalibrationPoint();
    EXPECT_EQ(CalibrationFileSize(), static_cast<std::uintmax_t>(-1)) << "nothing written";

    // Three image points on one line: no transform exists; the user is told, A..F stay, and the
    // third point is not written.
    const double a = Calibration().GetA();
    for (int i = 0; i < 3; ++i) {
        view->SetSelection(MapPos(10.0 * i, 10.0 * i));
        WhenModal<coords::EnterCoordsDlg>(
            [i](coords::EnterCoordsDlg& d) { TypePosition(d, 50 + i * 0.01, 1 + i * 0.02); });
        commands->OnEnterCalibrationPoint();
    }
    EXPECT_EQ(catcher.messages.size(), 1u);
    EXPECT_EQ(Calibration().GetA(), a);
    EXPECT_EQ(CalibrationFileSize(), 2u + 96u + 8u);
}

TEST_F(MapCommandsTest, MapSettingsStoresSignedVariation) {
    // The grid is a named one on ED50, chosen by its label, keeping five points.
    WhenModal<calib::MapSettingsDlg>([](calib::MapSettingsDlg& d) {
        SetEdit(d, "edit1003", "3.5");
        d.findChild<QRadioButton*>("radio1026")->setChecked(true);
        d.findChild<QComboBox*>("gridModel")->setCurrentIndex(calib::MapSettingsDlg::kNamedGrid);
        SetEdit(d, "gridCrs", "UTM 32N");
        auto* datum = d.findChild<QComboBox*>("gridDatum");
        datum->setCurrentIndex(datum->findText("(ED50)", Qt::MatchEndsWith));
        d.findChild<QSpinBox*>("gridKeep")->setValue(5);
        d.accept();
    });
    commands->OnMapSettings();
    EXPECT_EQ(Calibration().GetMagVar(), -3.5);
    const map::GridSettings grid = view->Session().Document().Grid();
    EXPECT_EQ(grid.model.Name(), "EPSG:32632");
    EXPECT_EQ(grid.datum, "ED50");
    EXPECT_EQ(grid.keep, 5);
    map::GridSettings onDisk;
    ASSERT_TRUE(map::LoadGridFile(dir.File("area.grid"), onDisk));
    EXPECT_EQ(onDisk, grid);
    // A grid PROJ does not know is refused with the file and the reason; the map keeps its own.
    WhenModal<calib::MapSettingsDlg>([](calib::MapSettingsDlg& d) {
        EXPECT_EQ(d.GetGrid().crs, "EPSG:32632");
        EXPECT_EQ(d.GetGrid().datum, "European Datum 1950 (ED50)");
        SetEdit(d, "gridCrs", "UTM 61N");
        d.accept();
    });
    commands->OnMapSettings();
    ASSERT_EQ(catcher.messages.size(), 1u);
    EXPECT_TRUE(catcher.messages[0].text.startsWith(QString::fromStdString(dir.File("area.grid"))))
        << catcher.messages[0].text.toStdString();
    EXPECT_EQ(view->Session().Document().Grid(), grid);
    ASSERT_EQ(CalibrationFileSize(), 2u + 8u);
    const std::string bytes = testsupport::ReadBytes(dir.File("area.mcd"));
    double stored = 0;
    std::memcpy(&stored, bytes.data() + 2, 8);
    EXPECT_EQ(stored, -3.5);

    WhenModal<calib::MapSettingsDlg>([](calib::MapSettingsDlg& d) {
        SetEdit(d, "edit1003", "1");
        d.reject();
    });
    commands->OnMapSettings();
    EXPECT_EQ(Calibration().GetMagVar(), -3.5);
}

TEST_F(MapCommandsTest, GpsSettingsApplyOnCloseSaveAndTrimTheTrail) {
    trail::TrailBuffer trail;
    for (int i = 0; i < 250; ++i)
        trail.AddFront(MapPos(1.0 + i * 0.001, 50.0));
    const session::MapSession& now = view->Session();
    view->SetSession(session::MapSession(now.Document(),
                                         trail::Recording(trail, now.Recording().Rules()),
                                         now.Settings(), now.Flags()));
    WhenModal<GpsSettingsSheet>([](GpsSettingsSheet& sheet) {
        sheet.Tabs()->setCurrentIndex(1);
        auto* trail = static_cast<CGPSSettingsTrailPage*>(sheet.Page(1));
        trail->lengthBox->setText("100");
        sheet.Tabs()->setCurrentIndex(2);
        auto* com = static_cast<CGPSSettingsCOMPage*>(sheet.Page(2));
        com->deviceBox->setEditText("/dev/ttyACM0");
        com->baudBox->setEditText("9600");
        sheet.Tabs()->setCurrentIndex(0); // leaving a page takes its values
        auto* pos = static_cast<CGPSSettingsPosPage*>(sheet.Page(0));
        pos->rateBox->setText("2000"); // never left: Cancel drops it
        sheet.reject();                // what was taken is applied however the sheet closes
    });
    commands->OnGpsSettings();
    EXPECT_EQ(view->Session().Recording().Trail().Count(), 100u);
    EXPECT_EQ(view->Session().Settings().trailLength, 100);
    EXPECT_EQ(view->Session().Settings().baudRate, 9600);
    EXPECT_EQ(view->Session().Settings().updateRateMs, 1000);
    EXPECT_EQ(store.ReadInt("Settings", "TrailLength", 0), 100);
    EXPECT_EQ(store.ReadInt("Settings", "GPSBaudRate", 0), 9600);
    EXPECT_EQ(store.ReadText("Settings", "GPSDevice", ""), "/dev/ttyACM0");
    // The newest samples stay.
    EXPECT_EQ(*view->Session().Recording().Trail().NewestToOldest().begin(),
              MapPos(1.0 + 249 * 0.001, 50.0));

    MapView next(store);
    EXPECT_EQ(next.Session().GpsSource().configured, "/dev/ttyACM0");
}

} // namespace

TEST_F(MapCommandsTest, DamagedFilesAreSetAsideBeforeTheFirstWriteOverThem) {
    using testsupport::ReadBytes;
    const std::string garbage = "\x07\x00 not a calibration";
    testsupport::WriteBytes(dir.File("area.mcd"), garbage);
    testsupport::WriteBytes(dir.File("area.pts"), garbage);
    ASSERT_TRUE(MapLoader(*view).Load(QString::fromStdString(mapPath)));
    EXPECT_EQ(catcher.messages.size(), 2u) << "both files reported";
    EXPECT_TRUE(view->Session().Document().Points().empty());

    WhenModal<calib::MapSettingsDlg>([](calib::MapSettingsDlg& d) { d.accept(); });
    commands->OnMapSettings();
    EXPECT_EQ(ReadBytes(dir.File("area.mcd.damaged")), garbage);
    EXPECT_EQ(CalibrationFileSize(), 10u);

    // The points list closed without a change writes nothing, so sets nothing aside.
    WhenModal<QDialog>([](QDialog& d) { d.reject(); });
    commands->OnEditPoints();
    EXPECT_EQ(ReadBytes(dir.File("area.pts")), garbage);
    EXPECT_FALSE(fs::exists(dir.File("area.pts.damaged")));

    // New Point at Cursor writes the points file, then opens the list (closed at once).
    view->SetSelection(MapPos(10, 10));
    WhenModal<QDialog>([](QDialog& d) { d.reject(); });
    commands->OnNewPointAtCursor();
    EXPECT_EQ(ReadBytes(dir.File("area.pts.damaged")), garbage);
    WhenModal<QDialog>([](QDialog& d) { d.reject(); });
    commands->OnNewPointAtCursor(); // set aside once only
    EXPECT_EQ(ReadBytes(dir.File("area.pts.damaged")), garbage);
    EXPECT_FALSE(ReadBytes(dir.File("area.pts")).empty());

    // A point deleted in the list is written at once.
    const platform::AnswerHook previous =
        platform::SetAnswerHook([](const platform::Message&) { return true; });
    WhenModal<QDialog>([](QDialog& d) {
        d.findChild<QPushButton*>("delete")->click();
        d.reject();
    });
    commands->OnEditPoints();
    platform::SetAnswerHook(previous);
    points::MapPointList onDisk;
    ASSERT_TRUE(points::ReadPointsFile(dir.File("area.pts"), onDisk));
    EXPECT_EQ(onDisk.size(), 1u);
    EXPECT_EQ(onDisk, view->Session().Document().Points());
}

} // namespace view
