#pragma once

#include "calib/FitCheck.h"

#include <QDialog>

#include <functional>
#include <vector>

class QLabel;
class QPushButton;
class QTableWidget;

namespace calib {

// "Calibration Points": each held pair (pixel, position) with how far the fit misses it, a
// button that deletes the chosen pair and one that undoes the last change. The dialog only
// asks; its owner changes the calibration and hands the new pairs back with SetPairs.
class CalibrationPointsDlg : public QDialog {
    Q_OBJECT
public:
    explicit CalibrationPointsDlg(QWidget* parent = nullptr);

    // Refills the list, with no row chosen; fit is the line under it (the RMS, a model that
    // fits better), empty for none.
    void SetPairs(const std::vector<PairCheck>& pairs, bool canUndo, const QString& fit = {});
    // How the Position column writes a position (latitude in y); decimal "lat, lon" until set.
    void SetPositionText(std::function<QString(const MapPos&)> text);

    [[nodiscard]] QTableWidget* Table() const { return table_; }
    [[nodiscard]] QPushButton* DeleteButton() const { return delete_; }
    [[nodiscard]] QPushButton* UndoButton() const { return undo_; }
    [[nodiscard]] QLabel* FitLabel() const { return fit_; }

signals:
    void DeleteRequested(int pair); // 0 = the oldest pair
    void UndoRequested();

private:
    void UpdateButtons();

    QTableWidget* table_ = nullptr;
    QPushButton* delete_ = nullptr;
    QPushButton* undo_ = nullptr;
    QLabel* fit_ = nullptr;
    bool canUndo_ = false;
    std::function<QString(const MapPos&)> positionText_;
};

} // namespace calib
