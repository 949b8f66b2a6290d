#include "calib/CalibrationPointsDlg.h"

#include "base/Number.h"

#include <QDialogButtonBox>
#include <QFont>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include <utility>

namespace calib {

namespace {

QString Fixed(double value, int decimals) {
    return QString::fromStdString(base::FormatFixed(value, decimals));
}

} // namespace

CalibrationPointsDlg::CalibrationPointsDlg(QWidget* parent) : QDialog(parent) {
    setWindowTitle(tr("Calibration Points"));
    auto* layout = new QVBoxLayout(this);
    table_ = new QTableWidget(0, 5, this);
    table_->setHorizontalHeaderLabels(
        {tr("Point"), tr("Pixel"), tr("Position"), tr("Fit Error"), tr("Left Out")});
    table_->verticalHeader()->hide();
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table_->horizontalHeader()->setStretchLastSection(true);
    layout->addWidget(table_);
    auto* note = new QLabel(tr("Fit Error: how far the map puts each pixel from its position. Left "
                               "Out: the same by the fit of the other points alone."),
                            this);
    note->setWordWrap(true);
    layout->addWidget(note);
    fit_ = new QLabel(this);
    fit_->setWordWrap(true);
    layout->addWidget(fit_);

    auto* buttons = new QHBoxLayout;
    delete_ = new QPushButton(tr("Delete Point"), this);
    undo_ = new QPushButton(tr("Undo"), this);
    buttons->addWidget(delete_);
    buttons->addWidget(undo_);
    buttons->addStretch();
    auto* close = new QDialogButtonBox(QDialogButtonBox::Close, this);
    buttons->addWidget(close);
    layout->addLayout(buttons);

    connect(close, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(delete_, &QPushButton::clicked, this, [this] {
        const int row = table_->currentRow();
        if (row >= 0 && table_->selectionModel()->hasSelection())
            emit DeleteRequested(row);
    });
    connect(undo_, &QPushButton::clicked, this, &CalibrationPointsDlg::UndoRequested);
    connect(table_, &QTableWidget::itemSelectionChanged, this,
            &CalibrationPointsDlg::UpdateButtons);
    resize(620, 260);
    positionText_ = [](const MapPos& geo) { return Fixed(geo.y, 6) + ", " + Fixed(geo.x, 6); };
}

void CalibrationPointsDlg::SetPositionText(std::function<QString(const MapPos&)> text) {
    positionText_ = std::move(text);
}

void CalibrationPointsDlg::SetPairs(const std::vector<PairCheck>& pairs, bool canUndo,
                                    const QString& fit) {
    canUndo_ = canUndo;
    fit_->setText(fit);
    fit_->setVisible(!fit.isEmpty());
    table_->clearContents();
    table_->setRowCount(static_cast<int>(pairs.size()));
    for (int i = 0; i < static_cast<int>(pairs.size()); ++i) {
        const PairCheck& pair = pairs[static_cast<std::size_t>(i)];
        const QStringList cells = {
            QString::number(i + 1),
            Fixed(pair.pixel.x, 1) + ", " + Fixed(pair.pixel.y, 1),
            positionText_(pair.geo),
            pair.missMetres ? Fixed(*pair.missMetres, 1) + " m" : tr("not calibrated"),
            pair.leftOutMetres ? Fixed(*pair.leftOutMetres, 1) + " m" +
                                     (pair.suspect ? "  " + tr("check") : QString())
                               : QString(),
        };
        for (int c = 0; c < cells.size(); ++c) {
            auto* item = new QTableWidgetItem(cells[c]);
            if (pair.suspect) {
                QFont bold = item->font();
                bold.setBold(true);
                item->setFont(bold);
            }
            table_->setItem(i, c, item);
        }
    }
    // No row stays chosen: a second Delete must be a second choice.
    table_->clearSelection();
    table_->setCurrentCell(-1, -1);
    UpdateButtons();
}

void CalibrationPointsDlg::UpdateButtons() {
    delete_->setEnabled(table_->selectionModel()->hasSelection());
    undo_->setEnabled(canUndo_);
}

} // namespace calib
