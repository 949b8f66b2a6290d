#include "app/LiveCommands.h"

#include "app/CGPSMapFrame.h"
#include "app/Commands.h"
#include "app/GpsDetailsPanel.h"
#include "app/ScreenSaverInhibitor.h"
#include "coords/EnterCoordsDlg.h"
#include "platform/SettingsStore.h"
#include "view/GpsConnection.h"
#include "view/MapCommands.h"
#include "view/MapLoader.h"
#include "view/MapView.h"

#include <QAction>
#include <QActionGroup>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>

#include <array>
#include <string_view>

namespace {

using session::LiveSettings;
using session::UnitSystem;

// Where an item goes: a top menu of the frame, a submenu of it ("" for none), or the map's
// context menu (menu "").
struct LiveItemDef {
    LiveCommands::Item item;
    std::string_view menu;
    std::string_view submenu;
    std::string_view text;
    std::string_view keys; // a shortcut, "" for none
    int group;             // items of one radio group share a number; 0 for none
    bool checkable;
};

constexpr std::array<LiveItemDef, 20> kLiveItems = {{
    {LiveCommands::kDetailsPanel, "View", "", "GPS Details", "D", 0, true},
    {LiveCommands::kHeadingArrow, "View", "Show", "Heading Arrow", "", 0, true},
    {LiveCommands::kAccuracyCircle, "View", "Show", "Accuracy Circle", "", 0, true},
    {LiveCommands::kScaleBar, "View", "Show", "Scale Bar", "", 0, true},
    {LiveCommands::kNightMode, "View", "", "Night Mode", "N", 0, true},
    {LiveCommands::kNight25, "View", "Night Dimming", "25%", "", 1, true},
    {LiveCommands::kNight50, "View", "Night Dimming", "50%", "", 1, true},
    {LiveCommands::kNight75, "View", "Night Dimming", "75%", "", 1, true},
    {LiveCommands::kUnitsMetric, "View", "Units", "Metric", "", 2, true},
    {LiveCommands::kUnitsImperial, "View", "Units", "Imperial", "", 2, true},
    {LiveCommands::kUnitsNautical, "View", "Units", "Nautical", "", 2, true},
    {LiveCommands::kGoToPoint, "GPS", "", "Go to Point...", "", 0, false},
    {LiveCommands::kStopGoTo, "GPS", "", "Stop Going to Point", "", 0, false},
    {LiveCommands::kRadius10, "GPS", "Arrival Radius", "10 m", "", 3, true},
    {LiveCommands::kRadius25, "GPS", "Arrival Radius", "25 m", "", 3, true},
    {LiveCommands::kRadius50, "GPS", "Arrival Radius", "50 m", "", 3, true},
    {LiveCommands::kRadius100, "GPS", "Arrival Radius", "100 m", "", 3, true},
    {LiveCommands::kRadius250, "GPS", "Arrival Radius", "250 m", "", 3, true},
    {LiveCommands::kResetTrip, "GPS", "", "Reset Trip Meter", "", 0, false},
    {LiveCommands::kGoToHere, "", "", "Go to This Point", "", 0, false},
}};

// The value a radio item stands for.
struct RadioValue {
    LiveCommands::Item item;
    int value;
};
constexpr std::array<RadioValue, 11> kRadioValues = {{
    {LiveCommands::kNight25, 25},
    {LiveCommands::kNight50, 50},
    {LiveCommands::kNight75, 75},
    {LiveCommands::kUnitsMetric, static_cast<int>(UnitSystem::Metric)},
    {LiveCommands::kUnitsImperial, static_cast<int>(UnitSystem::Imperial)},
    {LiveCommands::kUnitsNautical, static_cast<int>(UnitSystem::Nautical)},
    {LiveCommands::kRadius10, 10},
    {LiveCommands::kRadius25, 25},
    {LiveCommands::kRadius50, 50},
    {LiveCommands::kRadius100, 100},
    {LiveCommands::kRadius250, 250},
}};

std::optional<int> RadioValueOf(LiveCommands::Item item) {
    for (const RadioValue& r : kRadioValues)
        if (r.item == item)
            return r.value;
    return std::nullopt;
}

QString ToQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QString Plain(QString text) {
    return text.remove('&');
}

QMenu* SubMenu(QMenu* parent, const QString& title) {
    for (QAction* action : parent->actions())
        if (action->menu() != nullptr && Plain(action->text()) == title)
            return action->menu();
    return parent->addMenu(title);
}

UnitSystem LocaleUnits() {
    switch (QLocale().measurementSystem()) {
    case QLocale::ImperialUSSystem:
    case QLocale::ImperialUKSystem:
        return UnitSystem::Imperial;
    case QLocale::MetricSystem:
        break;
    }
    return UnitSystem::Metric;
}

// Dark greys and a warm text: light enough to read at night, too dim to dazzle.
QPalette NightPalette() {
    QPalette p;
    const QColor window(32, 28, 26);
    const QColor text(214, 170, 130);
    p.setColor(QPalette::Window, window);
    p.setColor(QPalette::WindowText, text);
    p.setColor(QPalette::Base, QColor(22, 20, 18));
    p.setColor(QPalette::AlternateBase, window);
    p.setColor(QPalette::Text, text);
    p.setColor(QPalette::Button, QColor(44, 38, 34));
    p.setColor(QPalette::ButtonText, text);
    p.setColor(QPalette::ToolTipBase, window);
    p.setColor(QPalette::ToolTipText, text);
    p.setColor(QPalette::PlaceholderText, text.darker(150));
    p.setColor(QPalette::Highlight, QColor(120, 40, 20));
    p.setColor(QPalette::HighlightedText, QColor(240, 200, 160));
    p.setColor(QPalette::BrightText, QColor(255, 120, 80));
    p.setColor(QPalette::Disabled, QPalette::WindowText, text.darker(200));
    p.setColor(QPalette::Disabled, QPalette::Text, text.darker(200));
    p.setColor(QPalette::Disabled, QPalette::ButtonText, text.darker(200));
    return p;
}

} // namespace

