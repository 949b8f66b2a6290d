#include "app/ProfileDock.h"

#include "geo/RangeBearing.h"
#include "session/MapSession.h"
#include "terrain/DemFolder.h"
#include "terrain/TrackHeights.h"
#include "trail/TrackSet.h"
#include "view/MapView.h"
#include "view/ProfilePlot.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace {

// How far from the track a tap on the map still finds it.
constexpr int kTapRadius = 12;

} // namespace

ProfileDock::ProfileDock(view::MapView& view, QWidget* parent)
    : QDockWidget(tr("Profile"), parent), view_(view) {
    setObjectName("profile");
    auto* body = new QWidget(this);
    auto* layout = new QVBoxLayout(body);
    auto* choices = new QHBoxLayout;
    source_ = new QComboBox(body);
    axis_ = new QComboBox(body);
    axis_->addItem(tr("Distance"));
    axis_->addItem(tr("Time"));
    choices->addWidget(new QLabel(tr("Show:"), body));
    choices->addWidget(source_, 1);
    choices->addWidget(new QLabel(tr("Against:"), body));
    choices->addWidget(axis_);
    layout->addLayout(choices);
    plot_ = new view::ProfilePlot(body);
    layout->addWidget(plot_, 1);
    setWidget(body);
    plot_->SetSeries(&series_);
    FillSources();
    Rebuild();
    connect(source_, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (filling_)
            return;
        if (index <= 0)
            ShowRecording();
        else
            ShowTrack(static_cast<std::size_t>(index - 1));
    });
    connect(axis_, &QComboBox::currentIndexChanged, this, [this](int index) {
        const auto axis = index == 1 ? trail::ProfileAxis::Time : trail::ProfileAxis::Distance;
        if (axis == series_.Axis())
            return;
        SetAxis(axis);
        emit AxisChosen(axis);
    });
    connect(plot_, &view::ProfilePlot::CursorMoved, this,
            [this](std::size_t sample) { PlaceMarker(sample); });
    connect(&view_, &view::MapView::TrailChanged, this, &ProfileDock::OnTrailChanged);
    connect(&view_, &view::MapView::Tapped, this, [this](QPoint at) {
        // While the ruler is on, taps are its points.
        if (isVisible() && !view_.Overlays().ruler)
            CursorFromMap(at);
    });
    connect(this, &QDockWidget::visibilityChanged, this, [this](bool visible) {
        if (visible) {
            FillSources();
            Rebuild();
        } else if (isHidden()) {
            plot_->SetCursor(std::nullopt);
            PlaceMarker(std::nullopt);
        }
    });
}

void ProfileDock::ShowRecording() {
    track_.reset();
    FillSources();
    Rebuild();
    emit SourceChosen();
}

void ProfileDock::ShowTrack(std::size_t index) {
    if (index >= view_.Session().Tracks().Size())
        return;
    track_ = index;
    FillSources();
    Rebuild();
    emit SourceChosen();
}

void ProfileDock::SetAxis(trail::ProfileAxis axis) {
    series_ = trail::ProfileSeries(axis, dem_);
    axis_->setCurrentIndex(axis == trail::ProfileAxis::Time ? 1 : 0);
    Rebuild();
}

void ProfileDock::SetDem(trail::DemHeights heights, MissingTiles missing) {
    dem_ = std::move(heights);
    missing_ = std::move(missing);
    Rebuild();
}

void ProfileDock::FollowDem() {
    std::shared_ptr<terrain::DemFolder> dem = view_.Session().Dem();
    if (dem == demFolder_)
        return;
    demFolder_ = dem;
    if (!dem) {
        SetDem({}, {});
        return;
    }
    SetDem(
        [dem](double lat, double lon) -> std::optional<double> {
            const terrain::HeightResult h = dem->Height(lat, lon);
            return h.status == terrain::HeightResult::Status::Ok ? std::optional(h.metres)
                                                                 : std::nullopt;
        },
        [dem](const std::vector<MapPos>& places) {
            return terrain::HeightsAlongPath(*dem, places).missingTiles;
        });
}

void ProfileDock::Rebuild() {
    FollowDem();
    const session::MapSession& session = view_.Session();
    tracksVersion_ = session.Tracks().Version();
    if (track_ && *track_ >= session.Tracks().Size())
        track_.reset();
    series_ = trail::ProfileSeries(series_.Axis(), dem_);
    if (track_)
        series_.Follow(session.Tracks().All()[*track_].track);
    else
        series_.Follow(
            trail::TrailTrack(session.Recording().Trail(), session.Recording().RecentPoints()));
    plot_->SetSeries(&series_);
    PlaceMarker(std::nullopt);
    NameMissingTiles();
}

void ProfileDock::NameMissingTiles() {
    QStringList tiles;
    if (missing_)
        for (const std::string& name : missing_(series_.DemMissingPlaces()))
            tiles << QString::fromStdString(name);
    plot_->SetMissingTiles(tiles);
}

void ProfileDock::OnTrailChanged() {
    // Built afresh when shown again.
    if (isHidden())
        return;
    const session::MapSession& session = view_.Session();
    if (session.Tracks().Version() != tracksVersion_) {
        FillSources();
        // What the track set holds now: the shown track may be gone, or another at its place.
        Rebuild();
        return;
    }
    if (track_)
        return;
    const std::optional<std::size_t> cursor = plot_->Cursor();
    if (series_.Follow(
            trail::TrailTrack(session.Recording().Trail(), session.Recording().RecentPoints()))) {
        plot_->SeriesChanged();
        plot_->SetCursor(cursor);
    } else {
        plot_->SetSeries(&series_);
        PlaceMarker(std::nullopt);
    }
    if (series_.HasDem())
        NameMissingTiles();
}

void ProfileDock::FillSources() {
    filling_ = true;
    source_->clear();
    source_->addItem(tr("Recording"));
    for (const trail::LoadedTrack& t : view_.Session().Tracks().All())
        source_->addItem(QString::fromStdString(t.name));
    source_->setCurrentIndex(
        track_ && *track_ < view_.Session().Tracks().Size() ? static_cast<int>(*track_) + 1 : 0);
    filling_ = false;
}

void ProfileDock::PlaceMarker(std::optional<std::size_t> sample) {
    view::OverlayChoice overlays = view_.Overlays();
    const std::optional<MapPos> at = sample && *sample < series_.Samples().size()
                                         ? std::optional(series_.Samples()[*sample].position)
                                         : std::nullopt;
    if (overlays.profileMarker == at)
        return;
    overlays.profileMarker = at;
    view_.SetOverlays(std::move(overlays));
}

bool ProfileDock::CursorFromMap(QPoint at) {
    const std::optional<MapPos> geo = view_.PositionAt(at);
    std::optional<MapPos> aside = view_.PositionAt(at + QPoint(kTapRadius, 0));
    if (!aside)
        aside = view_.PositionAt(at - QPoint(kTapRadius, 0));
    if (!geo || !aside)
        return false;
    const double radius = calib::RangeAndBearing(*geo, *aside).distance;
    const std::optional<std::size_t> nearest = series_.NearestPlace(*geo, radius);
    if (!nearest)
        return false;
    plot_->SetCursor(nearest);
    PlaceMarker(nearest);
    return true;
}
