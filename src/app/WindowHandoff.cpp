#include "app/WindowHandoff.h"

#include <QByteArray>
#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocalServer>
#include <QLocalSocket>
#include <QStandardPaths>
#include <QTimer>

namespace app {

namespace {

// Two paths of 4096 bytes, escaped, fit; anything longer is not a start of ours.
constexpr qint64 kMaxRequestBytes = 64 * 1024;
// A peer that connects and says nothing is dropped after this; a start writes its request as
// soon as it is connected.
constexpr int kRequestTimeoutMs = 2000;
// How soon a socket that closed is made again.
constexpr int kWatchMs = 1000;
// A socket left by a killed window refuses at once; a live one accepts at once.
constexpr int kConnectTimeoutMs = 1000;
constexpr char kAnswer[] = "ok\n";

QByteArray Encode(const OpenRequest& request) {
    QJsonObject object;
    if (!request.map.isEmpty())
        object.insert("map", request.map);
    if (!request.trail.isEmpty())
        object.insert("trail", request.trail);
    if (!request.tracks.isEmpty())
        object.insert("tracks", QJsonArray::fromStringList(request.tracks));
    return QJsonDocument(object).toJson(QJsonDocument::Compact) + '\n';
}

// Only absolute paths: a relative one would be read against the running window's folder.
bool Decode(const QByteArray& line, OpenRequest& request) {
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(line, &error);
    if (error.error != QJsonParseError::NoError || !document.isObject())
        return false;
    const QJsonObject object = document.object();
    for (const auto& [key, out] : {std::pair{"map", &request.map}, {"trail", &request.trail}}) {
        const QJsonValue value = object.value(QLatin1String(key));
        if (value.isUndefined())
            continue;
        if (!value.isString() || !QDir::isAbsolutePath(value.toString()))
            return false;
        *out = value.toString();
    }
    const QJsonValue tracks = object.value(QLatin1String("tracks"));
    if (tracks.isUndefined())
        return true;
    if (!tracks.isArray())
        return false;
    for (const QJsonValue& track : tracks.toArray()) {
        if (!track.isString() || !QDir::isAbsolutePath(track.toString()))
            return false;
        request.tracks << track.toString();
    }
    return true;
}

} // namespace

QString WindowSocketName(const QString& stateFolder) {
    const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (runtime.isEmpty())
        return {};
    const QByteArray key =
        QCryptographicHash::hash(QDir::cleanPath(stateFolder).toUtf8(), QCryptographicHash::Sha256)
            .toHex()
            .left(16);
    return runtime + "/quilo-" + QString::fromLatin1(key);
}

bool HandToRunningWindow(const QString& name, const OpenRequest& request, int answerMs) {
    if (name.isEmpty())
        return false;
    QLocalSocket socket;
    socket.connectToServer(name);
    if (!socket.waitForConnected(kConnectTimeoutMs))
        return false;
    const QDeadlineTimer deadline(answerMs);
    socket.write(Encode(request));
    if (!socket.waitForBytesWritten(static_cast<int>(deadline.remainingTime())))
        return false;
    QByteArray answer;
    while (!answer.contains('\n') && answer.size() < 16) {
        if (!socket.waitForReadyRead(static_cast<int>(deadline.remainingTime())))
            return false;
        answer += socket.readAll();
    }
    return answer == kAnswer;
}

WindowServer::WindowServer(QObject* parent)
    : QObject(parent), server_(new QLocalServer(this)), watch_(new QTimer(this)) {
    // No socket options: with them Qt renames its socket over the name, taking it from a
    // window that answers there. The runtime folder is the user's alone anyway.
    // Beyond the pending ones Qt stops accepting until one is taken.
    server_->setMaxPendingConnections(kMaxConnections);
    connect(server_, &QLocalServer::newConnection, this, &WindowServer::TakeConnections);
    // Qt says nothing when it closes the socket on an error; looking costs next to nothing.
    connect(watch_, &QTimer::timeout, this, &WindowServer::ListenAgainIfClosed);
}

bool WindowServer::Listen(const QString& name) {
    if (name.isEmpty())
        return false;
    name_ = name;
    if (ListenAtName() != Listening::Yes)
        return false;
    watch_->start(kWatchMs);
    return true;
}

WindowServer::Listening WindowServer::ListenAtName() {
    if (server_->listen(name_))
        return Listening::Yes;
    if (server_->serverError() != QAbstractSocket::AddressInUseError)
        return Listening::Failed;
    QLocalSocket probe;
    probe.connectToServer(name_);
    if (probe.waitForConnected(kConnectTimeoutMs))
        return Listening::Taken;
    // Nobody answers: the socket of a window that was killed.
    QLocalServer::removeServer(name_);
    return server_->listen(name_) ? Listening::Yes : Listening::Failed;
}

void WindowServer::ListenAgainIfClosed() {
    if (server_->isListening())
        return;
    // Failed (descriptors still short): the next look tries again. Taken: a window started
    // while the socket was gone has the name now.
    if (ListenAtName() == Listening::Taken)
        watch_->stop();
}

void WindowServer::TakeConnections() {
    while (serving_ < kMaxConnections) {
        QLocalSocket* socket = server_->nextPendingConnection();
        if (socket == nullptr)
            return;
        ++serving_;
        connect(socket, &QObject::destroyed, this, [this] {
            --serving_;
            TakeConnections();
        });
        Serve(socket);
    }
}

void WindowServer::Serve(QLocalSocket* socket) {
    // A connection that waited for its turn may have ended meanwhile (dropped here) or sent its
    // request (read below: no readyRead comes for it again).
    if (socket->state() != QLocalSocket::ConnectedState) {
        socket->deleteLater();
        return;
    }
    connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
    QTimer::singleShot(kRequestTimeoutMs, socket, [socket] {
        socket->abort();
        socket->deleteLater();
    });
    const auto read = [this, socket] {
        if (!socket->canReadLine()) {
            if (socket->bytesAvailable() > kMaxRequestBytes)
                socket->abort();
            return;
        }
        OpenRequest request;
        if (!Decode(socket->readLine(kMaxRequestBytes), request)) {
            socket->abort();
            return;
        }
        socket->write(kAnswer);
        socket->flush();
        socket->disconnectFromServer();
        emit OpenRequested(request);
    };
    connect(socket, &QLocalSocket::readyRead, socket, read);
    if (socket->bytesAvailable() > 0)
        read();
}

} // namespace app
