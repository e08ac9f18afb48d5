#include "DiskFileStore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vt {

namespace {

QByteArray native(const QString& path) { return QFile::encodeName(path); }

// The file a chain of symbolic links ends at, which may not exist yet; empty for a loop.
QString linkTarget(const QString& path) {
    QString target = path;
    for (int hops = 0; hops < 40; ++hops) {
        const QFileInfo info(target);
        if (!info.isSymLink()) return info.absoluteFilePath();
        target = info.symLinkTarget();
    }
    return QString();
}

bool writeAll(int fd, const char* data, qsizetype size) {
    while (size > 0) {
        const ssize_t written = ::write(fd, data, size_t(size));
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) return false;
        data += written;
        size -= written;
    }
    return true;
}

// The temporary files of a target: ".config.ini.<base 36 digits>.tmp" beside "config.ini".
QString tempPrefix(const QFileInfo& target) { return u'.' + target.fileName() + u'.'; }
const QString tempSuffix = QStringLiteral(".tmp");

bool isTempName(const QString& name, const QFileInfo& target) {
    const QString prefix = tempPrefix(target);
    if (name.size() <= prefix.size() + tempSuffix.size() || !name.startsWith(prefix) ||
        !name.endsWith(tempSuffix))
        return false;
    const QStringView digits =
        QStringView(name).sliced(prefix.size(), name.size() - prefix.size() - tempSuffix.size());
    return std::all_of(digits.begin(), digits.end(),
                       [](QChar c) { return (c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'z'); });
}

// The temporary file beside the target, removed unless it was renamed over the target.
class TempFile {
public:
    explicit TempFile(const QString& target) {
        const QFileInfo info(target);
        for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
            const QString suffix = QString::number(QRandomGenerator::global()->generate(), 36);
            const QByteArray name =
                native(info.absolutePath() + u'/' + tempPrefix(info) + suffix + tempSuffix);
            fd = ::open(name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
            if (fd >= 0) path = name; // only a file we made is ours to remove
            if (fd < 0 && errno != EEXIST) break;
        }
    }
    ~TempFile() {
        close();
        if (!renamed && !path.isEmpty()) ::unlink(path.constData());
    }
    TempFile(const TempFile&) = delete;
    TempFile& operator=(const TempFile&) = delete;

    bool isOpen() const { return fd >= 0; }
    int descriptor() const { return fd; }
    bool close() {
        const bool closed = fd < 0 || ::close(fd) == 0;
        fd = -1;
        return closed;
    }
    bool renameTo(const QByteArray& target) {
        renamed = ::rename(path.constData(), target.constData()) == 0;
        return renamed;
    }

private:
    QByteArray path;
    int fd = -1;
    bool renamed = false;
};

// Makes the rename itself durable; the new file is in place already, so a failure here is not one.
void syncFolder(const QString& target) {
    const int fd =
        ::open(native(QFileInfo(target).absolutePath()).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

} // namespace

std::optional<QByteArray> DiskFileStore::read(const QString& path) const {
    // Non-blocking so that a pipe in place of the file cannot hang the program.
    const QByteArray name = native(path);
    const int fd = ::open(name.constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) return errno == ENOENT ? std::optional(QByteArray()) : std::nullopt;
    std::optional<QByteArray> contents;
    struct stat status {};
    if (fault != Fault::Read && ::fstat(fd, &status) == 0 && S_ISREG(status.st_mode)) {
        contents.emplace();
        char buffer[65536];
        for (;;) {
            const ssize_t got = ::read(fd, buffer, sizeof buffer);
            if (got < 0 && errno == EINTR) continue;
            if (got < 0) contents.reset();
            if (got <= 0) break;
            contents->append(buffer, got);
        }
    }
    ::close(fd);
    return contents;
}

void DiskFileStore::removeLeftovers(const QString& path) {
    const QString target = linkTarget(path);
    if (target.isEmpty()) return;
    const QFileInfo info(target);
    QDir folder = info.dir();
    for (const QString& name : folder.entryList({tempPrefix(info) + u'*'}, QDir::Files | QDir::Hidden))
        if (isTempName(name, info)) folder.remove(name);
}

void DiskFileStore::replace(const QString& path, const QByteArray& contents) {
    const QString target = linkTarget(path);
    if (target.isEmpty()) throw cannotWrite(path);
    const QByteArray nativeTarget = native(target);

    // A rename would replace a file the user may not write, so ask first.
    struct stat status {};
    const bool exists = ::stat(nativeTarget.constData(), &status) == 0;
    if (!exists && errno != ENOENT) throw cannotWrite(path);
    if (exists &&
        (!S_ISREG(status.st_mode) || ::faccessat(AT_FDCWD, nativeTarget.constData(), W_OK, AT_EACCESS) != 0))
        throw cannotWrite(path);
    if (fault == Fault::TargetCheck) throw cannotWrite(path);

    if (fault == Fault::CreateTemp) throw cannotWrite(path);
    TempFile temp(target);
    if (!temp.isOpen()) throw cannotWrite(path);
    if (exists && ::fchmod(temp.descriptor(), status.st_mode & 07777) != 0) throw cannotWrite(path);

    // The write fault stops half-way, as a full disk would.
    const qsizetype size = fault == Fault::Write ? contents.size() / 2 : contents.size();
    if (!writeAll(temp.descriptor(), contents.constData(), size) || fault == Fault::Write)
        throw cannotWrite(path);
    if (::fsync(temp.descriptor()) != 0 || fault == Fault::Sync) throw cannotWrite(path);
    if (!temp.close()) throw cannotWrite(path);
    if (fault == Fault::Rename || !temp.renameTo(nativeTarget)) throw cannotWrite(path);
    syncFolder(target);
}

} // namespace vt