LiveCommands::LiveCommands(CGPSMapFrame& frame, SettingsStore& store)
    : QObject(&frame), frame_(frame), store_(store),
      settings_(LiveSettings::Load(store, LocaleUnits())), dayPalette_(frame.palette()) {
    // The trip goes on across restarts until it is reset, as a car's does.
    const auto trip = session::LoadTrip(store_);
    frame_.View().Change([this, &trip](session::MapSession& session) {
        session.Live().SetSettings(settings_);
        if (trip)
            session.Live().ResumeTrip(*trip);
        return session::Changes();
    });
    if (trip)
        tripSavedFixes_ = trip->fixes;
    panel_ = new GpsDetailsPanel(frame_.View(), &frame_);
    frame_.addDockWidget(Qt::RightDockWidgetArea, panel_);
    // Closed by its own button: the item and the setting follow.
    connect(panel_, &QDockWidget::visibilityChanged, this, [this](bool visible) {
        if (!visible && panel_->isHidden() && settings_.detailsPanel && frame_.isVisible())
            Run(kDetailsPanel);
    });
    inhibitor_ = new ScreenSaverInhibitor(QDBusConnection::sessionBus(), this);
    Build();
    view::MapView* view = &frame_.View();
    connect(view, &view::MapView::DetailsChanged, this, &LiveCommands::Sync);
    connect(&frame_.Gps(), &view::GpsConnection::ConnectionChanged, this, &LiveCommands::Sync);
    // Go to This Point goes where the menu was opened, not to the selection.
    connect(view, &view::MapView::ContextMenuRequested, this, [this, view](QPoint at) {
        contextPosition_ = view->PositionAt(at);
        Action(kGoToHere)->setEnabled(contextPosition_.has_value());
    });
    // Follow GPS is the frame's; its mark changes whichever way it was turned.
    for (const int id : {app::kCmdMenuFollowGps, app::kCmdButtonFollowGps})
        if (QAction* follow = frame_.Action(id))
            connect(follow, &QAction::toggled, this, &LiveCommands::Sync);
    Sync();
}

