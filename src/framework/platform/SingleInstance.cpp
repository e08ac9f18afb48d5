#include "SingleInstance.h"
#include "DiskFileStore.h"
#include "framework/services/ErrorReport.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vt {

namespace {

constexpr int askingMs = 2000;
const QString objectPath = QStringLiteral("/");
const QString interfaceName = QStringLiteral("org.vantorel.Vantorel.Copy");

// Opened without following a link and without waiting, so that a pipe or a planted link is refused;
// `identity` tells it from any other file.
int openLockFile(const QString& path, struct stat& identity) {
    const QByteArray name = QFile::encodeName(path);
    const int flags = O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC;
    int fd = ::open(name.constData(), O_RDWR | O_CREAT | flags, 0600);
    // On a disk that can't be written, a lock file made earlier still locks.
    if (fd < 0) fd = ::open(name.constData(), O_RDONLY | flags);
    if (fd >= 0 && (::fstat(fd, &identity) != 0 || !S_ISREG(identity.st_mode))) {
        ::close(fd);
        errno = EINVAL;
        return -1;
    }
    return fd;
}

// The running copy's name on the session bus.
QString busNameOf(const struct stat& lock) {
    return QStringLiteral("org.vantorel.Vantorel.Copy_%1_%2")
        .arg(quint64(lock.st_dev), 0, 16)
        .arg(quint64(lock.st_ino), 0, 16);
}

} // namespace

SingleInstance::SingleInstance(const QString& settingsFile) {
    // Beside the file the settings are written to; a loop of links is written to nowhere, so any name does.
    const QString target = DiskFileStore::linkTarget(settingsFile);
    const QFileInfo written(target.isEmpty() ? settingsFile : target);
    DiskFileStore::makeFolder(written.absolutePath());
    const QString lockPath = written.absolutePath() + QStringLiteral("/.") + written.fileName() + ".lock";
    struct stat lock {};
    lockFd = openLockFile(lockPath, lock);
    if (lockFd >= 0 && ::flock(lockFd, LOCK_EX | LOCK_NB) == 0) {
        answer(busNameOf(lock));
        return;
    }
    const int why = errno;
    const bool busy = lockFd >= 0 && why == EWOULDBLOCK;
    release();
    if (busy) {
        other = true;
        askTheRunningCopy(busNameOf(lock), settingsFile);
    } else {
        ErrorReport::tell(
            QStringLiteral(
                "impossible de poser le verrou %1 (%2) ; rien n'empêche une autre copie de tourner "
                "sur les mêmes réglages")
                .arg(lockPath, QString::fromLocal8Bit(std::strerror(why))));
    }
}

SingleInstance::~SingleInstance() { release(); }

void SingleInstance::Raise() {
    if (raiseRequest) raiseRequest();
}

// Without a session bus this copy still keeps others away; it just can't be asked to the front.
void SingleInstance::answer(const QString& name) {
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (bus.registerObject(objectPath, this, QDBusConnection::ExportScriptableSlots) &&
        bus.registerService(name))
        busName = name;
    else
        bus.unregisterObject(objectPath);
}

void SingleInstance::askTheRunningCopy(const QString& name, const QString& settingsFile) {
    const QDBusMessage reply = QDBusConnection::sessionBus().call(
        QDBusMessage::createMethodCall(name, objectPath, interfaceName, QStringLiteral("Raise")),
        QDBus::Block, askingMs);
    if (reply.type() != QDBusMessage::ReplyMessage)
        ErrorReport::tell(
            QStringLiteral("une copie tourne déjà sur %1 ; elle n'a pas pu être mise au premier plan (%2)")
                .arg(settingsFile, reply.errorMessage()));
}

void SingleInstance::release() {
    if (!busName.isEmpty()) {
        QDBusConnection bus = QDBusConnection::sessionBus();
        bus.unregisterService(busName);
        bus.unregisterObject(objectPath);
        busName.clear();
    }
    if (lockFd >= 0) ::close(lockFd);
    lockFd = -1;
}

} // namespace vt
