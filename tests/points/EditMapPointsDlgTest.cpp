#include "points/EditMapPointsDlg.h"
#include "coords/CoordFormat.h"
#include "coords/EnterCoordsDlg.h"
#include "platform/MessageBox.h"
#include "points/EditMapPointDlg.h"
#include "points/PointsGpx.h"
#include "points/PointsKml.h"
#include "support/QtTestSupport.h"
#include "support/TestFiles.h"

#include <QApplication>
#include <QComboBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest/QTest>

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <vector>

namespace {

using points::EditMapPointDlg;
using points::EditMapPointsDlg;
using points::MapPointList;
using testsupport::ExpectNoModal;
using testsupport::MessageCatcher;
using testsupport::ReadBytes;
using testsupport::TempDir;
using testsupport::WhenModal;

const std::string kCafe = "Caf\xC3\xA9 1";
// The window's coordinate format, which the dialogs pass on to the position entry.
coords::CoordFormat entryFormat = coords::CoordFormat::Dms;

MapPointList TwoPoints() {
    return {CMapPoint("Home", MapPos(-0.0014, 51.4778), 2, 2, 4, 2, ""),
            CMapPoint(kCafe, MapPos(151.2093, -33.8688), -1, -1, -1, -1, "Harbour bridge view")};
}

// Answers every question with Yes or No for its lifetime, keeping what was asked.
class Answering {
public:
    explicit Answering(bool yes) {
        previous_ = platform::SetAnswerHook([this, yes](const platform::Message& m) {
            asked.push_back(m);
            return yes;
        });
    }
    ~Answering() { platform::SetAnswerHook(previous_); }
    Answering(const Answering&) = delete;
    Answering& operator=(const Answering&) = delete;

