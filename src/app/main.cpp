// quilo: the moving-map GPS viewer. `quilo --help` lists the options.
//
// MAP opens a map image with the calibration (.mcd) and points (.pts) files beside it;
// without it, the last session's map and view come back (View > Reopen Last Map). While a
// window runs, a start that only names a map or a trail hands them to it and ends.
// --demo needs nothing from the user: the demo town's map and the simulated receiver (the
// sim: source), with settings of its own.
// --screenshot renders the window into a PNG after MS milliseconds (default 0) and exits,
// leaving the user's settings as they were; without a display it runs on Qt's offscreen
// platform.
#include "app/CGPSMapFrame.h"
#include "app/CleanQuit.h"
#include "app/Commands.h"
#include "app/GpsApp.h"
#include "app/LiveCommands.h"
#include "app/TrackCommands.h"
#include "app/Translations.h"
#include "app/WindowHandoff.h"
#include "base/FileKind.h"
#include "base/Number.h"
#include "demo/DemoSession.h"
#include "gps/GpsSourceName.h"
#include "map/OpenMap.h"
#include "map/tiles/TileSource.h"
#include "platform/FileIo.h"
#include "platform/MessageBox.h"
#include "platform/QSettingsStore.h"
#include "platform/StateFolder.h"
#include "session/TrackFiles.h"
#include "trail/JournalFolder.h"
#include "view/MapCommands.h"
#include "view/MapView.h"
#include "view/TrackLoader.h"

#include <QApplication>
#include <QBuffer>
#include <QEventLoop>
#include <QFileInfo>
#include <QImage>
#include <QTimer>

#include <cstdint>
#include <cstdio>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace {

struct Options {
    std::string map;
    std::vector<std::string> tracks; // opened as tracks, each whole
    std::string trail;
    std::string gpsDevice;
    std::optional<std::int32_t> baud;
    bool demo = false;
    bool newWindow = false;
    bool courseUp = false;
    bool headingUp = false;
    bool kiosk = false;
    bool sizeGiven = false;
    std::string screenshot;
    int afterMs = 0;
    std::optional<MapPos> at;   // latitude in y
    std::optional<double> zoom; // a tile level on a tiled map, a percentage on a scan
    std::string tiles;          // --tiles: the map, or the world under MAP when one is named
    int width = 800;
    int height = 600;
};

constexpr const char* kUsage =
    "usage: quilo [MAP] [--tiles SOURCE] [TRACK...] [--at LAT LON [--zoom Z]] [--gps SOURCE] "
    "[--baud N|auto] [--trail FILE] [--size WxH] [--new-window] [--course-up|--heading-up] "
    "[--kiosk]\n"
    "       quilo --demo [--trail FILE] [--size WxH]\n"
    "       quilo MAP|--demo --screenshot OUT.png [--after MS] [--trail FILE] [--size WxH]";

constexpr const char* kOptions[][2] = {
    {"--gps SOURCE", "connect at start to SOURCE, for this run (a serial device, gpsd://, "
                     "tcp://, udp://, file: or sim:)"},
    {"--baud N|auto", "the serial line's baud rate for this run; auto tries the usual rates"},
    {"--tiles SOURCE", "show the world from a tile server: a source's name (as quilo-tool "
                       "tiles lists them) or a URL template such as "
                       "https://host/{z}/{x}/{y}.png; with MAP, under and around it"},
    {"--at LAT LON", "open the view centred on the position"},
    {"--zoom Z", "with --at: the tile zoom on a tiled map, the percentage on a scan"},
    {"--trail FILE", "load a trail (.trl, .gpx or .kml) into the live trail after the map"},
    {"--size WxH", "the window's size in pixels, each side 1..16384 (default 800x600)"},
    {"--demo", "the demo town's map and a simulated receiver, with settings of their own"},
    {"--new-window", "open a window of its own, even when QUILO already runs"},
    {"--course-up", "turn the map so the course points up (kept for later starts)"},
    {"--heading-up", "turn the map so the receiver's heading points up, for a boat or a "
                     "walker standing still (kept for later starts)"},
    {"--kiosk", "full screen without a frame, screen kept on; quit by holding Quit or "
                "confirming (kept for later starts)"},
    {"--screenshot OUT.png", "render the window into OUT.png and exit, saving no settings"},
    {"--after MS", "with --screenshot: wait MS milliseconds first (0..3600000, default 0)"},
    {"--version", "print the version and exit"},
    {"-h, --help", "print this help and exit"},
};

