#include "platform/single_instance.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QStandardPaths>
#include <QThread>
#include <QWidget>

#ifdef Q_OS_UNIX
#include <unistd.h>

namespace tessellix {

#endif

namespace {

const QByteArray kRaiseRequest("raise\n");
// A request is one short line; anything longer is not ours.
constexpr qint64 kLongestRequest = 64;

// Waiting for a first copy that holds the lock but may not listen yet: it takes the lock a
// moment before it starts listening.
constexpr int kConnectAttempts = 10;
constexpr int kConnectTimeoutMs = 500;
constexpr int kRetryPauseMs = 100;
constexpr int kWriteTimeoutMs = 1000;

QString UserIdentity() {
#ifdef Q_OS_UNIX
    return QString::number(::getuid());
#else
    return qEnvironmentVariable("USERNAME");
#endif
}

// Lock and socket live in the user's own runtime folder where there is one.
QString RendezvousFolder() {
    if (qEnvironmentVariableIsSet("XDG_RUNTIME_DIR")) {
        const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
        if (!runtime.isEmpty()) {
            return runtime;
        }
    }
    return QDir::tempPath();
}

}  // namespace

SingleInstance::SingleInstance(const QString& dataFolder, QObject* parent) : QObject(parent) {
    const QString folder = QDir::cleanPath(QFileInfo(dataFolder).absoluteFilePath());
    const QByteArray identity = (UserIdentity() + QLatin1Char('\n') + folder).toUtf8();
    const QByteArray digest = QCryptographicHash::hash(identity, QCryptographicHash::Sha256);
    baseName = QStringLiteral("tessellix-") + QString::fromLatin1(digest.toHex().left(24));
}

SingleInstance::~SingleInstance() = default;

QString SingleInstance::LockFilePath() const {
    return RendezvousFolder() + QLatin1Char('/') + baseName + QStringLiteral(".lock");
}

QString SingleInstance::ServerName() const {
#ifdef Q_OS_UNIX
    return RendezvousFolder() + QLatin1Char('/') + baseName + QStringLiteral(".socket");
#else
    return baseName;
#endif
}

bool SingleInstance::TryBecomeFirst() {
    lock = std::make_unique<QLockFile>(LockFilePath());
    // Only a dead owner makes a lock stale, never its age: a copy may run for days.
    lock->setStaleLockTime(0);
    if (lock->tryLock(0)) {
        Listen();
        return true;
    }
    const QLockFile::LockError error = lock->error();
    lock.reset();
    if (error == QLockFile::LockFailedError) {
        return false;
    }
    // No lock can be made here at all (no writable folder). Run unless a copy answers, and
    // leave its socket alone: without the lock this copy cannot know it is the only one.
    return !AskFirstToRaise();
}

void SingleInstance::Listen() {
    server = new QLocalServer(this);
    server->setSocketOptions(QLocalServer::UserAccessOption);
    connect(server, &QLocalServer::newConnection, this, &SingleInstance::AcceptConnections);
    // Holding the lock, this copy is the only one: a socket still there was left by a copy
    // that died.
    QLocalServer::removeServer(ServerName());
    // Should listening fail, later copies still end; they only cannot bring this one forward.
    server->listen(ServerName());
}

void SingleInstance::AcceptConnections() {
    while (QLocalSocket* socket = server->nextPendingConnection()) {
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] { ReadRequest(socket); });
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        ReadRequest(socket);
    }
}

void SingleInstance::ReadRequest(QLocalSocket* socket) {
    if (socket->canReadLine()) {
        const QByteArray request = socket->readLine(kLongestRequest + 1);
        socket->disconnectFromServer();
        if (request == kRaiseRequest) {
            emit raiseRequested();
        }
    } else if (socket->bytesAvailable() > kLongestRequest) {
        socket->abort();
    }
}

bool SingleInstance::AskFirstToRaise() {
    for (int attempt = 0; attempt < kConnectAttempts; ++attempt) {
        QLocalSocket socket;
        socket.connectToServer(ServerName());
        if (socket.waitForConnected(kConnectTimeoutMs)) {
            socket.write(kRaiseRequest);
            const bool written =
                socket.bytesToWrite() == 0 || socket.waitForBytesWritten(kWriteTimeoutMs);
            socket.disconnectFromServer();
            if (socket.state() != QLocalSocket::UnconnectedState) {
                socket.waitForDisconnected(kWriteTimeoutMs);
            }
            return written;
        }
        QThread::msleep(kRetryPauseMs);
    }
    return false;
}

void BringToFront(QWidget* window) {
    if (window == nullptr) {
        return;
    }
    if (window->isMinimized()) {
        window->showNormal();
    }
    window->raise();
    window->activateWindow();
}

}  // namespace tessellix
