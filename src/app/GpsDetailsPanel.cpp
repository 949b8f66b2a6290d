#include "app/GpsDetailsPanel.h"

#include "app/MenuTree.h"
#include "session/LiveText.h"
#include "session/MapSession.h"
#include "view/CoreText.h"
#include "view/MapView.h"
#include "view/SkyView.h"

#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

namespace {

// The journal of a long recording takes a moment to read: not at every update.
constexpr qint64 kRecordingReadMs = 5000;

QString Key(const QString& prefix, const QString& label) {
    return prefix.isEmpty() ? label : prefix + "/" + label;
}

QLabel* ValueLabel(QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    label->setWordWrap(true);
    return label;
}

} // namespace

GpsDetailsPanel::GpsDetailsPanel(view::MapView& view, QWidget* parent)
    : QDockWidget(app::MenuText("GPS Details"), parent), view_(view) {
    setObjectName("gpsDetails");
    auto* body = new QWidget;
    auto* column = new QVBoxLayout(body);
    details_ = new QFormLayout;
    column->addLayout(details_);
    sky_ = new view::SkyView(body);
    column->addWidget(sky_);
    bars_ = new view::SignalBars(body);
    column->addWidget(bars_);

    goToBox_ = new QGroupBox(tr("Go to"), body);
    goTo_ = new QFormLayout(goToBox_);
    stopGoTo_ = new QPushButton(tr("Stop"), goToBox_);
    goTo_->addRow(stopGoTo_);
    column->addWidget(goToBox_);

    auto* tripBox = new QGroupBox(tr("Trip"), body);
    trip_ = new QGridLayout(tripBox);
    trip_->addWidget(new QLabel("<b>" + tr("Trip") + "</b>", tripBox), 0, 1);
    trip_->addWidget(new QLabel("<b>" + tr("Recording") + "</b>", tripBox), 0, 2);
    resetTrip_ = new QPushButton(tr("Reset Trip"), tripBox);
    // In the corner above the row names, not in a row of its own: the panel fits a laptop's
    // screen.
    trip_->addWidget(resetTrip_, 0, 0);
    column->addWidget(tripBox);
    column->addStretch();

    auto* scroll = new QScrollArea(this);
    scroll->setWidget(body);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    // The rows wrap instead: a sideways scroll hides half of every value.
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroll->setMinimumWidth(300);
    setWidget(scroll);

    connect(resetTrip_, &QPushButton::clicked, this, [this] {
        view_.Change([](session::MapSession& session) {
            session.Live().ResetTrip();
            return session::Changes(); // the trip shows here only
        });
        Refresh(true);
    });
    connect(stopGoTo_, &QPushButton::clicked, this, [this] {
        view_.Change([](session::MapSession& session) {
            session.Live().StopGoTo();
            return session::Changed::Details | session::Changed::Marker;
        });
        Refresh();
    });
    Refresh(true);
}

void GpsDetailsPanel::ShowRows(QFormLayout* form, const std::vector<session::LiveRow>& rows,
                               const QString& prefix) {
    for (const session::LiveRow& row : rows) {
        const QString label = QString::fromStdString(row.label);
        QLabel*& value = values_[Key(prefix, label)];
        if (value == nullptr) {
            value = ValueLabel(form->parentWidget());
            // Before the Stop button when there is one.
            form->insertRow(form->rowCount() - (form == goTo_ ? 1 : 0), view::CoreText(row.label),
                            value);
        }
        value->setText(view::CoreText(row.value));
    }
}

void GpsDetailsPanel::Refresh(bool force) {
    const session::MapSession& s = view_.Session();
    const session::LiveState& live = s.Live();
    const session::UnitSystem units = live.Settings().units;
    ShowRows(details_, session::DetailRows(live.Details(), units, s.CoordFormat()), {});
    sky_->SetSky(live.Details().sky);
    bars_->SetSky(live.Details().sky);

    goToBox_->setVisible(live.GoTo().has_value());
    if (live.GoTo())
        ShowRows(goTo_,
                 session::GoToRows(
                     *live.GoTo(),
                     live.ReadGoTo(s.GpsFix(), s.Document().Calibration().GetMagVar()), units),
                 "Go to");

    const auto column = [this](const std::vector<session::LiveRow>& rows, const QString& prefix,
                               int at) {
        for (std::size_t i = 0; i < rows.size(); ++i) {
            const QString label = QString::fromStdString(rows[i].label);
            QLabel*& value = values_[Key(prefix, label)];
            const int row = static_cast<int>(i) + 1;
            if (value == nullptr) {
                value = ValueLabel(trip_->parentWidget());
                trip_->addWidget(value, row, at);
                if (at == 1)
                    trip_->addWidget(
                        new QLabel(view::CoreText(rows[i].label), trip_->parentWidget()), row, 0);
            }
            value->setText(view::CoreText(rows[i].value));
        }
    };
    column(session::TripRows(live.Trip(), units), "Trip", 1);
    if (force || !recordingRead_.isValid() || recordingRead_.elapsed() >= kRecordingReadMs) {
        column(session::TripRows(s.Recording().Statistics(), units), "Recording", 2);
        recordingRead_.start();
    }
}

QString GpsDetailsPanel::Value(const QString& label) const {
    const auto it = values_.find(label);
    return it == values_.end() ? QString() : it->second->text();
}
