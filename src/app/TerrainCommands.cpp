#include "app/TerrainCommands.h"

#include "platform/SettingsStore.h"
#include "session/MapSession.h"
#include "view/MapView.h"

#include <QFile>
#include <QFileDialog>

#include <algorithm>
#include <iterator>

namespace {

constexpr const char* kSection = "Settings";

} // namespace

TerrainCommands::TerrainCommands(view::MapView& view, SettingsStore& store, QObject* parent)
    : QObject(parent), view_(view), store_(store) {
    // 0 none, 1 hill, 2 slope.
    const int kind = store_.ReadInt(kSection, "Shading", 0);
    if (kind == 1 || kind == 2)
        kind_ = kind == 1 ? terrain::ShadeKind::Hill : terrain::ShadeKind::Slope;
    const int opacity = store_.ReadInt(kSection, "ShadingOpacity", opacity_);
    if (std::find(std::begin(kOpacities), std::end(kOpacities), opacity) != std::end(kOpacities))
        opacity_ = opacity;
    Apply();
}

void TerrainCommands::OnDemFolder() {
    const QString folder = QFileDialog::getExistingDirectory(
        &view_, tr("DEM Folder"),
        QString::fromStdString(store_.ReadText(kSection, "DemFolder", "")));
    if (!folder.isEmpty())
        UseDemFolder(folder);
}

void TerrainCommands::UseDemFolder(const QString& folder) {
    const std::string path = QFile::encodeName(folder).toStdString();
    store_.WriteText(kSection, "DemFolder", path);
    view_.Change([&path](session::MapSession& session) { return session.SetDemFolder(path); });
    view_.update();
    emit Changed();
}

void TerrainCommands::SetShading(std::optional<terrain::ShadeKind> kind) {
    kind_ = kind;
    store_.WriteInt(kSection, "Shading", !kind ? 0 : *kind == terrain::ShadeKind::Hill ? 1 : 2);
    Apply();
    emit Changed();
}

std::optional<terrain::ShadeKind> TerrainCommands::Shading() const {
    return kind_;
}

void TerrainCommands::SetOpacity(int percent) {
    opacity_ = percent;
    store_.WriteInt(kSection, "ShadingOpacity", percent);
    Apply();
    emit Changed();
}

void TerrainCommands::Apply() {
    view::OverlayChoice overlays = view_.Overlays();
    overlays.shading =
        kind_ ? std::optional(view::ShadeChoice{*kind_, opacity_ / 100.0}) : std::nullopt;
    view_.SetOverlays(std::move(overlays));
}