void PrintHelp() {
    std::printf("%s\n", kUsage);
    std::printf("Shows a paper map with the position of a GPS receiver.\n"
                "MAP is a scan (JPEG, PNG, GIF, BMP or TIFF) calibrated by three or more of its "
                "points, or a\nmap placed by its own file: an OziExplorer .map, an image with a "
                "world file, a KML or KMZ\nground overlay, a GeoTIFF or an MBTiles file. "
                "Without MAP the last map comes back. Each TRACK (GPX, KML, .trl, a trail journal\n"
                "or an NMEA log) opens as a track, shown whole. While a window runs, a start with "
                "only\nMAP, TRACK or --trail hands them to it.\n");
    for (const auto& [option, help] : kOptions)
        std::printf("  %-22s %s\n", option, help);
}

int Fail(const std::string& message) {
    std::fprintf(stderr, "quilo: %s\n", message.c_str());
    return 2;
}

bool ParseInt(std::string_view s, int& out, int lo, int hi) {
    const auto value = base::ParseExact<int>(s, lo, hi);
    if (value)
        out = *value;
    return value.has_value();
}

// "1280x800"; each side 1..16384.
bool ParseSize(std::string_view text, int& width, int& height) {
    const auto x = text.find('x');
    if (x == std::string_view::npos)
        return false;
    return ParseInt(text.substr(0, x), width, 1, 16384) &&
           ParseInt(text.substr(x + 1), height, 1, 16384);
}

// A rate in bits per second, or "auto", as quilo-tool monitor takes it.
std::optional<std::int32_t> ParseBaud(std::string_view text) {
    if (text == "auto")
        return gps::kAutoBaud;
    return base::ParseExact<std::int32_t>(text, 1, 4000000);
}

