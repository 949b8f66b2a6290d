#include "app/LiveCommands.h"

#include "app/Commands.h"
#include "app/DesktopNotifier.h"
#include "app/GpsDetailsPanel.h"
#include "app/HelpWindows.h"
#include "app/KioskMode.h"
#include "app/ScreenSaverInhibitor.h"
#include "coords/EnterCoordsDlg.h"
#include "map/formats/GdalRaster.h"
#include "platform/SettingsStore.h"
#include "view/MapCommands.h"
#include "view/MapLoader.h"
#include "view/MapView.h"

#include <QLocale>
#include <QMainWindow>
#include <QToolBar>

#include <algorithm>
#include <array>

using namespace app;

namespace {

using session::Changed;
using session::LiveSettings;
using session::LiveState;
using session::UnitSystem;

// The value a radio item stands for.
struct RadioValue {
    int id;
    int value;
};
constexpr std::array<RadioValue, 28> kRadioValues = {{
    {kCmdNight25, 25},
    {kCmdNight50, 50},
    {kCmdNight75, 75},
    {kCmdUnitsMetric, static_cast<int>(UnitSystem::Metric)},
    {kCmdUnitsImperial, static_cast<int>(UnitSystem::Imperial)},
    {kCmdUnitsNautical, static_cast<int>(UnitSystem::Nautical)},
    {kCmdRadius10, 10},
    {kCmdRadius25, 25},
    {kCmdRadius50, 50},
    {kCmdRadius100, 100},
    {kCmdRadius250, 250},
    {kCmdCourseSmoothing2, 2},
    {kCmdCourseSmoothing5, 5},
    {kCmdCourseSmoothing10, 10},
    {kCmdCourseSmoothing20, 20},
    {kCmdAlarmRadius25, 25},
    {kCmdAlarmRadius50, 50},
    {kCmdAlarmRadius100, 100},
    {kCmdAlarmRadius250, 250},
    {kCmdAlarmRadius500, 500},
    {kCmdAlarmGrace1, 1},
    {kCmdAlarmGrace3, 3},
    {kCmdAlarmGrace5, 5},
    {kCmdAlarmGrace10, 10},
    {kCmdStretch0, 0},
    {kCmdStretch1, 1},
    {kCmdStretch2, 2},
    {kCmdStretch5, 5},
}};

// Every radio row's id is in the table.
int RadioValueOf(int id) {
    return std::find_if(kRadioValues.begin(), kRadioValues.end(),
                        [id](const RadioValue& r) { return r.id == id; })
        ->value;
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

std::span<const CommandRow<LiveCommands>> LiveCommands::Rows() {
    using L = LiveCommands;
    const auto night = [](L& l, int id) {
        LiveSettings s = l.settings_;
        s.nightAmount = RadioValueOf(id);
        l.Change(s);
    };
    const auto nightMarked = [](const L& l, int id) {
        return l.settings_.nightAmount == RadioValueOf(id);
    };
    const auto units = [](L& l, int id) {
        LiveSettings s = l.settings_;
        s.units = static_cast<UnitSystem>(RadioValueOf(id));
        l.Change(s);
    };
    const auto unitsMarked = [](const L& l, int id) {
        return static_cast<int>(l.settings_.units) == RadioValueOf(id);
    };
    const auto radius = [](L& l, int id) {
        LiveSettings s = l.settings_;
        s.arrivalRadiusM = RadioValueOf(id);
        l.Change(s);
    };
    const auto radiusMarked = [](const L& l, int id) {
        return l.settings_.arrivalRadiusM == RadioValueOf(id);
    };
    const auto smoothing = [](L& l, int id) {
        LiveSettings s = l.settings_;
        s.courseSmoothingS = RadioValueOf(id);
        l.Change(s);
    };
    const auto smoothingMarked = [](const L& l, int id) {
        return l.settings_.courseSmoothingS == RadioValueOf(id);
    };
    const auto stretch = [](L& l, int id) {
        LiveSettings s = l.settings_;
        s.stretchPercent = RadioValueOf(id);
        l.Change(s);
        l.ApplyMapSettings(true);
    };
    const auto stretchMarked = [](const L& l, int id) {
        return l.settings_.stretchPercent == RadioValueOf(id);
    };
    const auto alarmRadius = [](L& l, int id) {
        LiveSettings s = l.settings_;
        s.alarmRadiusM = RadioValueOf(id);
        l.Change(s);
    };
    const auto alarmRadiusMarked = [](const L& l, int id) {
        return l.settings_.alarmRadiusM == RadioValueOf(id);
    };
    const auto grace = [](L& l, int id) {
        LiveSettings s = l.settings_;
        s.alarmGraceFixes = RadioValueOf(id);
        l.Change(s);
    };
    const auto graceMarked = [](const L& l, int id) {
        return l.settings_.alarmGraceFixes == RadioValueOf(id);
    };
    const auto alarmSet = [](const L& l) {
        return l.view_.Session().Live().Alarm().Circle().has_value();
    };

    static const CommandRow<L> rows[] = {
        {kCmdDetailsPanel, [](L& l, int) { l.Flip(&LiveSettings::detailsPanel); },
         [](const L& l, int) { return l.settings_.detailsPanel; }},
        {kCmdHeadingArrow, [](L& l, int) { l.Flip(&LiveSettings::headingArrow); },
         [](const L& l, int) { return l.settings_.headingArrow; }},
        {kCmdAccuracyCircle, [](L& l, int) { l.Flip(&LiveSettings::accuracyCircle); },
         [](const L& l, int) { return l.settings_.accuracyCircle; }},
        {kCmdScaleBar, [](L& l, int) { l.Flip(&LiveSettings::scaleBar); },
         [](const L& l, int) { return l.settings_.scaleBar; }},
        {kCmdNightMode, [](L& l, int) { l.Flip(&LiveSettings::nightMode); },
         [](const L& l, int) { return l.settings_.nightMode; }},
        {kCmdNight25, night, nightMarked},
        {kCmdNight50, night, nightMarked},
        {kCmdNight75, night, nightMarked},
        {kCmdUnitsMetric, units, unitsMarked},
        {kCmdUnitsImperial, units, unitsMarked},
        {kCmdUnitsNautical, units, unitsMarked},
        {kCmdGoToPoint, [](L& l, int) { l.OnGoToPoint(); }},
        {kCmdStopGoTo, [](L& l, int) { l.ChangeLive([](LiveState& live) { live.StopGoTo(); }); },
         nullptr, [](const L& l) { return l.view_.Session().Live().GoTo().has_value(); }},
        {kCmdRadius10, radius, radiusMarked},
        {kCmdRadius25, radius, radiusMarked},
        {kCmdRadius50, radius, radiusMarked},
        {kCmdRadius100, radius, radiusMarked},
        {kCmdRadius250, radius, radiusMarked},
        {kCmdResetTrip,
         [](L& l, int) {
             l.ChangeLive([](LiveState& live) { live.ResetTrip(); });
             l.SaveTrip();
         }},
        // Goes where the menu was opened, not to the selection.
        {kCmdGoToHere, [](L& l, int) { l.OnGoToHere(); }, nullptr,
         [](const L& l) { return l.commands_.ContextPosition().has_value(); }},
        // Course-up.
        {kCmdCourseUp, [](L& l, int) { l.TurnBy(&LiveSettings::courseUp); },
         [](const L& l, int) { return l.settings_.courseUp; }},
        {kCmdHeadingUp, [](L& l, int) { l.TurnBy(&LiveSettings::headingUp); },
         [](const L& l, int) { return l.settings_.headingUp; }},
        {kCmdCourseSmoothing2, smoothing, smoothingMarked},
        {kCmdCourseSmoothing5, smoothing, smoothingMarked},
        {kCmdCourseSmoothing10, smoothing, smoothingMarked},
        {kCmdCourseSmoothing20, smoothing, smoothingMarked},
        // The alarm circle.
        {kCmdAnchorAlarm, [](L& l, int) { l.OnAnchorAlarm(); },
         [](const L& l, int) {
             const auto& circle = l.view_.Session().Live().Alarm().Circle();
             return circle && circle->kind == session::AlarmCircle::Kind::Leave;
         },
         [](const L& l) {
             return l.view_.Session().GpsFix().hasFix ||
                    l.view_.Session().Live().Alarm().Circle().has_value();
         }},
        {kCmdAlarmCircleHere,
         [](L& l, int) {
             if (const std::optional<MapPos> point = l.commands_.ContextPosition())
                 l.ChangeLive([&point](LiveState& live) {
                     live.SetAlarm(session::AlarmCircle::Kind::Enter, *point);
                 });
         },
         nullptr, [](const L& l) { return l.commands_.ContextPosition().has_value(); }},
        {kCmdClearAlarm,
         [](L& l, int) { l.ChangeLive([](LiveState& live) { live.ClearAlarm(); }); }, nullptr,
         alarmSet},
        {kCmdAlarmRadius25, alarmRadius, alarmRadiusMarked},
        {kCmdAlarmRadius50, alarmRadius, alarmRadiusMarked},
        {kCmdAlarmRadius100, alarmRadius, alarmRadiusMarked},
        {kCmdAlarmRadius250, alarmRadius, alarmRadiusMarked},
        {kCmdAlarmRadius500, alarmRadius, alarmRadiusMarked},
        {kCmdAlarmGrace1, grace, graceMarked},
        {kCmdAlarmGrace3, grace, graceMarked},
        {kCmdAlarmGrace5, grace, graceMarked},
        {kCmdAlarmGrace10, grace, graceMarked},
        // For a touch screen on a dashboard.
        {kCmdKiosk, [](L& l, int) { l.Flip(&LiveSettings::kiosk); },
         [](const L& l, int) { return l.settings_.kiosk; }},
        {kCmdLargeToolbar, [](L& l, int) { l.Flip(&LiveSettings::largeToolbar); },
         [](const L& l, int) { return l.settings_.largeToolbar || l.settings_.kiosk; }},
        {kCmdTouchTurn, [](L& l, int) { l.Flip(&LiveSettings::touchTurn); },
         [](const L& l, int) { return l.settings_.touchTurn; }},
        {kCmdShortcuts, [](L& l, int) { ShowShortcuts(&l.window_); }},
        {kCmdUserGuide, [](L& l, int) { ShowUserGuide(&l.window_); }},
        // Rasters GDAL reads: their control points' fit and their samples' stretch.
        {kCmdThinPlateSpline,
         [](L& l, int) {
             l.Flip(&LiveSettings::thinPlateSpline);
             l.ApplyMapSettings(true);
         },
         [](const L& l, int) { return l.settings_.thinPlateSpline; }},
        {kCmdStretch0, stretch, stretchMarked},
        {kCmdStretch1, stretch, stretchMarked},
        {kCmdStretch2, stretch, stretchMarked},
        {kCmdStretch5, stretch, stretchMarked},
    };
    return rows;
}

LiveCommands::LiveCommands(QMainWindow& window, view::MapView& view, view::MapCommands& commands,
                           view::MapLoader& loader, SettingsStore& store)
    : QObject(&window), window_(window), view_(view), commands_(commands), loader_(loader),
      store_(store), settings_(LiveSettings::Load(store, LocaleUnits())),
      dayPalette_(window.palette()) {
    // The trip goes on across restarts until it is reset, as a car's does.
    const auto trip = session::LoadTrip(store_);
    view_.Change([this, &trip](session::MapSession& session) {
        session.Live().SetSettings(settings_);
        if (trip)
            session.Live().ResumeTrip(*trip);
        return session::Changes();
    });
    if (trip)
        tripSavedFixes_ = trip->fixes;
    ApplyMapSettings(false);
    panel_ = new GpsDetailsPanel(view_, &window_);
    window_.addDockWidget(Qt::RightDockWidgetArea, panel_);
    // Closed by its own button: the item and the setting follow.
    connect(panel_, &QDockWidget::visibilityChanged, this, [this](bool visible) {
        if (!visible && panel_->isHidden() && settings_.detailsPanel && window_.isVisible())
            Flip(&LiveSettings::detailsPanel);
    });
    inhibitor_ = new ScreenSaverInhibitor(QDBusConnection::sessionBus(), this);
    notifier_ = new DesktopNotifier(QDBusConnection::sessionBus(), this);
    if (auto* toolbar = window_.findChild<QToolBar*>("toolbar"))
        kiosk_ = new KioskMode(window_, *toolbar);
    // The north arrow's tap turns north up, as the menu item would.
    connect(&view_, &view::MapView::NorthArrowTapped, this, [this] {
        view_.SetHandTurn(0.0);
        if (settings_.Turns()) {
            LiveSettings s = settings_;
            s.courseUp = s.headingUp = false;
            Change(s);
        }
    });
    Sync();
}

LiveCommands::~LiveCommands() = default;

bool LiveCommands::MayClose() {
    return kiosk_ == nullptr || kiosk_->MayClose();
}

void LiveCommands::SaveTrip() {
    const trail::TrailStatistics trip = view_.Session().Live().Trip();
    session::SaveTrip(store_, trip);
    tripSavedFixes_ = trip.fixes;
}

void LiveCommands::ChangeLive(const std::function<void(LiveState&)>& edit) {
    // What the live state shows changes through the view, which repaints it.
    view_.Change([&edit](session::MapSession& session) {
        edit(session.Live());
        return Changed::Details | Changed::Marker;
    });
}

void LiveCommands::Change(const LiveSettings& settings) {
    const bool changed = settings != settings_;
    if (changed) {
        settings_ = settings;
        settings_.Save(store_);
    }
    ChangeLive([this, changed](LiveState& live) {
        if (changed)
            live.SetSettings(settings_);
    });
}

void LiveCommands::ApplyMapSettings(bool reopen) {
    map::SetControlPointFit(settings_.thinPlateSpline ? map::ControlPointFit::ThinPlateSpline
                                                      : map::ControlPointFit::Polynomial);
    loader_.SetStretchPercent(settings_.stretchPercent);
    // A raster GDAL reads showing is opened afresh, placed and stretched as now set.
    if (reopen && view_.Shown() != nullptr && view_.Shown()->Kind().starts_with("gdal") &&
        !view_.MapPath().isEmpty())
        loader_.Start(view_.MapPath());
}

void LiveCommands::Flip(bool LiveSettings::*setting) {
    LiveSettings s = settings_;
    s.*setting = !(s.*setting);
    Change(s);
}

void LiveCommands::TurnBy(bool LiveSettings::*mode) {
    // Course-up and heading-up turn the map each its own way: one at a time.
    LiveSettings s = settings_;
    const bool on = !(s.*mode);
    s.courseUp = s.headingUp = false;
    s.*mode = on;
    Change(s);
}

void LiveCommands::StartGoTo(const std::string& name, const MapPos& point) {
    const gps::GpsFix& fix = view_.Session().GpsFix();
    const std::optional<MapPos> from =
        fix.hasFix ? std::optional<MapPos>(fix.position) : std::nullopt;
    ChangeLive([&](LiveState& live) { live.StartGoTo(name, point, from); });
}

void LiveCommands::OnGoToPoint() {
    const session::MapSession& s = view_.Session();
    coords::EnterCoordsDlg dialog(commands_.EntryFormat(), &window_);
    dialog.SetPrompt(tr("Go to point:"));
    if (const std::optional<MapPos>& selection = s.Selection();
        selection && s.Georeference().HasTransform())
        dialog.SetInitialPosition(s.Georeference().ToGeo(*selection));
    else if (const auto& goTo = s.Live().GoTo())
        dialog.SetInitialPosition(goTo->point);
    if (dialog.exec() != QDialog::Accepted || !dialog.HasResult())
        return;
    StartGoTo(coords::FormatPosition(dialog.GetResult(), s.CoordFormat()), dialog.GetResult());
}

void LiveCommands::OnAnchorAlarm() {
    // On: the anchor is where the receiver is now; off: no circle.
    const gps::GpsFix& fix = view_.Session().GpsFix();
    const auto& circle = view_.Session().Live().Alarm().Circle();
    const bool anchored = circle && circle->kind == session::AlarmCircle::Kind::Leave;
    ChangeLive([&](LiveState& live) {
        if (anchored || !fix.hasFix)
            live.ClearAlarm();
        else
            live.SetAlarm(session::AlarmCircle::Kind::Leave, fix.position);
    });
}

void LiveCommands::OnGoToHere() {
    const std::optional<MapPos> point = commands_.ContextPosition();
    if (point)
        StartGoTo(coords::FormatPosition(*point, view_.Session().CoordFormat()), *point);
}

void LiveCommands::ShowDemo() {
    if (!settings_.detailsPanel)
        Flip(&LiveSettings::detailsPanel);
    const std::vector<CMapPoint>& points = view_.Session().Document().Points();
    if (!points.empty()) {
        StartGoTo(points.front().GetName(), points.front().GetPosition());
        return;
    }
    // The demo map loads in the background; its points come with it.
    auto* once = new QObject(this);
    connect(&loader_, &view::MapLoader::MapLoadFinished, once,
            [this, once](const QString&, bool loaded, const QString&) {
                once->deleteLater();
                const auto& loadedPoints = view_.Session().Document().Points();
                if (loaded && !loadedPoints.empty())
                    StartGoTo(loadedPoints.front().GetName(), loadedPoints.front().GetPosition());
            });
}

void LiveCommands::Sync() {
    const session::MapSession& s = view_.Session();
    // About once a minute at one fix a second: a pulled battery loses a minute of the trip.
    if (s.Live().Trip().fixes >= tripSavedFixes_ + kTripSaveFixes)
        SaveTrip();
    if (panel_->isHidden() == settings_.detailsPanel)
        panel_->setVisible(settings_.detailsPanel);
    if (settings_.detailsPanel)
        panel_->Refresh();
    const QPalette wanted = settings_.nightMode ? NightPalette() : dayPalette_;
    if (window_.palette() != wanted) {
        window_.setPalette(wanted);
        view_.update();
    }
    // A kiosk's screen is the map: it stays on whatever the receiver does.
    inhibitor_->SetInhibited(settings_.kiosk || (s.GpsConnected() && s.Flags().follow));
    if (kiosk_ != nullptr) {
        kiosk_->Apply(settings_.kiosk);
        const int side = settings_.largeToolbar || settings_.kiosk ? 48 : 24;
        if (auto* toolbar = window_.findChild<QToolBar*>("toolbar"))
            toolbar->setIconSize(QSize(side, side));
    }
    // Told once for each time the alarm starts: the desktop shows it over other windows.
    if (s.Live().AlarmsRaised() != alarmsNotified_) {
        alarmsNotified_ = s.Live().AlarmsRaised();
        notifier_->Notify(tr("QUILO alarm"), QString::fromStdString(s.Live().AlarmText()));
    }
}
