#pragma once

#include "calib/FitCheck.h"

#include <QDialog>

#include <vector>

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

    // Refills the list, with no row chosen.
    void SetPairs(const std::vector<PairCheck>& pairs, bool canUndo);

    [[nodiscard]] QTableWidget* Table() const { return table_; }
    [[nodiscard]] QPushButton* DeleteButton() const { return delete_; }
    [[nodiscard]] QPushButton* UndoButton() const { return undo_; }

signals:
    void DeleteRequested(int pair); // 0 = the oldest pair
    void UndoRequested();

private:
    void UpdateButtons();

    QTableWidget* table_ = nullptr;
    QPushButton* delete_ = nullptr;
    QPushButton* undo_ = nullptr;
    bool canUndo_ = false;
};

} // namespace calib
