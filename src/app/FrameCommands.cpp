// The frame's command table: what each command runs, and what its check mark and enabled state
// follow. A command runs through its row, then every mark and state is set again from the rules,
// so no handler keeps a mark in step by hand.
#include "app/AboutDialog.h"
#include "app/CGPSMapFrame.h"
#include "app/LiveCommands.h"
#include "app/TerrainCommands.h"
#include "app/TrackCommands.h"
#include "map/OpenMap.h"
#include "map/tiles/TileSourceMap.h"
#include "platform/MessageBox.h"
#include "platform/SettingsStore.h"
#include "session/LastSession.h"
#include "view/GpsConnection.h"
#include "view/MapCommands.h"
#include "view/MapFolderCommands.h"
#include "view/MapView.h"

#include <QAction>
#include <QCoreApplication>
#include <QMenu>

#include <algorithm>

using namespace app;

std::span<const CGPSMapFrame::CommandRow> CGPSMapFrame::CommandRows() {
    using F = CGPSMapFrame;
    // What these write or select belongs to the map showing; while another loads it would land
    // on the wrong one.
    const auto settled = [](const F& f) { return !f.view_->Loading().Active(); };
    const auto zoomPreset = [](F& f, int id) {
        const auto* zoom = std::find_if(kZoomLevels.begin(), kZoomLevels.end(),
                                        [id](const ZoomDef& z) { return z.id == id; });
        f.SetZoom(zoom->factor);
        f.zoomMark_ = id;
    };
    const auto zoomMarked = [](const F& f, int id) { return f.zoomMark_ == id; };
    const auto format = [](F& f, int id) {
        f.view_->Change([id](session::MapSession& session) {
            session.SetCoordFormat(static_cast<coords::CoordFormat>(id - kCmdFormatDms));
            return session::Changes(); // shows at the next selection or GPS update
        });
    };
    const auto formatMarked = [](const F& f, int id) {
        return static_cast<int>(f.view_->Session().CoordFormat()) == id - kCmdFormatDms;
    };
    const auto toolbar = [](F& f, int) { f.Toggle(ShowFlag::Toolbar); };
    const auto toolbarShown = [](const F& f, int) { return f.ToolbarShown(); };
    const auto centreOnGps = [](F& f, int) { f.view_->CentreOnGps(); };
    // The four toggles of a toolbar button and a menu item, one mark for both.
    const auto follow = [](F& f, int) { f.Toggle(ShowFlag::FollowGps); };
    const auto following = [](const F& f, int) { return f.flags_.follow; };
    const auto points = [](F& f, int) { f.Toggle(ShowFlag::MapPoints); };
    const auto pointsShown = [](const F& f, int) { return f.flags_.mapPoints; };
    const auto labels = [](F& f, int) { f.Toggle(ShowFlag::Labels); };
    const auto labelsShown = [](const F& f, int) { return f.flags_.labels; };
    const auto trail = [](F& f, int) { f.Toggle(ShowFlag::GpsTrail); };
    const auto trailShown = [](const F& f, int) { return f.flags_.trail; };

    const auto colourBy = [](F& f, int id) {
        f.tracks_->SetColourBy(static_cast<trail::ColourBy>(id - kCmdColourPlain));
    };
    const auto colouredBy = [](const F& f, int id) {
        return static_cast<int>(f.tracks_->ColourBy()) == id - kCmdColourPlain;
    };

    // The ids run from 100 % down in quarters.
    const auto scanOpacity = [](F& f, int id) {
        const int percent = 100 - 25 * (id - kCmdScanOpacity100);
        f.view_->SetScanOpacity(percent / 100.0);
        f.store_.WriteInt("Settings", kScanOpacityKey, percent);
    };
    const auto scanOpacityMarked = [](const F& f, int id) {
        return std::lround(f.view_->ScanOpacity() * 100) == 100 - 25 * (id - kCmdScanOpacity100);
    };
    // A second choice of the one shown turns it off.
    const auto shadeBy = [](F& f, int id) {
        const auto kind =
            id == kCmdHillShading ? terrain::ShadeKind::Hill : terrain::ShadeKind::Slope;
        f.terrain_->SetShading(f.terrain_->Shading() == kind ? std::nullopt : std::optional(kind));
    };
    const auto shadedBy = [](const F& f, int id) {
        return f.terrain_->Shading() ==
               (id == kCmdHillShading ? terrain::ShadeKind::Hill : terrain::ShadeKind::Slope);
    };
    const auto shadeOpacity = [](F& f, int id) {
        f.terrain_->SetOpacity(TerrainCommands::kOpacities[id - kCmdShading25]);
    };
    const auto shadedAt = [](const F& f, int id) {
        return f.terrain_->Opacity() == TerrainCommands::kOpacities[id - kCmdShading25];
    };

    static const CommandRow rows[] = {
        {kCmdLoadMap, [](F& f, int) { f.OnLoadMap(); }},
        {kCmdRecentMaps, nullptr, nullptr, [](const F& f) { return !f.recentMaps_.empty(); }},
        {kCmdRecentMap1,
         [](F& f, int id) {
             const auto entry = static_cast<std::size_t>(id - kCmdRecentMap1);
             if (entry < f.recentMaps_.size())
                 f.StartLoadMapFile(QString::fromStdString(f.recentMaps_[entry]));
         },
         nullptr, nullptr, static_cast<int>(session::kRecentMapCount)},
        {kCmdWorldMapOff,
         [](F& f, int) {
             if (f.view_->HasWorldMap()) {
                 f.view_->SetWorldMap(nullptr, 0, QString());
                 return;
             }
             for (const std::string& path : f.recentMaps_)
                 if (!map::IsTileSourcePath(path)) {
                     f.StartLoadMapFile(QString::fromStdString(path));
                     return;
                 }
         },
         nullptr,
         [](const F& f) {
             return f.view_->HasWorldMap() ||
                    std::any_of(f.recentMaps_.begin(), f.recentMaps_.end(),
                                [](const auto& path) { return !map::IsTileSourcePath(path); });
         }},
        {kCmdWorldMap1,
         [](F& f, int id) {
             const auto entry = static_cast<std::size_t>(id - kCmdWorldMap1);
             if (entry < f.worldMaps_.size())
                 f.ShowWorldMap(QString::fromStdString(f.worldMaps_[entry]), false);
         },
         nullptr, nullptr, static_cast<int>(kWorldMapEntries)},
        {kCmdSaveMapArea,
         [](F& f, int) {
             const std::optional<view::MapAreaBox> box = f.view_->AreaInView();
             const std::string path = f.view_->MapPath().toStdString();
             if (!box || !map::IsTileSourcePath(path)) {
                 platform::ShowMessage(&f, tr("Show a tile source first (View > World Map)."),
                                       tr("Save Map Area"), platform::MessageIcon::Information);
                 return;
             }
             view::SaveMapArea(&f, path, *box,
                               "QUILO/" + QCoreApplication::applicationVersion().toStdString());
         },
         nullptr, settled},
        {kCmdWorkOffline,
         [](F& f, int) {
             map::SharedTileState()->offline = !map::SharedTileState()->offline;
             f.view_->update();
         },
         [](const F&, int) { return map::SharedTileState()->offline.load(); }},
        {kCmdScanOpacity100, scanOpacity, scanOpacityMarked},
        {kCmdScanOpacity75, scanOpacity, scanOpacityMarked},
        {kCmdScanOpacity50, scanOpacity, scanOpacityMarked},
        {kCmdScanOpacity25, scanOpacity, scanOpacityMarked},
        {kCmdOpenMapFolder, [](F& f, int) { f.mapFolder_->OnOpenMapFolder(); }},
        {kCmdSwitchMaps, [](F& f, int) { f.mapFolder_->ToggleSwitchMaps(); },
         [](const F& f, int) { return f.mapFolder_->Folder().SwitchMaps(); }},
        {kCmdLoadTrail, [](F& f, int) { f.OnLoadTrail(); }},
        {kCmdSaveTrail, [](F& f, int) { f.OnSaveTrail(); }},
        {kCmdExit, [](F& f, int) { f.OnExit(); }},
        {kCmdAppExit, [](F& f, int) { f.close(); }},

        {kCmdZoomIn,
         [](F& f, int) {
             f.SetZoom(f.ZoomFactor() * kZoomInStep);
             f.zoomMark_ = 0;
         }},
        {kCmdZoomOut,
         [](F& f, int) {
             f.SetZoom(f.ZoomFactor() * kZoomOutStep);
             f.zoomMark_ = 0;
         }},
        {kCmdZoom800, zoomPreset, zoomMarked},
        {kCmdZoom400, zoomPreset, zoomMarked},
        {kCmdZoom200, zoomPreset, zoomMarked},
        {kCmdZoom150, zoomPreset, zoomMarked},
        {kCmdZoom100, zoomPreset, zoomMarked},
        {kCmdZoom75, zoomPreset, zoomMarked},
        {kCmdZoom50, zoomPreset, zoomMarked},
        {kCmdZoom25, zoomPreset, zoomMarked},

        {kCmdMenuGpsTrail, trail, trailShown},
        {kCmdButtonGpsTrail, trail, trailShown},
        {kCmdStatusInfo, [](F& f, int) { f.Toggle(ShowFlag::StatusInfo); },
         [](const F& f, int) { return f.flags_.statusInfo; }},
        {kCmdCursorInfo, [](F& f, int) { f.Toggle(ShowFlag::CursorInfo); },
         [](const F& f, int) { return f.flags_.cursorInfo; }},
        {kCmdMenuMapPoints, points, pointsShown},
        {kCmdButtonMapPoints, points, pointsShown},
        {kCmdMenuLabels, labels, labelsShown},
        {kCmdButtonLabels, labels, labelsShown},
        {kCmdGridOverlay,
         [](F& f, int) {
             view::OverlayChoice overlays = f.view_->Overlays();
             overlays.grid = !overlays.grid;
             session::WriteGridOverlay(f.store_, overlays.grid);
             f.view_->SetOverlays(std::move(overlays));
         },
         [](const F& f, int) { return f.view_->Overlays().grid; }},
        {kCmdFormatDms, format, formatMarked},
        {kCmdFormatDm, format, formatMarked},
        {kCmdFormatDeg, format, formatMarked},
        {kCmdFormatUtm, format, formatMarked},
        {kCmdFormatMgrs, format, formatMarked},

        {kCmdMapCentre, [](F& f, int) { f.view_->GoToMapCentre(); }},
        {kCmdCentreOnGps, centreOnGps},
        {kCmdButtonCentreOnGps, centreOnGps},
        {kCmdMenuFollowGps, follow, following},
        {kCmdButtonFollowGps, follow, following},
        {kCmdGoToPosition,
         [](F& f, int) {
             // The view stays where it was sent, as it does after a drag: following would take
             // it back to the GPS at the next update.
             if (f.commands_->OnGoToPosition() && f.flags_.follow)
                 f.Toggle(ShowFlag::FollowGps);
         },
         nullptr, settled},
        {kCmdTrailStatistics, [](F& f, int) { f.commands_->OnTrailStatistics(); }},
        {kCmdFullScreen, [](F& f, int) { f.ToggleFullScreen(); },
         [](const F& f, int) { return f.windowState().testFlag(Qt::WindowFullScreen); }},
        {kCmdViewToolbar, toolbar, toolbarShown},
        {kCmdMenuBarToolbar, toolbar, toolbarShown},
        {kCmdReopenLastMap,
         // The item's own check, which a click has just turned, is the setting.
         [](F& f, int id) { session::WriteReopenLastMap(f.store_, f.Action(id)->isChecked()); },
         [](const F& f, int) { return session::ReadReopenLastMap(f.store_); }},

        {kCmdEnterCalibrationPoint, [](F& f, int) { f.commands_->OnEnterCalibrationPoint(); },
         nullptr, settled},
        {kCmdCalibrationPoints, [](F& f, int) { f.commands_->OnCalibrationPoints(); }, nullptr,
         settled},
        {kCmdCheckPosition, [](F& f, int) { f.commands_->OnCheckPosition(); }, nullptr, settled},
        {kCmdEditPoints, [](F& f, int) { f.commands_->OnEditPoints(); }, nullptr, settled},
        {kCmdMapSettings, [](F& f, int) { f.commands_->OnMapSettings(); }, nullptr, settled},

        {kCmdGpsConnect, [](F& f, int) { f.gps_->Connect(); }, nullptr,
         [](const F& f) { return !f.view_->Session().GpsConnected(); }},
        {kCmdTrack,
         [](F& f, int) {
             f.flags_.tracking = !f.flags_.tracking;
             f.view_->Change(
                 [&f](session::MapSession& session) { return session.SetShowFlags(f.flags_); });
         },
         [](const F& f, int) { return f.flags_.tracking; }},
        {kCmdStorePosition, [](F& f, int) { f.commands_->OnStorePosition(); }, nullptr, settled},
        {kCmdClearTrail, [](F& f, int) { f.commands_->OnClearTrail(); }},
        {kCmdGpsDisconnect, [](F& f, int) { f.gps_->Disconnect(); }, nullptr,
         [](const F& f) { return f.view_->Session().GpsConnected(); }},
        {kCmdGpsSettings, [](F& f, int) { f.commands_->OnGpsSettings(); }},

        {kCmdAbout, [](F& f, int) { RunAboutDialog(&f); }},

        // The context menu's.
        {kCmdNewPointAtCursor, [](F& f, int) { f.commands_->OnNewPointAtCursor(); }, nullptr,
         [](const F& f) {
             return !f.view_->Loading().Active() && f.view_->Session().Selection().has_value();
         }},
        {kCmdGoToGpsPosition, centreOnGps},
        {kCmdGoToMapCentre, [](F& f, int) { f.view_->GoToMapCentre(); }},

        // Tracks, their colouring, the profile and the ruler.
        {kCmdOpenTracks, [](F& f, int) { f.tracks_->OnOpenTracks(); }},
        {kCmdTracksList, [](F& f, int) { f.tracks_->ToggleList(); },
         [](const F& f, int) { return f.tracks_->ListShown(); }},
        {kCmdColourPlain, colourBy, colouredBy},
        {kCmdColourSpeed, colourBy, colouredBy},
        {kCmdColourElevation, colourBy, colouredBy},
        {kCmdColourSlope, colourBy, colouredBy},
        {kCmdColourTime, colourBy, colouredBy},
        {kCmdColourLimits, [](F& f, int) { f.tracks_->OnColourLimits(); }},
        {kCmdRuler, [](F& f, int) { f.SetRuler(!f.view_->Overlays().ruler); },
         [](const F& f, int) { return f.view_->Overlays().ruler.has_value(); },
         [](const F& f) { return f.view_->Session().Georeference().HasTransform(); }},

        // Terrain.
        {kCmdDemFolder, [](F& f, int) { f.terrain_->OnDemFolder(); }},
        {kCmdHillShading, shadeBy, shadedBy},
        {kCmdSlopeShading, shadeBy, shadedBy},
        {kCmdShading25, shadeOpacity, shadedAt},
        {kCmdShading50, shadeOpacity, shadedAt},
        {kCmdShading75, shadeOpacity, shadedAt},
        {kCmdShading100, shadeOpacity, shadedAt},
        {kCmdProfile, [](F& f, int) { f.tracks_->ToggleProfile(); },
         [](const F& f, int) { return f.tracks_->ProfileShown(); }},
    };
    return rows;
}

namespace {

// Sets the marks and states of rows on their owner's actions.
template <typename Owner>
void SetMarks(std::span<const CommandRow<Owner>> rows, const Owner& owner,
              const CGPSMapFrame& frame) {
    for (const CommandRow<Owner>& row : rows) {
        QAction* action = frame.Action(row.id);
        if (action == nullptr)
            continue;
        if (row.checked != nullptr)
            action->setChecked(row.checked(owner, row.id));
        if (row.enabled != nullptr)
            action->setEnabled(row.enabled(owner));
    }
}

} // namespace

void CGPSMapFrame::OnCommand(int id) {
    if (const CommandRow* row = RowOf(CommandRows(), id); row != nullptr && row->run != nullptr)
        row->run(*this, id);
    else if (const auto* live = RowOf(LiveCommands::Rows(), id);
             live != nullptr && live->run != nullptr && live_ != nullptr)
        live->run(*live_, id);
    else
        return;
    UpdateActions();
}

void CGPSMapFrame::UpdateActions() {
    SetMarks(CommandRows(), *this, *this);
    if (live_ == nullptr)
        return;
    SetMarks(LiveCommands::Rows(), *live_, *this);
    live_->Sync();
}
