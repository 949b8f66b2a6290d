#include "AppTestSupport.h"

#include "view/PointerGesture.h"

#include "demo/DemoMap.h"
#include "points/PointsFile.h"
#include "view/MapFolderCommands.h"

#include <QMenu>
#include <QMouseEvent>
#include <QPointingDevice>
#include <QTest>

#include <cstdint>
#include <memory>

namespace {

using Action = view::PointerGesture::Action;

struct Step {
    enum Kind { Press, Move, Release, Timeout } kind;
    int x;
    int y;
    long long t;
    Action expected;
};

void Send(QWidget& w, QEvent::Type type, QPoint at, Qt::MouseButton button,
          Qt::MouseButtons buttons) {
    QMouseEvent event(type, QPointF(at), w.mapToGlobal(QPointF(at)), button, buttons,
                      Qt::NoModifier);
    QCoreApplication::sendEvent(&w, &event);
}

void Press(QWidget& w, QPoint at, Qt::MouseButton button = Qt::LeftButton) {
    Send(w, QEvent::MouseButtonPress, at, button, button);
}
void MoveTo(QWidget& w, QPoint at) {
    Send(w, QEvent::MouseMove, at, Qt::NoButton, Qt::LeftButton);
}
void Release(QWidget& w, QPoint at) {
    Send(w, QEvent::MouseButtonRelease, at, Qt::LeftButton, Qt::NoButton);
}

} // namespace

TEST(PointerGestureRules, TapDragAndHold) {
    const struct {
        const char* legend;
        std::vector<Step> steps;
    } rows[] = {
        {"press and release in place is a tap",
         {{Step::Press, 10, 10, 0, Action::None}, {Step::Release, 10, 10, 100, Action::Tap}}},
        {"a jiggle within the tolerance before the hold time is still a tap",
         {{Step::Press, 10, 10, 0, Action::None},
          {Step::Move, 13, 8, 50, Action::None},
          {Step::Release, 12, 10, 150, Action::Tap}}},
        {"a move beyond the tolerance drags, and a drag ends as a drag even back in place",
         {{Step::Press, 100, 100, 0, Action::None},
          {Step::Move, 90, 120, 30, Action::DragTo},
          {Step::Move, 100, 100, 60, Action::DragTo},
          {Step::Release, 100, 100, 90, Action::DragEnd}}},
        {"any move after the hold time drags (no threshold)",
         {{Step::Press, 10, 10, 0, Action::None},
          {Step::Move, 11, 10, 700, Action::DragTo},
          {Step::Release, 11, 10, 800, Action::DragEnd}}},
        {"held in place: the timer opens the menu, the release does nothing",
         {{Step::Press, 10, 10, 0, Action::None},
          {Step::Timeout, 0, 0, 600, Action::Hold},
          {Step::Move, 40, 40, 650, Action::None},
          {Step::Release, 40, 40, 700, Action::None}}},
        {"a timer that fires after a drag began does nothing",
         {{Step::Press, 10, 10, 0, Action::None},
          {Step::Move, 30, 10, 100, Action::DragTo},
          {Step::Timeout, 0, 0, 600, Action::None},
          {Step::Release, 30, 10, 700, Action::DragEnd}}},
        {"a release past the hold time that the timer missed is a hold",
         {{Step::Press, 10, 10, 0, Action::None}, {Step::Release, 11, 11, 900, Action::Hold}}},
        {"a release without a press does nothing", {{Step::Release, 10, 10, 0, Action::None}}},
    };
    for (const auto& row : rows) {
        view::PointerGesture g;
        for (const Step& s : row.steps) {
            Action got = Action::None;
            switch (s.kind) {
            case Step::Press:
                g.Press({s.x, s.y}, s.t);
                break;
            case Step::Move:
                got = g.Move({s.x, s.y}, s.t);
                break;
            case Step::Release:
                got = g.Release({s.x, s.y}, s.t);
                break;
            case Step::Timeout:
                got = g.HoldTimeout();
                break;
            }
            EXPECT_EQ(got, s.expected) << row.legend << " at t=" << s.t;
        }
    }
}

