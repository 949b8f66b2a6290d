// The Map menu's calibration commands and the GPS Settings sheet, as the map view runs them.
#include "base/Number.h"
#include "calib/CalibrationPointsDlg.h"
#include "calib/FitCheck.h"
#include "calib/MapSettingsDlg.h"
#include "coords/EnterCoordsDlg.h"
#include "platform/MessageBox.h"
#include "view/GpsSettingsSheet.h"
#include "view/MapView.h"

// The calibration points are marked on the map for as long as one of these lives.
class CalibrationMarksShown {
public:
    explicit CalibrationMarksShown(MapView& view) : view_(view) {
        ++view_.calibrationMarks_;
        view_.update();
    }
    ~CalibrationMarksShown() {
        --view_.calibrationMarks_;
        view_.update();
    }
    CalibrationMarksShown(const CalibrationMarksShown&) = delete;
    CalibrationMarksShown& operator=(const CalibrationMarksShown&) = delete;

private:
    MapView& view_;
};

namespace {

// Which point of three the next entry makes; with three held, the oldest gives way.
QString NextPointNote(std::size_t pairsHeld) {
    if (pairsHeld >= 3)
        return QStringLiteral("Point 3 of 3: point 1 will be dropped.");
    return QStringLiteral("Point %1 of 3").arg(pairsHeld + 1);
}

} // namespace

bool MapView::MapCommandReady(const QString& title, bool needsSelection, bool needsTransform) {
    // Its dialog would outlive the map it was opened for.
    if (mapLoading_)
        return false;
    if (needsSelection && !session_.Selection()) {
        platform::ShowMessage(this, QStringLiteral("Tap the point on the map first."), title,
                              platform::MessageIcon::Information);
        return false;
    }
    if (needsTransform && !session_.Document().Calibration().HasTransform()) {
        platform::ShowMessage(this, QStringLiteral("This map is not calibrated."), title,
                              platform::MessageIcon::Information);
        return false;
    }
    return true;
}

void MapView::OnEnterCalibrationPoint() {
    if (!MapCommandReady(QStringLiteral("Enter Calibration Point"), true, false))
        return;
    const MapDialogOpen open(*this);
    coords::EnterCoordsDlg dialog(entryFormat_, this);
    dialog.SetPrompt(
        QStringLiteral("Enter Selection Coordinates:") + '\n' +
        NextPointNote(session_.Document().Calibration().GetCalibrationPoints().size() / 2));
    if (session_.GpsFix().hasFix)
        dialog.SetGpsPosition(session_.GpsFix().position);
    if (dialog.exec() != QDialog::Accepted || !dialog.HasResult())
        return;
    const session::Outcome outcome = session_.AddCalibrationPoint(dialog.GetResult());
    Tell(outcome.notices);
    if (outcome.changes.Has(session::Changed::CursorLine))
        CursorTextChanged();
    update();
}

void MapView::OnMapSettings() {
    if (!MapCommandReady(QStringLiteral("Map Settings"), false, false))
        return;
    const MapDialogOpen open(*this);
    const CalibrationMarksShown marks(*this);
    calib::MapSettingsDlg dialog(session_.Document().Calibration(), this);
    if (!map_.Empty())
        dialog.SetMapInfo(mapImagePath_, map_.Width(), map_.Height());
    if (dialog.exec() != QDialog::Accepted)
        return;
    const double magVar = dialog.GetSignedMagVar();
    const session::Outcome outcome = session_.EditDocument(
        [magVar](session::MapDocument& document) { return document.SetMagVar(magVar); });
    Tell(outcome.notices);
    if (outcome.changes.Has(session::Changed::CursorLine))
        CursorTextChanged();
}

void MapView::OnCalibrationPoints() {
    if (!MapCommandReady(QStringLiteral("Calibration Points"), false, false))
        return;
    const MapDialogOpen open(*this);
    const CalibrationMarksShown marks(*this);
    calib::CalibrationPointsDlg dialog(this);
    const auto refresh = [this, &dialog](const session::Outcome& outcome) {
        Tell(outcome.notices);
        if (outcome.changes.Has(session::Changed::CursorLine))
            CursorTextChanged();
        dialog.SetPairs(
            calib::CheckPairs(session_.Document().Calibration(), session_.Georeference().ImageHeight()),
            session_.Document().CanUndo());
        update();
    };
    connect(&dialog, &calib::CalibrationPointsDlg::DeleteRequested, this,
            [this, &refresh](int pair) {
                refresh(session_.EditDocument([pair](session::MapDocument& document) {
                    return document.RemoveCalibrationPair(static_cast<std::size_t>(pair));
                }));
            });
    connect(&dialog, &calib::CalibrationPointsDlg::UndoRequested, this, [this, &refresh] {
        refresh(
            session_.EditDocument([](session::MapDocument& document) { return document.Undo(); }));
    });
    refresh({});
    dialog.exec();
}

void MapView::OnCheckPosition() {
    const QString title = QStringLiteral("Check Position");
    if (!MapCommandReady(title, true, true))
        return;
    const MapDialogOpen open(*this);
    coords::EnterCoordsDlg dialog(entryFormat_, this);
    dialog.SetPrompt(QStringLiteral("Enter the true position of the selection:"));
    dialog.SetInitialPosition(session_.Georeference().ToGeo(*session_.Selection()));
    if (session_.GpsFix().hasFix)
        dialog.SetGpsPosition(session_.GpsFix().position);
    if (dialog.exec() != QDialog::Accepted || !dialog.HasResult())
        return;
    const std::optional<calib::RangeBearing> miss =
        calib::CheckPosition(session_.Document().Calibration(), *session_.Selection(),
                             session_.Georeference().ImageHeight(), dialog.GetResult());
    if (!miss)
        return; // the map cannot change while the dialog is open
    const QString text = QStringLiteral("The position entered lies %1 m at %2° (true) from "
                                        "where the map puts the selection.")
                             .arg(QString::fromStdString(base::FormatFixed(miss->distance, 1)),
                                  QString::fromStdString(base::FormatFixed(miss->trueBearing, 0)));
    platform::ShowMessage(this, text, title, platform::MessageIcon::Information);
}

bool MapView::OnGoToPosition() {
    if (!MapCommandReady(QStringLiteral("Go to Position"), false, true))
        return false;
    const MapDialogOpen open(*this);
    coords::EnterCoordsDlg dialog(entryFormat_, this);
    dialog.SetPrompt(QStringLiteral("Go to Position:"));
    if (const std::optional<MapPos>& selection = session_.Selection())
        dialog.SetInitialPosition(session_.Georeference().ToGeo(*selection));
    if (session_.GpsFix().hasFix)
        dialog.SetGpsPosition(session_.GpsFix().position);
    if (dialog.exec() != QDialog::Accepted || !dialog.HasResult())
        return false;
    const MapPos pixel = session_.Georeference().ToPixel(dialog.GetResult());
    SetSelection(pixel);
    CentreOn(pixel);
    return true;
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
