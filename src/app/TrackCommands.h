#pragma once

#include "view/TrackLayer.h"

#include <QObject>
#include <QStringList>

#include <string>

class ProfileDock;
class QMainWindow;
class SettingsStore;
class TracksDock;

namespace view {
class MapView;
class TrackLoader;
} // namespace view

// The frame's commands on tracks: File > Open Tracks..., the Tracks list, View > Colour By and
// its limits; the open tracks and the colouring kept in the settings for the next start.
class TrackCommands : public QObject {
    Q_OBJECT

public:
    TrackCommands(QMainWindow& window, view::MapView& view, SettingsStore& store);

    // The dialog, for several files at once.
    void OnOpenTracks();
    // Reads the files in the background; those that cannot be read are said in one box.
    void OpenTracks(const QStringList& paths);
    // The tracks of the last run, read again quietly (the colouring comes back at once).
    void Restore();
    // Writes the open tracks' files (the window closes).
    void Save();

    void ToggleList();
    [[nodiscard]] bool ListShown() const;
    void SetColourBy(trail::ColourBy by);
    [[nodiscard]] trail::ColourBy ColourBy() const;
    void OnColourLimits();

    // View > Profile, remembered for the next start with its axis.
    void ToggleProfile();
    [[nodiscard]] bool ProfileShown() const;

    [[nodiscard]] TracksDock& Dock() { return *dock_; }
    [[nodiscard]] ProfileDock& Profile() { return *profile_; }
    [[nodiscard]] view::TrackLoader& Loader() { return *loader_; }

signals:
    // Marks and states may have changed (the list shown or hidden, tracks came).
    void Changed();
    // The view was moved to a track.
    void ViewMoved();

private:
    void SetColouring(const view::ValueColouring& colouring);
    void RestoreColouring();
    // The profile shows the track it showed at the last start once that track is open again.
    void ProfileStoredTrack();

    QMainWindow& window_;
    view::MapView& view_;
    SettingsStore& store_;
    view::TrackLoader* loader_ = nullptr;
    TracksDock* dock_ = nullptr;
    ProfileDock* profile_ = nullptr;
    std::string storedProfileTrack_; // the file of the track profiled; empty: the recording
};