std::optional<Options> ParseArguments(int argc, char** argv, std::string& error) {
    Options options;
    bool afterGiven = false;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        const bool takesValue = arg == "--trail" || arg == "--size" || arg == "--screenshot" ||
                                arg == "--gps" || arg == "--after" || arg == "--baud" ||
                                arg == "--tiles" || arg == "--zoom";
        if (takesValue && i + 1 >= argc) {
            error = std::string(arg) + " needs a value";
            return std::nullopt;
        }
        if (arg == "--trail") {
            options.trail = argv[++i];
        } else if (arg == "--gps") {
            options.gpsDevice = argv[++i];
            if (const auto name = gps::ParseGpsSourceName(options.gpsDevice); !name.parts) {
                error = name.error;
                return std::nullopt;
            }
        } else if (arg == "--baud") {
            options.baud = ParseBaud(argv[++i]);
            if (!options.baud) {
                error = "bad --baud " + std::string(argv[i]) + " (bits per second, or auto)";
                return std::nullopt;
            }
        } else if (arg == "--tiles") {
            // Found now, so a name that is none fails here and not in a box.
            std::string file;
            const map::TileSourceResult found =
                map::FindTileSource(argv[++i], map::TileSourceFolders(), &file);
            if (!found.source) {
                error = found.error;
                return std::nullopt;
            }
            options.tiles = file.empty() ? std::string(argv[i]) : file;
        } else if (arg == "--at") {
            const auto lat = i + 2 < argc
                                 ? base::ParseExact(base::SkipPlus(argv[i + 1]), -90.0, 90.0)
                                 : std::nullopt;
            const auto lon = i + 2 < argc
                                 ? base::ParseExact(base::SkipPlus(argv[i + 2]), -180.0, 180.0)
                                 : std::nullopt;
            if (!lat || !lon) {
                error = "--at needs LAT LON (-90 to 90, -180 to 180)";
                return std::nullopt;
            }
            options.at = MapPos(*lon, *lat);
            i += 2;
        } else if (arg == "--zoom") {
            options.zoom = base::ParseExact(std::string_view(argv[++i]), 0.0, 3200.0);
            if (!options.zoom) {
                error = "bad --zoom " + std::string(argv[i]) + " (a tile zoom, or a percentage)";
                return std::nullopt;
            }
        } else if (arg == "--demo") {
            options.demo = true;
        } else if (arg == "--new-window") {
            options.newWindow = true;
        } else if (arg == "--course-up") {
            options.courseUp = true;
        } else if (arg == "--heading-up") {
            options.headingUp = true;
        } else if (arg == "--kiosk") {
            options.kiosk = true;
        } else if (arg == "--screenshot") {
            options.screenshot = argv[++i];
        } else if (arg == "--after") {
            afterGiven = true;
            if (!ParseInt(argv[++i], options.afterMs, 0, 3600000)) {
                error = "bad --after " + std::string(argv[i]) + " (milliseconds, 0..3600000)";
                return std::nullopt;
            }
        } else if (arg == "--size") {
            options.sizeGiven = true;
            if (!ParseSize(argv[++i], options.width, options.height)) {
                error = "bad --size " + std::string(argv[i]) + " (expected WxH, e.g. 1280x800)";
                return std::nullopt;
            }
        } else if (arg.starts_with("--")) {
            error = "unexpected argument " + std::string(arg);
            return std::nullopt;
        } else if (options.map.empty() && options.tracks.empty() &&
                   (!session::IsTrackFile(arg) || base::KindOfFile(arg) == base::FileKind::Kml)) {
            // A KML first is a map: a ground overlay is how many maps come.
            options.map = arg;
        } else if (session::IsTrackFile(arg)) {
            options.tracks.emplace_back(arg);
        } else {
            error = "unexpected argument " + std::string(arg) + " (not a track file)";
            return std::nullopt;
        }
    }
    if (options.map.empty())
        std::swap(options.map, options.tiles);
    if (!options.screenshot.empty() && options.map.empty() && !options.demo) {
        error = "--screenshot needs a map or --demo";
        return std::nullopt;
    }
    if (options.zoom && !options.at) {
        error = "--zoom needs --at";
        return std::nullopt;
    }
    if (options.courseUp && options.headingUp) {
        error = "--course-up and --heading-up exclude each other";
        return std::nullopt;
    }
    if (afterGiven && options.screenshot.empty()) {
        error = "--after needs --screenshot";
        return std::nullopt;
    }
    if (options.demo && (!options.map.empty() || !options.gpsDevice.empty() || options.baud)) {
        error = "--demo brings its own map and receiver";
        return std::nullopt;
    }
    return options;
}

// A start that asks for nothing but files to open gives them to the window already running.
bool HandsOver(const Options& options) {
    return !options.demo && !options.newWindow && options.screenshot.empty() && !options.at &&
           !map::IsTileSourcePath(options.map) && options.tiles.empty() &&
           options.gpsDevice.empty() && !options.baud && !options.sizeGiven && !options.courseUp &&
           !options.headingUp && !options.kiosk;
}

QString Absolute(const std::string& path) {
    return path.empty() ? QString() : QFileInfo(QString::fromStdString(path)).absoluteFilePath();
}

