// The Map menu's calibration commands and the GPS Settings sheet, as the map view runs them.
#include "calib/MapSettingsDlg.h"
#include "coords/EnterCoordsDlg.h"
#include "view/GpsSettingsSheet.h"
#include "view/MapView.h"

void MapView::OnEnterCalibrationPoint() {
    coords::EnterCoordsDlg dialog(this);
    dialog.SetPrompt(QStringLiteral("Enter Selection Coordinates:"));
    if (session_.GpsFix().hasFix)
        dialog.SetGpsPosition(session_.GpsFix().position);
    if (dialog.exec() != QDialog::Accepted || !dialog.HasResult())
        return;
    const std::string before = session_.CursorText();
    for (const session::Notice& notice : session_.AddCalibrationPoint(dialog.GetResult()))
        Tell(notice);
    if (session_.CursorText() != before)
        CursorTextChanged();
    update();
}

void MapView::OnMapSettings() {
    calib::MapSettingsDlg dialog(session_.Calibration(), this);
    if (!map_.Empty())
        dialog.SetMapInfo(mapImagePath_, map_.Width(), map_.Height());
    if (dialog.exec() != QDialog::Accepted)
        return;
    const std::string before = session_.CursorText();
    Tell(session_.SetMagVar(dialog.GetSignedMagVar()));
    if (session_.CursorText() != before)
        CursorTextChanged();
}

void MapView::OnGpsSettings(SettingsStore& store) {
    // The sheet's result is not looked at: its values are applied however it closes.
    const GpsSettingsValues values = RunGpsSettingsSheet(
        this, GpsSettingsValues::From(session_.Settings(), session_.ConfiguredGpsDevice()));
    ViewSettings settings = session_.Settings();
    values.ApplyTo(settings);
    session_.ApplySettings(settings, values.device, store);
    trailPens_.Rebuild(settings.trailColour, settings.trailSize);
    pensOutdated_ = false;
    update();
}
