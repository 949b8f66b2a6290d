#include "coords/EnterCoordsDlg.h"
#include "coords/PositionText.h"
#include "platform/MessageBox.h"
#include "support/Cs2cs.h"
#include "support/QtTestSupport.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest/QTest>

#include <gtest/gtest.h>

#include <memory>

// Readable QString values in failure messages.
QT_BEGIN_NAMESPACE
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}
QT_END_NAMESPACE

namespace {

using coords::CoordFormat;
using coords::EnterCoordsDlg;
using F = coords::EntryField;

// The dialog shown (not exec'd) so the test can type and click; every test starts in Dms as the
// program does, and every dialog of a test shares one format as the window's dialogs do.
class EnterCoordsDlgTest : public ::testing::Test {
protected:
    std::unique_ptr<EnterCoordsDlg> Open(const MapPos* initial = nullptr,
                                         const MapPos& gps = MapPos()) {
        auto dialog = std::make_unique<EnterCoordsDlg>(format);
        dialog->SetPrompt(QStringLiteral("Enter point position:"));
        if (initial != nullptr)
            dialog->SetInitialPosition(*initial);
        dialog->SetGpsPosition(gps);
        dialog->show();
        return dialog;
    }

    static QLineEdit* Edit(EnterCoordsDlg& dialog, F field) {
        auto* edit =
            dialog.findChild<QLineEdit*>(QStringLiteral("field%1").arg(static_cast<int>(field)));
        EXPECT_NE(edit, nullptr) << static_cast<int>(field);
        return edit;
    }
    static QComboBox* List(EnterCoordsDlg& dialog, F field) {
        return dialog.findChild<QComboBox*>(QStringLiteral("field%1").arg(static_cast<int>(field)));
    }
    static QString Text(EnterCoordsDlg& dialog, F field) { return Edit(dialog, field)->text(); }

    // Replaces a field's text by typing it, as the user would.
    static void Type(EnterCoordsDlg& dialog, F field, const QString& text) {
        QLineEdit* edit = Edit(dialog, field);
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Delete);
        QTest::keyClicks(edit, text);
    }
    static bool IsRed(EnterCoordsDlg& dialog, F field) {
        return Edit(dialog, field)->palette().color(QPalette::Text) == QColor(255, 0, 0);
    }
    static void ClickFormat(EnterCoordsDlg& dialog, int id) {
        QTest::mouseClick(dialog.findChild<QRadioButton*>(QStringLiteral("format%1").arg(id)),
                          Qt::LeftButton);
    }

    // Clicks OK; what a message box it raises would have said.
    struct OkOutcome {
        bool messageShown = false;
        QString caption, text;
        platform::MessageIcon icon = platform::MessageIcon::Information;
    };
    static OkOutcome ClickOk(EnterCoordsDlg& dialog) {
        testsupport::MessageCatcher catcher;
        dialog.accept();
        OkOutcome outcome;
        if (!catcher.messages.empty()) {
            const platform::Message& m = catcher.messages.front();
            outcome = {true, m.caption, m.text, m.icon};
        }
        return outcome;
    }

    CoordFormat format = CoordFormat::Dms;
};

TEST_F(EnterCoordsDlgTest, OpensEmptyInDmsAndAcceptsZero) {
    auto dialog = Open();
    const struct {
        F field;
        const char* text;
        bool shown;
    } rows[] = {
        {F::LonDegrees, "000", true},
        {F::LonMinutes, "00", true},
        {F::LonSeconds, "0.000", true},
        {F::LatDegrees, "00", true},
        {F::LatMinutes, "00", true},
        {F::LatSeconds, "0.000", true},
        {F::LatDecMinutes, "0.0000000", false},
        {F::LonDecDegrees, "0.0000000000", false},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(Text(*dialog, row.field), row.text) << static_cast<int>(row.field);
        EXPECT_EQ(Edit(*dialog, row.field)->isVisible(), row.shown) << static_cast<int>(row.field);
    }
    EXPECT_EQ(List(*dialog, F::LonHemisphere)->currentText(), "E");
    EXPECT_EQ(List(*dialog, F::LatHemisphere)->currentText(), "N");
    EXPECT_TRUE(dialog->findChild<QRadioButton*>("format1021")->isChecked());
    EXPECT_FALSE(dialog->findChild<QPushButton*>("useGps1039")->isEnabled());

    const OkOutcome ok = ClickOk(*dialog);
    EXPECT_FALSE(ok.messageShown);
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    ASSERT_TRUE(dialog->HasResult());
    EXPECT_EQ(dialog->GetResult(), MapPos(0.0, 0.0));
}

