#pragma once

#include "calib/GridFile.h"
#include "calib/MapSettingsDlg.h"

#include <QStringList>

#include <optional>
#include <string>

// The map's grid settings as the Map Settings dialog shows them, and back.
namespace view {

// The common datums by their labels, WGS 84 first.
QStringList DatumLabels();

calib::MapSettingsDlg::GridEntry ToGridEntry(const map::GridSettings& settings);

// A datum as the map keeps it: the short name of one chosen by its label, else as written.
std::string DatumKey(const QString& datum);

// current with the entry's model, datum and number of points kept; a datum chosen from the list
// is kept by its short name. Nothing, with *error, for a named grid PROJ does not know.
std::optional<map::GridSettings> FromGridEntry(const calib::MapSettingsDlg::GridEntry& entry,
                                               map::GridSettings current, std::string* error);

} // namespace view
