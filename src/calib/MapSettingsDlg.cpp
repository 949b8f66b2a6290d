#include "calib/MapSettingsDlg.h"

#include "calib/MapSettings.h"
#include "platform/MessageBox.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QFontDatabase>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include <algorithm>

namespace calib {

namespace {

QString Name(const char* kind, int id) {
    return QStringLiteral("%1%2").arg(kind).arg(id);
}

} // namespace

MapSettingsDlg::MapSettingsDlg(const CGPSMapFuncs& calibration, QWidget* parent) : QDialog(parent) {
    setWindowTitle(tr("Map Settings"));

    const MagVarEntry entry = SplitMagVar(calibration.GetMagVar());
    magVarMagnitude_ = entry.magnitude;
    east_ = entry.east;

    magnitude_ = new QLineEdit(QString::fromStdString(FormatMagVarMagnitude(magVarMagnitude_)));
    magnitude_->setObjectName(Name("edit", kMagnitudeEdit));
    auto* west = new QRadioButton(tr("West"));
    west->setObjectName(Name("radio", kWestButton));
    auto* east = new QRadioButton(tr("East"));
    east->setObjectName(Name("radio", kEastButton));
    side_ = new QButtonGroup(this);
    side_->addButton(west, 0);
    side_->addButton(east, 1);
    (east_ ? east : west)->setChecked(true);

    auto* varRow = new QHBoxLayout;
    varRow->addWidget(new QLabel(tr("Mag Var:")));
    varRow->addWidget(magnitude_, 1);
    varRow->addWidget(west);
    varRow->addWidget(east);

    fileName_ = new QLabel(tr("file"));
    fileName_->setObjectName(Name("label", kFileNameLabel));
    fileName_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    size_ = new QLabel(tr("W x H"));
    size_->setObjectName(Name("label", kSizeLabel));
    auto* params = new QLabel(QString::fromStdString(FormatCalibrationParams(calibration)));
    params->setObjectName(Name("label", kParamsLabel));
    params->setTextInteractionFlags(Qt::TextSelectableByMouse);
    // Ten decimals line up only in a fixed-pitch font.
    params->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));

    auto* info = new QGroupBox(tr("Map Info"));
    auto* grid = new QGridLayout(info);
    grid->addWidget(new QLabel(tr("Filename:")), 0, 0);
    grid->addWidget(fileName_, 0, 1);
    grid->addWidget(new QLabel(tr("Size:")), 1, 0);
    grid->addWidget(size_, 1, 1);
    grid->addWidget(new QLabel(tr("Calibration Params:")), 2, 0, 1, 2);
    grid->addWidget(params, 3, 0, 1, 2);
    grid->setColumnStretch(1, 1);

    model_ = new QComboBox;
    model_->setObjectName("gridModel");
    model_->addItems({tr("Latitude/longitude graticule"), tr("Topographic grid"),
                      tr("Nautical chart"), tr("Named grid")});
    crs_ = new QLineEdit;
    crs_->setObjectName("gridCrs");
    crs_->setPlaceholderText(tr("UTM 32N, EPSG:2056 or a PROJ definition"));
    datum_ = new QComboBox;
    datum_->setObjectName("gridDatum");
    datum_->setEditable(true);
    datum_->setInsertPolicy(QComboBox::NoInsert);
    keep_ = new QSpinBox;
    keep_->setObjectName("gridKeep");
    connect(model_, &QComboBox::currentIndexChanged, this,
            [this](int model) { crs_->setEnabled(model == kNamedGrid); });
    SetGrid({}, {}, 3, 3);

    auto* gridBox = new QGroupBox(tr("Grid"));
    auto* gridForm = new QGridLayout(gridBox);
    gridForm->addWidget(new QLabel(tr("Drawn on:")), 0, 0);
    gridForm->addWidget(model_, 0, 1);
    gridForm->addWidget(new QLabel(tr("Grid:")), 1, 0);
    gridForm->addWidget(crs_, 1, 1);
    gridForm->addWidget(new QLabel(tr("Datum:")), 2, 0);
    gridForm->addWidget(datum_, 2, 1);
    gridForm->addWidget(new QLabel(tr("Points kept:")), 3, 0);
    gridForm->addWidget(keep_, 3, 1);
    overlayColour_ = new QComboBox;
    overlayColour_->setObjectName("gridOverlayColour");
    gridForm->addWidget(new QLabel(tr("Overlay colour:")), 4, 0);
    gridForm->addWidget(overlayColour_, 4, 1);
    gridForm->setColumnStretch(1, 1);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &MapSettingsDlg::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &MapSettingsDlg::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(varRow);
    layout->addWidget(info);
    layout->addWidget(gridBox);
    layout->addWidget(buttons);
    magnitude_->setFocus();
    magnitude_->selectAll();
}

void MapSettingsDlg::SetMapInfo(const QString& imagePath, int width, int height) {
    fileName_->setText(QFileInfo(imagePath).fileName());
    fileName_->setToolTip(imagePath);
    size_->setText(QStringLiteral("%1 x %2").arg(width).arg(height));
}

void MapSettingsDlg::SetGrid(const GridEntry& entry, const QStringList& datums, int minKeep,
                             int maxKeep) {
    model_->setCurrentIndex(entry.model);
    crs_->setText(entry.crs);
    crs_->setEnabled(entry.model == kNamedGrid);
    datum_->clear();
    datum_->addItems(datums);
    datum_->setCurrentText(entry.datum);
    keep_->setRange(minKeep, maxKeep);
    keep_->setValue(entry.keep);
}

MapSettingsDlg::GridEntry MapSettingsDlg::GetGrid() const {
    return {model_->currentIndex(), crs_->text().trimmed(), datum_->currentText().trimmed(),
            keep_->value()};
}

void MapSettingsDlg::SetOverlayColours(const QStringList& names, int current) {
    overlayColour_->clear();
    overlayColour_->addItems(names);
    overlayColour_->setCurrentIndex(current >= 0 && current < names.size() ? current : 0);
}

int MapSettingsDlg::GetOverlayColour() const {
    return std::max(overlayColour_->currentIndex(), 0);
}

double MapSettingsDlg::GetSignedMagVar() const {
    return SignedMagVar({magVarMagnitude_, east_});
}

void MapSettingsDlg::accept() {
    const auto magnitude = ParseMagVarMagnitude(magnitude_->text().toStdString());
    if (!magnitude) {
        platform::ShowMessage(this, tr("Please enter a number between 0 and 180."), windowTitle(),
                              platform::MessageIcon::Warning);
        magnitude_->setFocus();
        magnitude_->selectAll();
        return;
    }
    magVarMagnitude_ = *magnitude;
    east_ = side_->checkedId() == 1;
    QDialog::accept();
}

} // namespace calib