TEST_F(EnterCoordsDlgTest, FillsSouthAndCarriedPositions) {
    const MapPos sydney(151.2153, -33.85);
    auto dialog = Open(&sydney);
    EXPECT_EQ(Text(*dialog, F::LatDegrees), "33");
    EXPECT_EQ(Text(*dialog, F::LatMinutes), "51");
    EXPECT_EQ(Text(*dialog, F::LatSeconds), "0.000");
    EXPECT_EQ(Text(*dialog, F::LatDecMinutes), "51.0000000");
    EXPECT_EQ(Text(*dialog, F::LatDecDegrees), "33.8500000000");
    EXPECT_EQ(List(*dialog, F::LatHemisphere)->currentText(), "S");

    // 1.2 degrees fills 1, 12, 0.000 rather than 1, 11, 60.000: no red field on opening.
    const MapPos carried(-1.2, 1.2);
    auto second = Open(&carried);
    EXPECT_EQ(Text(*second, F::LatDegrees), "01");
    EXPECT_EQ(Text(*second, F::LatMinutes), "12");
    EXPECT_EQ(Text(*second, F::LatSeconds), "0.000");
    EXPECT_EQ(List(*second, F::LonHemisphere)->currentText(), "W");
    EXPECT_FALSE(IsRed(*second, F::LatSeconds));
    EXPECT_FALSE(ClickOk(*second).messageShown);
    EXPECT_DOUBLE_EQ(second->GetResult().y, 1.2);
    EXPECT_DOUBLE_EQ(second->GetResult().x, -1.2);
}

TEST_F(EnterCoordsDlgTest, TypingTurnsOutOfRangeFieldsRedAndOkRefuses) {
    auto dialog = Open();
    Type(*dialog, F::LatDegrees, "91");
    EXPECT_TRUE(IsRed(*dialog, F::LatDegrees));
    const OkOutcome refused = ClickOk(*dialog);
    EXPECT_TRUE(refused.messageShown);
    EXPECT_EQ(refused.caption, "Invalid Entry");
    EXPECT_EQ(refused.text, "Please enter valid coordinates");
    EXPECT_EQ(refused.icon, platform::MessageIcon::Warning);
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_FALSE(dialog->HasResult());

    Type(*dialog, F::LatDegrees, "89");
    EXPECT_FALSE(IsRed(*dialog, F::LatDegrees));
    Type(*dialog, F::LatSeconds, "60");
    EXPECT_TRUE(IsRed(*dialog, F::LatSeconds));
    Type(*dialog, F::LatSeconds, "59.999");
    EXPECT_FALSE(IsRed(*dialog, F::LatSeconds));
    // 90 degrees and 59.999 seconds is past the pole: red and refused.
    Type(*dialog, F::LatDegrees, "90");
    EXPECT_TRUE(IsRed(*dialog, F::LatSeconds));
    EXPECT_TRUE(ClickOk(*dialog).messageShown);
    Type(*dialog, F::LatSeconds, "0");
    EXPECT_FALSE(ClickOk(*dialog).messageShown);
    EXPECT_EQ(dialog->GetResult(), MapPos(0.0, 90.0));
}

TEST_F(EnterCoordsDlgTest, TypingRulesPerField) {
    auto dialog = Open();
    const struct {
        const char* legend;
        F field;
        const char* typed;
        const char* shown;
        bool red;
    } rows[] = {
        {"latitude degrees take two digits", F::LatDegrees, "123", "12", false},
        {"longitude degrees take three", F::LonDegrees, "1801", "180", false},
        {"digits only", F::LonDegrees, "1a2", "12", false},
        {"longitude minutes have no limit", F::LonMinutes, "123", "123", true},
        {"seconds take six characters", F::LonSeconds, "12.34567", "12.345", false},
        {"letters can be typed into seconds and are out of range", F::LonSeconds, "1e5", "1e5",
         true},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.legend);
        Type(*dialog, row.field, row.typed);
        EXPECT_EQ(Text(*dialog, row.field), row.shown);
        EXPECT_EQ(IsRed(*dialog, row.field), row.red);
    }
}

