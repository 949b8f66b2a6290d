#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

class QLocalServer;
class QLocalSocket;
class QTimer;

// One window per user and journal: a start that only names files to open hands them to the
// window already running, over a local socket in the user's runtime folder, and ends. The
// socket carries one request a connection, a line of JSON ({"map": PATH, "trail": PATH}, each
// optional), and the answer "ok" once the window has taken it.
namespace app {

// What a start asks the running window to do; an empty request only brings it to the front.
struct OpenRequest {
    QString map;          // an absolute path, or empty
    QString trail;        // an absolute path, or empty
    QStringList tracks{}; // absolute paths, opened as tracks
};

// The socket of the window that keeps its journal in stateFolder: one per user (the runtime
// folder is the user's own) and per journal (a test or a second profile with a state folder
// of its own has a window of its own). Empty when there is no runtime folder.
[[nodiscard]] QString WindowSocketName(const QString& stateFolder);

// Gives request to the window listening at name and waits up to answerMs for its answer.
// False when no window listens there (no socket, one left by a killed window) or the one
// there does not answer in time: the caller then opens a window of its own.
[[nodiscard]] bool HandToRunningWindow(const QString& name, const OpenRequest& request,
                                       int answerMs);

// The running window's side: listens at name and emits OpenRequested for each start that
// hands it files. It serves a few connections at a time, each for a short while, so a flood of
// them cannot take the window's descriptors; should the socket close all the same (Qt closes
// it when accepting fails), it listens again, so a later start still finds the window.
class WindowServer : public QObject {
    Q_OBJECT

public:
    // Connections served at once; as many more wait accepted, the rest in the system's queue.
    static constexpr int kMaxConnections = 8;

    explicit WindowServer(QObject* parent = nullptr);

    // Listens at name, replacing a socket no window answers at. False when another window
    // answers there (a window opened with --new-window leaves the name to the first one) or
    // the socket cannot be made.
    bool Listen(const QString& name);

signals:
    void OpenRequested(const app::OpenRequest& request);

private:
    enum class Listening { Yes, Taken, Failed };
    Listening ListenAtName();
    void ListenAgainIfClosed();
    void TakeConnections();
    void Serve(QLocalSocket* socket);

    QLocalServer* server_ = nullptr;
    QTimer* watch_ = nullptr;
    QString name_;
    int serving_ = 0;
};

} // namespace app
