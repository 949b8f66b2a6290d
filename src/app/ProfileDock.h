#pragma once

#include "trail/Profile.h"

#include <QDockWidget>
#include <QPoint>

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class QComboBox;

namespace terrain {
class DemFolder;
}
namespace view {
class MapView;
class ProfilePlot;
} // namespace view

// The Profile dock: heights and speeds against distance or time for the live recording or an
// open track. Its cursor puts a marker on the map at that point of the track, and a tap on the
// track on the map moves the cursor there. It follows the view's session; the recording's
// profile grows with each fix recorded.
class ProfileDock : public QDockWidget {
    Q_OBJECT

public:
    explicit ProfileDock(view::MapView& view, QWidget* parent = nullptr);

    // What the profile shows: the live recording, or the open track at index.
    void ShowRecording();
    void ShowTrack(std::size_t index);
    [[nodiscard]] std::optional<std::size_t> ShownTrack() const { return track_; }
    void SetAxis(trail::ProfileAxis axis);
    [[nodiscard]] trail::ProfileAxis Axis() const { return series_.Axis(); }

    // Terrain heights beside the receiver's, and the names of the tiles missing at the places
    // given (one place for each stretch without heights); unset: none shown.
    using MissingTiles = std::function<std::vector<std::string>(const std::vector<MapPos>&)>;
    void SetDem(trail::DemHeights heights, MissingTiles missing);
    // Takes the session's DEM folder when it is another than the one the profile asks.
    void FollowDem();

    [[nodiscard]] const trail::ProfileSeries& Series() const { return series_; }
    [[nodiscard]] view::ProfilePlot& Plot() { return *plot_; }

    // A tap at view pixel at of the map: the cursor goes to the profile's point nearest to it
    // when one lies within a few pixels; true when it went.
    bool CursorFromMap(QPoint at);

signals:
    // The user chose another axis.
    void AxisChosen(trail::ProfileAxis axis);
    // The recording or a track was chosen to be shown.
    void SourceChosen();

private:
    // The series built afresh from what is shown.
    void Rebuild();
    // The session changed: the recording's profile takes its new fixes, a track's follows it.
    void OnTrailChanged();
    void FillSources();
    void NameMissingTiles();
    void PlaceMarker(std::optional<std::size_t> sample);

    view::MapView& view_;
    QComboBox* source_ = nullptr;
    QComboBox* axis_ = nullptr;
    view::ProfilePlot* plot_ = nullptr;
    trail::ProfileSeries series_;
    trail::DemHeights dem_;
    MissingTiles missing_;
    std::shared_ptr<terrain::DemFolder> demFolder_; // what dem_ and missing_ ask
    std::optional<std::size_t> track_;              // none: the recording
    std::uint64_t tracksVersion_ = 0;               // of the track set the series was built from
    bool filling_ = false;
};
