#include "view/MapFolderCommands.h"

#include "base/Number.h"
#include "map/ShownMap.h"
#include "platform/MessageBox.h"
#include "view/CoreText.h"
#include "view/GpsConnection.h"
#include "view/MapCommands.h"
#include "view/MapLoader.h"
#include "view/MapView.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenu>

#include <vector>

namespace view {

namespace {

// The first lines of a long list, and how many more there are.
constexpr std::size_t kToldLines = 10;
// Long enough to be read by a driver who looks at the screen now and then.
constexpr std::uint32_t kSwitchNoteMs = 5000;

} // namespace

MapFolderCommands::MapFolderCommands(MapView& view, MapLoader& loader, GpsConnection& gps,
                                     MapCommands& commands, QMenu& mapsHere, SettingsStore& store,
                                     std::filesystem::path cache, QObject* parent)
    : QObject(parent), view_(view), loader_(loader), commands_(commands), store_(store),
      cache_(std::move(cache)), folder_(store), mapsHere_(mapsHere) {
    mapsHere_.menuAction()->setEnabled(false);
    connect(&gps, &GpsConnection::Followed, this, &MapFolderCommands::OnGpsFollowed);
    connect(&view_, &MapView::ContextMenuRequested, this, &MapFolderCommands::OnContextMenu);
    connect(&loader_, &MapLoader::MapLoadFinished, this, &MapFolderCommands::OnLoadFinished);
    if (!folder_.Folder().empty()) {
        // A folder gone since is left for the user to open again; its maps are not lost.
        const std::vector<std::string> told = folder_.Open(folder_.Folder(), cache_, nullptr);
        if (!told.empty() && !folder_.Index())
            commands_.ShowStatusNote(tr("Map folder not found: %1")
                                         .arg(QString::fromStdString(folder_.Folder()))
                                         .toStdString());
    }
}

void MapFolderCommands::OnOpenMapFolder() {
    const QString folder = QFileDialog::getExistingDirectory(
        &view_, tr("Open Map Folder"), QString::fromStdString(folder_.Folder()));
    if (!folder.isEmpty())
        OpenFolder(folder);
}

bool MapFolderCommands::OpenFolder(const QString& folder) {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const std::vector<std::string> told =
        folder_.Open(QFile::encodeName(folder).toStdString(), cache_, &store_);
    QApplication::restoreOverrideCursor();
    const bool opened =
        folder_.Index() && folder_.Folder() == QFile::encodeName(folder).toStdString();
    if (!told.empty()) {
        QString text = opened ? tr("Some maps of the folder could not be read:")
                              : tr("Failed to open map folder");
        for (std::size_t i = 0; i < told.size() && i < kToldLines; ++i)
            text += '\n' + CoreText(told[i]);
        if (told.size() > kToldLines)
            text += '\n' + tr("... and %1 more").arg(told.size() - kToldLines);
        platform::ShowMessage(&view_, text, opened ? tr("Warning") : tr("Error"),
                              platform::MessageIcon::Warning);
    }
    RefreshOutlines();
    return opened;
}

void MapFolderCommands::ToggleSwitchMaps() {
    folder_.SetSwitchMaps(!folder_.SwitchMaps(), store_);
}

std::string MapFolderCommands::ShowingPath() const {
    const QString path = view_.MapPath();
    return path.isEmpty() ? std::string()
                          : QFile::encodeName(QFileInfo(path).canonicalFilePath()).toStdString();
}

void MapFolderCommands::OnGpsFollowed() {
    const map::Georeference& georef = view_.Session().Georeference();
    // Without a folder there is nothing to switch to: no outline, no path looked up each fix.
    if (!folder_.Index() || !folder_.SwitchMaps() || view_.Loading().Active() ||
        view_.MapDialogsOpen() || !georef.HasTransform())
        return;
    const double w = view_.Geometry().ImageWidth();
    const double h = view_.Geometry().ImageHeight();
    const std::vector<MapPos> showing = map::MapOutline(georef, w, h);
    if (const std::optional<std::string> next =
            folder_.MapToLoad(ShowingPath(), showing, view_.Session().GpsFix().position))
        loader_.Start(QFile::decodeName(QByteArray::fromStdString(*next)));
}

void MapFolderCommands::OnLoadFinished(const QString& path, bool loaded, const QString& error) {
    const std::string canonical =
        QFile::encodeName(QFileInfo(path).canonicalFilePath()).toStdString();
    if (const std::optional<std::string> note =
            folder_.LoadEnded(canonical, loaded, !loaded && error.isEmpty())) {
        // The sheet opens where the position is, not at its corner.
        view_.CentreOnGps();
        commands_.ShowStatusNote(*note, kSwitchNoteMs);
    }
    if (loaded)
        RefreshOutlines();
}

void MapFolderCommands::OnContextMenu(QPoint at) {
    mapsHere_.clear();
    std::vector<const map::FolderMap*> maps;
    if (const std::optional<MapPos> here = view_.PositionAt(at); here && folder_.Index())
        maps = map::MapsByDetail(*folder_.Index(), *here);
    for (const map::FolderMap* map : maps) {
        const QString path =
            QFile::decodeName(QByteArray::fromStdString(folder_.Index()->PathOf(*map)));
        QAction* action = mapsHere_.addAction(QString::fromStdString(
            map->Name() + "  (" + base::FormatFixed(map->metresPerPixel, 1) + " m/pixel)"));
        connect(action, &QAction::triggered, this, [this, path] { loader_.Start(path); });
    }
    mapsHere_.menuAction()->setEnabled(!maps.empty());
}

void MapFolderCommands::RefreshOutlines() {
    OverlayChoice overlays = view_.Overlays();
    overlays.outlines = folder_.OutlinesAround(ShowingPath());
    view_.SetOverlays(std::move(overlays));
}

} // namespace view
