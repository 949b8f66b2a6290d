#include "app/WindowHandoff.h"

#include <QByteArray>
#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QDir>
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
// A peer that connects and says nothing is dropped after this.
constexpr int kRequestTimeoutMs = 5000;
// A socket left by a killed window refuses at once; a live one accepts at once.
constexpr int kConnectTimeoutMs = 1000;
constexpr char kAnswer[] = "ok\n";

QByteArray Encode(const OpenRequest& request) {
    QJsonObject object;
    if (!request.map.isEmpty())
        object.insert("map", request.map);
    if (!request.trail.isEmpty())
        object.insert("trail", request.trail);
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

WindowServer::WindowServer(QObject* parent) : QObject(parent), server_(new QLocalServer(this)) {
    // No socket options: with them Qt renames its socket over the name, taking it from a
    // window that answers there. The runtime folder is the user's alone anyway.
    connect(server_, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* socket = server_->nextPendingConnection())
            Serve(socket);
    });
}

bool WindowServer::Listen(const QString& name) {
    if (name.isEmpty())
        return false;
    if (server_->listen(name))
        return true;
    if (server_->serverError() != QAbstractSocket::AddressInUseError)
        return false;
    QLocalSocket probe;
    probe.connectToServer(name);
    if (probe.waitForConnected(kConnectTimeoutMs))
        return false;
    // Nobody answers: the socket of a window that was killed.
    QLocalServer::removeServer(name);
    return server_->listen(name);
}

void WindowServer::Serve(QLocalSocket* socket) {
    connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
    QTimer::singleShot(kRequestTimeoutMs, socket, [socket] { socket->abort(); });
    connect(socket, &QLocalSocket::readyRead, socket, [this, socket] {
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
    });
}

} // namespace app
