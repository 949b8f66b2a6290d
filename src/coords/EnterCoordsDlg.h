#pragma once

#include <QDialog>
#include <QString>

#include <map>

#include "base/MapPos.h"
#include "coords/CoordEntry.h"

class QButtonGroup;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QShowEvent;

namespace coords {

// The modal dialog in which a latitude and longitude are typed in any of the three formats, as
// UTM or MGRS, or in the map's named grid, or copied from the GPS. Fields out of range show red
// text while typing; OK is refused with "Please enter valid coordinates" until the visible
// fields hold a complete position (a UTM, MGRS or grid text with the reason it is refused).
// Numbers are typed on the datum chosen in the dialog and returned as WGS 84.
//
// Use: construct, SetPrompt, optionally SetInitialPosition, SetGpsPosition, SetDatum and
// SetGridCrs, exec(); then use GetResult only if exec() returned Accepted and HasResult() is
// true. A calibration point typed off a map sheet:
//     EnterCoordsDlg dialog(entryFormat, parent);
//     dialog.SetPrompt(...);
//     dialog.SetDatum(QStringLiteral("ED50"));       // the datum printed on the sheet
//     dialog.SetGridCrs(QStringLiteral("EPSG:2056")); // the map's named grid, if it has one
//     if (dialog.exec() == QDialog::Accepted && dialog.HasResult())
//         use(dialog.GetResult() /* WGS 84 */, dialog.Datum() /* to remember */);
class EnterCoordsDlg : public QDialog {
    Q_OBJECT
public:
    // format: the format the dialog opens in, set to each one the user picks. The window keeps
    // one for its life (Dms at start, never stored), so the last choice carries over to the
    // next dialog whoever opens it.
    explicit EnterCoordsDlg(CoordFormat& format, QWidget* parent = nullptr);

    void SetPrompt(const QString& prompt);
    // Latitude from y, longitude from x; without it the fields show 0, 0.
    void SetInitialPosition(const MapPos& position);
    // "Use GPS Position" is enabled only when this position is set (both coordinates non-zero).
    void SetGpsPosition(const MapPos& position);
    // The datum the numbers are typed on, as users write it ("ED50", "WGS 84", "EPSG:4230"; see
    // map::DatumCrs): chosen in the list of common datums when it is one of them, else shown as
    // typed. WGS 84 without it. Positions given to the dialog and its result stay WGS 84.
    void SetDatum(const QString& datum);
    // The datum as the list or the user wrote it when the dialog closed.
    [[nodiscard]] QString Datum() const;
    // The map's named grid, any CRS PROJ knows ("EPSG:2056", "EPSG:32632"): a further choice,
    // named after the grid, in which easting and northing are typed as one text on the grid's
    // own datum. The dialog opens on it.
    void SetGridCrs(const QString& crs);

    [[nodiscard]] bool HasResult() const { return hasResult_; }
    // y = latitude, x = longitude, south and west negative.
    [[nodiscard]] MapPos GetResult() const { return MapPos(resultLongitude_, resultLatitude_); }

    void accept() override;
    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void Open();
    void ShowFieldsForFormat();
    void CopyTextsToControls();
    void ReadTextsFromControls();
    void ShowValidity();
    void OnFieldChanged();
    void OnFormatChosen(int id);
    void OnUseGpsPosition();
    void OnDatumChanged(const QString& text);
    [[nodiscard]] EntryMode Mode() const { return EntryMode{format_, gridChosen_}; }
    void Recheck();

    CoordFormat& format_;
    CoordEntry entry_;
    std::map<EntryField, QLineEdit*> edits_;
    std::map<EntryField, QComboBox*> lists_;
    QLabel* prompt_ = nullptr;
    QButtonGroup* formats_ = nullptr;
    QPushButton* useGps_ = nullptr;
    std::map<int, QLabel*> rowLabels_;
    QLineEdit* gridText_ = nullptr;
    QComboBox* datum_ = nullptr;
    QString datumError_; // why the datum's text names none; empty when it does
    bool gridChosen_ = false;

    double resultLatitude_ = 0.0;
    double resultLongitude_ = 0.0;
    bool hasResult_ = false;
    MapPos gpsPosition_;
    bool opened_ = false;
    bool copying_ = false; // texts being written by the dialog itself, not typed
};

} // namespace coords
