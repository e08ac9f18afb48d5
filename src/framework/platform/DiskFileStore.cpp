#include "DiskFileStore.h"

#include "framework/core/RegularFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vt {

namespace {

QByteArray native(const QString& path) { return QFile::encodeName(path); }

// The temporary files earlier versions wrote: ".config.ini.<base 36 digits>.tmp" beside "config.ini".
bool isLeftoverName(const QString& name, const QFileInfo& target) {
    const QString prefix = u'.' + target.fileName() + u'.';
    const QLatin1String suffix(".tmp");
    if (name.size() <= prefix.size() + suffix.size() || !name.startsWith(prefix) || !name.endsWith(suffix))
        return false;
    const QStringView digits =
        QStringView(name).sliced(prefix.size(), name.size() - prefix.size() - suffix.size());
    return std::all_of(digits.begin(), digits.end(),
                       [](QChar c) { return (c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'z'); });
}

// The rename is durable only once the folder is on disk too; the new file is in place already, so a
// failure here is not one.
void syncFolder(const QString& target) {
    const int fd =
        ::open(native(QFileInfo(target).absolutePath()).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

} // namespace

QString DiskFileStore::linkTarget(const QString& path) {
    QString target = path;
    for (int hops = 0; hops < 40; ++hops) {
        const QFileInfo info(target);
        if (!info.isSymLink()) return info.absoluteFilePath();
        target = info.symLinkTarget();
    }
    return QString();
}

void DiskFileStore::makeFolder(const QString& path) {
    if (QFileInfo::exists(path)) return;
    makeFolder(QFileInfo(path).absolutePath());
    QDir().mkdir(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
}

std::optional<QByteArray> DiskFileStore::read(const QString& path) const {
    struct stat status {};
    if (::stat(native(path).constData(), &status) != 0 && errno == ENOENT) return QByteArray();
    // Only an ordinary file, never waited on: a pipe in place of the file cannot hang the program.
    return readRegularFile(path, largestSettingsFile);
}

void DiskFileStore::removeLeftovers(const QString& path) {
    const QString target = linkTarget(path);
    if (target.isEmpty()) return;
    const QFileInfo info(target);
    QDir folder = info.dir();
    for (const QString& name :
         folder.entryList({u'.' + info.fileName() + QStringLiteral(".*")}, QDir::Files | QDir::Hidden))
        if (isLeftoverName(name, info)) folder.remove(name);
}

void DiskFileStore::replace(const QString& path, const QByteArray& contents) {
    const QString target = linkTarget(path);
    if (target.isEmpty()) throw cannotWrite(path);

    // The rename would replace a file the user may not write, or something that is no file at all (a
    // folder, a pipe): those stay as they are.
    struct stat status {};
    const bool exists = ::stat(native(target).constData(), &status) == 0;
    if (!exists && errno != ENOENT) throw cannotWrite(path);
    if (exists && (!S_ISREG(status.st_mode) ||
                   ::faccessat(AT_FDCWD, native(target).constData(), W_OK, AT_EACCESS) != 0))
        throw cannotWrite(path);

    makeFolder(QFileInfo(target).absolutePath());
    // Unbuffered, so that a write cut short (a full disk) shows here; synced here, since QSaveFile lets a
    // failed sync go by. A file not committed is removed.
    QSaveFile file(target);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered) || file.write(contents) != contents.size() ||
        ::fsync(file.handle()) != 0 || !file.commit())
        throw cannotWrite(path);
    syncFolder(target);
}

} // namespace vt
