#pragma once

#include "view/ShadeLayer.h"

#include <QObject>
#include <QString>

#include <optional>

class SettingsStore;
namespace view {
class MapView;
}

// The frame's commands on terrain: Map > DEM Folder..., View > Hill Shading and Slope Shading
// with their opacity; each kept in the settings for the next start.
class TerrainCommands : public QObject {
    Q_OBJECT

public:
    static constexpr int kOpacities[] = {25, 50, 75, 100}; // percent, the menu's order

    // Takes the folder, the shading and its opacity the settings keep.
    TerrainCommands(view::MapView& view, SettingsStore& store, QObject* parent = nullptr);

    void OnDemFolder();
    // Heights and shading from folder from now on, and at the next start.
    void UseDemFolder(const QString& folder);
    // The shading kind, or none to lay none.
    void SetShading(std::optional<terrain::ShadeKind> kind);
    [[nodiscard]] std::optional<terrain::ShadeKind> Shading() const;
    void SetOpacity(int percent);
    [[nodiscard]] int Opacity() const { return opacity_; }

signals:
    // Marks may have changed.
    void Changed();

private:
    void Apply();

    view::MapView& view_;
    SettingsStore& store_;
    std::optional<terrain::ShadeKind> kind_;
    int opacity_ = 50;
};