LiveCommands::~LiveCommands() = default;

void LiveCommands::SaveTrip() {
    const trail::TrailStatistics trip = frame_.View().Session().Live().Trip();
    session::SaveTrip(store_, trip);
    tripSavedFixes_ = trip.fixes;
}

void LiveCommands::Build() {
    std::map<int, QActionGroup*> groups;
    for (const LiveItemDef& def : kLiveItems) {
        QMenu* target = nullptr;
        if (def.menu.empty()) {
            target = frame_.Commands().ContextMenu();
        } else {
            for (QAction* top : frame_.menuBar()->actions())
                if (top->menu() != nullptr && Plain(top->text()) == ToQString(def.menu))
                    target = top->menu();
            if (target == nullptr)
                continue;
            if (!def.submenu.empty())
                target = SubMenu(target, ToQString(def.submenu));
        }
        if (target == nullptr)
            continue;
        if (def.submenu.empty() && !def.menu.empty() &&
            (def.item == kDetailsPanel || def.item == kGoToPoint))
            target->addSeparator();
        auto* action = new QAction(ToQString(def.text), this);
        action->setCheckable(def.checkable);
        if (def.group != 0) {
            QActionGroup*& group = groups[def.group];
            if (group == nullptr)
                group = new QActionGroup(this);
            group->addAction(action);
        }
        if (!def.keys.empty()) {
            action->setShortcut(QKeySequence(ToQString(def.keys), QKeySequence::PortableText));
            frame_.addAction(action); // answers while the menu bar is hidden (full screen)
        }
        target->addAction(action);
        actions_[def.item] = action;
        if (def.menu.empty())
            connect(target, &QMenu::aboutToShow, this, &LiveCommands::Sync);
        connect(action, &QAction::triggered, this, [this, item = def.item] { Run(item); });
    }
}

QAction* LiveCommands::Action(Item item) const {
    const auto it = actions_.find(item);
    return it == actions_.end() ? nullptr : it->second;
}

void LiveCommands::Run(Item item) {
    LiveSettings s = settings_;
    // What the live state shows changes through the view, which repaints it.
    const auto change = [this](const std::function<void(session::LiveState&)>& edit) {
        frame_.View().Change([&edit](session::MapSession& session) {
            edit(session.Live());
            return session::Changed::Details | session::Changed::Marker;
        });
    };
    switch (item) {
    case kDetailsPanel:
        s.detailsPanel = !s.detailsPanel;
        break;
    case kHeadingArrow:
        s.headingArrow = !s.headingArrow;
        break;
    case kAccuracyCircle:
        s.accuracyCircle = !s.accuracyCircle;
        break;
    case kScaleBar:
        s.scaleBar = !s.scaleBar;
        break;
    case kNightMode:
        s.nightMode = !s.nightMode;
        break;
    case kNight25:
    case kNight50:
    case kNight75:
        s.nightAmount = *RadioValueOf(item);
        break;
    case kUnitsMetric:
    case kUnitsImperial:
    case kUnitsNautical:
        s.units = static_cast<UnitSystem>(*RadioValueOf(item));
        break;
    case kRadius10:
    case kRadius25:
    case kRadius50:
    case kRadius100:
    case kRadius250:
        s.arrivalRadiusM = *RadioValueOf(item);
        break;
    case kGoToPoint:
        OnGoToPoint();
        break;
    case kGoToHere:
        OnGoToHere();
        break;
    case kStopGoTo:
        change([](session::LiveState& live) { live.StopGoTo(); });
        break;
    case kResetTrip:
        change([](session::LiveState& live) { live.ResetTrip(); });
        SaveTrip();
        break;
    }
    if (s != settings_)
        Apply(s);
    Sync();
}

void LiveCommands::Apply(const LiveSettings& settings) {
    settings_ = settings;
    settings_.Save(store_);
    frame_.View().Change([this](session::MapSession& session) {
        session.Live().SetSettings(settings_);
        return session::Changed::Details | session::Changed::Marker;
    });
}

