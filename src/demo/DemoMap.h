#pragma once

#include <QImage>
#include <QString>

// The demo map of Brindlemoor: drawn here, calibrated and given its points through our own
// file writers, so the demo needs nothing from the user.
namespace demo {

inline constexpr char kDemoMapBaseName[] = "brindlemoor";

// The town plan, kMapWidth x kMapHeight pixels.
[[nodiscard]] QImage PaintDemoMap();

// Writes brindlemoor.png, brindlemoor.mcd (three pairs) and brindlemoor.pts into dir, which
// is created when missing. False with *error set when any of them cannot be written.
bool WriteDemoMap(const QString& dir, QString* error);

// The demo map cut into kSheetColumns x kSheetRows adjoining sheets that overlap by
// kSheetOverlap pixels, each a PNG with its calibration file: brindlemoor-A1.png (column
// letter, row number from the top) and so on, into dir, which is created when missing. A map
// folder of them switches from sheet to sheet as the demo walks across the town.
inline constexpr int kSheetColumns = 2;
inline constexpr int kSheetRows = 2;
inline constexpr int kSheetOverlap = 40;
bool WriteDemoSheets(const QString& dir, QString* error);

// The demo map as a small MBTiles tile set, brindlemoor.mbtiles, in Web Mercator at the zooms
// that show the town, into dir, which is created when missing.
bool WriteDemoTiles(const QString& dir, QString* error);
[[nodiscard]] QString DemoTilesPath(const QString& dir);

// Path of the demo map image inside dir.
[[nodiscard]] QString DemoMapImagePath(const QString& dir);

} // namespace demo
