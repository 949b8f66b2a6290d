#pragma once

#include "calib/CGPSMapFuncs.h"
#include "gps/GpsFix.h"
#include "points/MapPoint.h"
#include "session/ViewSettings.h"
#include "trail/TrailBuffer.h"
#include "view/MapPaint.h"
#include "view/SymbolPainter.h"
#include "view/ViewGeometry.h"
// Map loading, GPS link and pointer handling (MapViewMap/Gps/Pointer.cpp).
#include "coords/CoordFormat.h"
#include "gps/GpsLink.h"
#include "gps/GpsUpdateFold.h"
#include "view/PointerGesture.h"

#include <QEvent>
#include <QImage>
#include <QString>
#include <QWidget>

#include <functional>
#include <memory>
#include <string>
#include <vector>

class QMenu;
class QTimer;

class SettingsStore;

// The one window that shows the map and everything on it. It owns the view's state (the map
// image, calibration, map points, trail, GPS state, settings, geometry, selection and the two
// info lines) and turns events into calls: geometry is ViewGeometry, painting the layers of
// MapPaint.h, file formats and the GPS fold are core code.
//
// Every operation that moves the view or changes what it shows ends with update(): the
// paint happens later, once, whatever number of changes came before it.
class MapView : public QWidget {
    Q_OBJECT

public:
    // Reads the settings from store; the info lines start hidden with "GPS:" and "Sel:".
    explicit MapView(const SettingsStore& store, QWidget* parent = nullptr);

    // --- What the view shows -----------------------------------------------------------
    // A newly loaded map image (null for none): takes its size, zoom 1.0, scroll (0, 0).
    void SetMapImage(QImage image);
    [[nodiscard]] const QImage& MapImage() const { return mapImage_; }
    void SetCalibration(const calib::CGPSMapFuncs& calibration);
    [[nodiscard]] const calib::CGPSMapFuncs& Calibration() const { return calibration_; }
    [[nodiscard]] calib::CGPSMapFuncs& Calibration() { return calibration_; }
    void SetMapPoints(std::vector<CMapPoint> mapPoints);
    [[nodiscard]] const std::vector<CMapPoint>& MapPoints() const { return mapPoints_; }
    [[nodiscard]] std::vector<CMapPoint>& MapPoints() { return mapPoints_; }
    void SetTrail(trail::TrailBuffer trail);
    [[nodiscard]] const trail::TrailBuffer& Trail() const { return trail_; }
    // Changes through this reference show at the next paint; call update() after them.
    [[nodiscard]] trail::TrailBuffer& Trail() { return trail_; }

    // --- Settings ------------------------------------------------------------------------
    [[nodiscard]] const ViewSettings& Settings() const { return settings_; }
    // New settings from the GPS Settings sheet: also rebuilds the trail pens.
    void SetSettings(const ViewSettings& settings);
    void SaveSettings(SettingsStore& store) const { settings_.Save(store); }
    // Rebuilds the trail shade ramp from the trail colour and size of the settings.
    void RebuildTrailPens();

    // --- GPS state -------------------------------------------------------------------------
    [[nodiscard]] const gps::GpsFix& GpsFix() const { return gpsFix_; }
    void SetGpsFix(const gps::GpsFix& fix);
    [[nodiscard]] bool GpsConnected() const { return gpsConnected_; }
    void SetGpsConnected(bool connected) { gpsConnected_ = connected; }

    // --- Geometry --------------------------------------------------------------------------
    [[nodiscard]] const ViewGeometry& Geometry() const { return geometry_; }
    [[nodiscard]] ViewGeometry& Geometry() { return geometry_; }
    [[nodiscard]] std::optional<ViewPoint> ImageToScreen(const MapPos& image,
                                                         ViewPoint offset) const {
        return geometry_.ImageToScreen(image, offset);
    }
    [[nodiscard]] MapPos ScreenToImage(ViewPoint pixel) const {
        return geometry_.ScreenToImage(pixel);
    }
    [[nodiscard]] ImageRect VisibleImageRect(ViewPoint offset) const {
        return geometry_.VisibleImageRect(offset);
    }
    // Image pixel (unzoomed, row from the top) to geographic position and back, through the
    // calibration and the loaded image's height.
    [[nodiscard]] MapPos PixelToGeo(const MapPos& pixel) const;
    [[nodiscard]] MapPos GeoToPixel(const MapPos& geo) const;

