#pragma once

#include <QDialog>
#include <QString>

#include <map>

#include "calib/MapPos.h"
#include "coords/CoordEntry.h"

class QButtonGroup;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QShowEvent;

namespace coords {

// The modal dialog in which a latitude and longitude are typed in any of the three formats, or
// copied from the GPS. Fields out of range show red text while typing; OK is refused with
// "Please enter valid coordinates" until the visible fields hold a complete position.
//
// Use: construct, SetPrompt, optionally SetInitialPosition and SetGpsPosition, exec(); then
// use GetResult only if exec() returned Accepted and HasResult() is true.
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

    CoordFormat& format_;
    CoordEntry entry_;
    std::map<EntryField, QLineEdit*> edits_;
    std::map<EntryField, QComboBox*> lists_;
    QLabel* prompt_ = nullptr;
    QButtonGroup* formats_ = nullptr;
    QPushButton* useGps_ = nullptr;

    double resultLatitude_ = 0.0;
    double resultLongitude_ = 0.0;
    bool hasResult_ = false;
    MapPos gpsPosition_;
    bool opened_ = false;
    bool copying_ = false; // texts being written by the dialog itself, not typed
};

} // namespace coords
