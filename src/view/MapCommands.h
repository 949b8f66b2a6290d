#pragma once

#include "coords/CoordFormat.h"
#include "session/MapSession.h"

#include <QObject>
#include <QPoint>
#include <QString>

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

class QMenu;
class SettingsStore;

namespace view {

class MapView;

// The commands on what the map view shows that run a dialog or tell the user something, and
// the view's context menu (its items are the frame's). Each is a dialog, one session call, a
// message box for each notice and a refresh of what the call changed; the view itself only draws
// and routes the pointer.
class MapCommands : public QObject {
    Q_OBJECT

public:
    // view, store and entryFormat must outlive the commands. GPS Settings writes its values
    // into store; entryFormat is the format the coordinate dialogs open in, kept by the window
    // (see coords::EnterCoordsDlg).
    MapCommands(MapView& view, SettingsStore& store, coords::CoordFormat& entryFormat,
                QObject* parent = nullptr);

    // The commands on the map's calibration and points do nothing while a map loads (the frame
    // disables them), and a load that ends while one of their dialogs is open shows its map
    // once the dialog closes: what is entered goes to the files of the map it was entered on.
    // Adds a calibration pair: the selection and the position typed for it; saves the file.
    void OnEnterCalibrationPoint();
    // The Map Settings dialog; on OK the variation is set and the calibration file saved.
    void OnMapSettings();
    // The calibration pairs with the fit's error; a pair deleted or the last change undone
    // writes the file at once.
    void OnCalibrationPoints();
    // The selection's true position typed in: says how far and which way the map's fit is
    // from it. Nothing is stored.
    void OnCheckPosition();
    // A typed position becomes the selection, and the view centres on it; true when it did.
    bool OnGoToPosition();
    // A point at the GPS position (nothing while disconnected), then the list.
    void OnStorePosition();
    // The Edit Map Points list; centres on the point chosen with Show.
    void OnEditPoints();
    // A point at the selection (nothing without one, or while a map loads), then the list.
    void OnNewPointAtCursor();

    // Trail file or KML by the extension; false after a message box.
    bool SaveTrail(const QString& path);
    bool LoadTrail(const QString& path);
    void OnClearTrail();
    // View > Trail Statistics...: the recording's figures in a message box.
    void OnTrailStatistics();
    // Keeps the trail in the journal at path, showing what it already holds. Damage read past
    // in it is told in a message box once the window's events run, so a start is not held up.
    void OpenJournal(const std::string& path);

    // The GPS Settings sheet; when it closes, however, its values are applied and written to
    // the store.
    void OnGpsSettings();
    // A note on the status line (see MapSession::ShowStatusNote), kept there at least holdMs.
    void ShowStatusNote(const std::string& text, std::uint32_t holdMs = 0);
    // The context menu, opened where the view asks for it; its items are placed by the frame's
    // table. Where it was last opened, on the map (none off the map or before it opened): the
    // commands named for a place act there, not at the selection.
    [[nodiscard]] QMenu* ContextMenu() const { return contextMenu_; }
    [[nodiscard]] const std::optional<MapPos>& ContextPosition() const { return contextPosition_; }
    // The format the coordinate dialogs open in.
    [[nodiscard]] coords::CoordFormat& EntryFormat() { return entryFormat_; }

private:
    // Whether a map command can run now; says why not when the map has no selection or
    // transform that it needs.
    bool Ready(const QString& title, bool needsSelection, bool needsTransform);
    void ShowContextMenu(QPoint at);
    // Runs a session call through the view, which repaints what it changed.
    session::Outcome Edit(const std::function<session::Outcome(session::MapSession&)>& call);
    void Tell(const session::Notice& notice);
    void Tell(const std::optional<session::Notice>& notice);
    void Tell(const std::vector<session::Notice>& notices);

    MapView& view_;
    const session::MapSession& session_;
    SettingsStore& store_;
    coords::CoordFormat& entryFormat_;
    QMenu* contextMenu_ = nullptr; // a child of the view
    std::optional<MapPos> contextPosition_;
};

} // namespace view
