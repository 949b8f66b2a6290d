#include "view/MapCommands.h"

#include "base/Number.h"
#include "base/Translatable.h"
#include "calib/CalibrationPointsDlg.h"
#include "calib/FitCheck.h"
#include "calib/FitReport.h"
#include "calib/MapSettingsDlg.h"
#include "coords/CoordFormat.h"
#include "coords/EnterCoordsDlg.h"
#include "gps/GpsUpdateFold.h"
#include "platform/MessageBox.h"
#include "points/EditMapPointsDlg.h"
#include "points/NewMapPoint.h"
#include "session/LastSession.h"
#include "view/CoreText.h"
#include "view/GpsSettingsSheet.h"
#include "view/GridEntry.h"
#include "view/GridOverlay.h"
#include "view/MapView.h"

#include <QCoreApplication>
#include <QMenu>
#include <QTimer>

namespace view {

using session::Changed;
using session::Changes;

namespace {

// The calibration points are marked on the map for as long as one of these lives.
class CalibrationMarksShown {
public:
    explicit CalibrationMarksShown(MapView& view) : view_(view) { Count(1); }
    ~CalibrationMarksShown() { Count(-1); }
    CalibrationMarksShown(const CalibrationMarksShown&) = delete;
    CalibrationMarksShown& operator=(const CalibrationMarksShown&) = delete;

private:
    void Count(int step) {
        OverlayChoice overlays = view_.Overlays();
        overlays.calibrationMarks += step;
        view_.SetOverlays(std::move(overlays));
    }

