// quilo: the moving-map GPS viewer.
//
//   quilo [MAP] [--trail FILE.trl] [--size WxH] [--screenshot OUT.png]
//
// MAP opens a map image with the calibration (.mcd) and points (.pts) files beside it.
// --screenshot renders one frame exactly as the window shows it into a PNG and exits; without
// a display it runs on Qt's offscreen platform.
#include "calib/CalibrationFile.h"
#include "platform/FileIo.h"
#include "platform/ImageLoader.h"
#include "platform/QSettingsStore.h"
#include "points/PointsFile.h"
#include "trail/TrailFile.h"
#include "view/MapView.h"

#include <QApplication>
#include <QBuffer>
#include <QImage>

#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>

namespace {

struct Options {
    std::string map;
    std::string trail;
    std::string screenshot;
    int width = 800;
    int height = 600;
};

constexpr const char* kUsage =
    "usage: quilo [MAP] [--trail FILE.trl] [--size WxH] [--screenshot OUT.png]";

int Fail(const std::string& message) {
    std::fprintf(stderr, "quilo: %s\n", message.c_str());
    return 2;
}

// "1280x800"; each side 1..16384.
bool ParseSize(std::string_view text, int& width, int& height) {
    const auto x = text.find('x');
    if (x == std::string_view::npos)
        return false;
    const auto number = [](std::string_view s, int& out) {
        const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), out);
        return ec == std::errc() && end == s.data() + s.size() && out >= 1 && out <= 16384;
    };
    return number(text.substr(0, x), width) && number(text.substr(x + 1), height);
}

std::optional<Options> ParseArguments(int argc, char** argv, std::string& error) {
    Options options;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        const bool takesValue = arg == "--trail" || arg == "--size" || arg == "--screenshot";
        if (takesValue && i + 1 >= argc) {
            error = std::string(arg) + " needs a value";
            return std::nullopt;
        }
        if (arg == "--trail") {
            options.trail = argv[++i];
        } else if (arg == "--screenshot") {
            options.screenshot = argv[++i];
        } else if (arg == "--size") {
            if (!ParseSize(argv[++i], options.width, options.height)) {
                error = "bad --size " + std::string(argv[i]) + " (expected WxH, e.g. 1280x800)";
                return std::nullopt;
            }
        } else if (arg.starts_with("--") || !options.map.empty()) {
            error = "unexpected argument " + std::string(arg);
            return std::nullopt;
        } else {
            options.map = arg;
        }
    }
    if (!options.screenshot.empty() && options.map.empty()) {
        error = "--screenshot needs a map";
        return std::nullopt;
    }
    return options;
}

// The image, then the calibration and points beside it. Only an image that cannot be decoded
// fails; a missing calibration is a warning, a damaged .mcd or .pts is reported and skipped.
bool OpenMap(MapView& view, const std::string& path) {
    QString error;
    QImage image = platform::LoadMapImageFile(QString::fromStdString(path), &error);
    if (image.isNull()) {
        Fail(path + ": cannot load the map image (" + error.toStdString() + ")");
        return false;
    }
    view.SetMapImage(std::move(image));

    const std::string base = calib::MapBaseName(path);
    calib::CGPSMapFuncs calibration = view.Calibration();
    const calib::CalibrationLoadResult loaded =
        calib::LoadCalibrationFile(calib::CalibrationFileName(base), calibration);
    if (loaded.status == calib::CalibrationLoadStatus::Missing)
        std::fprintf(stderr, "quilo: This map has no calibration information.\n");
    else if (!loaded)
        Fail(loaded.error);
    else
        view.SetCalibration(calibration);

    points::MapPointList mapPoints;
    const points::PointsReadResult read =
        points::ReadPointsFile(calib::PointsFileName(base), mapPoints);
    if (!read && read.status != points::PointsReadResult::Status::NotFound)
        Fail(read.error);
    view.SetMapPoints(std::move(mapPoints));
    return true;
}

bool WritePng(const QImage& frame, const std::string& path) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!frame.save(&buffer, "PNG")) {
        Fail(path + ": cannot encode the frame as PNG");
        return false;
    }
    const platform::FileResult written = platform::WriteFileAtomically(
        path, std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
    if (!written) {
        Fail(written.error);
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char** argv) {
    std::string error;
    const std::optional<Options> options = ParseArguments(argc, argv, error);
    if (!options) {
        Fail(error);
        std::fprintf(stderr, "%s\n", kUsage);
        return 2;
    }
    // A screenshot needs no screen: without a display, render on the offscreen platform.
    if (!options->screenshot.empty() && qEnvironmentVariableIsEmpty("DISPLAY") &&
        qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") &&
        qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");

    QApplication app(argc, argv);
    QApplication::setApplicationName("QUILO");
    QApplication::setOrganizationName("Morvellan Software Inc.");

    const platform::QSettingsStore store;
    MapView view(store);
    view.setWindowTitle("QUILO");
    view.resize(options->width, options->height);
    // As on the program's first run: points, labels, trail and both info lines shown.
    view.SetShowMapPoints(true);
    view.SetShowLabels(true);
    view.SetShowTrail(true);
    view.ShowStatusInfo(true);
    view.ShowCursorInfo(true);

    if (!options->map.empty() && !OpenMap(view, options->map))
        return 2;
    if (!options->trail.empty()) {
        const platform::FileResult loaded =
            trail::LoadTrail(view.Trail(), options->trail, view.Settings().trailLength);
        if (!loaded)
            return Fail(loaded.error);
    }

    view.show();
    if (!options->screenshot.empty())
        return WritePng(view.grab().toImage(), options->screenshot) ? 0 : 2;
    return QApplication::exec();
}