QStringList AbsoluteAll(const std::vector<std::string>& paths) {
    QStringList out;
    for (const std::string& path : paths)
        out << Absolute(path);
    return out;
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

// What another start handed over: the files it named, and the window to the front. While a
// dialog is up the files wait for it, so that nothing it works on changes under it.
void OpenHandedOver(CGPSMapFrame& frame, const app::OpenRequest& request) {
    frame.setWindowState(frame.windowState() & ~Qt::WindowMinimized);
    frame.show();
    frame.raise();
    frame.activateWindow();
    if (app::QuitRequested())
        return;
    if (QApplication::activeModalWidget() != nullptr) {
        QTimer::singleShot(200, &frame, [&frame, request] { OpenHandedOver(frame, request); });
        return;
    }
    if (!request.map.isEmpty())
        frame.StartLoadMapFile(request.map);
    if (!request.trail.isEmpty())
        frame.LoadTrailFile(request.trail);
    if (!request.tracks.isEmpty())
        frame.Tracks().OpenTracks(request.tracks);
}

} // namespace

int main(int argc, char** argv) {
    app::CatchQuitSignals();
    std::string error;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--help" || arg == "-h") {
            PrintHelp();
            return 0;
        }
        if (arg == "--version") {
            std::printf("quilo %s\n", QUILO_VERSION_TEXT);
            return 0;
        }
    }
    const std::optional<Options> options = ParseArguments(argc, argv, error);
    if (!options) {
        Fail(error);
        std::fprintf(stderr, "%s\n", kUsage);
        return 2;
    }
    const bool screenshot = !options->screenshot.empty();
    // A screenshot needs no screen: without a display, render on the offscreen platform.
    if (screenshot && qEnvironmentVariableIsEmpty("DISPLAY") &&
        qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") &&
        qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");

    QApplication application(argc, argv);
    QApplication::setApplicationName("QUILO");
    QApplication::setApplicationVersion(QUILO_VERSION_TEXT); // tile servers are told it
    QApplication::setOrganizationName("Morvellan Software Inc.");
    app::QuitOnCaughtSignals();
    // The window speaks the user's language (LANGUAGE, LC_ALL, LC_MESSAGES, LANG); the terminal's
    // messages above and below stay English.
    const app::Translations translations(QLocale::system());

    // One window records into the user's journal; the file manager's "open with" and the menu
    // reach it instead of starting a second. Neither the journal nor the settings are touched
    // before this.
    const QString stateFolder = QString::fromStdString(platform::StateFolder());
    const QString socketName = stateFolder.isEmpty() || options->demo || screenshot
                                   ? QString()
                                   : app::WindowSocketName(stateFolder);
    // The window answers from its event loop; one stuck longer than this gets a second window.
    constexpr int kAnswerMs = 3000;
    if (HandsOver(*options) &&
        app::HandToRunningWindow(
            socketName,
            {Absolute(options->map), Absolute(options->trail), AbsoluteAll(options->tracks)},
            kAnswerMs))
        return 0;

    // Nobody is there to press OK on a box while a screenshot is taken: say it on stderr.
    if (screenshot)
        platform::SetMessageHook([](const platform::Message& m) {
            std::fprintf(stderr, "quilo: %s: %s\n", m.caption.toStdString().c_str(),
                         m.text.toStdString().c_str());
        });

    // Declared before the application object, so the demo's folder outlives the settings and
    // the journal written into it.
    std::unique_ptr<DemoSession> demo;
    std::unique_ptr<platform::QSettingsStore> userStore;
    std::unique_ptr<SettingsStore> store;
    if (options->demo) {
        demo = std::make_unique<DemoSession>();
        QString why;
        if (!demo->Start(&why))
            return Fail("cannot start the demo: " + why.toStdString());
        store = std::make_unique<platform::QSettingsStore>(demo->SettingsPath());
    } else if (screenshot) {
        // A screenshot reads the user's settings and keeps what it would write to itself.
        userStore = std::make_unique<platform::QSettingsStore>();
        store = std::make_unique<OverlaySettingsStore>(*userStore);
    } else {
        store = std::make_unique<platform::QSettingsStore>();
    }

    GpsApp app(*store);
    if (!app.InitInstance(false))
        return 1;
    CGPSMapFrame& frame = *app.Frame();
    app::CloseOnQuit(&frame);
    frame.resize(options->width, options->height);
    frame.show();

    app::WindowServer server;
    if (!socketName.isEmpty() && server.Listen(socketName))
        QObject::connect(&server, &app::WindowServer::OpenRequested, &frame,
                         [&frame](const app::OpenRequest& r) { OpenHandedOver(frame, r); });

    // A screenshot shows what its arguments ask for, never a recording from an earlier run.
    if (!screenshot) {
        const std::string folder = stateFolder.toStdString();
        const std::string journal = demo             ? demo->JournalPath()
                                    : folder.empty() ? std::string()
                                                     : trail::CurrentJournalPath(folder);
        if (!journal.empty())
            frame.Commands().OpenJournal(journal);
    }

    // Each step may show a box; a signal that closed it ends the start there.
    // The demo starts on its town's tile set when one was shipped, its scan otherwise.
    const std::string map = !demo                         ? options->map
                            : demo->TilesPath().isEmpty() ? demo->MapPath().toStdString()
                                                          : demo->TilesPath().toStdString();
    // A screenshot waits for the whole map; a window shows it loading (a big scan's picture
    // first) and answers meanwhile.
    // A position to open at needs the map there first.
    const bool wait = screenshot || options->at;
    if (!map.empty() && wait && !frame.LoadMapFile(QString::fromStdString(map)) && screenshot)
        return 2;
    if (!map.empty() && !wait)
        frame.StartLoadMapFile(QString::fromStdString(map));
    if (!options->tiles.empty() && !app::QuitRequested() &&
        !frame.ShowWorldMap(QString::fromStdString(options->tiles), wait) && screenshot)
        return 2;
    if (options->at && !app::QuitRequested())
        frame.View().OpenAt(*options->at, options->zoom);
    if (map.empty() && !app::QuitRequested())
        frame.RestoreLastSession();
    if (!options->trail.empty() && !app::QuitRequested())
        frame.LoadTrailFile(QString::fromStdString(options->trail));
    // The last run's tracks and colouring come back; a screenshot shows only what it names.
    if (!screenshot)
        frame.Tracks().Restore();
    if (!options->tracks.empty())
        frame.Tracks().OpenTracks(AbsoluteAll(options->tracks));

    if (demo)
        frame.Live().ShowDemo();
    // As the menu item does it, so the choice is kept.
    if (options->courseUp && !frame.Action(app::kCmdCourseUp)->isChecked())
        frame.OnCommand(app::kCmdCourseUp);
    if (options->headingUp && !frame.Action(app::kCmdHeadingUp)->isChecked())
        frame.OnCommand(app::kCmdHeadingUp);
    if (options->kiosk && !frame.Action(app::kCmdKiosk)->isChecked())
        frame.OnCommand(app::kCmdKiosk);

    const std::string device = demo ? DemoSession::kGpsSource : options->gpsDevice;
    frame.View().Change([&](session::MapSession& session) {
        session.SetGpsDevice(device, options->baud);
        return session::Changes();
    });
    if (!device.empty() && !app::QuitRequested())
        frame.OnCommand(app::kCmdGpsConnect);

    if (!screenshot)
        return app::QuitRequested() ? 0 : QApplication::exec();

    int status = 2; // unless the frame is written: a signal may end the run first
    QTimer::singleShot(options->afterMs, &frame, [&] {
        // A tile set's tiles come as they are shown: those in view, every one (from the server
        // too, for a tile source).
        frame.View().WaitForTilesInView();
        // Every track named, read in the background, shows.
        while (frame.Tracks().Loader().Busy() && !app::QuitRequested())
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 100);
        status = WritePng(frame.grab().toImage(), options->screenshot) ? 0 : 2;
        QApplication::quit();
    });
    if (!app::QuitRequested())
        QApplication::exec();
    return status;
}
