// The window in German, French and Spanish: every menu, toolbar tip and dialog text the user
// meets differs from the English one, unless it is a name, a unit or a number.
#include "AppTestSupport.h"

#include "app/Commands.h"
#include "app/Translations.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>
#include <QTextBrowser>
#include <QToolBar>

namespace {

using namespace app;

// The same in every language: names (of the program, of formats, colours, shapes and the axes; the
// baud list's "Auto" is read back as typed), units and numbers.
bool IsNameUnitOrNumber(const QString& text) {
    static const QStringList kNames = {
        "QUILO",       "GPS", "UTM",  "MGRS",    "dms",    "dm",   "d",        "dd.dd", "dd:mm.mm",
        "dd:mm:ss.ss", "OK",  "Auto", "Magenta", "Orange", "Cyan", "Triangle", "lon",   "lat"};
    // Files, devices and the GPS source forms.
    static const QRegularExpression kPath(R"(^/|://|\.(png|mcd)|^[a-z]+:$)");
    if (kNames.contains(text) || kPath.match(text).hasMatch())
        return true;
    // Keys: "Ctrl+G", "F11", "U".
    static const QRegularExpression kKeys(R"(^((Ctrl|Shift|Alt)\+)*(F?\d+|[A-Z]|[-+=])$)");
    if (kKeys.match(text).hasMatch())
        return true;
    // Numbers with their units, coordinates with their hemispheres, an MGRS reference; the
    // calibration's parameters A: to F: and its RMS.
    QString figures = text;
    figures.remove(QRegularExpression(R"(<[^>]*>|\bRMS\b|\b[A-F]:|^\d{1,2}[C-X] [A-Z]{2}\b)"));
    if (kNames.contains(figures.trimmed()))
        return true;
    static const QRegularExpression kNumber(
        R"(^[-+\d\s.,:;/()%°'"x]*(\s?(m|s|km|km/h|ms|px|[NSEW]))*[-+\d\s.,:;/()%°'"x]*$)");
    return kNumber.match(figures).hasMatch();
}

void Add(QStringList& out, const QString& where, QString text) {
    text.remove('&');
    if (!text.trimmed().isEmpty())
        out << where + ": " + text;
}

// The texts a user reads in widget and its children, in the order they were made.
QStringList TextsOf(QWidget& widget) {
    QStringList out;
    const QString name = widget.metaObject()->className();
    Add(out, name, widget.windowTitle());
    for (QWidget* child : widget.findChildren<QWidget*>()) {
        Add(out, name, child->toolTip());
        if (auto* label = qobject_cast<QLabel*>(child))
            Add(out, name, label->text());
        else if (auto* button = qobject_cast<QAbstractButton*>(child))
            Add(out, name, button->text());
        else if (auto* group = qobject_cast<QGroupBox*>(child))
            Add(out, name, group->title());
        else if (auto* edit = qobject_cast<QLineEdit*>(child))
            Add(out, name, edit->placeholderText());
        else if (auto* browser = qobject_cast<QTextBrowser*>(child))
            for (const QString& line : browser->toPlainText().split('\n'))
                Add(out, name, line);
        if (auto* tabs = qobject_cast<QTabWidget*>(child))
            for (int i = 0; i < tabs->count(); ++i)
                Add(out, name, tabs->tabText(i));
        if (auto* table = qobject_cast<QTableWidget*>(child))
            for (int i = 0; i < table->columnCount(); ++i)
                Add(out, name, table->horizontalHeaderItem(i)->text());
        // A datum list holds names.
        if (auto* combo = qobject_cast<QComboBox*>(child);
            combo && combo->findText("World Geodetic System 1984", Qt::MatchStartsWith) < 0)
            for (int i = 0; i < combo->count(); ++i)
                Add(out, name, combo->itemText(i));
    }
    return out;
}

// Every entry of menu and its submenus; the entries of a list (recent maps, tile sources, the
// maps here) are names.
void MenuTexts(const CGPSMapFrame& f, QMenu& menu, const QString& path, QStringList& out) {
    for (QAction* action : menu.actions()) {
        if (action->isSeparator())
            continue;
        Add(out, path, action->text());
        const bool list = std::any_of(kMenuItems.begin(), kMenuItems.end(), [&](const auto& item) {
            return item.kind == ItemKind::List && f.Action(item.id) == action;
        });
        if (action->menu() != nullptr && !list)
            MenuTexts(f, *action->menu(), path + " > " + action->text().remove('&'), out);
    }
}

class Translated : public FrameFixture {
protected:
    // The window's texts, its dialogs' and its messages', as one list in a fixed order.
    QStringList WindowTexts() {
        CGPSMapFrame& f = StartFrame(QSize(800, 600));
        QStringList out;
        for (QAction* menu : f.menuBar()->actions())
            MenuTexts(f, *menu->menu(), menu->text().remove('&'), out);
        MenuTexts(f, *f.Commands().ContextMenu(), "Context", out);
        for (QAction* button : f.ToolBar()->actions())
            Add(out, "Toolbar", button->toolTip());

        EXPECT_TRUE(f.LoadMapFile(QUILO_DEMO_DIR "/brindlemoor.png"));
        f.View().SetSelection(MapPos(400, 300));
        // Each command's dialog is read, then closed; the points' list opens a point first.
        QTimer reader;
        reader.callOnTimeout([this, &out] {
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (dialog == nullptr)
                return;
            dialogs << dialog->metaObject()->className();
            out << TextsOf(*dialog);
            if (auto* edit = dialog->findChild<QPushButton*>("edit")) {
                QTimer::singleShot(0, [this, &out] {
                    if (auto* point = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
                        dialogs << point->metaObject()->className();
                        out << TextsOf(*point);
                        point->reject();
                    }
                });
                edit->click(); // the first point is chosen
            }
            dialog->reject();
        });
        reader.start(10);
        f.OnCommand(kCmdColourSpeed); // Colour Limits asks for a colouring first
        for (const int id :
             {kCmdGpsSettings, kCmdMapSettings, kCmdGoToPosition, kCmdCheckPosition,
              kCmdEnterCalibrationPoint, kCmdCalibrationPoints, kCmdEditPoints, kCmdGoToPoint,
              kCmdColourLimits, kCmdTrailStatistics, kCmdAbout, kCmdShortcuts})
            f.OnCommand(id);
        for (const platform::Message& m : catcher.messages) {
            Add(out, "Message", m.caption);
            for (const QString& line : m.text.split('\n'))
                Add(out, "Message", line);
        }
        catcher.messages.clear();
        StopFrame();
        return out;
    }

    QStringList dialogs; // the class of each dialog read, in order
};

TEST_F(Translated, NoWindowTextIsLeftInEnglish) {
    const QStringList english = WindowTexts();
    // Every command above opened its dialog: one that opened none would leave its texts out.
    EXPECT_EQ(dialogs.join(' ').toStdString(),
              "view::GpsSettingsSheet calib::MapSettingsDlg coords::EnterCoordsDlg "
              "coords::EnterCoordsDlg coords::EnterCoordsDlg calib::CalibrationPointsDlg "
              "points::EditMapPointsDlg points::EditMapPointDlg coords::EnterCoordsDlg QDialog "
              "QDialog QDialog");
    for (const char* language : {"de_DE", "fr_FR", "es_ES"}) {
        SCOPED_TRACE(language);
        const Translations translations{QLocale(language)};
        ASSERT_EQ(translations.Language(), QString(language).left(2));
        const QStringList translated = WindowTexts();
        ASSERT_EQ(translated.size(), english.size());
        for (qsizetype i = 0; i < english.size(); ++i)
            if (!IsNameUnitOrNumber(english[i].section(": ", 1).trimmed())) {
                EXPECT_NE(translated[i].toStdString(), english[i].toStdString());
            }
    }
}

// English, a language without a translation, and the user's order all leave the English.
TEST(Translations, FollowTheUsersLanguages) {
    const struct {
        const char* locale;
        const char* language;
    } rows[] = {{"en_GB", ""}, {"ja_JP", ""}, {"de_AT", "de"}, {"es_MX", "es"}};
    for (const auto& row : rows) {
        const Translations translations{QLocale(row.locale)};
        EXPECT_EQ(translations.Language(), QString(row.language)) << row.locale;
    }
    const Translations german{QLocale("de_DE")};
    EXPECT_EQ(QCoreApplication::translate("Menu", "File"), "Datei");
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), "Abbrechen"); // Qt's own
}

} // namespace
