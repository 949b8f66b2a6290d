#include "app/CGPSMapFrame.h"

#include "app/LiveCommands.h"
#include "app/MenuTree.h"
#include "app/ProfileDock.h"
#include "app/TerrainCommands.h"
#include "app/ToolbarIcons.h"
#include "app/TrackCommands.h"
#include "base/FileKind.h"
#include "base/Translatable.h"
#include "map/MapFolder.h"
#include "map/OpenMap.h"
#include "map/formats/MapFormats.h"
#include "map/formats/WorldFile.h"
#include "map/tiles/TileSource.h"
#include "map/tiles/TileSourceMap.h"
#include "platform/ImageLoader.h"
#include "platform/MessageBox.h"
#include "platform/SettingsStore.h"
#include "session/LastSession.h"
#include "session/TrackFiles.h"
#include "session/ViewSettings.h"
#include "view/GpsConnection.h"
#include "view/MapCommands.h"
#include "view/MapFolderCommands.h"
#include "view/MapLoader.h"
#include "view/MapView.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QDialog>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QInputDialog>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QProgressBar>
#include <QPushButton>
#include <QToolBar>
#include <QToolButton>

#include <algorithm>
#include <array>
#include <cctype>
#include <ranges>
#include <set>

using namespace app;

namespace {

QString ToQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// The file dialogs' filter descriptions (Commands.h, the map formats' rows) and title, marked for
// lupdate: QtFileFilters shows each description translated.
[[maybe_unused]] constexpr const char* kFilterNames[] = {
    QUILO_TRANSLATABLE("FileFilter", "All maps"),
    QUILO_TRANSLATABLE("FileFilter", "All trails"),
    QUILO_TRANSLATABLE("FileFilter", "All tracks"),
    QUILO_TRANSLATABLE("FileFilter", "Compressed Image Files"),
    QUILO_TRANSLATABLE("FileFilter", "GIF Images"),
    QUILO_TRANSLATABLE("FileFilter", "Portable Network Graphics"),
    QUILO_TRANSLATABLE("FileFilter", "JPEG Images"),
    QUILO_TRANSLATABLE("FileFilter", "Bitmap Images"),
    QUILO_TRANSLATABLE("FileFilter", "All Files"),
    QUILO_TRANSLATABLE("FileFilter", "QUILO Trails"),
    QUILO_TRANSLATABLE("FileFilter", "Google KML"),
    QUILO_TRANSLATABLE("FileFilter", "GPX 1.1"),
    QUILO_TRANSLATABLE("FileFilter", "GPX Tracks"),
    QUILO_TRANSLATABLE("FileFilter", "GPX Tracks and Routes"),
    QUILO_TRANSLATABLE("FileFilter", "Trail Journals"),
    QUILO_TRANSLATABLE("FileFilter", "NMEA Logs"),
    QUILO_TRANSLATABLE("FileFilter", "OziExplorer Maps"),
    QUILO_TRANSLATABLE("FileFilter", "KMZ Ground Overlays"),
    QUILO_TRANSLATABLE("FileFilter", "KML Ground Overlays"),
    QUILO_TRANSLATABLE("FileFilter", "GeoTIFF Maps"),
    QUILO_TRANSLATABLE("FileFilter", "GDAL Rasters"),
    QUILO_TRANSLATABLE("FileFilter", "MBTiles Tile Sets"),
    QUILO_TRANSLATABLE("FileFilter", "World Files"),
    QUILO_TRANSLATABLE("FileFilter", "Images"),
    QUILO_TRANSLATABLE("FileFilter", "QUILO Maps"),
};

QString FilterText(const QString& english) {
    return QCoreApplication::translate("FileFilter", english.toUtf8().constData());
}

const ButtonToggleDef* ButtonToggle(ShowFlag flag) {
    const auto it = std::find_if(kButtonToggles.begin(), kButtonToggles.end(),
                                 [flag](const ButtonToggleDef& d) { return d.flag == flag; });
    return it == kButtonToggles.end() ? nullptr : &*it;
}

// The view state a flag stands for; the toolbar is the frame's own and has none.
template <typename Flags> auto FlagOf(Flags& flags, ShowFlag flag) -> decltype(&flags.trail) {
    switch (flag) {
    case ShowFlag::GpsTrail:
        return &flags.trail;
    case ShowFlag::MapPoints:
        return &flags.mapPoints;
    case ShowFlag::Labels:
        return &flags.labels;
    case ShowFlag::StatusInfo:
        return &flags.statusInfo;
    case ShowFlag::CursorInfo:
        return &flags.cursorInfo;
    case ShowFlag::FollowGps:
        return &flags.follow;
    case ShowFlag::Toolbar:
        break;
    }
    return nullptr;
}

// Adds pattern to the ';'-separated patterns, and its capitals after it: a scan named SHEET.JPG
// is as much a map as sheet.jpg, and not every file dialog matches regardless of case.
void AddInAnyCase(std::string& patterns, std::string_view pattern) {
    std::string upper(pattern);
    std::ranges::transform(upper, upper.begin(),
                           [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    for (const std::string_view p : {pattern, std::string_view(upper)}) {
        if (!patterns.empty())
            patterns += ';';
        patterns += p;
        if (upper == pattern)
            break;
    }
}

enum class DropKind { Map, Trail, Other };

DropKind KindOfFile(const QString& path) {
    // A map file is told by its content first: a KML with a ground overlay is a map, not a trail.
    const map::RecognisedMap recognised =
        map::RecogniseMapFile(QFile::encodeName(path).toStdString());
    if (recognised.format != nullptr && recognised.format->kind != map::MapFileKind::Image)
        return DropKind::Map;
    const base::TrailFormat* trail = base::TrailFormatOf(base::KindOfFile(path.toStdString()));
    if (trail != nullptr && trail->loads)
        return DropKind::Trail;
    // The image reader decides by the content, as Load Map does, not by the name.
    return platform::IsMapImageFile(path) ? DropKind::Map : DropKind::Other;
}

} // namespace

CGPSMapFrame::CGPSMapFrame(SettingsStore& store, QWidget* parent)
    : QMainWindow(parent), store_(store) {
    setWindowTitle("QUILO");
    setWindowIcon(MakeAppIcon());
    // The toolbar is shown and hidden by its own commands only, not by a docking menu.
    setContextMenuPolicy(Qt::NoContextMenu);
    setAcceptDrops(true);
}

CGPSMapFrame::~CGPSMapFrame() {
    // The Tracks dock is hidden as the window goes: no marks are set on a frame half gone.
    if (tracks_ != nullptr)
        disconnect(tracks_, nullptr, this, nullptr);
    // Here, while the view is whole: the live commands are a child, deleted after it.
    if (live_ != nullptr)
        live_->SaveTrip();
}

bool CGPSMapFrame::Create() {
    if (view_ != nullptr)
        return false; // one view, one set of menus
    // Allocation failure throws here; the application object turns it into a message.
    view_ = new view::MapView(store_, this);
    view_->SetOverlays({.grid = session::ReadGridOverlay(store_),
                        .gridColour = session::ReadGridOverlayColour(store_)});
    loader_ = new view::MapLoader(*view_);
    gps_ = new view::GpsConnection(*view_);
    commands_ = new view::MapCommands(*view_, store_, entryFormat_, view_);
    setCentralWidget(view_);
    view_->setFocus();
    tracks_ = new TrackCommands(*this, *view_, store_);
    terrain_ = new TerrainCommands(*view_, store_, this);
    connect(terrain_, &TerrainCommands::Changed, this, &CGPSMapFrame::UpdateActions);
    connect(terrain_, &TerrainCommands::Changed, this, [this] { tracks_->Profile().FollowDem(); });
    BuildActions();
    mapFolder_ = new view::MapFolderCommands(*view_, *loader_, *gps_, *commands_,
                                             *Action(kCmdMapsHere)->menu(), store_,
                                             map::DefaultFolderIndexCache(), view_);
    BuildMenus();
    BuildToolBar();
    BuildLoadProgress();
    ApplyStoredShowFlags();
    OnCommand(kCmdTrack);
    recentMaps_ = session::ReadRecentMaps(store_);
    RefreshRecentMenu();
    FillWorldMapMenu();
    // The tile caches' size, in MB, as the user set it in the settings file; 0 for no limit.
    map::SharedTileState()->cacheLimit =
        std::int64_t{std::max(0, store_.ReadInt("Settings", "TileCacheMB", 2048))} << 20;
    view_->SetScanOpacity(std::clamp(store_.ReadInt("Settings", kScanOpacityKey, 100), 0, 100) /
                          100.0);
    connect(view_, &view::MapView::ZoomChanged, this, &CGPSMapFrame::MarkZoomPreset);
    connect(gps_, &view::GpsConnection::ConnectionChanged, this, &CGPSMapFrame::UpdateActions);
    connect(view_, &view::MapView::DetailsChanged, this, &CGPSMapFrame::UpdateActions);
    live_ = new LiveCommands(*this, *view_, *commands_, *loader_, store_);
    connect(tracks_, &TrackCommands::Changed, this, &CGPSMapFrame::UpdateActions);
    connect(view_, &view::MapView::Tapped, this, [this](QPoint at) {
        const std::optional<MapPos> geo = view_->PositionAt(at);
        if (!view_->Overlays().ruler || !geo)
            return;
        view::OverlayChoice overlays = view_->Overlays();
        overlays.ruler->push_back(*geo);
        view_->SetOverlays(std::move(overlays));
    });
    connect(tracks_, &TrackCommands::ViewMoved, this, [this] {
        // The view stays on the track, as after Go to Position.
        if (flags_.follow)
            Toggle(ShowFlag::FollowGps);
        UpdateActions();
    });
    UpdateActions();
    return true;
}

void CGPSMapFrame::BuildLoadProgress() {
    // Over the map rather than in a bar of its own: a bar coming and going would move the map
    // and its cursor line while the load runs.
    loadBar_ = new QWidget(view_);
    loadBar_->setAutoFillBackground(true);
    auto* layout = new QHBoxLayout(loadBar_);
    layout->setContentsMargins(4, 4, 4, 4);
    loadProgress_ = new QProgressBar(loadBar_);
    loadProgress_->setRange(0, 100);
    loadCancel_ = new QPushButton(tr("Cancel"), loadBar_);
    layout->addWidget(loadProgress_, 1);
    layout->addWidget(loadCancel_);
    loadBar_->hide();
    view_->installEventFilter(this);
    connect(loadCancel_, &QPushButton::clicked, loader_, &view::MapLoader::Cancel);
    connect(loader_, &view::MapLoader::MapLoadProgress, this, [this](int percent) {
        if (percent < 0) {
            loadProgress_->setRange(0, 0); // busy: the decoder gives no measure
        } else {
            loadProgress_->setRange(0, 100);
            loadProgress_->setValue(percent);
        }
        if (loadBar_->isHidden()) {
            PlaceLoadProgress();
            loadBar_->show();
            UpdateActions();
        }
    });
    connect(loader_, &view::MapLoader::MapLoadFinished, this, &CGPSMapFrame::OnMapLoadFinished);
    // The new map's name and pixels show before any box about it.
    connect(view_, &view::MapView::MapShowing, this, [this](const QString& path) {
        loadBar_->hide();
        setWindowTitle(QFileInfo(path).fileName() + " - QUILO");
    });
}

void CGPSMapFrame::PlaceLoadProgress() {
    const int width = std::min(view_->width() - 16, 420);
    const int height = loadBar_->sizeHint().height();
    const int bottom = view::CursorLineRect(view_->width(), view_->height()).top() - 4;
    loadBar_->setGeometry((view_->width() - width) / 2, bottom - height, width, height);
}

bool CGPSMapFrame::eventFilter(QObject* watched, QEvent* event) {
    if (watched == view_ && event->type() == QEvent::Resize && loadBar_ != nullptr)
        PlaceLoadProgress();
    return QMainWindow::eventFilter(watched, event);
}

void CGPSMapFrame::BuildActions() {
    auto add = [this](int id, const QString& text) {
        auto* action = new QAction(text, this);
        actions_[id] = action;
        connect(action, &QAction::triggered, this, [this, id] { OnCommand(id); });
        return action;
    };
    // One group for the radio items of each menu, optional: zoom in and out leave none marked.
    std::map<Menu, QActionGroup*> groups;
    for (const MenuItemDef& item : kMenuItems) {
        switch (item.kind) {
        case ItemKind::Separator:
            break;
        case ItemKind::List: {
            auto* list = new QMenu(MenuText(item.text), this);
            list->setToolTipsVisible(true); // the recent maps' full paths
            actions_[item.id] = list->menuAction();
            break;
        }
        case ItemKind::Plain:
            add(item.id, MenuText(item.text));
            break;
        case ItemKind::Check:
            add(item.id, MenuText(item.text))->setCheckable(true);
            break;
        case ItemKind::Radio: {
            QActionGroup*& group = groups[item.menu];
            if (group == nullptr) {
                group = new QActionGroup(this);
                group->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
            }
            QAction* action = add(item.id, MenuText(item.text));
            action->setCheckable(true);
            group->addAction(action);
            break;
        }
        }
    }
    recentMenu_ = Action(kCmdRecentMaps)->menu();
    for (const ToolbarButtonDef& button : kToolbarButtons) {
        if (button.id == 0)
            continue;
        // Zoom In and Zoom Out are menu items too: one action serves both places.
        QAction* action = Action(button.id);
        if (action == nullptr)
            action = add(button.id, MenuText(button.tip));
        action->setIcon(MakeToolbarIcon(button.icon));
        action->setToolTip(MenuText(button.tip));
        const bool toggle =
            std::any_of(kButtonToggles.begin(), kButtonToggles.end(),
                        [&button](const ButtonToggleDef& d) { return d.buttonId == button.id; });
        // A menu item's check mark stays: Course Up and Night Mode hold one.
        action->setCheckable(toggle || action->isCheckable());
    }
    Action(kCmdMenuBarToolbar)->setIcon(MakeToolbarToggleIcon());
    Action(kCmdMenuBarToolbar)->setToolTip(MenuText("Toolbar"));
    Action(kCmdAppExit)->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    Action(kCmdAppExit)->setShortcutContext(Qt::ApplicationShortcut);
    addAction(Action(kCmdAppExit));
    for (const ShortcutDef& shortcut : kShortcuts) {
        QList<QKeySequence> keys;
        for (const QString& key : ToQString(shortcut.keys).split(',', Qt::SkipEmptyParts))
            keys << QKeySequence(key, QKeySequence::PortableText);
        Action(shortcut.id)->setShortcuts(keys);
        // On the window too: the toolbar's actions must answer while it is hidden.
        addAction(Action(shortcut.id));
    }
}

void CGPSMapFrame::BuildMenus() {
    QMenuBar* bar = menuBar();
    BuildMenuTree(kMenus, kMenuItems, *bar, *commands_->ContextMenu(),
                  [this](int id) { return Action(id); });
    // The context menu's enabled states follow the press point it opens at.
    connect(commands_->ContextMenu(), &QMenu::aboutToShow, this, &CGPSMapFrame::UpdateActions);
    toolbarToggle_ = new QToolButton(bar);
    toolbarToggle_->setDefaultAction(Action(kCmdMenuBarToolbar));
    toolbarToggle_->setAutoRaise(true);
    bar->setCornerWidget(toolbarToggle_, Qt::TopRightCorner);
}

void CGPSMapFrame::BuildToolBar() {
    toolBar_ = new QToolBar(MenuText("Toolbar"), this);
    toolBar_->setObjectName("toolbar");
    toolBar_->setMovable(false);
    toolBar_->setFloatable(false);
    toolBar_->setIconSize(QSize(24, 24));
    for (const ToolbarButtonDef& button : kToolbarButtons) {
        if (button.id == 0)
            toolBar_->addSeparator();
        else
            toolBar_->addAction(Action(button.id));
    }
    addToolBar(Qt::BottomToolBarArea, toolBar_);
    toolBar_->hide();
}

void CGPSMapFrame::ApplyStoredShowFlags() {
    for (const ShowKeyDef& key : kShowKeys) {
        if (store_.ReadInt(kSettingsSection, key.key, key.defaultValue) != 0)
            Toggle(key.flag);
    }
}

QAction* CGPSMapFrame::Action(int id) const {
    const auto it = actions_.find(id);
    return it == actions_.end() ? nullptr : it->second;
}

bool CGPSMapFrame::ToolbarShown() const {
    // isHidden, not isVisible: the frame itself may not be on screen yet.
    return toolBar_ != nullptr && !toolBar_->isHidden();
}

bool CGPSMapFrame::ButtonState(ShowFlag flag) const {
    const bool* on = FlagOf(flags_, flag);
    return ButtonToggle(flag) != nullptr && on != nullptr && *on;
}

void CGPSMapFrame::Toggle(ShowFlag flag) {
    bool* on = FlagOf(flags_, flag);
    if (on == nullptr) {
        toolBar_->setVisible(!ToolbarShown());
        return;
    }
    *on = !*on;
    view_->Change([this](session::MapSession& session) { return session.SetShowFlags(flags_); });
}

double CGPSMapFrame::ZoomFactor() const {
    return view_ != nullptr ? view_->Geometry().Zoom() : 1.0;
}

void CGPSMapFrame::SetZoom(double factor) {
    // The view holds the factor within its bounds, so zoom in and out step from what it shows:
    // a factor run up far beyond them by repeated zoom-ins would make zoom-out do nothing
    // visible for as many presses.
    view_->SetZoom(factor);
}

void CGPSMapFrame::OnExit() {
    std::array<const ShowKeyDef*, kShowKeys.size()> writeOrder{};
    for (const ShowKeyDef& key : kShowKeys)
        writeOrder[static_cast<std::size_t>(key.writeRank)] = &key;
    for (const ShowKeyDef* key : writeOrder) {
        const bool* on = FlagOf(flags_, key->flag);
        const bool value = on != nullptr ? *on : ToolbarShown();
        store_.WriteInt(kSettingsSection, key->key, value ? 1 : 0);
    }
    close();
}

std::string CGPSMapFrame::MapFilter() {
    std::string all;
    std::string kinds;
    for (const map::MapFormat& format : map::MapFormats()) {
        for (const auto pattern : std::views::split(format.patterns, ';'))
            AddInAnyCase(all, std::string_view(pattern.begin(), pattern.end()));
        if (format.kind != map::MapFileKind::Image)
            kinds += std::string(format.description) + '|' + std::string(format.patterns) + '|';
    }
    std::string filter = "All maps|" + all + '|' + std::string(kMapFilter);
    filter.insert(filter.find("All Files"), kinds);
    return filter;
}

std::string CGPSMapFrame::TrailLoadFilter() {
    std::string all;
    for (const base::TrailFormat& format : base::kTrailFormats)
        if (format.loads)
            for (const base::FileKindRow& row : base::kFileKinds)
                if (row.kind == format.kind)
                    AddInAnyCase(all, "*." + std::string(row.extension));
    return "All trails|" + all + '|' + std::string(kTrailLoadFilter);
}

std::string CGPSMapFrame::TracksFilter() {
    std::string all;
    for (const base::FileKindRow& row : base::kFileKinds)
        if (session::IsTrackFile("." + std::string(row.extension)))
            AddInAnyCase(all, "*." + std::string(row.extension));
    return "All tracks|" + all + '|' + std::string(kTracksFilter);
}

QStringList CGPSMapFrame::QtFileFilters(std::string_view filter) {
    QStringList out;
    const QStringList parts = ToQString(filter).split('|');
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString description = parts[i].trimmed();
        if (description.isEmpty())
            break; // the closing "||"
        QStringList patterns = parts[i + 1].split(';', Qt::SkipEmptyParts);
        for (QString& pattern : patterns) {
            pattern = pattern.trimmed();
            if (pattern == "*.*")
                pattern = "*"; // Linux file names need not have a dot
        }
        // Qt reads the patterns from the last parentheses, so a description that already
        // names its pattern loses that part.
        if (description.endsWith(')')) {
            const qsizetype open = description.lastIndexOf('(');
            if (open > 0)
                description = description.left(open).trimmed();
        }
        out << FilterText(description) + " (" + patterns.join(' ') + ")";
    }
    return out;
}

void CGPSMapFrame::OnLoadMap() {
    QFileDialog dialog(this, FilterText(ToQString(kMapDialogTitle)));
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setNameFilters(QtFileFilters(MapFilter()));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    StartLoadMapFile(dialog.selectedFiles().first());
}

void CGPSMapFrame::StartLoadMapFile(const QString& path) {
    loader_->Start(path);
}

bool CGPSMapFrame::ShowWorldMap(const QString& path, bool wait) {
    // With no map placed on the earth the source becomes the map itself.
    if (!view_->CanLayWorldUnder()) {
        view_->SetWorldMap(nullptr, 0, QString());
        if (wait)
            return LoadMapFile(path);
        StartLoadMapFile(path);
        return true;
    }
    auto opened = std::make_shared<bool>(false);
    view_->OpenWorldMap(path, wait, [this, opened](const QString& error) {
        *opened = error.isEmpty();
        if (!*opened)
            commands_->ShowStatusNote(tr("World map: %1").arg(error).toStdString());
        UpdateActions();
    });
    return !wait || *opened;
}

bool CGPSMapFrame::LoadMapFile(const QString& path) {
    return loader_->Load(path);
}

void CGPSMapFrame::OnMapLoadFinished(const QString& path, bool loaded, const QString& error) {
    // A new load starting cancels the old one first; its bar stays for the new one.
    if (!view_->Loading().Active())
        loadBar_->hide();
    UpdateActions();
    const std::unique_ptr<session::LastSession> restored = std::move(restoring_);
    if (loaded) {
        OnMapShown(path);
        if (restored && QString::fromStdString(restored->map) == path) {
            restored->Write(store_);
            view_->SetZoom(restored->zoom);
            view_->ScrollTo({restored->scrollX, restored->scrollY});
            MarkZoomPreset();
        }
        return;
    }
    MarkZoomPreset(); // a zoom chosen while the new map's picture showed did not take
    if (!error.isEmpty())
        platform::ShowMessage(this, tr("Failed to load map") + '\n' + path + ": " + error,
                              tr("Error"), platform::MessageIcon::Warning);
}

void CGPSMapFrame::OnMapShown(const QString& path) {
    zoomMark_ = kCmdZoom100; // the view starts a new map at 1.0
    recentMaps_ = session::WithRecentMap(std::move(recentMaps_),
                                         QFileInfo(path).absoluteFilePath().toStdString());
    session::WriteRecentMaps(store_, recentMaps_);
    RefreshRecentMenu();
    UpdateActions();
    const QString image = view_->ImageNeedingGrid();
    if (!image.isEmpty() && askedForGrid_.insert(image).second)
        AskForGrid(path, image);
    else if (!view_->MapsInFile().empty())
        AskWhichMap(path);
}

void CGPSMapFrame::AskWhichMap(const QString& path) {
    const std::vector<map::MapChoice> maps = view_->MapsInFile();
    QStringList names;
    for (std::size_t i = 0; i < maps.size(); ++i)
        names << tr("%1: %2").arg(i + 1).arg(QString::fromStdString(maps[i].name));
    bool ok = false;
    const QString chosen = QInputDialog::getItem(
        this, tr("Choose a Map"),
        tr("%1 holds %2 maps. Show:").arg(QFileInfo(path).fileName()).arg(maps.size()), names, 0,
        false, &ok);
    const auto index = static_cast<std::size_t>(names.indexOf(chosen));
    if (ok && index > 0 && index < maps.size())
        StartLoadMapFile(QFile::decodeName(maps[index].path.c_str()));
}

void CGPSMapFrame::AskForGrid(const QString& path, const QString& image) {
    bool ok = false;
    const QString grid = QInputDialog::getText(
        this, tr("Map Grid"),
        tr("The world file of %1 does not say its grid.\nGrid (a UTM zone such as 32N, or "
           "EPSG:NNNN):")
            .arg(QFileInfo(image).fileName()),
        QLineEdit::Normal, QString(), &ok);
    if (!ok || grid.trimmed().isEmpty())
        return;
    std::string error;
    if (!map::WritePrj(QFile::encodeName(image).toStdString(), grid.trimmed().toStdString(),
                       &error)) {
        platform::ShowMessage(this, QString::fromStdString(error), tr("Error"),
                              platform::MessageIcon::Warning);
        return;
    }
    StartLoadMapFile(path); // placed by the .prj just written
}

void CGPSMapFrame::RefreshRecentMenu() {
    for (QAction* old : recentMenu_->actions()) {
        recentMenu_->removeAction(old);
        actions_.erase(old->data().toInt());
        old->deleteLater();
    }
    for (std::size_t i = 0; i < recentMaps_.size(); ++i) {
        const int id = kCmdRecentMap1 + static_cast<int>(i);
        const QString path = QString::fromStdString(recentMaps_[i]);
        // "&1 town.png", the whole path in the tip: names alone may repeat across folders.
        QAction* action =
            recentMenu_->addAction(QString("&%1 %2").arg(i + 1).arg(QFileInfo(path).fileName()));
        action->setData(id);
        action->setToolTip(path);
        action->setStatusTip(path);
        connect(action, &QAction::triggered, this, [this, id] { OnCommand(id); });
        actions_[id] = action;
    }
}

void CGPSMapFrame::FillWorldMapMenu() {
    QMenu* menu = Action(kCmdWorldMap)->menu();
    const auto add = [&](int id, const QString& text, const QString& tip) {
        QAction* action = menu->addAction(text);
        action->setData(id);
        action->setToolTip(tip);
        connect(action, &QAction::triggered, this, [this, id] { OnCommand(id); });
        actions_[id] = action;
    };
    add(kCmdWorldMapOff, tr("Off"), tr("Back to the last map that is no tile source"));
    // No request goes out until an entry is chosen: listing reads only the definitions.
    for (const map::TileSourceDef& source : map::ListTileSources(map::TileSourceFolders())) {
        if (worldMaps_.size() >= kWorldMapEntries)
            break;
        std::string file;
        if (!map::FindTileSource(source.id, map::TileSourceFolders(), &file).source)
            continue;
        add(kCmdWorldMap1 + static_cast<int>(worldMaps_.size()),
            QString::fromStdString(source.name), QString::fromStdString(source.attribution));
        worldMaps_.push_back(file);
    }
}

void CGPSMapFrame::RestoreLastSession() {
    if (!session::ReadReopenLastMap(store_))
        return;
    const session::LastSession last = session::LastSession::Read(store_);
    if (!last.windowGeometry.empty())
        restoreGeometry(QByteArray::fromBase64(QByteArray::fromStdString(last.windowGeometry)));
    UpdateActions(); // Full Screen
    if (last.map.empty())
        return;
    const QString path = QString::fromStdString(last.map);
    if (!QFileInfo(path).isFile()) {
        // A card taken out or a folder renamed: not worth a box at every start.
        commands_->ShowStatusNote(tr("Last map not found: %1").arg(path).toStdString());
        return;
    }
    // Forgotten while it loads: a map that cannot be decoded (or that ends the program) shows
    // its failure once, not at every start.
    session::LastSession loading = last;
    loading.map.clear();
    loading.Write(store_);
    StartLoadMapFile(path);
    restoring_ = std::make_unique<session::LastSession>(last);
}

void CGPSMapFrame::SaveLastSession() {
    session::LastSession last;
    // Absolute: the next start may run from another folder.
    const QString map = view_->MapPath();
    last.map = map.isEmpty() ? std::string() : QFileInfo(map).absoluteFilePath().toStdString();
    last.zoom = view_->Geometry().Zoom();
    last.scrollX = view_->Geometry().ScrollOffset().x;
    last.scrollY = view_->Geometry().ScrollOffset().y;
    last.windowGeometry = saveGeometry().toBase64().toStdString();
    // Closed while the last map still loads: it stays the last map.
    if (restoring_) {
        session::LastSession restoring = *restoring_;
        restoring.windowGeometry = last.windowGeometry;
        last = restoring;
    }
    last.Write(store_);
}

void CGPSMapFrame::closeEvent(QCloseEvent* event) {
    if (live_ != nullptr && !live_->MayClose()) {
        event->ignore();
        return;
    }
    if (view_ != nullptr) {
        SaveLastSession();
        tracks_->Save();
    }
    QMainWindow::closeEvent(event);
}

void CGPSMapFrame::OpenDroppedFile(const QString& path) {
    switch (KindOfFile(path)) {
    case DropKind::Map:
        StartLoadMapFile(path);
        break;
    case DropKind::Trail:
        LoadTrailFile(path);
        break;
    case DropKind::Other:
        commands_->ShowStatusNote(
            tr("Not a map or trail: %1").arg(QFileInfo(path).fileName()).toStdString());
        break;
    }
}

void CGPSMapFrame::OpenDroppedFiles(const QStringList& paths) {
    if (paths.size() == 1) {
        OpenDroppedFile(paths.first());
        return;
    }
    QStringList tracks;
    for (const QString& path : paths) {
        if (KindOfFile(path) == DropKind::Map)
            StartLoadMapFile(path);
        else if (session::IsTrackFile(QFile::encodeName(path).toStdString()))
            tracks << path;
        else
            commands_->ShowStatusNote(
                tr("Not a map or track: %1").arg(QFileInfo(path).fileName()).toStdString());
    }
    tracks_->OpenTracks(tracks);
}

void CGPSMapFrame::dragEnterEvent(QDragEnterEvent* event) {
    const QList<QUrl> urls = event->mimeData()->urls();
    if (!urls.isEmpty() &&
        std::all_of(urls.begin(), urls.end(), [](const QUrl& url) { return url.isLocalFile(); }))
        event->acceptProposedAction();
}

void CGPSMapFrame::dropEvent(QDropEvent* event) {
    const QList<QUrl> urls = event->mimeData()->urls();
    QStringList paths;
    for (const QUrl& url : urls)
        if (url.isLocalFile())
            paths << url.toLocalFile();
    if (paths.isEmpty())
        return;
    event->acceptProposedAction();
    OpenDroppedFiles(paths);
}

void CGPSMapFrame::MarkZoomPreset() {
    zoomMark_ = 0;
    for (const ZoomDef& zoom : kZoomLevels)
        if (zoom.factor == ZoomFactor())
            zoomMark_ = zoom.id;
    UpdateActions();
}

void CGPSMapFrame::ToggleFullScreen() {
    setWindowState(windowState() ^ Qt::WindowFullScreen);
}

void CGPSMapFrame::OnSaveTrail() {
    QFileDialog dialog(this, tr("Save Trail"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    const QStringList filters = QtFileFilters(kTrailSaveFilter);
    dialog.setNameFilters(filters);
    dialog.setDefaultSuffix("trl");
    // A name typed without an extension takes the one of the chosen type.
    connect(&dialog, &QFileDialog::filterSelected, &dialog, [&dialog, filters](const QString& f) {
        static const char* const suffixes[] = {"trl", "kml", "gpx"};
        const auto index = static_cast<std::size_t>(std::max<qsizetype>(filters.indexOf(f), 0));
        dialog.setDefaultSuffix(suffixes[std::min<std::size_t>(index, 2)]);
    });
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    SaveTrailFile(dialog.selectedFiles().first());
}

void CGPSMapFrame::SaveTrailFile(const QString& path) {
    commands_->SaveTrail(path);
}

void CGPSMapFrame::OnLoadTrail() {
    QFileDialog dialog(this, tr("Load Trail"));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilters(QtFileFilters(TrailLoadFilter()));
    dialog.setDefaultSuffix("trl");
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    LoadTrailFile(dialog.selectedFiles().first());
}

void CGPSMapFrame::LoadTrailFile(const QString& path) {
    commands_->LoadTrail(path);
}

void CGPSMapFrame::SetRuler(bool on) {
    view::OverlayChoice overlays = view_->Overlays();
    overlays.ruler = on ? std::optional(std::vector<MapPos>()) : std::nullopt;
    view_->SetOverlays(std::move(overlays));
    UpdateActions();
}

void CGPSMapFrame::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && view_ != nullptr && view_->Overlays().ruler) {
        SetRuler(false);
        return;
    }
    if (view_ != nullptr)
        view_->ScrollByKey(event->key());
    QMainWindow::keyPressEvent(event);
}