    std::vector<platform::Message> asked;

private:
    platform::AnswerHook previous_;
};

QStringList Names(EditMapPointsDlg& dialog) {
    QStringList names;
    auto* list = dialog.findChild<QListWidget*>("points");
    for (int row = 0; row < list->count(); ++row)
        names << list->item(row)->text();
    return names;
}

int SelectedRow(EditMapPointsDlg& dialog) {
    auto* list = dialog.findChild<QListWidget*>("points");
    const auto selected = list->selectedItems();
    return selected.isEmpty() ? -1 : list->row(selected.front());
}

void Click(QWidget& dialog, const char* button) {
    auto* found = dialog.findChild<QPushButton*>(button);
    ASSERT_NE(found, nullptr) << button;
    found->click();
}

void SetName(EditMapPointDlg& dialog, const QString& name) {
    dialog.findChild<QLineEdit*>("name")->setText(name);
}

TEST(EditMapPointsDlg, OpensWithNamesInListOrderAndTheFirstSelected) {
    MapPointList points = TwoPoints();
    EditMapPointsDlg dialog(points, entryFormat);
    EXPECT_EQ(Names(dialog), QStringList({"Home", QString::fromUtf8(kCafe.c_str())}));
    EXPECT_EQ(SelectedRow(dialog), 0);
    EXPECT_FALSE(dialog.IsModified());

    MapPointList none;
    EditMapPointsDlg empty(none, entryFormat);
    EXPECT_EQ(SelectedRow(empty), -1);
}

TEST(EditMapPointsDlg, NewAppendsAPointWithNothingChosen) {
    MapPointList points = TwoPoints();
    EditMapPointsDlg dialog(points, entryFormat);
    WhenModal<EditMapPointDlg>([](EditMapPointDlg& edit) {
        SetName(edit, "Fresh");
        edit.accept();
    });
    Click(dialog, "new");
    ASSERT_EQ(points.size(), 3u);
    EXPECT_EQ(points[2], CMapPoint("Fresh", MapPos(), -1, -1, -1, -1, ""));
    EXPECT_EQ(Names(dialog).back(), "Fresh");
    EXPECT_EQ(SelectedRow(dialog), 0);
    EXPECT_TRUE(dialog.IsModified());
}

TEST(EditMapPointsDlg, CancelledNewAndEmptyNameChangeNothing) {
    MapPointList points = TwoPoints();
    EditMapPointsDlg dialog(points, entryFormat);
    MessageCatcher catcher;
    WhenModal<EditMapPointDlg>([&catcher](EditMapPointDlg& edit) {
        edit.accept(); // empty name: refused, the dialog stays open
        EXPECT_EQ(catcher.messages.size(), 1u);
        EXPECT_TRUE(edit.isVisible());
        edit.reject();
    });
    Click(dialog, "new");
    ASSERT_EQ(catcher.messages.size(), 1u);
    EXPECT_EQ(catcher.messages[0].text, "A name must be supplied.");
    EXPECT_EQ(catcher.messages[0].caption, "Error");
    EXPECT_EQ(points, TwoPoints());
    EXPECT_FALSE(dialog.IsModified());
}

TEST(EditMapPointsDlg, EditOverwritesTheSelectedPointAndKeepsTheSelection) {
    MapPointList points = TwoPoints();
    EditMapPointsDlg dialog(points, entryFormat);
    dialog.findChild<QListWidget*>("points")->setCurrentRow(1);
    WhenModal<EditMapPointDlg>([](EditMapPointDlg& edit) {
        EXPECT_EQ(edit.findChild<QLineEdit*>("name")->text(), QString::fromUtf8(kCafe.c_str()));
        EXPECT_EQ(edit.findChild<QComboBox*>("symbol")->currentIndex(), -1);
        SetName(edit, "Renamed");
        edit.findChild<QComboBox*>("symbol")->setCurrentIndex(3);
        edit.accept();
    });
    Click(dialog, "edit");
    const MapPointList expected = {TwoPoints()[0], CMapPoint("Renamed", MapPos(151.2093, -33.8688),
                                                             3, -1, -1, -1, "Harbour bridge view")};
    EXPECT_EQ(points, expected);
    EXPECT_EQ(Names(dialog), QStringList({"Home", "Renamed"}));
    EXPECT_EQ(SelectedRow(dialog), 1);
    EXPECT_TRUE(dialog.IsModified());

    // Cancel changes nothing; without a selection nothing opens and nothing is said.
    MapPointList cancelled = TwoPoints();
    EditMapPointsDlg again(cancelled, entryFormat);
    WhenModal<EditMapPointDlg>([](EditMapPointDlg& edit) {
        SetName(edit, "Discarded");
        edit.reject();
    });
    Click(again, "edit");
    EXPECT_EQ(cancelled, TwoPoints());
    EXPECT_FALSE(again.IsModified());
    MessageCatcher catcher;
    again.findChild<QListWidget*>("points")->clearSelection();
    ExpectNoModal([&] { Click(again, "edit"); });
    EXPECT_TRUE(catcher.messages.empty());
    EXPECT_FALSE(again.IsModified());
}

TEST(EditMapPointsDlg, DoubleClickEdits) {
    MapPointList points = TwoPoints();
    EditMapPointsDlg dialog(points, entryFormat);
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    auto* list = dialog.findChild<QListWidget*>("points");
    const QRect line = list->visualItemRect(list->item(1));
    WhenModal<EditMapPointDlg>([](EditMapPointDlg& edit) {
        SetName(edit, "Clicked");
        edit.accept();
    });
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, line.center());
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, line.center());
    QCoreApplication::processEvents(); // a dialog that did not open fails here, not later
    EXPECT_EQ(points[1].GetName(), "Clicked");
}

