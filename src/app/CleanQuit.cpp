#include "app/CleanQuit.h"

#include "app/CGPSMapFrame.h"
#include "platform/MessageBox.h"
#include "view/MapLoader.h"

#include <QApplication>
#include <QDialog>
#include <QPointer>
#include <QSocketNotifier>
#include <QTimer>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <sys/socket.h>
#include <unistd.h>

namespace app {

namespace {

int signalPipe[2] = {-1, -1};
bool quitting = false;
QPointer<CGPSMapFrame> frameToClose;

void OnSignal(int) {
    const int saved = errno;
    const char byte = 1;
    [[maybe_unused]] const ssize_t n = ::write(signalPipe[1], &byte, 1);
    errno = saved;
}

void PrintMessage(const platform::Message& m) {
    std::fprintf(stderr, "quilo: %s: %s\n", m.caption.toStdString().c_str(),
                 m.text.toStdString().c_str());
}

// Modal loops end when their dialog does; popup menus run loops of their own too.
void CloseDialogs() {
    while (QWidget* popup = QApplication::activePopupWidget())
        if (!popup->close())
            break;
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (auto* dialog = qobject_cast<QDialog*>(widget); dialog != nullptr && dialog->isVisible())
            dialog->reject();
}

} // namespace

void CatchQuitSignals() {
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0, signalPipe) != 0)
        return;
    struct sigaction action {};
    action.sa_handler = OnSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int signal : {SIGINT, SIGTERM, SIGHUP})
        ::sigaction(signal, &action, nullptr);
}

void QuitOnCaughtSignals() {
    if (signalPipe[0] < 0)
        return;
    auto* notifier = new QSocketNotifier(signalPipe[0], QSocketNotifier::Read, qApp);
    QObject::connect(notifier, &QSocketNotifier::activated, qApp, [] {
        char bytes[16];
        while (::read(signalPipe[0], bytes, sizeof bytes) > 0) {
        }
        QuitCleanly(frameToClose);
    });
}

void CloseOnQuit(CGPSMapFrame* frame) {
    frameToClose = frame;
}

void QuitCleanly(CGPSMapFrame* frame) {
    if (quitting)
        return;
    quitting = true;
    // Nobody is left to press OK or No.
    platform::SetMessageHook(PrintMessage);
    platform::SetAnswerHook([](const platform::Message& m) {
        PrintMessage(m);
        return false;
    });
    CloseDialogs();
    // The code after a dialog may open the next one before the loops end.
    auto* closer = new QTimer(qApp);
    QObject::connect(closer, &QTimer::timeout, qApp, CloseDialogs);
    closer->start(20);
    if (frame != nullptr) {
        if (frame->HasView())
            frame->Loader().Stop();
        frame->close();
    }
    QCoreApplication::exit(0);
}

bool QuitRequested() {
    return quitting;
}

} // namespace app
