#pragma once

#include "base/MapPos.h"
#include "session/LiveSettings.h"

#include <QObject>
#include <QPalette>

#include <map>
#include <optional>

class CGPSMapFrame;
class GpsDetailsPanel;
class QAction;
class QMenu;
class ScreenSaverInhibitor;
class SettingsStore;

// The live display's commands beside the frame's own: the GPS details panel, the map
// overlays, night mode, units, going to a point, the trip meter, and keeping the screen on
// while following. They join the frame's View and GPS menus and the map's context menu; each
// choice is written to the settings store at once, so the next start has it.
class LiveCommands : public QObject {
public:
    enum Item {
        kDetailsPanel, // View
        kHeadingArrow, // View > Show
        kAccuracyCircle,
        kScaleBar,
        kNightMode,   // View
        kUnitsMetric, // View > Units
        kUnitsImperial,
        kUnitsNautical,
        kNight25, // View > Night Dimming
        kNight50,
        kNight75,
        kGoToPoint, // GPS
        kStopGoTo,
        kRadius10, // GPS > Arrival Radius
        kRadius25,
        kRadius50,
        kRadius100,
        kRadius250,
        kResetTrip,
        kGoToHere, // the context menu
    };

    // Reads the settings from store (units from the locale's measurement system until the
    // user picks some) and builds the panel and the items. store and frame must outlive it.
    LiveCommands(CGPSMapFrame& frame, SettingsStore& store);
    ~LiveCommands() override;

    [[nodiscard]] QAction* Action(Item item) const;
    [[nodiscard]] GpsDetailsPanel& Panel() const { return *panel_; }
    [[nodiscard]] const ScreenSaverInhibitor& Inhibitor() const { return *inhibitor_; }
    // Goes to point (latitude in y) called name; the bearing line and the panel show it.
    void StartGoTo(const std::string& name, const MapPos& point);
    // The demo shows the panel and goes to the first of its map points.
    void ShowDemo();
    // Writes the trip meter's totals to the store (the frame calls it as it goes).
    void SaveTrip();

private:
    void Build();
    void Run(Item item);
    void Apply(const session::LiveSettings& settings);
    // Marks, enabled states, the panel, the palette and the screen saver, from the state now.
    void Sync();
    void OnGoToPoint();
    void OnGoToHere();

    CGPSMapFrame& frame_;
    SettingsStore& store_;
    session::LiveSettings settings_;
    GpsDetailsPanel* panel_ = nullptr;
    ScreenSaverInhibitor* inhibitor_ = nullptr;
    std::map<Item, QAction*> actions_;
    QPalette dayPalette_;
    static constexpr std::size_t kTripSaveFixes = 60;
    std::size_t tripSavedFixes_ = 0;        // the trip's fixes when it was last written
    std::optional<MapPos> contextPosition_; // where the context menu was last opened
};