TEST(EditMapPointsDlg, DeleteAsksAndRemovesOnlyOnYes) {
    MapPointList points = TwoPoints();
    EditMapPointsDlg dialog(points, entryFormat);
    {
        Answering no(false);
        Click(dialog, "delete");
        ASSERT_EQ(no.asked.size(), 1u);
        EXPECT_EQ(no.asked[0].text, "Delete this point?");
        EXPECT_EQ(no.asked[0].caption, "Confirm Deletion");
        EXPECT_EQ(no.asked[0].icon, platform::MessageIcon::Question);
    }
    EXPECT_EQ(points, TwoPoints());
    EXPECT_FALSE(dialog.IsModified());

    Answering yes(true);
    Click(dialog, "delete");
    EXPECT_EQ(points, MapPointList({TwoPoints()[1]}));
    EXPECT_EQ(Names(dialog), QStringList({QString::fromUtf8(kCafe.c_str())}));
    EXPECT_EQ(SelectedRow(dialog), -1);
    EXPECT_TRUE(dialog.IsModified());

    MessageCatcher catcher;
    ExpectNoModal([&] { Click(dialog, "delete"); });
    ASSERT_EQ(catcher.messages.size(), 1u);
    EXPECT_EQ(catcher.messages[0].text, "Select a point to be deleted.");
    EXPECT_EQ(catcher.messages[0].icon, platform::MessageIcon::Information);
    EXPECT_EQ(points.size(), 1u);
}

TEST(EditMapPointsDlg, ShowEndsWith1008AndThePosition) {
    MapPointList points = TwoPoints();
    EditMapPointsDlg dialog(points, entryFormat);
    for (const char* button : {"show", "goTo"}) {
        WhenModal<EditMapPointsDlg>([button](EditMapPointsDlg& shown) {
            shown.findChild<QListWidget*>("points")->setCurrentRow(1);
            Click(shown, button);
        });
        EXPECT_EQ(dialog.exec(), button == std::string("show") ? 1008 : 1009);
        EXPECT_EQ(dialog.ShowPosition(), MapPos(151.2093, -33.8688));
        EXPECT_EQ(dialog.ShowName(), points[1].GetName());
    }

    MessageCatcher catcher;
    MapPointList none;
    EditMapPointsDlg empty(none, entryFormat);
    Click(empty, "show");
    ASSERT_EQ(catcher.messages.size(), 1u);
    EXPECT_EQ(catcher.messages[0].text, "Select a point to show on the map.");
    EXPECT_EQ(catcher.messages[0].caption, "Error");
}

TEST(EditMapPointsDlg, PointsFileIsWrittenOnCloseOnlyAfterAChange) {
    TempDir dir;
    const std::string path = dir.File("town.pts");
    struct Row {
        const char* legend;
        std::function<void(EditMapPointsDlg&)> actions;
        bool written;
        int result;
    };
    const std::vector<Row> rows = {
        {"Close without a change", [](EditMapPointsDlg&) {}, false, QDialog::Rejected},
        {"Show without a change", [](EditMapPointsDlg& d) { Click(d, "show"); }, false, 1008},
        {"Go To without a change", [](EditMapPointsDlg& d) { Click(d, "goTo"); }, false, 1009},
        {"Delete then Close",
         [](EditMapPointsDlg& d) {
             Answering yes(true);
             Click(d, "delete");
         },
         true, QDialog::Rejected},
        {"New then Show",
         [](EditMapPointsDlg& d) {
             WhenModal<EditMapPointDlg>([](EditMapPointDlg& edit) {
                 SetName(edit, "Added");
                 edit.accept();
             });
             Click(d, "new");
             Click(d, "show");
         },
         true, 1008},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.legend);
        std::filesystem::remove(path);
        MapPointList points = TwoPoints();
        WhenModal<EditMapPointsDlg>([&row](EditMapPointsDlg& d) {
            row.actions(d);
            if (d.isVisible())
                Click(d, "close");
        });
        const points::EditPointsOutcome outcome =
            points::RunEditMapPoints(nullptr, points, entryFormat, path);
        EXPECT_EQ(outcome.result, row.result);
        EXPECT_EQ(outcome.saved, row.written);
        ASSERT_EQ(std::filesystem::exists(path), row.written);
        if (row.written) {
            MapPointList onFile;
            ASSERT_TRUE(points::ReadPointsFile(path, onFile));
            EXPECT_EQ(onFile, points);
        }
    }
}

