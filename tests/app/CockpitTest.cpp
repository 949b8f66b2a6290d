// The window on a touch screen: every menu command by finger alone, the kiosk, and the help.
#include "AppTestSupport.h"

#include "app/Commands.h"
#include "app/HelpWindows.h"
#include "app/LiveCommands.h"

#include <QFile>
#include <QMenuBar>
#include <QPointingDevice>
#include <QSignalSpy>
#include <QTest>
#include <QTextBrowser>
#include <QToolBar>
#include <QToolButton>

namespace {

using namespace app;

QString Plain(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// A finger's tap at point of widget, through the widget's window as a touch screen sends it.
void Tap(QPointingDevice* screen, QWidget& widget, QPoint point) {
    QWidget* window = widget.window();
    const QPoint at = widget.mapTo(window, point);
    QTest::touchEvent(window, screen).press(0, at, window);
    QTest::touchEvent(window, screen).release(0, at, window);
}

// The action of menu's entry in the menu bar or in its parent menu.
QAction* EntryOf(QMenuBar& bar, Menu menu) {
    const auto def = std::find_if(kMenus.begin(), kMenus.end(),
                                  [menu](const MenuDef& m) { return m.id == menu; });
    const QList<QAction*> entries =
        def->parent == Menu::Bar ? bar.actions() : EntryOf(bar, def->parent)->menu()->actions();
    for (QAction* entry : entries)
        if (entry->menu() != nullptr && entry->text().remove('&') == Plain(def->title))
            return entry;
    return nullptr;
}

// Opens menu by tapping its title in the menu bar, then each submenu on the way.
bool OpenByTouch(QPointingDevice* screen, QMenuBar& bar, Menu menu) {
    const auto def = std::find_if(kMenus.begin(), kMenus.end(),
                                  [menu](const MenuDef& m) { return m.id == menu; });
    QAction* entry = EntryOf(bar, menu);
    if (entry == nullptr)
        return false;
    if (def->parent == Menu::Bar) {
        Tap(screen, bar, bar.actionGeometry(entry).center());
    } else {
        if (!OpenByTouch(screen, bar, def->parent))
            return false;
        QMenu* parent = EntryOf(bar, def->parent)->menu();
        Tap(screen, *parent, parent->actionGeometry(entry).center());
    }
    return PumpUntil([entry] { return entry->menu()->isVisible(); }, 5000);
}

void CloseMenus() {
    while (QWidget* popup = QApplication::activePopupWidget())
        popup->close();
}

class Cockpit : public FrameFixture {
protected:
    void SetUp() override {
        // Dialogs the commands open are shut as they come; questions are answered No.
        closer.callOnTimeout([] {
            if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget()))
                dialog->reject();
        });
        closer.start(10);
        previousAnswer = platform::SetAnswerHook([this](const platform::Message& m) {
            questions.push_back(m.text);
            return answer;
        });
    }
    void TearDown() override { platform::SetAnswerHook(previousAnswer); }

    QTimer closer;
    platform::AnswerHook previousAnswer;
    std::vector<QString> questions;
    bool answer = false;
};

