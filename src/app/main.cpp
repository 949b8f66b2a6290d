// quilo: the moving-map GPS viewer.
//
//   quilo [MAP] [--gps SOURCE] [--demo] [--trail FILE.trl] [--size WxH]
//         [--screenshot OUT.png [--after MS]]
//
// MAP opens a map image with the calibration (.mcd) and points (.pts) files beside it;
// without it, the last session's map and view come back (View > Reopen Last Map).
// --gps connects at start to SOURCE (a device path, gpsd://, tcp://, udp://, file: or sim:)
// instead of the configured one, for this run only.
// --demo needs nothing from the user: the demo town's map and a simulated receiver on a
// pseudo-terminal, with settings of its own.
// --screenshot renders the window into a PNG after MS milliseconds (default 0) and exits;
// without a display it runs on Qt's offscreen platform.
#include "app/CGPSMapFrame.h"
#include "app/Commands.h"
#include "app/DemoSession.h"
#include "app/GpsApp.h"
#include "base/Number.h"
#include "gps/GpsSourceName.h"
#include "platform/FileIo.h"
#include "platform/MessageBox.h"
#include "platform/QSettingsStore.h"
#include "platform/StateFolder.h"
#include "trail/JournalFolder.h"
#include "view/MapView.h"

#include <QApplication>
#include <QBuffer>
#include <QImage>
#include <QSocketNotifier>
#include <QTimer>

#include <csignal>
#include <cstdio>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <sys/socket.h>
#include <unistd.h>

namespace {

struct Options {
    std::string map;
    std::string trail;
    std::string gpsDevice;
    bool demo = false;
    std::string screenshot;
    int afterMs = 0;
    int width = 800;
    int height = 600;
};

constexpr const char* kUsage = "usage: quilo [MAP] [--gps SOURCE] [--demo] [--trail FILE.trl] "
                               "[--size WxH] [--screenshot OUT.png [--after MS]]";

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

std::optional<Options> ParseArguments(int argc, char** argv, std::string& error) {
    Options options;
    bool afterGiven = false;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        const bool takesValue = arg == "--trail" || arg == "--size" || arg == "--screenshot" ||
                                arg == "--gps" || arg == "--after";
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
        } else if (arg == "--demo") {
            options.demo = true;
        } else if (arg == "--screenshot") {
            options.screenshot = argv[++i];
        } else if (arg == "--after") {
            afterGiven = true;
            if (!ParseInt(argv[++i], options.afterMs, 0, 3600000)) {
                error = "bad --after " + std::string(argv[i]) + " (milliseconds, 0..3600000)";
                return std::nullopt;
            }
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
    if (!options.screenshot.empty() && options.map.empty() && !options.demo) {
        error = "--screenshot needs a map or --demo";
        return std::nullopt;
    }
    if (afterGiven && options.screenshot.empty()) {
        error = "--after needs --screenshot";
        return std::nullopt;
    }
    if (options.demo && (!options.map.empty() || !options.gpsDevice.empty())) {
        error = "--demo brings its own map and receiver";
        return std::nullopt;
    }
    return options;
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

int signalPipe[2] = {-1, -1};

void OnQuitSignal(int) {
    const char byte = 1;
    [[maybe_unused]] const ssize_t n = ::write(signalPipe[1], &byte, 1);
}

// Ctrl+C or a kill ends the event loop instead of the process, so the demo's receiver stops,
// the link closes and its temporary settings folder is removed.
void QuitOnSignals() {
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, signalPipe) != 0)
        return;
    auto* notifier = new QSocketNotifier(signalPipe[0], QSocketNotifier::Read, qApp);
    QObject::connect(notifier, &QSocketNotifier::activated, qApp, [] { QApplication::quit(); });
    struct sigaction action {};
    action.sa_handler = OnQuitSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    ::sigaction(SIGINT, &action, nullptr);
    ::sigaction(SIGTERM, &action, nullptr);
}

} // namespace

int main(int argc, char** argv) {
    std::string error;
    for (int i = 1; i < argc; ++i) {
        if (std::string_view(argv[i]) == "--help" || std::string_view(argv[i]) == "-h") {
            std::printf("%s\n", kUsage);
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
    QApplication::setOrganizationName("Morvellan Software Inc.");
    QuitOnSignals();

    // Nobody is there to press OK on a box while a screenshot is taken: say it on stderr.
    if (screenshot)
        platform::SetMessageHook([](const platform::Message& m) {
            std::fprintf(stderr, "quilo: %s: %s\n", m.caption.toStdString().c_str(),
                         m.text.toStdString().c_str());
        });

    // Declared before the application object, so the receiver outlives the link reading it.
    std::unique_ptr<DemoSession> demo;
    std::unique_ptr<platform::QSettingsStore> store;
    if (options->demo) {
        demo = std::make_unique<DemoSession>();
        QString why;
        if (!demo->Start(&why))
            return Fail("cannot start the demo: " + why.toStdString());
        store = std::make_unique<platform::QSettingsStore>(demo->SettingsPath());
    } else {
        store = std::make_unique<platform::QSettingsStore>();
    }

    GpsApp app(*store);
    if (!app.InitInstance(false))
        return 1;
    CGPSMapFrame& frame = *app.Frame();
    frame.resize(options->width, options->height);
    frame.show();

    // A screenshot shows what its arguments ask for, never a recording from an earlier run.
    if (!screenshot) {
        const std::string folder = platform::StateFolder();
        const std::string journal = demo             ? demo->JournalPath()
                                    : folder.empty() ? std::string()
                                                     : trail::CurrentJournalPath(folder);
        if (!journal.empty())
            frame.View().OpenJournal(journal);
    }

    const std::string map = demo ? demo->MapPath().toStdString() : options->map;
    // A screenshot waits for the whole map; a window shows it loading (a big scan's picture
    // first) and answers meanwhile.
    if (!map.empty() && screenshot && !frame.LoadMapFile(QString::fromStdString(map)))
        return 2;
    if (!map.empty() && !screenshot)
        frame.StartLoadMapFile(QString::fromStdString(map));
    if (map.empty())
        frame.RestoreLastSession();
    if (!options->trail.empty())
        frame.LoadTrailFile(QString::fromStdString(options->trail));

    const std::string device = demo ? demo->DevicePath() : options->gpsDevice;
    if (!device.empty()) {
        frame.View().SetGpsDevice(device);
        frame.OnCommand(app::kCmdGpsConnect);
    }

    if (!screenshot)
        return QApplication::exec();

    int status = 0;
    QTimer::singleShot(options->afterMs, &frame, [&] {
        status = WritePng(frame.grab().toImage(), options->screenshot) ? 0 : 2;
        QApplication::quit();
    });
    QApplication::exec();
    return status;
}
