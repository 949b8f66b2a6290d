#pragma once

#include "calib/CGPSMapFuncs.h"

#include <QDialog>
#include <QString>
#include <QStringList>

class QButtonGroup;
class QComboBox;
class QLabel;
class QLineEdit;
class QSpinBox;

namespace calib {

// "Map Settings": the magnetic variation as a magnitude from 0 to 180 with West or East, the
// map's file name and size, the six fitted parameters (read only), and the map's grid: the
// model its calibration is fitted in, the datum its printed coordinates are on and how many
// calibration points it keeps.
//
// Use: construct for the view's calibration, optionally SetMapInfo, exec(); on Accepted call
// SetMagVar(GetSignedMagVar()) on the calibration and save it. OK with a magnitude that is not
// a number from 0 to 180 shows a message and keeps the dialog open.
class MapSettingsDlg : public QDialog {
    Q_OBJECT
public:
    // Control identifiers of the dialog template, kept as the widgets' object names
    // ("edit1003", "radio1026", ...) for tests and styling.
    static constexpr int kMagnitudeEdit = 1003;
    static constexpr int kWestButton = 1026;
    static constexpr int kEastButton = 1027;
    static constexpr int kFileNameLabel = 1022;
    static constexpr int kSizeLabel = 1024;
    static constexpr int kParamsLabel = 1040;

    // The grid as the dialog shows it; the caller knows what the names mean.
    enum GridChoice { kGraticule, kTopographic, kChart, kNamedGrid };
    struct GridEntry {
        int model = kTopographic; // a GridChoice
        QString crs;              // the named grid's definition ("EPSG:32632", "UTM 32N")
        QString datum;            // as the user writes it, or one of the offered labels
        int keep = 3;
    };

    explicit MapSettingsDlg(const CGPSMapFuncs& calibration, QWidget* parent = nullptr);

    // Shows the image's file name (without its folder) and its size in pixels; without a call
    // (no map loaded) the fields keep "file" and "W x H".
    void SetMapInfo(const QString& imagePath, int width, int height);

    // Shows the grid part filled with entry; datums are offered in the datum list (it also
    // takes any text), keep goes from minKeep to maxKeep.
    void SetGrid(const GridEntry& entry, const QStringList& datums, int minKeep, int maxKeep);
    // The grid as entered; valid after exec() returned Accepted.
    [[nodiscard]] GridEntry GetGrid() const;
    // The colours the grid overlay can be drawn in, by name, and the one chosen (an index into
    // names); the choice holds for every map.
    void SetOverlayColours(const QStringList& names, int current);
    [[nodiscard]] int GetOverlayColour() const;

    // The variation entered: the magnitude, negative for West. Valid after exec() returned
    // Accepted; before that, the variation the dialog opened with.
    [[nodiscard]] double GetSignedMagVar() const;

    void accept() override;

private:
    QLineEdit* magnitude_ = nullptr;
    QButtonGroup* side_ = nullptr;
    QLabel* fileName_ = nullptr;
    QLabel* size_ = nullptr;
    QComboBox* model_ = nullptr;
    QLineEdit* crs_ = nullptr;
    QComboBox* datum_ = nullptr;
    QSpinBox* keep_ = nullptr;
    QComboBox* overlayColour_ = nullptr;
    double magVarMagnitude_ = 0.0;
    bool east_ = true;
};

} // namespace calib