void LiveCommands::StartGoTo(const std::string& name, const MapPos& point) {
    frame_.View().Change([&](session::MapSession& session) {
        const gps::GpsFix& fix = session.GpsFix();
        session.Live().StartGoTo(name, point,
                                 fix.hasFix ? std::optional<MapPos>(fix.position) : std::nullopt);
        return session::Changed::Details | session::Changed::Marker;
    });
    Sync();
}

void LiveCommands::OnGoToPoint() {
    view::MapView& view = frame_.View();
    const session::MapSession& s = view.Session();
    coords::EnterCoordsDlg dialog(frame_.Commands().EntryFormat(), &frame_);
    dialog.SetPrompt("Go to point:");
    if (const std::optional<MapPos>& selection = s.Selection();
        selection && s.Georeference().HasTransform())
        dialog.SetInitialPosition(s.Georeference().ToGeo(*selection));
    else if (const auto& goTo = s.Live().GoTo())
        dialog.SetInitialPosition(goTo->point);
    if (dialog.exec() != QDialog::Accepted || !dialog.HasResult())
        return;
    StartGoTo(coords::FormatPosition(dialog.GetResult(), s.CoordFormat()), dialog.GetResult());
}

void LiveCommands::OnGoToHere() {
    if (!contextPosition_)
        return;
    const MapPos point = *contextPosition_;
    StartGoTo(coords::FormatPosition(point, frame_.View().Session().CoordFormat()), point);
}

void LiveCommands::ShowDemo() {
    if (!settings_.detailsPanel)
        Run(kDetailsPanel);
    const std::vector<CMapPoint>& points = frame_.View().Session().Document().Points();
    if (!points.empty()) {
        StartGoTo(points.front().GetName(), points.front().GetPosition());
        return;
    }
    // The demo map loads in the background; its points come with it.
    auto* once = new QObject(this);
    connect(&frame_.Loader(), &view::MapLoader::MapLoadFinished, once,
            [this, once](const QString&, bool loaded, const QString&) {
                once->deleteLater();
                const auto& loadedPoints = frame_.View().Session().Document().Points();
                if (loaded && !loadedPoints.empty())
                    StartGoTo(loadedPoints.front().GetName(), loadedPoints.front().GetPosition());
            });
}

void LiveCommands::Sync() {
    const session::MapSession& s = frame_.View().Session();
    // About once a minute at one fix a second: a pulled battery loses a minute of the trip.
    if (s.Live().Trip().fixes >= tripSavedFixes_ + kTripSaveFixes)
        SaveTrip();
    const std::pair<Item, bool> marks[] = {{kDetailsPanel, settings_.detailsPanel},
                                           {kHeadingArrow, settings_.headingArrow},
                                           {kAccuracyCircle, settings_.accuracyCircle},
                                           {kScaleBar, settings_.scaleBar},
                                           {kNightMode, settings_.nightMode}};
    for (const auto& [item, on] : marks)
        Action(item)->setChecked(on);
    for (const RadioValue& r : kRadioValues) {
        const int now = r.item <= kUnitsNautical ? static_cast<int>(settings_.units)
                        : r.item <= kNight75     ? settings_.nightAmount
                                                 : settings_.arrivalRadiusM;
        Action(r.item)->setChecked(now == r.value);
    }
    Action(kStopGoTo)->setEnabled(s.Live().GoTo().has_value());
    Action(kGoToHere)->setEnabled(contextPosition_.has_value());

    if (panel_->isHidden() == settings_.detailsPanel)
        panel_->setVisible(settings_.detailsPanel);
    if (settings_.detailsPanel)
        panel_->Refresh();
    const QPalette wanted = settings_.nightMode ? NightPalette() : dayPalette_;
    if (frame_.palette() != wanted) {
        frame_.setPalette(wanted);
        frame_.View().update();
    }
    inhibitor_->SetInhibited(s.GpsConnected() && s.Flags().follow);
}
