#include "SingleInstance.h"

#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QStandardPaths>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace vt {

namespace {
constexpr int askingMs = 2000;
} // namespace

SingleInstance::SingleInstance(const QString& settingsFile) {
    const QByteArray key = QFileInfo(settingsFile).absoluteFilePath().toUtf8();
    const QString base = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation) + "/vantorel-" +
                         QCryptographicHash::hash(key, QCryptographicHash::Sha1).toHex().left(16);
    lockFd = ::open(QFile::encodeName(base + ".lock").constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    // Without a lock to take, this copy can't tell: it runs.
    if (lockFd < 0) return;
    if (::flock(lockFd, LOCK_EX | LOCK_NB) == 0) {
        listen(base + ".socket");
        return;
    }
    ::close(lockFd);
    lockFd = -1;
    other = true;
    askTheRunningCopy(base + ".socket");
}

SingleInstance::~SingleInstance() { release(); }

void SingleInstance::listen(const QString& socketPath) {
    server = std::make_unique<QLocalServer>();
    // A copy that was killed left its socket behind; the lock says it is gone.
    QLocalServer::removeServer(socketPath);
    server->listen(socketPath);
    connect(server.get(), &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* asking = server->nextPendingConnection())
            asking->deleteLater();
        if (raise) raise();
    });
}

void SingleInstance::askTheRunningCopy(const QString& socketPath) {
    QLocalSocket socket;
    socket.connectToServer(socketPath);
    if (socket.waitForConnected(askingMs)) socket.disconnectFromServer();
}

void SingleInstance::release() {
    server.reset();
    if (lockFd >= 0) ::close(lockFd);
    lockFd = -1;
}

} // namespace vt
