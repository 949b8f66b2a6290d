#pragma once

#include <QDockWidget>
#include <QElapsedTimer>

#include <map>
#include <string>
#include <vector>

class QFormLayout;
class QGridLayout;
class QGroupBox;
class QLabel;
class QPushButton;

namespace session {
struct LiveRow;
}
namespace view {
class MapView;
class SignalBars;
class SkyView;
} // namespace view

// The GPS details panel: a dock beside the map with what the receiver says (time, fix,
// position, speed, course, precision, satellites), the sky and the signals, the point being
// gone to, and the trip meter beside the recording's totals. It shows the view's session and
// decides nothing.
class GpsDetailsPanel : public QDockWidget {
    Q_OBJECT

public:
    explicit GpsDetailsPanel(view::MapView& view, QWidget* parent = nullptr);

    // Shows what the session holds now. The recording's totals are read from its journal, so
    // they are read again only every few seconds, or when forced.
    void Refresh(bool force = false);

    // The value shown beside label ("" when there is no such row), for tests and the README's
    // picture.
    [[nodiscard]] QString Value(const QString& label) const;
    [[nodiscard]] QPushButton* ResetTripButton() const { return resetTrip_; }
    [[nodiscard]] QPushButton* StopGoToButton() const { return stopGoTo_; }

private:
    void ShowRows(QFormLayout* form, const std::vector<session::LiveRow>& rows,
                  const QString& prefix);

    view::MapView& view_;
    QFormLayout* details_ = nullptr;
    view::SkyView* sky_ = nullptr;
    view::SignalBars* bars_ = nullptr;
    QGroupBox* goToBox_ = nullptr;
    QFormLayout* goTo_ = nullptr;
    QPushButton* stopGoTo_ = nullptr;
    QGridLayout* trip_ = nullptr;
    QPushButton* resetTrip_ = nullptr;
    // Every value label by "prefix/label": "Time", "Go to/Distance", "Trip/Distance",
    // "Recording/Distance".
    std::map<QString, QLabel*> values_;
    QElapsedTimer recordingRead_;
};
