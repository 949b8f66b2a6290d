#include "app/TrackCommands.h"

#include "app/CGPSMapFrame.h"
#include "app/Commands.h"
#include "app/ProfileDock.h"
#include "app/TracksDock.h"
#include "base/Number.h"
#include "platform/MessageBox.h"
#include "platform/SettingsStore.h"
#include "session/LastSession.h"
#include "session/TrackFiles.h"
#include "view/MapView.h"
#include "view/TrackLoader.h"

#include <QCheckBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFile>
#include <QFileDialog>
#include <QFormLayout>
#include <QMainWindow>

#include <algorithm>
#include <string>

namespace {

constexpr std::string_view kColourByKey = "ColourBy";
constexpr std::string_view kLimitsKey = "ColourLimits"; // "LOW HIGH", or empty for automatic

constexpr std::string_view kProfileKey = "Profile";         // 1 while the dock shows
constexpr std::string_view kProfileAxisKey = "ProfileAxis"; // 1 for time
// The file of the track the profile shows; empty for the recording.
constexpr std::string_view kProfileTrackKey = "ProfileTrack";

std::string LimitsText(const std::optional<trail::ValueLimits>& limits) {
    if (!limits)
        return {};
    return base::FormatShortest(limits->low) + " " + base::FormatShortest(limits->high);
}

std::optional<trail::ValueLimits> ParseLimits(const std::string& text) {
    const std::size_t space = text.find(' ');
    if (space == std::string::npos)
        return std::nullopt;
    const auto low = base::ParseExact<double>(std::string_view(text).substr(0, space), -1e9, 1e9);
    const auto high = base::ParseExact<double>(std::string_view(text).substr(space + 1), -1e9, 1e9);
    if (!low || !high || !(*high > *low))
        return std::nullopt;
    return trail::ValueLimits{*low, *high};
}

} // namespace

TrackCommands::TrackCommands(QMainWindow& window, view::MapView& view, SettingsStore& store)
    : QObject(&window), window_(window), view_(view), store_(store) {
    loader_ = new view::TrackLoader(view_, this);
    dock_ = new TracksDock(view_, &window_);
    window_.addDockWidget(Qt::LeftDockWidgetArea, dock_);
    dock_->hide();
    connect(loader_, &view::TrackLoader::TracksChanged, this, [this] {
        dock_->Refresh();
        ProfileStoredTrack();
        emit Changed();
    });
    connect(loader_, &view::TrackLoader::Finished, this, [this](const QStringList& errors) {
        if (!errors.isEmpty())
            platform::ShowMessage(&window_, tr("Unable to open file: ") + errors.join('\n'),
                                  tr("Load Error"), platform::MessageIcon::Warning);
    });
    connect(dock_, &TracksDock::ViewMoved, this, &TrackCommands::ViewMoved);
    connect(dock_, &QDockWidget::visibilityChanged, this, &TrackCommands::Changed);

    profile_ = new ProfileDock(view_, &window_);
    window_.addDockWidget(Qt::BottomDockWidgetArea, profile_);
    if (store_.ReadInt(session::kSessionSection, kProfileAxisKey, 0) == 1)
        profile_->SetAxis(trail::ProfileAxis::Time);
    profile_->setVisible(store_.ReadInt(session::kSessionSection, kProfileKey, 0) == 1);
    // The track chosen in the list is the one profiled.
    connect(dock_, &TracksDock::SelectionChanged, this, [this] {
        if (const std::optional<std::size_t> index = dock_->Selected())
            profile_->ShowTrack(*index);
    });
    storedProfileTrack_ = store_.ReadText(session::kSessionSection, kProfileTrackKey, "");
    connect(profile_, &ProfileDock::SourceChosen, this, [this] {
        const std::optional<std::size_t> shown = profile_->ShownTrack();
        const auto& tracks = view_.Session().Tracks().All();
        const std::string path = shown && *shown < tracks.size() ? tracks[*shown].path : "";
        if (path == storedProfileTrack_)
            return;
        storedProfileTrack_ = path;
        store_.WriteText(session::kSessionSection, kProfileTrackKey, path);
    });
    connect(profile_, &ProfileDock::AxisChosen, this, [this](trail::ProfileAxis axis) {
        store_.WriteInt(session::kSessionSection, kProfileAxisKey,
                        axis == trail::ProfileAxis::Time ? 1 : 0);
    });
    // Closed by its own button: the setting follows.
    connect(profile_, &QDockWidget::visibilityChanged, this, [this](bool visible) {
        if (!visible && profile_->isHidden() && window_.isVisible())
            store_.WriteInt(session::kSessionSection, kProfileKey, 0);
        emit Changed();
    });
    // A view setting like the others: a screenshot, which opens only the tracks it names,
    // shows it too.
    RestoreColouring();
}

void TrackCommands::ToggleProfile() {
    const bool show = profile_->isHidden();
    profile_->setVisible(show);
    store_.WriteInt(session::kSessionSection, kProfileKey, show ? 1 : 0);
    emit Changed();
}

bool TrackCommands::ProfileShown() const {
    return !profile_->isHidden();
}