TEST_F(FrameFixture, TapSelectsDragScrollsAndKeepsTheSelection) {
    view::MapView& v = StartFrame().View();
    const view::ViewPoint scroll0 = v.Geometry().ScrollOffset();

    Press(v, {50, 60});
    Release(v, {50, 60});
    EXPECT_EQ(v.Session().Selection(), v.Geometry().ScreenToImage({50, 60}));
    EXPECT_TRUE(v.Session().CursorText().starts_with("Sel: "));
    const std::optional<MapPos> selected = v.Session().Selection();

    Press(v, {100, 100});
    MoveTo(v, {90, 120});
    EXPECT_TRUE(v.Geometry().Dragging());
    EXPECT_EQ(v.Geometry().DragOffset(), (view::ViewPoint{scroll0.x + 10, scroll0.y - 20}));
    EXPECT_EQ(v.Geometry().ScrollOffset(), scroll0); // only the drag offset moves meanwhile
    Release(v, {90, 120});
    EXPECT_FALSE(v.Geometry().Dragging());
    EXPECT_EQ(v.Geometry().ScrollOffset(), (view::ViewPoint{scroll0.x + 10, scroll0.y - 20}));
    EXPECT_EQ(v.Session().Selection(), selected);

    // Back to the press point before the release: still a drag, still no selection.
    Press(v, {100, 100});
    MoveTo(v, {140, 100});
    MoveTo(v, {100, 100});
    Release(v, {100, 100});
    EXPECT_EQ(v.Session().Selection(), selected);
}

TEST_F(FrameFixture, HoldAndRightClickOpenTheContextMenuWithoutMovingTheSelection) {
    view::MapView& v = StartFrame().View();
    auto* menu = v.findChild<QMenu*>();
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(menu->title(), "Context");
    QStringList texts;
    for (QAction* a : menu->actions())
        texts << a->text();
    EXPECT_EQ(texts, (QStringList{"New Point at Cursor", "Go to GPS Position", "Go to Map Centre",
                                  "Maps Here", "Go to This Point", "Alarm Circle Here"}));

    const std::optional<MapPos> before = v.Session().Selection();
    Press(v, {120, 80});
    ASSERT_TRUE(PumpUntil([menu] { return menu->isVisible(); }, 5000));
    Release(v, {120, 80});
    EXPECT_EQ(v.Session().Selection(), before);
    menu->hide();

    Press(v, {60, 70}, Qt::RightButton);
    EXPECT_TRUE(menu->isVisible());
    Send(v, QEvent::MouseButtonRelease, {60, 70}, Qt::RightButton, Qt::NoButton);
    EXPECT_EQ(v.Session().Selection(), before);
    menu->hide();
}

TEST_F(FrameFixture, CommandsNamedForAPlaceActWhereTheMenuOpenedNotAtTheSelection) {
    const QString sheets = dir.filePath("sheets");
    QString error;
    ASSERT_TRUE(demo::WriteDemoSheets(sheets, &error)) << error.toStdString();
    CGPSMapFrame& f = StartFrame(QSize(500, 400));
    ASSERT_TRUE(f.MapFolder().OpenFolder(sheets));
    ASSERT_TRUE(f.LoadMapFile(sheets + "/brindlemoor-A1.png"));
    view::MapView& v = f.View();
    // Across the east edge of the first sheet; the second one lies beyond it.
    v.CentreOn(MapPos(v.Geometry().ImageWidth(), 150));
    const QPoint west(v.width() / 4, v.height() / 2);
    const QPoint east(3 * v.width() / 4, v.height() / 2);
    Press(v, west);
    Release(v, west);
    const std::optional<MapPos> selected = v.Session().Selection();
    Press(v, east, Qt::RightButton);
    EXPECT_EQ(v.Session().Selection(), selected);
    QStringList here;
    for (QAction* a : f.Commands().ContextMenu()->actions())
        for (QAction* map : a->text() == "Maps Here" ? a->menu()->actions() : QList<QAction*>())
            here << map->text();
    ASSERT_EQ(here.size(), 1);
    EXPECT_TRUE(here[0].startsWith("brindlemoor-B1")) << here[0].toStdString();
    f.Action(app::kCmdGoToHere)->trigger();
    f.Commands().ContextMenu()->hide();
    ASSERT_TRUE(v.Session().Live().GoTo());
    EXPECT_EQ(v.Session().Live().GoTo()->point, v.PositionAt(east));
    EXPECT_NE(v.PositionAt(east), v.PositionAt(west));
}

