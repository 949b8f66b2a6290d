#include "app/TracksDock.h"

#include "coords/CoordFormat.h"
#include "platform/MessageBox.h"
#include "session/MapSession.h"
#include "view/CoreText.h"
#include "view/MapView.h"

#include <QColorDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPixmap>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace {

QColor ColourOf(std::uint32_t rgb) {
    return QColor(static_cast<int>(rgb >> 16 & 0xFF), static_cast<int>(rgb >> 8 & 0xFF),
                  static_cast<int>(rgb & 0xFF));
}

QIcon Swatch(std::uint32_t rgb) {
    QPixmap pixmap(14, 14);
    pixmap.fill(ColourOf(rgb));
    return QIcon(pixmap);
}

QString Duration(double seconds) {
    const auto whole = static_cast<long long>(seconds + 0.5);
    return QString::asprintf("%lld:%02lld:%02lld", whole / 3600, whole / 60 % 60, whole % 60);
}

} // namespace

TracksDock::TracksDock(view::MapView& view, QWidget* parent)
    : QDockWidget(tr("Tracks"), parent), view_(view) {
    setObjectName("tracks");
    auto* body = new QWidget(this);
    auto* layout = new QVBoxLayout(body);
    list_ = new QTreeWidget(body);
    list_->setColumnCount(3);
    list_->setHeaderLabels({tr("Track"), tr("Length"), tr("Moving")});
    list_->setRootIsDecorated(false);
    list_->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    layout->addWidget(list_, 1);
    auto* buttons = new QHBoxLayout;
    zoom_ = new QPushButton(tr("Zoom To"), body);
    colour_ = new QPushButton(tr("Colour..."), body);
    remove_ = new QPushButton(tr("Remove"), body);
    statistics_ = new QPushButton(tr("Statistics..."), body);
    for (QPushButton* button : {zoom_, colour_, remove_, statistics_})
        buttons->addWidget(button);
    layout->addLayout(buttons);
    setWidget(body);
    connect(zoom_, &QPushButton::clicked, this, &TracksDock::ZoomToSelected);
    connect(colour_, &QPushButton::clicked, this, &TracksDock::RecolourSelected);
    connect(remove_, &QPushButton::clicked, this, &TracksDock::RemoveSelected);
    connect(statistics_, &QPushButton::clicked, this, &TracksDock::ShowStatistics);
    connect(list_, &QTreeWidget::itemDoubleClicked, this, &TracksDock::ZoomToSelected);
    connect(list_, &QTreeWidget::itemSelectionChanged, this, [this] {
        if (!refreshing_)
            emit SelectionChanged();
    });
    connect(list_, &QTreeWidget::itemChanged, this, [this](QTreeWidgetItem* item, int column) {
        if (refreshing_ || column != 0)
            return;
        const auto index = static_cast<std::size_t>(list_->indexOfTopLevelItem(item));
        const bool shown = item->checkState(0) == Qt::Checked;
        view_.Change([index, shown](session::MapSession& session) {
            session.Tracks().SetShown(index, shown);
            return session::Changes(session::Changed::Trail);
        });
        emit TracksChanged();
    });
    Refresh();
}

void TracksDock::Refresh() {
    refreshing_ = true;
    const std::optional<std::size_t> selected = Selected();
    const auto& tracks = view_.Session().Tracks().All();
    while (list_->topLevelItemCount() > static_cast<int>(tracks.size()))
        delete list_->takeTopLevelItem(list_->topLevelItemCount() - 1);
    for (std::size_t i = 0; i < tracks.size(); ++i) {
        QTreeWidgetItem* item = list_->topLevelItem(static_cast<int>(i));
        if (item == nullptr)
            item = new QTreeWidgetItem(list_);
        const trail::LoadedTrack& t = tracks[i];
        item->setText(0, QString::fromStdString(t.name));
        item->setToolTip(0, QString::fromStdString(t.path));
        item->setIcon(0, Swatch(t.colour));
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(0, t.shown ? Qt::Checked : Qt::Unchecked);
        item->setText(1, QString::fromStdString(
                             coords::FormatFixed(t.statistics.lengthM / 1000.0, 2) + " km"));
        item->setText(2, Duration(t.statistics.movingSeconds));
    }
    if (selected && *selected < tracks.size())
        list_->setCurrentItem(list_->topLevelItem(static_cast<int>(*selected)));
    refreshing_ = false;
    const bool any = !tracks.empty();
    for (QPushButton* button : {zoom_, colour_, remove_, statistics_})
        button->setEnabled(any);
}