TEST_F(EnterCoordsDlgTest, FormatSwitchCarriesACompleteEntryAndIsRemembered) {
    auto dialog = Open();
    Type(*dialog, F::LatDegrees, "51");
    Type(*dialog, F::LatMinutes, "28");
    Type(*dialog, F::LatSeconds, "40.08");
    ClickFormat(*dialog, 1019);
    EXPECT_EQ(format, CoordFormat::Deg);
    EXPECT_EQ(Text(*dialog, F::LatDecDegrees), "51.4778000000");
    EXPECT_TRUE(Edit(*dialog, F::LatDecDegrees)->isVisible());
    EXPECT_FALSE(Edit(*dialog, F::LatSeconds)->isVisible());

    // Hidden fields of other formats do not block OK.
    Edit(*dialog, F::LatMinutes)->setText("99");
    EXPECT_FALSE(ClickOk(*dialog).messageShown);
    EXPECT_DOUBLE_EQ(dialog->GetResult().y, 51.4778);

    // The next dialog, whoever opens it, starts in Deg.
    auto next = Open();
    EXPECT_TRUE(next->findChild<QRadioButton*>("format1019")->isChecked());
    EXPECT_TRUE(Edit(*next, F::LonDecDegrees)->isVisible());
    EXPECT_FALSE(Edit(*next, F::LonDegrees)->isVisible());

    // Incomplete in Deg: switching to Dm leaves every text as it was.
    Type(*next, F::LatDecDegrees, "1e5");
    QStringList before;
    for (F field : coords::kEntryFields)
        if (!coords::IsHemisphere(field))
            before << Text(*next, field);
    ClickFormat(*next, 1020);
    EXPECT_EQ(format, CoordFormat::Dm);
    QStringList after;
    for (F field : coords::kEntryFields)
        if (!coords::IsHemisphere(field))
            after << Text(*next, field);
    EXPECT_EQ(after, before);
    EXPECT_TRUE(Edit(*next, F::LatDecMinutes)->isVisible());
}

TEST_F(EnterCoordsDlgTest, UseGpsPositionOnlyForASetPosition) {
    const MapPos onEquator(12.5, 0.0);
    EXPECT_FALSE(Open(nullptr, onEquator)->findChild<QPushButton*>("useGps1039")->isEnabled());
    const MapPos onMeridian(0.0, 51.0);
    EXPECT_FALSE(Open(nullptr, onMeridian)->findChild<QPushButton*>("useGps1039")->isEnabled());

    auto dialog = Open(nullptr, MapPos(-0.0014, 51.4778));
    auto* button = dialog->findChild<QPushButton*>("useGps1039");
    ASSERT_TRUE(button->isEnabled());
    QTest::mouseClick(button, Qt::LeftButton);
    EXPECT_EQ(Text(*dialog, F::LatDegrees), "51");
    EXPECT_EQ(Text(*dialog, F::LonSeconds), "5.040");
    EXPECT_EQ(List(*dialog, F::LonHemisphere)->currentText(), "W");
    EXPECT_EQ(format, CoordFormat::Dms);
    EXPECT_FALSE(ClickOk(*dialog).messageShown);
    EXPECT_NEAR(dialog->GetResult().y, 51.4778, 1e-9);
    EXPECT_NEAR(dialog->GetResult().x, -0.0014, 1e-9);
}

TEST_F(EnterCoordsDlgTest, CancelAfterAValidEntryGivesNoResult) {
    const MapPos initial(10.0, 20.0);
    auto dialog = Open(&initial);
    QTest::keyClick(dialog.get(), Qt::Key_Escape);
    EXPECT_EQ(dialog->result(), QDialog::Rejected);
    EXPECT_FALSE(dialog->HasResult());
}

