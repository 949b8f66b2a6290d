#include "view/GpsSettingsSheet.h"
#include "platform/MessageBox.h"

#include <QAbstractButton>
#include <QApplication>
#include <QButtonGroup>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTabWidget>
#include <gtest/gtest.h>

#include <vector>

namespace view {

namespace {

class GpsSettingsSheetTest : public ::testing::Test {
protected:
    void SetUp() override {
        previous = platform::SetMessageHook(
            [this](const platform::Message& m) { messages.push_back(m.text.toStdString()); });
    }
    void TearDown() override { platform::SetMessageHook(previous); }

    static GpsSettingsValues Defaults() { return GpsSettingsValues::From(ViewSettings{}, ""); }

    platform::MessageHook previous;
    std::vector<std::string> messages;
};

TEST_F(GpsSettingsSheetTest, PagesOpenWithTheStoredValues) {
    GpsSettingsSheet sheet(Defaults());
    ASSERT_EQ(sheet.Tabs()->count(), 3);
    EXPECT_EQ(sheet.Tabs()->tabText(0), "Position");
    EXPECT_EQ(sheet.Tabs()->tabText(1), "Trail");
    EXPECT_EQ(sheet.Tabs()->tabText(2), "Connection");
    EXPECT_EQ(sheet.windowTitle(), "GPS Settings");

    auto* pos = static_cast<CGPSSettingsPosPage*>(sheet.Page(0));
    EXPECT_EQ(pos->symbolList->currentText(), "Circle");
    EXPECT_EQ(pos->lineList->currentText(), "Red");
    EXPECT_EQ(pos->fillList->currentText(), "Yellow");
    EXPECT_EQ(pos->sizeList->currentText(), "3");
    EXPECT_EQ(pos->rateBox->text(), "1000");
    auto* trail = static_cast<CGPSSettingsTrailPage*>(sheet.Page(1));
    EXPECT_EQ(trail->lengthBox->text(), "250");
    EXPECT_EQ(trail->minDeltaBox->text(), "5");
    EXPECT_EQ(trail->styleGroup->checkedId(), 1);
    EXPECT_EQ(trail->colourList->currentText(), "Green");
    auto* com = static_cast<CGPSSettingsCOMPage*>(sheet.Page(2));
    EXPECT_EQ(com->portList->currentText(), "8");
    EXPECT_EQ(com->baudBox->currentText(), "4800");
    // "Auto" first, then the fixed rates.
    ASSERT_EQ(com->baudBox->count(), 7);
    EXPECT_EQ(com->baudBox->itemText(0), "Auto");
    EXPECT_EQ(com->baudBox->itemText(6), "115200");
}

TEST_F(GpsSettingsSheetTest, BadValueKeepsUserOnPageWithRangeMessage) {
    const struct {
        const char* legend;
        int page;
        const char* rate;
        const char* length;
        const char* minDelta;
        const char* message;
    } rows[] = {
        {"rate below 100", 0, "50", "250", "5", "Please enter an integer between 100 and 9999."},
        {"length below 10", 1, "1000", "5", "5", "Please enter an integer between 10 and 9999."},
        {"min delta above 1000", 1, "1000", "250", "1000.5",
         "Please enter a number between 0 and 1000."},
    };
    for (const auto& row : rows) {
        messages.clear();
        GpsSettingsSheet sheet(Defaults());
        sheet.Tabs()->setCurrentIndex(row.page);
        static_cast<CGPSSettingsPosPage*>(sheet.Page(0))->rateBox->setText(row.rate);
        auto* trail = static_cast<CGPSSettingsTrailPage*>(sheet.Page(1));
        trail->lengthBox->setText(row.length);
        trail->minDeltaBox->setText(row.minDelta);

        sheet.Tabs()->setCurrentIndex(2);
        EXPECT_EQ(sheet.Tabs()->currentIndex(), row.page) << row.legend;
        sheet.accept();
        EXPECT_NE(sheet.result(), QDialog::Accepted) << row.legend;
        ASSERT_EQ(messages.size(), 2u) << row.legend;
        EXPECT_EQ(messages[0], row.message) << row.legend;
    }
}

TEST_F(GpsSettingsSheetTest, GoodValuesAreTakenWhenLeavingEachPage) {
    GpsSettingsSheet sheet(Defaults());
    auto* pos = static_cast<CGPSSettingsPosPage*>(sheet.Page(0));
    pos->symbolList->setCurrentIndex(3);
    pos->rateBox->setText("250");
    sheet.Tabs()->setCurrentIndex(1);
    auto* trail = static_cast<CGPSSettingsTrailPage*>(sheet.Page(1));
    trail->lengthBox->setText("100");
    trail->minDeltaBox->setText("2.4");
    trail->styleGroup->button(0)->setChecked(true);
    sheet.Tabs()->setCurrentIndex(2);
    auto* com = static_cast<CGPSSettingsCOMPage*>(sheet.Page(2));
    com->baudBox->setEditText("14400");
    com->portList->setCurrentIndex(0);
    com->deviceBox->setEditText(" /dev/ttyACM0 ");
    sheet.accept();

    EXPECT_EQ(sheet.result(), QDialog::Accepted);
    EXPECT_TRUE(messages.empty());
    const auto& v = sheet.Values();
    EXPECT_EQ(v.symbol, 3);
    EXPECT_EQ(v.updateRateMs, 250);
    EXPECT_EQ(v.trailLength, 100);
    EXPECT_EQ(v.trailMinDelta, 2.4);
    EXPECT_EQ(v.trailStyle, 0);
    EXPECT_EQ(v.baudText, "14400");
    EXPECT_EQ(v.portIndex, 0);
    EXPECT_EQ(v.device, "/dev/ttyACM0");
}

TEST_F(GpsSettingsSheetTest, SeventhBaudCharacterIsRefused) {
    GpsSettingsSheet sheet(Defaults());
    sheet.Tabs()->setCurrentIndex(2);
    static_cast<CGPSSettingsCOMPage*>(sheet.Page(2))->baudBox->setEditText("1152000");
    sheet.accept();
    EXPECT_NE(sheet.result(), QDialog::Accepted);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0], "Enter no more than 6 characters.");
    EXPECT_EQ(sheet.Values().baudText, "4800");
}

TEST_F(GpsSettingsSheetTest, UnopenedPagesKeepTheirValuesAndRateBoxTakesDigitsOnly) {
    ViewSettings settings;
    settings.comPort = 12; // hand-edited: no list entry
    GpsSettingsSheet sheet(GpsSettingsValues::From(settings, ""));
    auto* pos = static_cast<CGPSSettingsPosPage*>(sheet.Page(0));
    pos->rateBox->setText("");
    for (QChar c : QString("12a3")) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(pos->rateBox, &press);
    }
    EXPECT_EQ(pos->rateBox->text(), "123"); // the letter was refused
    pos->rateBox->setText("2000");
    sheet.accept();
    EXPECT_EQ(sheet.Values().updateRateMs, 2000);
    EXPECT_EQ(sheet.Values().portIndex, -1);
    EXPECT_EQ(sheet.Values().trailLength, 250);
}

} // namespace

} // namespace view