TEST(EditMapPointsDlg, FailedSaveIsReported) {
    TempDir dir;
    const std::string path = dir.File("missing/town.pts");
    MessageCatcher catcher;
    MapPointList points = TwoPoints();
    WhenModal<EditMapPointsDlg>([](EditMapPointsDlg& d) {
        Answering yes(true);
        Click(d, "delete");
        Click(d, "close");
    });
    const points::EditPointsOutcome outcome =
        points::RunEditMapPoints(nullptr, points, entryFormat, path);
    EXPECT_TRUE(outcome.modified);
    EXPECT_FALSE(outcome.saved);
    ASSERT_EQ(catcher.messages.size(), 1u);
    EXPECT_TRUE(catcher.messages[0].text.startsWith("Unable to write file: " +
                                                    QString::fromStdString(path)));
    EXPECT_EQ(catcher.messages[0].caption, "Save Error");
    EXPECT_EQ(catcher.messages[0].icon, platform::MessageIcon::Error);
}

TEST(EditMapPointsDlg, ExportWritesKmlAndChangesNothing) {
    TempDir dir;
    MapPointList points = TwoPoints();
    EditMapPointsDlg dialog(points, entryFormat);
    const auto exportTo = [](const std::string& path) {
        WhenModal<QFileDialog>([path](QFileDialog& files) {
            EXPECT_EQ(files.acceptMode(), QFileDialog::AcceptSave);
            EXPECT_EQ(files.defaultSuffix(), "kml");
            files.selectFile(QString::fromStdString(path));
            static_cast<QDialog&>(files).accept();
        });
    };
    exportTo(dir.File("points")); // the default extension is added
    Click(dialog, "export");
    EXPECT_EQ(ReadBytes(dir.File("points.kml")), points::PointsKmlDocument(TwoPoints()));
    EXPECT_EQ(points, TwoPoints());
    EXPECT_FALSE(dialog.IsModified());
    EXPECT_FALSE(std::filesystem::exists(dir.File("points.pts")));

    MessageCatcher catcher;
    const std::string blocked = dir.File("blocked.kml");
    std::filesystem::create_directory(blocked);
    WhenModal<QFileDialog>([blocked](QFileDialog& files) {
        // The file dialog would open a directory; the race of a file replaced by one is the
        // case where the write fails after the choice.
        files.selectFile(QString::fromStdString(blocked));
        static_cast<QDialog&>(files).done(QDialog::Accepted);
    });
    Click(dialog, "export");
    ASSERT_EQ(catcher.messages.size(), 1u);
    EXPECT_EQ(catcher.messages[0].text, "Unable to write file: " + QString::fromStdString(blocked));
    EXPECT_EQ(catcher.messages[0].caption, "Save Error");
    EXPECT_EQ(catcher.messages[0].icon, platform::MessageIcon::Error);
}

TEST(EditMapPointDlg, TextsLongerThanTheLimitsAreShownWholeAndKept) {
    const CMapPoint loaded(std::string(300, 'n'), MapPos(8.54, 47.37), 9, -1, 7, 4,
                           std::string(140, 'd') + "\r\nlast line");
    EditMapPointDlg dialog(entryFormat);
    dialog.LoadFromPoint(loaded);
    dialog.show();
    auto* name = dialog.findChild<QLineEdit*>("name");
    auto* description = dialog.findChild<QPlainTextEdit*>("description");
    EXPECT_EQ(name->text().size(), 300);
    EXPECT_EQ(dialog.MakePoint(), loaded); // untouched: byte for byte, symbol 9 included

    name->setFocus();
    name->end(false);
    QTest::keyClick(name, Qt::Key_X); // typing never lengthens an overlong text
    EXPECT_EQ(name->text().size(), 300);
    QTest::keyClick(name, Qt::Key_Backspace); // shortening is fine, lengthening again is not
    EXPECT_EQ(name->text().size(), 299);
    QTest::keyClick(name, Qt::Key_X);
    EXPECT_EQ(name->text().size(), 299);
    EXPECT_EQ(dialog.MakePoint().GetName(), std::string(299, 'n'));

    const int descriptionLength = static_cast<int>(description->toPlainText().size());
    EXPECT_GT(descriptionLength, EditMapPointDlg::kDescriptionTypingLimit);
    description->setFocus();
    description->moveCursor(QTextCursor::End);
    QTest::keyClick(description, Qt::Key_Y);
    EXPECT_EQ(description->toPlainText().size(), descriptionLength);
    EXPECT_EQ(dialog.MakePoint().GetDescription(), loaded.GetDescription());
}

