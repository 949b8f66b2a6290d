#pragma once

#include <QDockWidget>

#include <optional>

class QPushButton;
class QTreeWidget;

namespace view {
class MapView;
}

// The Tracks list: a dock beside the map with every open track, its colour, whether it shows,
// its length and moving time, and buttons to zoom to it, recolour it, remove it and read its
// statistics. It shows the view's session; every change goes through the view.
class TracksDock : public QDockWidget {
    Q_OBJECT

public:
    explicit TracksDock(view::MapView& view, QWidget* parent = nullptr);

    // Shows the session's tracks again.
    void Refresh();
    // The track selected in the list; none without one.
    [[nodiscard]] std::optional<std::size_t> Selected() const;
    void Select(std::size_t index);
    [[nodiscard]] QTreeWidget* List() const { return list_; }

    // The buttons' commands on the selected track.
    void ZoomToSelected();
    void RecolourSelected();
    void RemoveSelected();
    void ShowStatistics();

signals:
    // The view was moved to a track: following the GPS would take it back.
    void ViewMoved();
    // The tracks were changed here (hidden, shown, recoloured, removed).
    void TracksChanged();
    // The track selected in the list changed.
    void SelectionChanged();

private:
    view::MapView& view_;
    QTreeWidget* list_ = nullptr;
    QPushButton* zoom_ = nullptr;
    QPushButton* colour_ = nullptr;
    QPushButton* remove_ = nullptr;
    QPushButton* statistics_ = nullptr;
    bool refreshing_ = false;
};