void TrackCommands::OnOpenTracks() {
    QFileDialog dialog(&window_, tr("Open Tracks"));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFiles);
    std::string all;
    for (const char* pattern : {"*.gpx", "*.kml", "*.trl", "*.qjr", "*.nmea", "*.log", "*.txt"})
        all += std::string(all.empty() ? "" : ";") + pattern;
    dialog.setNameFilters(
        CGPSMapFrame::QtFileFilters("All tracks|" + all + "|" + std::string(app::kTracksFilter)));
    if (dialog.exec() != QDialog::Accepted)
        return;
    OpenTracks(dialog.selectedFiles());
}

void TrackCommands::OpenTracks(const QStringList& paths) {
    loader_->Open(paths);
    if (!paths.isEmpty() && !dock_->isVisible())
        dock_->show();
}

void TrackCommands::Restore() {
    QStringList paths;
    for (const std::string& path : session::ReadOpenTracks(store_))
        paths << QFile::decodeName(QByteArray::fromStdString(path));
    loader_->Open(paths, true);
}

void TrackCommands::RestoreColouring() {
    const int by = store_.ReadInt(session::kSessionSection, kColourByKey, 0);
    view::ValueColouring colouring;
    if (by >= 0 && by < static_cast<int>(std::size(trail::kColourByNames)))
        colouring.by = trail::kColourByNames[by].by;
    colouring.limits = ParseLimits(store_.ReadText(session::kSessionSection, kLimitsKey, ""));
    // Read, not written: a start writes nothing until the user changes something.
    view::OverlayChoice overlays = view_.Overlays();
    overlays.colouring = colouring;
    view_.SetOverlays(std::move(overlays));
}

void TrackCommands::ProfileStoredTrack() {
    // Until the user shows something else.
    if (storedProfileTrack_.empty() || profile_->ShownTrack())
        return;
    const auto& tracks = view_.Session().Tracks().All();
    const auto found = std::find_if(tracks.begin(), tracks.end(), [this](const auto& t) {
        return t.path == storedProfileTrack_;
    });
    if (found != tracks.end())
        profile_->ShowTrack(static_cast<std::size_t>(found - tracks.begin()));
}

void TrackCommands::Save() {
    // Tracks still being read are open too.
    session::WriteOpenTracks(store_, view_.Session().Tracks().Paths());
}

void TrackCommands::ToggleList() {
    dock_->setVisible(!dock_->isVisible());
    emit Changed();
}

bool TrackCommands::ListShown() const {
    return !dock_->isHidden();
}

trail::ColourBy TrackCommands::ColourBy() const {
    return view_.Overlays().colouring.by;
}

void TrackCommands::SetColourBy(trail::ColourBy by) {
    view::ValueColouring colouring = view_.Overlays().colouring;
    // Limits set for one measure mean nothing for another.
    if (colouring.by != by)
        colouring.limits.reset();
    colouring.by = by;
    SetColouring(colouring);
}

void TrackCommands::SetColouring(const view::ValueColouring& colouring) {
    view::OverlayChoice overlays = view_.Overlays();
    overlays.colouring = colouring;
    view_.SetOverlays(std::move(overlays));
    store_.WriteInt(session::kSessionSection, kColourByKey, static_cast<int>(colouring.by));
    store_.WriteText(session::kSessionSection, kLimitsKey, LimitsText(colouring.limits));
    emit Changed();
}

void TrackCommands::OnColourLimits() {
    view::ValueColouring colouring = view_.Overlays().colouring;
    if (colouring.by == trail::ColourBy::Plain) {
        platform::ShowMessage(&window_, tr("Choose what to colour by first (View > Colour By)."),
                              tr("Colour Limits"), platform::MessageIcon::Information);
        return;
    }
    const std::optional<trail::ValueLimits> shown =
        colouring.limits ? colouring.limits : view_.ColourLimits();
    QDialog dialog(&window_);
    dialog.setWindowTitle(tr("Colour Limits"));
    auto* form = new QFormLayout(&dialog);
    auto* automatic = new QCheckBox(tr("From the values shown"), &dialog);
    auto* low = new QDoubleSpinBox(&dialog);
    auto* high = new QDoubleSpinBox(&dialog);
    for (QDoubleSpinBox* box : {low, high}) {
        box->setRange(-1e6, 1e9);
        box->setDecimals(1);
    }
    low->setValue(shown ? shown->low : 0.0);
    high->setValue(shown ? shown->high : 100.0);
    automatic->setChecked(!colouring.limits);
    form->addRow(automatic);
    form->addRow(tr("Low:"), low);
    form->addRow(tr("High:"), high);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    form->addRow(buttons);
    connect(buttons, &QDialogButtonBox::accepted, &dialog, [&] {
        if (!automatic->isChecked() && !(high->value() > low->value())) {
            platform::ShowMessage(&dialog, tr("High must be above Low."), tr("Colour Limits"),
                                  platform::MessageIcon::Warning);
            return;
        }
        dialog.accept();
    });
    connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    if (dialog.exec() != QDialog::Accepted)
        return;
    colouring.limits = automatic->isChecked()
                           ? std::nullopt
                           : std::optional(trail::ValueLimits{low->value(), high->value()});
    SetColouring(colouring);
}
