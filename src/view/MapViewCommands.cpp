// The Map menu's calibration commands and the GPS Settings sheet, as the map view runs them.
#include "calib/MapSettingsDlg.h"
#include "coords/EnterCoordsDlg.h"
#include "platform/MessageBox.h"
#include "view/GpsSettingsSheet.h"
#include "view/MapView.h"

#include <QFileInfo>

namespace {

constexpr std::string_view kGpsDeviceKey = "GPSDevice";

} // namespace

void MapView::OnEnterCalibrationPoint() {
    coords::EnterCoordsDlg dialog(this);
    dialog.SetPrompt(QStringLiteral("Enter Selection Coordinates:"));
    if (gpsFix_.hasFix)
        dialog.SetGpsPosition(gpsFix_.position);
    if (dialog.exec() != QDialog::Accepted || !dialog.HasResult())
        return;
    // The calibration plane counts rows from the bottom of the image.
    const MapPos plane(selection_.x, mapImage_.height() - selection_.y);
    const calib::FitResult fit = calibration_.AddCalibrationPoint(plane, dialog.GetResult());
    if (fit != calib::FitResult::Fitted && fit != calib::FitResult::TooFewPairs) {
        const std::string_view why = calib::DescribeFitResult(fit);
        platform::ShowMessage(this, QString::fromUtf8(why.data(), qsizetype(why.size())),
                              QStringLiteral("Warning"), platform::MessageIcon::Warning);
    }
    SaveCalibration();
    UpdateSelectionText();
    update();
}

void MapView::OnMapSettings() {
    calib::MapSettingsDlg dialog(calibration_, this);
    if (!mapImage_.isNull())
        dialog.SetMapInfo(mapImagePath_, mapImage_.width(), mapImage_.height());
    if (dialog.exec() != QDialog::Accepted)
        return;
    calibration_.SetMagVar(dialog.GetSignedMagVar());
    SaveCalibration();
    UpdateSelectionText();
}

void MapView::LoadGpsDeviceSetting(const SettingsStore& store) {
    configuredGpsDevice_ = store.ReadText(kSettingsSection, kGpsDeviceKey, "");
}

void MapView::OnGpsSettings(SettingsStore& store) {
    // The sheet's result is not looked at: its values are applied however it closes.
    const GpsSettingsValues values =
        RunGpsSettingsSheet(this, GpsSettingsValues::From(settings_, configuredGpsDevice_));
    values.ApplyTo(settings_);
    configuredGpsDevice_ = values.device;
    settings_.Save(store);
    store.WriteText(kSettingsSection, kGpsDeviceKey, configuredGpsDevice_);
    RebuildTrailPens();
    trail_.TrimTo(settings_.trailLength);
    update();
}