    MapView& view_;
};

// Which point of those kept the next entry makes; with all held, the oldest gives way.
QString NextPointNote(std::size_t pointsHeld, int keep) {
    const auto kept = static_cast<std::size_t>(keep);
    if (pointsHeld >= kept)
        return QObject::tr("Point %1 of %1: point 1 will be dropped.").arg(kept);
    return QObject::tr("Point %1 of %2").arg(pointsHeld + 1).arg(kept);
}

// A dialog's title: its menu item's text without the dots.
QString MenuTitle(const char* text) {
    return QCoreApplication::translate("Menu", (std::string(text) + "...").c_str()).remove("...");
}

} // namespace

MapCommands::MapCommands(MapView& view, SettingsStore& store, coords::CoordFormat& entryFormat,
                         QObject* parent)
    : QObject(parent), view_(view), session_(view.Session()), store_(store),
      entryFormat_(entryFormat) {
    contextMenu_ = new QMenu("Context", &view);
    connect(&view, &MapView::ContextMenuRequested, this, &MapCommands::ShowContextMenu);
}

session::Outcome
MapCommands::Edit(const std::function<session::Outcome(session::MapSession&)>& call) {
    session::Outcome outcome;
    view_.Change([&](session::MapSession& session) {
        outcome = call(session);
        return outcome.changes;
    });
    return outcome;
}

void MapCommands::Tell(const session::Notice& notice) {
    platform::ShowMessage(&view_, CoreText(notice.text), CoreText(notice.caption),
                          notice.kind == session::Notice::Kind::Warning
                              ? platform::MessageIcon::Warning
                              : platform::MessageIcon::Error);
}

void MapCommands::Tell(const std::optional<session::Notice>& notice) {
    if (notice)
        Tell(*notice);
}

void MapCommands::Tell(const std::vector<session::Notice>& notices) {
    for (const session::Notice& notice : notices)
        Tell(notice);
}

bool MapCommands::Ready(const QString& title, bool needsSelection, bool needsTransform) {
    // Its dialog would outlive the map it was opened for.
    if (view_.Loading().Active())
        return false;
    if (needsSelection && !session_.Selection()) {
        platform::ShowMessage(&view_, tr("Tap the point on the map first."), title,
                              platform::MessageIcon::Information);
        return false;
    }
    if (needsTransform && !session_.Georeference().HasTransform()) {
        platform::ShowMessage(&view_, tr("This map is not calibrated."), title,
                              platform::MessageIcon::Information);
        return false;
    }
    return true;
}

void MapCommands::OnEnterCalibrationPoint() {
    if (!Ready(MenuTitle("Enter Calibration Point"), true, false))
        return;
    const MapView::MapDialogOpen open(view_);
    coords::EnterCoordsDlg dialog(entryFormat_, &view_);
    dialog.SetPrompt(
        tr("Enter Selection Coordinates:") + '\n' +
        NextPointNote(session_.Document().Grid().points.size(), session_.Document().Grid().keep));
    if (session_.GpsFix().hasFix)
        dialog.SetGpsPosition(session_.GpsFix().position);
    // Typed as printed on the sheet: on its datum, or in its named grid.
    const map::GridSettings& grid = session_.Document().Grid();
    dialog.SetDatum(QString::fromStdString(grid.datum));
    if (grid.model.kind == map::GridKind::Named)
        dialog.SetGridCrs(QString::fromStdString(grid.model.crs));
    if (dialog.exec() != QDialog::Accepted || !dialog.HasResult())
        return;
    Tell(Edit([&](session::MapSession& session) {
             session::Outcome outcome;
             // Another datum chosen in the entry is the map's from now on.
             if (const std::string datum = DatumKey(dialog.Datum()); datum != grid.datum) {
                 map::GridSettings settings = grid;
                 settings.datum = datum;
                 outcome = session.EditDocument([&settings](session::MapDocument& document) {
                     return document.Recalibrate(settings);
                 });
             }
             if (outcome.notices.empty()) {
                 const session::Outcome added = session.AddCalibrationPoint(dialog.GetResult());
                 outcome.changes |= added.changes;
                 outcome.notices = added.notices;
             }
             return outcome;
         }).notices);
}

void MapCommands::OnMapSettings() {
    if (!Ready(tr("Map Settings"), false, false))
        return;
    const MapView::MapDialogOpen open(view_);
    const CalibrationMarksShown marks(view_);
    calib::MapSettingsDlg dialog(session_.Document().Calibration(), &view_);
    if (view_.Geometry().ImageWidth() > 0)
        dialog.SetMapInfo(view_.MapPath(), view_.Geometry().ImageWidth(),
                          view_.Geometry().ImageHeight());
    dialog.SetGrid(ToGridEntry(session_.Document().Grid()), DatumLabels(), map::kMinKeptPoints,
                   map::kMaxKeptPoints);
    QStringList colours;
    for (const GridOverlay::Colour& colour : GridOverlay::kColours)
        colours << CoreText(colour.name);
    dialog.SetOverlayColours(colours, session::ReadGridOverlayColour(store_));
    if (dialog.exec() != QDialog::Accepted)
        return;
    session::WriteGridOverlayColour(store_, dialog.GetOverlayColour());
    OverlayChoice overlays = view_.Overlays();
    overlays.gridColour = dialog.GetOverlayColour();
    view_.SetOverlays(std::move(overlays));
    const double magVar = dialog.GetSignedMagVar();
    Tell(Edit([&](session::MapSession& session) {
             session::Outcome outcome = session.EditDocument(
                 [magVar](session::MapDocument& document) { return document.SetMagVar(magVar); });
             // A grid that cannot be taken leaves the map as it was, with the reason.
             std::string why;
             const std::optional<map::GridSettings> grid =
                 FromGridEntry(dialog.GetGrid(), session.Document().Grid(), &why);
             if (!grid) {
                 outcome.notices.push_back({session::Notice::Kind::Error,
                                            session.Document().GridPath() + ": " + why,
                                            QUILO_TRANSLATABLE("core", "Calibration Error")});
             } else if (*grid != session.Document().Grid()) {
                 const session::Outcome regrid =
                     session.EditDocument([&grid](session::MapDocument& document) {
                         return document.Recalibrate(*grid);
                     });
                 outcome.changes |= regrid.changes;
                 outcome.notices.insert(outcome.notices.end(), regrid.notices.begin(),
                                        regrid.notices.end());
             }
             return outcome;
         }).notices);
}

void MapCommands::OnCalibrationPoints() {
    if (!Ready(MenuTitle("Calibration Points"), false, false))
        return;
    const MapView::MapDialogOpen open(view_);
    const CalibrationMarksShown marks(view_);
    calib::CalibrationPointsDlg dialog(&view_);
    dialog.SetPositionText([this](const MapPos& geo) {
        return QString::fromStdString(coords::FormatPosition(geo, session_.CoordFormat()));
    });
    // The marks follow the pairs.
    const auto refresh = [this, &dialog](
                             const std::function<session::Outcome(session::MapDocument&)>& edit) {
        Tell(Edit([&edit](session::MapSession& session) {
                 session::Outcome outcome = session.EditDocument(edit);
                 outcome.changes |= Changed::Calibration;
                 return outcome;
             }).notices);
        const session::MapDocument& document = session_.Document();
        const map::FitReport report =
            map::ReportFit(document.Georeference(), document.Grid().model, document.Grid().points);
        dialog.SetPairs(report.points, document.CanUndo(),
                        QString::fromStdString(map::DescribeFit(report)));
    };
    connect(&dialog, &calib::CalibrationPointsDlg::DeleteRequested, this, [&refresh](int pair) {
        refresh([pair](session::MapDocument& document) {
            return document.RemoveCalibrationPair(static_cast<std::size_t>(pair));
        });
    });
    connect(&dialog, &calib::CalibrationPointsDlg::UndoRequested, this, [&refresh] {
        refresh([](session::MapDocument& document) { return document.Undo(); });
    });
    refresh([](session::MapDocument&) { return session::Outcome{}; });
    dialog.exec();
}

void MapCommands::OnCheckPosition() {
    const QString title = MenuTitle("Check Position");
    if (!Ready(title, true, true))
        return;
    const MapView::MapDialogOpen open(view_);
    coords::EnterCoordsDlg dialog(entryFormat_, &view_);
    dialog.SetPrompt(tr("Enter the true position of the selection:"));
    dialog.SetInitialPosition(session_.Georeference().ToGeo(*session_.Selection()));
    if (session_.GpsFix().hasFix)
        dialog.SetGpsPosition(session_.GpsFix().position);
    if (dialog.exec() != QDialog::Accepted || !dialog.HasResult())
        return;
    // Measured from where the map's model, whichever it is, puts the selection.
    const calib::RangeBearing miss = session_.Document().Calibration().RangeAndBearing(
        session_.Georeference().ToGeo(*session_.Selection()), dialog.GetResult());
    const QString text = tr("The position entered lies %1 m at %2° (true) from where the map "
                            "puts the selection.")
                             .arg(QString::fromStdString(base::FormatFixed(miss.distance, 1)),
                                  QString::fromStdString(base::FormatFixed(miss.trueBearing, 0)));
    platform::ShowMessage(&view_, text, title, platform::MessageIcon::Information);
}

bool MapCommands::OnGoToPosition() {
    if (!Ready(MenuTitle("Go to Position"), false, true))
        return false;
    const MapView::MapDialogOpen open(view_);
    coords::EnterCoordsDlg dialog(entryFormat_, &view_);
    dialog.SetPrompt(tr("Go to Position:"));
    if (const std::optional<MapPos>& selection = session_.Selection())
        dialog.SetInitialPosition(session_.Georeference().ToGeo(*selection));
    if (session_.GpsFix().hasFix)
        dialog.SetGpsPosition(session_.GpsFix().position);
    if (dialog.exec() != QDialog::Accepted || !dialog.HasResult())
        return false;
    const MapPos pixel = session_.Georeference().ToPixel(dialog.GetResult());
    view_.SetSelection(pixel);
    view_.CentreOn(pixel);
    return true;
}

void MapCommands::OnNewPointAtCursor() {
    if (view_.Loading().Active() || !session_.Selection())
        return; // the context menu offers it only with a selection and no load
    Tell(Edit([](session::MapSession& session) {
             return session.NewPoint(session::NewPointAt::Cursor, points::CurrentLocalDateTime());
         }).notices);
    OnEditPoints();
}

void MapCommands::OnStorePosition() {
    if (!Ready(MenuTitle("Store Position"), false, false))
        return;
    const session::Outcome stored = Edit([](session::MapSession& session) {
        return session.NewPoint(session::NewPointAt::Gps, points::CurrentLocalDateTime());
    });
    if (!stored.changes.Has(Changed::Points))
        return;
    Tell(stored.notices);
    OnEditPoints();
}

void MapCommands::OnEditPoints() {
    if (!Ready(MenuTitle("Edit Points"), false, false))
        return;
    const MapView::MapDialogOpen open(view_);
    // The list edits the points in place (no other map's replace them while it is open); only
    // a change writes the file, which sets a damaged one aside first.
    points::EditPointsOutcome outcome;
    view_.Change([&](session::MapSession& session) {
        session.EditDocument([&](session::MapDocument& document) {
            document.EditPoints([&](points::MapPointList& list) {
                outcome = points::RunEditMapPoints(&view_, list, entryFormat_, [this, &document] {
                    const std::optional<session::Notice> notice = document.SavePoints();
                    Tell(notice);
                    return !notice;
                });
            });
            return session::Outcome{Changed::Points, {}};
        });
        // The frame's Map Points check marks stay as they were: only the view shows points now.
        if (outcome.result == points::EditMapPointsDlg::kShowResult)
            session.RevealMapPoints();
        if (outcome.result != points::EditMapPointsDlg::kGoToResult)
            return Changes(Changed::Points);
        const gps::GpsFix& fix = session.GpsFix();
        session.Live().StartGoTo(outcome.showName, outcome.showPosition,
                                 fix.hasFix ? std::optional<MapPos>(fix.position) : std::nullopt);
        return Changed::Points | Changed::Details;
    });
    if (outcome.result == points::EditMapPointsDlg::kShowResult)
        view_.CentreOn(session_.Georeference().ToPixel(outcome.showPosition));
}

bool MapCommands::SaveTrail(const QString& path) {
    const auto notice = session::SaveTrail(session_.Recording(), path.toStdString());
    Tell(notice);
    // A warning tells what the saved file leaves out; the file was written.
    return !notice || notice->kind == session::Notice::Kind::Warning;
}

bool MapCommands::LoadTrail(const QString& path) {
    const session::Outcome outcome = Edit(
        [&path](session::MapSession& session) { return session.LoadTrail(path.toStdString()); });
    Tell(outcome.notices);
    return outcome.notices.empty();
}

void MapCommands::OnClearTrail() {
    view_.Change([](session::MapSession& session) { return session.ClearTrail(); });
}

void MapCommands::OnTrailStatistics() {
    platform::ShowMessage(&view_, CoreText(session::TrailStatisticsText(session_.Recording())),
                          MenuTitle("Trail Statistics"), platform::MessageIcon::Information);
}

void MapCommands::OpenJournal(const std::string& path) {
    const session::Outcome outcome =
        Edit([&path](session::MapSession& session) { return session.OpenJournal(path); });
    for (const session::Notice& notice : outcome.notices)
        QTimer::singleShot(0, this, [this, told = notice] { Tell(told); });
}

void MapCommands::OnGpsSettings() {
    // The sheet's result is not looked at: its values are applied however it closes.
    const GpsSettingsValues values = RunGpsSettingsSheet(
        &view_, GpsSettingsValues::From(session_.Settings(), session_.GpsSource().configured));
    ViewSettings settings = session_.Settings();
    values.ApplyTo(settings);
    view_.Change([&](session::MapSession& session) {
        session.ApplySettings(settings, values.device, store_);
        // The trail is trimmed to its new length and drawn with its new colour and size.
        return Changes(Changed::Trail);
    });
}

void MapCommands::ShowStatusNote(const std::string& text, std::uint32_t holdMs) {
    view_.Change([&](session::MapSession& session) {
        return session.ShowStatusNote(text, gps::TickCountMs(), holdMs);
    });
}

void MapCommands::ShowContextMenu(QPoint at) {
    // Before it shows: its items' enabled states follow the press point.
    contextPosition_ = view_.PositionAt(at);
    // Right edge at the press point, top at its row, as the handheld placed it.
    const QSize size = contextMenu_->sizeHint();
    contextMenu_->popup(view_.mapToGlobal(QPoint(at.x() - size.width(), at.y())));
}

} // namespace view