TEST_F(FrameFixture, ContextCommandsGoToMapCentreAndIgnoreGpsWhileDisconnected) {
    view::MapView& v = StartFrame().View();
    const int w = v.Geometry().ClientWidth();
    const int h = v.Geometry().ClientHeight();
    frame->OnCommand(app::kCmdGoToMapCentre);
    EXPECT_EQ(v.Geometry().ScrollOffset(), (view::ViewPoint{-(w / 2), -(h / 2)}));
    frame->OnCommand(app::kCmdGoToGpsPosition); // disconnected: nothing
    EXPECT_EQ(v.Geometry().ScrollOffset(), (view::ViewPoint{-(w / 2), -(h / 2)}));
}

TEST_F(FrameFixture, NewPointAtCursorStoresThePointBesideTheMapThenOpensTheList) {
    QImage image(200, 100, QImage::Format_RGB32);
    image.fill(Qt::white);
    const QString map = dir.filePath("plain.png");
    ASSERT_TRUE(image.save(map));
    view::MapView& v = StartFrame().View();
    ASSERT_TRUE(view::MapLoader(v).Load(map));
    v.SetSelection(MapPos(40, 30));
    const QTimer* closer = RejectNextModalDialog(&v);
    frame->OnCommand(app::kCmdNewPointAtCursor);
    EXPECT_FALSE(closer->isActive()); // the list dialog was open and got closed
    ASSERT_EQ(v.Session().Document().Points().size(), 1u);
    EXPECT_EQ(v.Session().Document().Points()[0].GetName().rfind("Map point ", 0), 0u);
    EXPECT_EQ(v.Session().Document().Points()[0].GetPosition(),
              v.Session().Georeference().ToGeo(MapPos(40, 30)));
    points::MapPointList onDisk;
    ASSERT_TRUE(points::ReadPointsFile(dir.filePath("plain.pts").toStdString(), onDisk));
    EXPECT_EQ(onDisk, v.Session().Document().Points());

    frame->Commands().OnStorePosition(); // disconnected: nothing, not even a dialog
    EXPECT_EQ(v.Session().Document().Points().size(), 1u);
}

TEST_F(FrameFixture, TouchTapsAndDragsLikeTheStylus) {
    view::MapView& v = StartFrame().View();
    // Ours to delete; Qt unregisters it then.
    const std::unique_ptr<QPointingDevice> device(QTest::createTouchDevice());
    QPointingDevice* screen = device.get();
    QWidget* window = v.window();
    const QPoint tap = v.mapTo(window, QPoint(70, 40));
    QTest::touchEvent(window, screen).press(0, tap, window);
    QTest::touchEvent(window, screen).release(0, tap, window);
    ASSERT_TRUE(PumpUntil(
        [&v] {
            return v.Session().Selection() == v.Geometry().ScreenToImage({70, 40});
        },
        5000));

    const view::ViewPoint scroll0 = v.Geometry().ScrollOffset();
    const std::optional<MapPos> selected = v.Session().Selection();
    QTest::touchEvent(window, screen).press(0, v.mapTo(window, QPoint(100, 100)), window);
    QTest::touchEvent(window, screen).move(0, v.mapTo(window, QPoint(80, 110)), window);
    QTest::touchEvent(window, screen).release(0, v.mapTo(window, QPoint(80, 110)), window);
    ASSERT_TRUE(PumpUntil(
        [&] {
            return v.Geometry().ScrollOffset() == view::ViewPoint{scroll0.x + 20, scroll0.y - 10};
        },
        5000));
    EXPECT_EQ(v.Session().Selection(), selected);
}