TEST(EditMapPointDlg, TypingStopsAtTheLimits) {
    EditMapPointDlg dialog(entryFormat);
    dialog.show();
    auto* name = dialog.findChild<QLineEdit*>("name");
    QTest::keyClicks(name, QString(60, 'a'));
    EXPECT_EQ(name->text().size(), EditMapPointDlg::kNameTypingLimit);
    auto* description = dialog.findChild<QPlainTextEdit*>("description");
    QTest::keyClicks(description, QString(110, 'b'));
    EXPECT_EQ(description->toPlainText().size(), EditMapPointDlg::kDescriptionTypingLimit);
    QTest::keyClick(description, Qt::Key_Return);
    QTest::keyClicks(description, "c");
    EXPECT_EQ(description->toPlainText().size(), EditMapPointDlg::kDescriptionTypingLimit);
}

TEST(EditMapPointDlg, EditedDescriptionKeepsTheHandheldLineBreaks) {
    EditMapPointDlg dialog(entryFormat);
    dialog.show();
    SetName(dialog, "P");
    auto* description = dialog.findChild<QPlainTextEdit*>("description");
    QTest::keyClicks(description, "one");
    QTest::keyClick(description, Qt::Key_Return);
    QTest::keyClicks(description, "two");
    EXPECT_EQ(dialog.MakePoint().GetDescription(), "one\r\ntwo");
}

TEST(EditMapPointDlg, PositionFieldIsEmptyOnlyForLongitudeZero) {
    using coords::CoordFormat;
    struct Row {
        const char* legend;
        MapPos position;
        bool empty;
        CoordFormat entry = CoordFormat::Dms; // the format positions are typed in
        CoordFormat shown = CoordFormat::Dms;
    };
    const std::vector<Row> rows = {
        {"never set", MapPos(), true},
        {"on the prime meridian", MapPos(0.0, 51.5), true},
        {"on the equator", MapPos(12.5, 0.0), false},
        {"Greenwich", MapPos(-0.0014, 51.4778), false},
        {"typed in degrees: dms, as the handheld", MapPos(-0.0014, 51.4778), false,
         CoordFormat::Deg},
        {"typed in a grid: shown in it", MapPos(-0.0014, 51.4778), false, CoordFormat::Mgrs,
         CoordFormat::Mgrs},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.legend);
        CoordFormat typedIn = row.entry;
        EditMapPointDlg dialog(typedIn);
        dialog.LoadFromPoint(CMapPoint("P", row.position, 1, 1, 1, 1, ""));
        const QString shown = dialog.findChild<QLineEdit*>("position")->text();
        EXPECT_EQ(shown.isEmpty(), row.empty);
        if (!row.empty) {
            EXPECT_EQ(shown,
                      QString::fromStdString(coords::FormatPosition(row.position, row.shown)));
        }
        EXPECT_EQ(dialog.MakePoint().GetPosition(), row.position);
    }
}

