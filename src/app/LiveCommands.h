#pragma once

#include "app/CommandRow.h"
#include "base/MapPos.h"
#include "session/LiveSettings.h"
#include "session/LiveState.h"

#include <QObject>
#include <QPalette>

#include <functional>
#include <span>
#include <string>

namespace view {
class MapCommands;
class MapLoader;
class MapView;
} // namespace view
class GpsDetailsPanel;
class QMainWindow;
class ScreenSaverInhibitor;
class DesktopNotifier;
class KioskMode;
class SettingsStore;

// The live display's commands beside the frame's own: the GPS details panel, the map
// overlays, night mode, units, going to a point, the trip meter, and keeping the screen on
// while following. Their items are rows of the frame's menu table (app/Commands.h) and their
// handlers rows of its command table (Rows); each choice is written to the settings store at
// once, so the next start has it.
class LiveCommands : public QObject {
    Q_OBJECT

public:
    // Reads the settings from store (units from the locale's measurement system until the
    // user picks some) and docks the panel in window. All must outlive the commands; commands
    // is the map commands, whose context menu's press point Go to This Point goes to.
    LiveCommands(QMainWindow& window, view::MapView& view, view::MapCommands& commands,
                 view::MapLoader& loader, SettingsStore& store);
    ~LiveCommands() override;

    // What each of the live display's commands runs, and what its mark and enabled state follow.
    static std::span<const app::CommandRow<LiveCommands>> Rows();

    [[nodiscard]] GpsDetailsPanel& Panel() const { return *panel_; }
    [[nodiscard]] const ScreenSaverInhibitor& Inhibitor() const { return *inhibitor_; }
    // Whether the window may close now: the kiosk's rule (see KioskMode::MayClose).
    bool MayClose();
    // Goes to point (latitude in y) called name; the bearing line and the panel show it.
    void StartGoTo(const std::string& name, const MapPos& point);
    // The demo shows the panel and goes to the first of its map points.
    void ShowDemo();
    // Writes the trip meter's totals to the store (the frame calls it as it goes).
    void SaveTrip();
    // The panel, the palette and the screen saver, from the state now; the trip is written
    // about once a minute. The frame calls it whenever it sets the marks.
    void Sync();

private:
    // A command's new settings: stored, and the display follows them.
    void Change(const session::LiveSettings& settings);
    // Edits the live state through the view, which repaints the details and the marker.
    void ChangeLive(const std::function<void(session::LiveState&)>& edit);
    void Flip(bool session::LiveSettings::*setting);
    void TurnBy(bool session::LiveSettings::*mode);
    // Tells the map loader how the settings fit control points and stretch samples; reopen
    // opens the map showing again so.
    void ApplyMapSettings(bool reopen);
    void OnGoToPoint();
    void OnGoToHere();
    void OnAnchorAlarm();

    QMainWindow& window_;
    view::MapView& view_;
    view::MapCommands& commands_;
    view::MapLoader& loader_;
    SettingsStore& store_;
    session::LiveSettings settings_;
    GpsDetailsPanel* panel_ = nullptr;
    ScreenSaverInhibitor* inhibitor_ = nullptr;
    DesktopNotifier* notifier_ = nullptr;
    KioskMode* kiosk_ = nullptr; // none without the frame's toolbar
    int alarmsNotified_ = 0;
    QPalette dayPalette_;
    static constexpr std::size_t kTripSaveFixes = 60;
    std::size_t tripSavedFixes_ = 0; // the trip's fixes when it was last written
};
