#pragma once

#include "trail/Profile.h"

#include <QStringList>
#include <QWidget>

#include <cstddef>
#include <optional>

class QPainter;

namespace view {

// The profile's graph: the heights (the receiver's, and a terrain model's beside them, hatched
// where it has none) over the speeds, a column of pixels for each column of the series, with a
// cursor that hovering or tapping moves. It draws what it is given and keeps nothing else.
class ProfilePlot : public QWidget {
    Q_OBJECT

public:
    explicit ProfilePlot(QWidget* parent = nullptr);

    // The series drawn (null for none); it must live while set. SeriesChanged after it grew or
    // was rebuilt.
    void SetSeries(const trail::ProfileSeries* series);
    void SeriesChanged();
    // The terrain tiles missing under the track, named on a line of their own.
    void SetMissingTiles(QStringList tiles);

    [[nodiscard]] std::optional<std::size_t> Cursor() const { return cursor_; }
    void SetCursor(std::optional<std::size_t> sample);
    // The widget's x of sample's column; none without a series or for a sample beyond it.
    [[nodiscard]] std::optional<int> XOf(std::size_t sample) const;

    // One frame onto painter, a surface of the widget's size (the paint handler calls it;
    // benchmarks call it on an image).
    void Paint(QPainter& painter);

signals:
    // Hovering or a tap moved the cursor to sample.
    void CursorMoved(std::size_t sample);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    [[nodiscard]] QRect Area() const; // where the columns are drawn
    void MoveCursorTo(int x);

    const trail::ProfileSeries* series_ = nullptr;
    std::optional<trail::ProfileColumns> columns_; // of series_ at Area()'s width
    QStringList missingTiles_;
    std::optional<std::size_t> cursor_;
};

} // namespace view