std::optional<std::size_t> TracksDock::Selected() const {
    QTreeWidgetItem* item = list_->currentItem();
    if (item == nullptr)
        return list_->topLevelItemCount() == 1 ? std::optional<std::size_t>(0) : std::nullopt;
    return static_cast<std::size_t>(list_->indexOfTopLevelItem(item));
}

void TracksDock::Select(std::size_t index) {
    if (QTreeWidgetItem* item = list_->topLevelItem(static_cast<int>(index)))
        list_->setCurrentItem(item);
}

void TracksDock::ZoomToSelected() {
    const std::optional<std::size_t> index = Selected();
    const auto& tracks = view_.Session().Tracks().All();
    const map::MapGeoreference& georeference = view_.Session().Georeference();
    if (!index || *index >= tracks.size() || !georeference.HasTransform())
        return;
    const std::optional<trail::GeoBounds> bounds = trail::BoundsOf(tracks[*index].track);
    if (!bounds)
        return;
    // The image rectangle round the four corners: a map's grid need not run north.
    double left = INFINITY, top = INFINITY, right = -INFINITY, bottom = -INFINITY;
    for (const MapPos& corner :
         {bounds->southWest, bounds->northEast, MapPos(bounds->southWest.x, bounds->northEast.y),
          MapPos(bounds->northEast.x, bounds->southWest.y)}) {
        const MapPos p = georeference.ToPixel(corner);
        if (!std::isfinite(p.x) || !std::isfinite(p.y))
            return;
        left = std::min(left, p.x);
        right = std::max(right, p.x);
        top = std::min(top, p.y);
        bottom = std::max(bottom, p.y);
    }
    const view::ViewGeometry& g = view_.Geometry();
    // A tenth of the view spare round the track.
    const double zoom = 0.9 * std::min(g.ClientWidth() / std::max(right - left, 1.0),
                                       g.ClientHeight() / std::max(bottom - top, 1.0));
    view_.SetZoom(zoom);
    view_.CentreOn(MapPos((left + right) / 2, (top + bottom) / 2));
    emit ViewMoved();
}

void TracksDock::RecolourSelected() {
    const std::optional<std::size_t> index = Selected();
    if (!index || *index >= view_.Session().Tracks().Size())
        return;
    const QColor chosen = QColorDialog::getColor(
        ColourOf(view_.Session().Tracks().All()[*index].colour), this, tr("Track Colour"));
    if (!chosen.isValid())
        return;
    const auto rgb = static_cast<std::uint32_t>(chosen.rgb() & 0xFFFFFF);
    view_.Change([index, rgb](session::MapSession& session) {
        session.Tracks().SetColour(*index, rgb);
        return session::Changes(session::Changed::Trail);
    });
    Refresh();
    emit TracksChanged();
}

void TracksDock::RemoveSelected() {
    const std::optional<std::size_t> index = Selected();
    if (!index)
        return;
    view_.Change([index](session::MapSession& session) {
        session.Tracks().Remove(*index);
        return session::Changes(session::Changed::Trail);
    });
    Refresh();
    emit TracksChanged();
}

void TracksDock::ShowStatistics() {
    const std::optional<std::size_t> index = Selected();
    const auto& tracks = view_.Session().Tracks().All();
    if (!index || *index >= tracks.size())
        return;
    const trail::LoadedTrack& t = tracks[*index];
    const trail::TrailStatistics& s = t.statistics;
    const QString text =
        view::CoreText(session::StatisticsText(s)) + '\n' +
        tr("Ascent: %1 m").arg(QString::fromStdString(coords::FormatFixed(s.ascentM, 0))) + '\n' +
        tr("Descent: %1 m").arg(QString::fromStdString(coords::FormatFixed(s.descentM, 0)));
    platform::ShowMessage(this, text, QString::fromStdString(t.name),
                          platform::MessageIcon::Information);
}
