#include "calib/MapSettingsDlg.h"
#include "support/QtTestSupport.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest/QTest>

#include <gtest/gtest.h>

#include <clocale>
#include <locale>
#include <memory>
#include <string>

QT_BEGIN_NAMESPACE
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}
QT_END_NAMESPACE

namespace {

using calib::CGPSMapFuncs;
using calib::MapSettingsDlg;

class MapSettingsDlgTest : public ::testing::Test {
protected:
    static std::unique_ptr<MapSettingsDlg> Open(const CGPSMapFuncs& calibration) {
        auto dialog = std::make_unique<MapSettingsDlg>(calibration);
        dialog->show();
        return dialog;
    }
    template <typename W> static W* Child(MapSettingsDlg& dialog, const char* kind, int id) {
        auto* widget = dialog.findChild<W*>(QStringLiteral("%1%2").arg(kind).arg(id));
        EXPECT_NE(widget, nullptr) << kind << id;
        return widget;
    }
    static QLineEdit* Magnitude(MapSettingsDlg& d) {
        return Child<QLineEdit>(d, "edit", MapSettingsDlg::kMagnitudeEdit);
    }
    static QRadioButton* West(MapSettingsDlg& d) {
        return Child<QRadioButton>(d, "radio", MapSettingsDlg::kWestButton);
    }
    static QRadioButton* East(MapSettingsDlg& d) {
        return Child<QRadioButton>(d, "radio", MapSettingsDlg::kEastButton);
    }
    static QString Label(MapSettingsDlg& d, int id) {
        return Child<QLabel>(d, "label", id)->text();
    }

    static void Type(MapSettingsDlg& dialog, const QString& text) {
        Magnitude(dialog)->selectAll();
        QTest::keyClick(Magnitude(dialog), Qt::Key_Delete);
        QTest::keyClicks(Magnitude(dialog), text);
    }

    // Clicks OK; returns the text of the message box it raised, if any, after closing it.
    static QString ClickOk(MapSettingsDlg& dialog) {
        testsupport::MessageCatcher catcher;
        dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
        return catcher.messages.empty() ? QString() : catcher.messages.front().text;
    }
};

TEST_F(MapSettingsDlgTest, WestVariationStoredNegativeAndShownAgain) {
    CGPSMapFuncs c;
    auto dialog = Open(c);
    Type(*dialog, "3.5");
    West(*dialog)->click();
    EXPECT_EQ(ClickOk(*dialog), QString());
    ASSERT_EQ(dialog->result(), QDialog::Accepted);
    c.SetMagVar(dialog->GetSignedMagVar());
    EXPECT_EQ(c.GetMagVar(), -3.5);

    auto again = Open(c);
    EXPECT_EQ(Magnitude(*again)->text(), QString("3.5"));
    EXPECT_TRUE(West(*again)->isChecked());
}

TEST_F(MapSettingsDlgTest, MagnitudeRange) {
    struct Row {
        const char* legend;
        const char* text;
        bool accepted;
        double magVar; // East is checked
    };
    const Row rows[] = {
        {"upper bound", "180.0", true, 180.0},
        {"beyond the bound", "180.5", false, 0},
        {"empty", "", false, 0},
        {"decimal comma", "2,5", false, 0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.legend);
        auto dialog = Open(CGPSMapFuncs());
        Type(*dialog, row.text);
        const QString message = ClickOk(*dialog);
        if (row.accepted) {
            EXPECT_EQ(message, QString());
            EXPECT_EQ(dialog->result(), QDialog::Accepted);
            EXPECT_EQ(dialog->GetSignedMagVar(), row.magVar);
        } else {
            EXPECT_TRUE(message.contains("0") && message.contains("180")) << message.toStdString();
            EXPECT_TRUE(dialog->isVisible());
            EXPECT_EQ(dialog->GetSignedMagVar(), 0.0);
        }
    }
}

TEST_F(MapSettingsDlgTest, MapInfoAndParameters) {
    auto bare = Open(CGPSMapFuncs());
    EXPECT_EQ(Magnitude(*bare)->text(), QString("0")); // no variation shows as 0 East
    EXPECT_TRUE(East(*bare)->isChecked());
    EXPECT_EQ(Label(*bare, MapSettingsDlg::kFileNameLabel), QString("file"));
    EXPECT_EQ(Label(*bare, MapSettingsDlg::kSizeLabel), QString("W x H"));
    EXPECT_EQ(Label(*bare, MapSettingsDlg::kParamsLabel),
              QString("A: 0.0100000000   B: 0.0000000000\n"
                      "C: 0.0000000000   D: 0.0100000000\n"
                      "E: 0.0000000000   F: 52.0000000000"));

    auto dialog = Open(CGPSMapFuncs());
    dialog->SetMapInfo("/maps/north/area.png", 640, 480);
    EXPECT_EQ(Label(*dialog, MapSettingsDlg::kFileNameLabel), QString("area.png"));
    EXPECT_EQ(Label(*dialog, MapSettingsDlg::kSizeLabel), QString("640 x 480"));
}

// QApplication takes the C locale from the environment; a German user must still see and type
// points. Without an installed comma-decimal locale, a C++ global locale with a comma still
// catches any stream formatting that is not imbued.
TEST_F(MapSettingsDlgTest, CommaDecimalLocale) {
    struct CommaPoint : std::numpunct<char> {
        char do_decimal_point() const override { return ','; }
    };
    const std::string saved = std::setlocale(LC_ALL, nullptr);
    for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "fr_FR.UTF-8"}) {
        if (std::setlocale(LC_ALL, name) && *std::localeconv()->decimal_point == ',')
            break;
    }
    const std::locale previous =
        std::locale::global(std::locale(std::locale::classic(), new CommaPoint));

    CGPSMapFuncs c;
    c.SetMagVar(-2.5);
    auto dialog = Open(c);
    EXPECT_EQ(Magnitude(*dialog)->text(), QString("2.5"));
    EXPECT_TRUE(Label(*dialog, MapSettingsDlg::kParamsLabel).startsWith("A: 0.0100000000   B: "));
    Type(*dialog, "7.75");
    EXPECT_EQ(ClickOk(*dialog), QString());
    EXPECT_EQ(dialog->GetSignedMagVar(), -7.75);

    std::locale::global(previous);
    std::setlocale(LC_ALL, saved.c_str());
}

} // namespace