    void CentreOn(const MapPos& image);
    // Clamped to [ViewGeometry::kMinZoom, kMaxZoom]; read the result back with Zoom().
    void SetZoom(double zoom);
    [[nodiscard]] double Zoom() const { return geometry_.Zoom(); }
    // Centres on the GPS position while the link is connected; otherwise does nothing.
    void CentreOnGps();
    void GoToMapCentre();
    // Arrow keys (Qt::Key_Left ... Qt::Key_Down) scroll by a fifth of the width; returns
    // false, doing nothing, for any other key.
    bool ScrollByKey(int qtKey);

    // --- Show flags and info lines -------------------------------------------------------
    void SetShowMapPoints(bool show);
    void SetShowLabels(bool show);
    void SetShowTrail(bool show);
    void SetFollow(bool follow) { follow_ = follow; }
    [[nodiscard]] bool ShowMapPoints() const { return showMapPoints_; }
    [[nodiscard]] bool ShowLabels() const { return showLabels_; }
    [[nodiscard]] bool ShowTrail() const { return showTrail_; }
    [[nodiscard]] bool Follow() const { return follow_; }
    void ShowStatusInfo(bool show);
    void ShowCursorInfo(bool show);
    void SetStatusText(const QString& text);
    void SetCursorText(const QString& text);
    [[nodiscard]] const InfoLine& StatusLine() const { return statusLine_; }
    [[nodiscard]] const InfoLine& CursorLine() const { return cursorLine_; }

    // --- Selection ---------------------------------------------------------------------------
    [[nodiscard]] const MapPos& Selection() const { return selection_; }
    void SetSelection(const MapPos& image);

    // Paints one frame onto painter exactly as the window shows it (the paint handler calls
    // it; benchmarks and tests call it on an image of the client size).
    void PaintFrame(QPainter& painter);

    // --- Map loading (MapViewMap.cpp) --------------------------------------------------------
    // Loads the image at path with the calibration and points files beside it (the path minus
    // its last four characters, plus ".mcd" and ".pts"); zoom 1.0, scroll (0, 0), repaint.
    // False when the image cannot be decoded: no image is left, the rest stays as it was.
    bool LoadMap(const QString& path);
    // Decodes a map image under the wait cursor; null when it cannot be read.
    [[nodiscard]] static QImage LoadMapImage(const QString& path);
    // Writes the loaded map's calibration file; false after telling the user.
    bool SaveCalibration();
    [[nodiscard]] const std::string& MapBaseName() const { return mapBaseName_; }

    // --- GPS link and trail commands (MapViewGps.cpp) ---------------------------------------
    // The reader thread posts this event; OnGpsUpdate handles it on this thread.
    static constexpr QEvent::Type kGpsUpdateEvent = static_cast<QEvent::Type>(QEvent::User + 1);
    void OnGpsConnect();
    void OnGpsDisconnect();
    void OnGpsUpdate();
    void OnClearTrail();
    // Trail file or KML by the extension; false after a message box.
    bool SaveTrail(const QString& path);
    bool LoadTrail(const QString& path);
    // Track: recording on or off; turning it on adds a break.
    void SetTracking(bool on);
    [[nodiscard]] bool Tracking() const { return trail_.recording; }
    // Takes effect at the next tap or GPS update.
    void SetCoordFormat(coords::CoordFormat format) { coordFormat_ = format; }
    [[nodiscard]] coords::CoordFormat CoordFormat() const { return coordFormat_; }
    // A device path used instead of the configured COM port ("quilo --gps PATH").
    void SetGpsDevice(std::string device) { gpsDevice_ = std::move(device); }
    // Replaces the link (tests shorten its polling); disconnects first.
    void SetGpsLinkOptions(const gps::GpsLinkOptions& options);

