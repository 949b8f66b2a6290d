// The GPS side of the map view: connecting, the posted update event, the trail commands.
#include "view/MapView.h"

#include "gps/GpsUpdateFold.h"
#include "platform/MessageBox.h"
#include "platform/SerialPort.h"
#include "trail/TrailFile.h"

#include <QCoreApplication>
#include <QEvent>

void MapView::SetGpsLinkOptions(const gps::GpsLinkOptions& options) {
    if (gpsConnected_)
        OnGpsDisconnect();
    gpsLink_ = std::make_unique<gps::GpsLink>(gps::GpsLink::kDefaultMaxSentences, options);
}

void MapView::OnGpsConnect() {
    // Close joins the old reader thread, so no pause is needed before the port opens again.
    if (gpsConnected_)
        OnGpsDisconnect();
    if (!gpsLink_)
        gpsLink_ = std::make_unique<gps::GpsLink>();
    // The reader thread only posts; the event is handled here, on the user-interface thread.
    gpsLink_->SetPostCallback([this](std::int32_t, std::size_t) {
        QCoreApplication::postEvent(this, new QEvent(kGpsUpdateEvent));
    });
    const std::string device = platform::GpsDevicePath(
        settings_.comPort, gpsDevice_.empty() ? configuredGpsDevice_ : gpsDevice_);
    if (!gpsLink_->Open(device, settings_.baudRate)) {
        platform::ShowMessage(this, "Unable to open COM port", "Error",
                              platform::MessageIcon::Warning);
        return;
    }
    gpsConnected_ = true;
    trail_.AddBreak();
    SetStatusText(QString::fromStdString(gps::StatusConnected()));
}

void MapView::OnGpsDisconnect() {
    if (!gpsFix_.hasFix)
        SetStatusText(QString::fromStdString(gps::StatusDisconnected()));
    gpsConnected_ = false;
    gpsFix_.hasFix = false;
    if (gpsLink_)
        gpsLink_->Close();
    // The marker turns black now, not at some later paint.
    repaint();
}

void MapView::OnGpsUpdate() {
    // An event that arrives after Disconnect is dropped.
    if (!gpsConnected_ || !gpsLink_)
        return;
    const gps::GpsUpdateOutcome outcome =
        gps::HandleGpsUpdate(*gpsLink_, gpsFix_, rateLimit_, gps::TickCountMs(),
                             static_cast<std::uint32_t>(settings_.updateRateMs), coordFormat_);
    if (!outcome.handled)
        return;
    if (outcome.readError) {
        update();
        SetStatusText(QString::fromStdString(outcome.status));
        return;
    }
    const gps::GpsBatchResult& batch = outcome.batch;
    if (batch.hasNewPosition) {
        if (trail_.recording)
            trail_.Record(batch.newPosition, settings_.trailMinDelta, settings_.trailLength);
        if (!geometry_.Dragging() && follow_)
            CentreOnGps();
        update();
        UpdateSelectionText();
    }
    if (batch.fixLost)
        update();
    SetStatusText(QString::fromStdString(outcome.status));
}

void MapView::SetTracking(bool on) {
    trail_.recording = on;
    if (on)
        trail_.AddBreak();
}

void MapView::OnClearTrail() {
    trail_.Clear();
    update();
}

bool MapView::SaveTrail(const QString& path) {
    const platform::FileResult saved = trail::SaveTrail(trail_, path.toStdString());
    if (!saved) {
        platform::ShowMessage(this, "Unable to write file: " + path, "Save Error",
                              platform::MessageIcon::Error);
        return false;
    }
    return true;
}

bool MapView::LoadTrail(const QString& path) {
    const platform::LoadResult loaded =
        trail::LoadTrail(trail_, path.toStdString(), settings_.trailLength);
    if (!loaded) {
        platform::ShowMessage(this, "Unable to open file: " + path, "Load Error",
                              platform::MessageIcon::Error);
        return false;
    }
    update();
    return true;
}

bool MapView::event(QEvent* event) {
    if (event->type() == kGpsUpdateEvent) {
        OnGpsUpdate();
        return true;
    }
    return QWidget::event(event);
}