// Each item of the menu table, reached by taps alone: the menu bar's through their titles and
// submenus, the context menu's through a long press on the map, the toolbar's own toggle in the
// menu bar's corner. An item disabled at the time takes the tap and does nothing.
TEST_F(Cockpit, EveryMenuCommandIsReachedByTouchAlone) {
    CGPSMapFrame& frame = StartFrame(QSize(900, 700));
    const std::unique_ptr<QPointingDevice> device(QTest::createTouchDevice());
    QPointingDevice* screen = device.get();
    view::MapView& v = frame.View();
    int reached = 0;
    for (const MenuItemDef& item : kMenuItems) {
        // The Quit accelerator is the keyboard's twin of File > Exit.
        if (item.kind == ItemKind::Separator || item.kind == ItemKind::List ||
            item.id == kCmdAppExit)
            continue;
        SCOPED_TRACE(std::string(item.text));
        if (!frame.isVisible()) // File > Exit closed it
            frame.show();
        QAction* action = frame.Action(item.id);
        ASSERT_NE(action, nullptr);
        QSignalSpy triggered(action, &QAction::triggered);
        QWidget* menu = nullptr;
        QRect where;
        if (item.id == kCmdMenuBarToolbar) {
            menu = frame.MenuBarToolbarButton();
            where = menu->rect();
        } else if (item.menu == Menu::Context) {
            QTest::touchEvent(v.window(), screen)
                .press(0, v.mapTo(v.window(), v.rect().center()), v.window());
            QMenu* context = frame.Commands().ContextMenu();
            ASSERT_TRUE(PumpUntil([context] { return context->isVisible(); }, 5000));
            QTest::touchEvent(v.window(), screen)
                .release(0, v.mapTo(v.window(), v.rect().center()), v.window());
            menu = context;
            where = context->actionGeometry(action);
        } else {
            ASSERT_TRUE(OpenByTouch(screen, *frame.menuBar(), item.menu));
            menu = EntryOf(*frame.menuBar(), item.menu)->menu();
            where = static_cast<QMenu*>(menu)->actionGeometry(action);
        }
        const bool enabled = action->isEnabled();
        Tap(screen, *menu, where.center());
        PumpUntil([&] { return triggered.count() > 0; }, enabled ? 5000 : 0);
        EXPECT_EQ(triggered.count(), enabled ? 1 : 0);
        reached += triggered.count();
        CloseMenus();
    }
    // Most are enabled on a fresh window; a handful wait for a map, a fix or a go-to.
    EXPECT_GT(reached, 70);
}

TEST_F(Cockpit, KioskIsFullScreenFramelessAndQuitsOnlyWhenMeant) {
    CGPSMapFrame& frame = StartFrame();
    frame.Action(kCmdKiosk)->trigger();
    EXPECT_TRUE(frame.windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_TRUE(frame.isFullScreen());
    EXPECT_FALSE(frame.ToolBar()->isHidden());
    EXPECT_EQ(frame.ToolBar()->iconSize(), QSize(48, 48));
    // Night mode is one button away.
    EXPECT_TRUE(frame.ToolBar()->actions().contains(frame.Action(kCmdNightMode)));
    frame.close();
    EXPECT_TRUE(frame.isVisible()) << "a No keeps the kiosk";
    answer = true;
    frame.OnCommand(kCmdExit);
    EXPECT_FALSE(frame.isVisible());
    EXPECT_EQ(questions, (std::vector<QString>{"Quit QUILO?", "Quit QUILO?"}));
    // The next start is a kiosk again.
    StopFrame();
    EXPECT_TRUE(StartFrame().windowFlags().testFlag(Qt::FramelessWindowHint));
}

TEST_F(Cockpit, HelpListsTheShortcutsAndOpensTheGuide) {
    closer.stop(); // the guide's window is looked at before it closes
    CGPSMapFrame& frame = StartFrame();
    const QString shortcuts = ShortcutsHtml();
    EXPECT_TRUE(shortcuts.contains("<b>Ctrl+O</b></td><td>File &gt; Load Map...</td>"));
    for (const ShortcutDef& shortcut : kShortcuts)
        EXPECT_TRUE(shortcuts.contains(frame.Action(shortcut.id)->text().remove('&')))
            << shortcut.keys;

    // The guide is the README's sections for users, and opens inside the program.
    QFile guide(UserGuidePath());
    ASSERT_TRUE(guide.open(QIODevice::ReadOnly));
    const QString html = QString::fromUtf8(guide.readAll());
    EXPECT_TRUE(html.contains("Load Map..."));
    EXPECT_FALSE(html.contains("Looking at a frame without a display")) << "for developers";
    QString shown;
    testsupport::WhenModal<QDialog>([&shown](QDialog& dialog) {
        shown = dialog.findChild<QTextBrowser*>()->toPlainText();
        dialog.reject();
    });
    frame.OnCommand(kCmdUserGuide);
    EXPECT_TRUE(shown.contains("Using it"));
}

} // namespace