TEST(EditMapPointDlg, EditTakesThePositionFromEnterCoordinates) {
    const MapPos start(-0.0014, 51.4778);
    EditMapPointDlg dialog(entryFormat);
    dialog.LoadFromPoint(CMapPoint("P", start, 1, 1, 1, 1, ""));
    auto* shown = dialog.findChild<QLineEdit*>("position");
    const QString before = shown->text();

    WhenModal<coords::EnterCoordsDlg>([](coords::EnterCoordsDlg& entry) { entry.reject(); });
    Click(dialog, "editPosition");
    EXPECT_EQ(shown->text(), before);
    EXPECT_EQ(dialog.MakePoint().GetPosition(), start);

    // OK on the offered position: the point takes what the entry dialog read back.
    MapPos entered;
    WhenModal<coords::EnterCoordsDlg>([&entered](coords::EnterCoordsDlg& entry) {
        entry.accept();
        ASSERT_TRUE(entry.HasResult());
        entered = entry.GetResult();
    });
    Click(dialog, "editPosition");
    EXPECT_NEAR(entered.y, start.y, 1e-6);
    EXPECT_NEAR(entered.x, start.x, 1e-6);
    EXPECT_EQ(dialog.MakePoint().GetPosition(), entered);
    EXPECT_EQ(shown->text(),
              QString::fromStdString(coords::FormatPosition(entered, coords::CoordFormat::Dms)));
}

} // namespace

namespace {

void ChooseFile(const std::string& path) {
    WhenModal<QFileDialog>([path](QFileDialog& files) {
        files.selectFile(QString::fromStdString(path));
        static_cast<QDialog&>(files).done(QDialog::Accepted);
    });
}

// Import appends the file's waypoints and counts as a change, so the points file is written on
// close; a refused file is reported and changes nothing. Export to .gpx writes waypoints.
TEST(EditMapPointsDlg, ImportAppendsGpxWaypointsAndExportWritesThem) {
    TempDir dir;
    const MapPointList extra = {CMapPoint("Summit", MapPos(7.5, 46.25), 3, 0, 0, 0, "top")};
    ASSERT_TRUE(points::WritePointsGpx(dir.File("extra.gpx"), extra));
    testsupport::WriteBytes(dir.File("bad.kml"), "<kml><Placemark><Point><coordinates>1,95"
                                                 "</coordinates></Point></Placemark></kml>");
    const std::string pointsPath = dir.File("town.pts");
    MapPointList points = TwoPoints();
    MessageCatcher catcher;
    WhenModal<EditMapPointsDlg>([&](EditMapPointsDlg& d) {
        ChooseFile(dir.File("bad.kml"));
        Click(d, "import");
        ChooseFile(dir.File("extra.gpx"));
        Click(d, "import");
        ChooseFile(dir.File("out")); // the KML type is chosen; its extension is added
        Click(d, "export");
        Click(d, "close");
    });
    const points::EditPointsOutcome outcome =
        points::RunEditMapPoints(nullptr, points, entryFormat, pointsPath);
    ASSERT_EQ(catcher.messages.size(), 1u);
    EXPECT_EQ(catcher.messages[0].text.toStdString(),
              "Unable to open file: " + dir.File("bad.kml") +
                  ": damaged KML file (line 1, column 41: coordinates not \"longitude,latitude\" "
                  "in range: \"1,95\")");
    EXPECT_EQ(catcher.messages[0].caption, "Load Error");

    MapPointList expected = TwoPoints();
    expected.push_back(points::ImportedPoint("Summit", MapPos(7.5, 46.25), "top", "Square"));
    EXPECT_EQ(points, expected);
    EXPECT_TRUE(outcome.saved);
    MapPointList onFile;
    ASSERT_TRUE(points::ReadPointsFile(pointsPath, onFile));
    EXPECT_EQ(onFile, expected);
    EXPECT_EQ(ReadBytes(dir.File("out.kml")), points::PointsKmlDocument(expected));

    EditMapPointsDlg dialog(points, entryFormat);
    ChooseFile(dir.File("out.GPX"));
    Click(dialog, "export");
    EXPECT_EQ(ReadBytes(dir.File("out.GPX")), points::PointsGpxDocument(expected));
}

} // namespace