    // --- Pointer and context menu (MapViewPointer.cpp) --------------------------------------
    static constexpr int kCmdNewPointAtCursor = 32830;
    static constexpr int kCmdGoToGpsPosition = 32833;
    static constexpr int kCmdGoToMapCentre = 32834;
    // "Sel: " + the selection's position, and " RB:...m ...°" from the GPS while connected.
    void UpdateSelectionText();

    // --- Map point commands (MapViewPoints.cpp) ----------------------------------------------
    // A point at the selection, written to the points file, then the list to rename it.
    void OnNewPointAtCursor();
    // A point at the GPS position (nothing while disconnected), then the list.
    void OnStorePosition();
    // The Edit Map Points list; writes the points file when it changed anything and centres
    // on the point chosen with Show.
    void OnEditPoints();
    // Writes mapPoints to the loaded map's points file; false after telling the user.
    bool SavePointsFile();
    void OnContextCommand(int id);
    [[nodiscard]] QMenu* ContextMenu() const { return contextMenu_; }
    [[nodiscard]] const PointerGesture& Gesture() const { return gesture_; }

    // --- Calibration and GPS settings commands (MapViewCommands.cpp) -----------------------
    // Adds a calibration pair: the selection and the position typed for it; saves the file.
    void OnEnterCalibrationPoint();
    // The Map Settings dialog; on OK the variation is set and the calibration file saved.
    void OnMapSettings();
    // The GPS Settings sheet; when it closes, however, the settings are applied and written to
    // store, the trail pens rebuilt and the trail trimmed to its new length.
    void OnGpsSettings(SettingsStore& store);
    // The "GPSDevice" setting: a device path used instead of the COM port's device.
    void LoadGpsDeviceSetting(const SettingsStore& store);
    [[nodiscard]] const std::string& ConfiguredGpsDevice() const { return configuredGpsDevice_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool event(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    [[nodiscard]] MapScene Scene() const;
    void UpdateLine(const QRect& rect);

    ViewGeometry geometry_;
    QImage mapImage_;
    calib::CGPSMapFuncs calibration_;
    std::vector<CMapPoint> mapPoints_;
    trail::TrailBuffer trail_;
    ViewSettings settings_;
    TrailPens trailPens_;
    bool pensOutdated_ = true; // the ramp is built at the first paint

    gps::GpsFix gpsFix_;
    bool gpsConnected_ = false;

    MapPos selection_;
    bool showMapPoints_ = false;
    bool showLabels_ = false;
    bool showTrail_ = false;
    bool follow_ = false;
    InfoLine statusLine_{QStringLiteral("GPS:"), false};
    InfoLine cursorLine_{QStringLiteral("Sel:"), false};

    // Map loading, GPS link and pointer state (MapViewMap/Gps/Pointer.cpp).
    void CreatePointerHandling();
    void ShowContextMenu(ViewPoint at);
    std::string mapBaseName_;
    QString mapImagePath_;
    std::string configuredGpsDevice_;
    // The loaded map's calibration or points file exists but could not be read: it is set
    // aside as NAME.damaged before the first write over it.
    bool calibrationFileDamaged_ = false;
    bool pointsFileDamaged_ = false;
    bool SetAsideIfDamaged(bool& damaged, const std::string& path);
    coords::CoordFormat coordFormat_ = coords::CoordFormat::Dms;
    std::string gpsDevice_;
    std::unique_ptr<gps::GpsLink> gpsLink_;
    gps::GpsUpdateRateLimit rateLimit_;
    PointerGesture gesture_;
    QTimer* holdTimer_ = nullptr;
    QMenu* contextMenu_ = nullptr;
};