TEST_F(EnterCoordsDlgTest, OverlongFilledTextIsShownWholeAndRed) {
    // A position from a damaged file: shown as it is, not cut to the typing limit.
    const MapPos far(1234.5, 12.0);
    format = CoordFormat::Deg;
    auto dialog = Open(&far);
    EXPECT_EQ(Text(*dialog, F::LonDecDegrees), "1234.5000000000");
    EXPECT_TRUE(IsRed(*dialog, F::LonDecDegrees));
    // It can be shortened but not lengthened.
    QLineEdit* edit = Edit(*dialog, F::LonDecDegrees);
    edit->end(false);
    QTest::keyClick(edit, Qt::Key_1);
    EXPECT_EQ(edit->text(), "1234.5000000000");
    QTest::keyClick(edit, Qt::Key_Home);
    QTest::keyClick(edit, Qt::Key_Delete);
    EXPECT_EQ(edit->text(), "234.5000000000");
}

TEST_F(EnterCoordsDlgTest, DatumGridsAndTheMapsNamedGridGiveWgs84) {
    const MapPos madrid(-3.7038, 40.4168);
    auto dialog = Open(&madrid);
    dialog->SetDatum(QStringLiteral("ed 50"));
    auto* datum = dialog->findChild<QComboBox*>(QStringLiteral("datum"));
    EXPECT_EQ(datum->currentText(), "European Datum 1950 (ED50)");
    EXPECT_EQ(dialog->Datum(), datum->currentText());
    dialog->SetInitialPosition(madrid); // refilled on ED50: 166 m, some 0.0013 degree, away
    EXPECT_NE(Text(*dialog, F::LatDecDegrees), "40.4168000000");
    EXPECT_FALSE(ClickOk(*dialog).messageShown);
    EXPECT_NEAR(dialog->GetResult().y, madrid.y, 2e-7); // seconds to 0.001
    EXPECT_NEAR(dialog->GetResult().x, madrid.x, 2e-7);

    // UTM carries the entry over; a typed text is read on the datum.
    ClickFormat(*dialog, 1040);
    auto* grid = dialog->findChild<QLineEdit*>(QStringLiteral("gridText"));
    // (OK hid the dialog; its children's own visibility still shows.)
    EXPECT_TRUE(grid->isVisibleTo(dialog.get()));
    EXPECT_FALSE(Edit(*dialog, F::LatSeconds)->isVisibleTo(dialog.get()));
    EXPECT_TRUE(grid->text().startsWith("30T 440"));
    grid->setText(QStringLiteral("30T 440000 4474000"));
    EXPECT_FALSE(ClickOk(*dialog).messageShown);
    EXPECT_EQ(dialog->GetResult(),
              coords::ParsePosition("30T 440000 4474000", "EPSG:4230", nullptr));
    EXPECT_EQ(format, CoordFormat::Utm);

    // A bad text and a datum no one knows are red and refused with their reasons.
    ClickFormat(*dialog, 1041);
    grid->setText(QStringLiteral("32TAR0000082950"));
    EXPECT_EQ(grid->palette().color(QPalette::Text), QColor(255, 0, 0));
    EXPECT_EQ(ClickOk(*dialog).text,
              "32TAR0000082950: the 100 km square letter A does not exist in zone 32");
    datum->setEditText(QStringLiteral("ED51"));
    EXPECT_EQ(ClickOk(*dialog).text, "ED51: unknown datum");

    // The map's named grid: the dialog opens on it, on the grid's own datum.
    auto swiss = std::make_unique<EnterCoordsDlg>(format);
    swiss->SetGridCrs(QStringLiteral("EPSG:2056"));
    swiss->show();
    auto* named = swiss->findChild<QRadioButton*>(QStringLiteral("format1042"));
    EXPECT_TRUE(named->isChecked() && named->text().contains("LV95"));
    EXPECT_FALSE(swiss->findChild<QComboBox*>(QStringLiteral("datum"))->isEnabled());
    auto* swissText = swiss->findChild<QLineEdit*>(QStringLiteral("gridText"));
    swissText->setText("2600000");
    EXPECT_EQ(ClickOk(*swiss).text, "2600000: give the easting and the northing");
    swissText->setText("2600000, 1200000");
    EXPECT_FALSE(ClickOk(*swiss).messageShown);
    const auto truth = testsupport::Cs2cs("EPSG:2056", "EPSG:4326", {{2600000, 1200000}});
    EXPECT_NEAR(swiss->GetResult().y, truth[0][0], 1e-9);
    EXPECT_NEAR(swiss->GetResult().x, truth[0][1], 1e-9);
}

} // namespace
