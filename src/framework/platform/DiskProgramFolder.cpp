#include "DiskProgramFolder.h"

#include <QDir>
#include <QFile>

#include <climits>
#include <fcntl.h>
#include <sys/auxv.h>
#include <unistd.h>

namespace vt {

namespace {
const QString settingsFileName = QStringLiteral("config.ini");

// The link /proc/self/exe, which the system can't give beyond a page; else the name the program was
// started by, which may be relative to the working folder (unchanged since).
QByteArray executablePath() {
    QByteArray link(256, '\0');
    for (;;) {
        const ssize_t length = ::readlink("/proc/self/exe", link.data(), size_t(link.size()));
        if (length < 0) break;
        if (length < link.size()) return link.left(length);
        link.resize(link.size() * 2);
    }
    return QByteArray(reinterpret_cast<const char*>(::getauxval(AT_EXECFN)));
}

// One name at a time, so that the system is never handed a path longer than its limit.
bool moveInto(const QByteArray& folder) {
    if (folder.startsWith('/') && ::chdir("/") != 0) return false;
    for (const QByteArray& name : folder.split('/'))
        if (!name.isEmpty() && ::chdir(name.constData()) != 0) return false;
    return true;
}

} // namespace

std::optional<QString> reachableFolder(const QByteArray& executable) {
    const qsizetype slash = executable.lastIndexOf('/');
    const QByteArray folder = slash > 0    ? executable.left(slash)
                              : slash == 0 ? QByteArray("/")
                                           : QByteArray(".");
    const QString name = QFile::decodeName(folder);
    if (folder.startsWith('/') && folder.size() < PATH_MAX && QFile::encodeName(name) == folder) return name;
    if (!moveInto(folder)) return std::nullopt;
    return workingFolder;
}

ProgramPaths choosePaths(const QString& executableFolder, const FolderHolds& holds, const QString& configHome,
                         const QString& home) {
    const QString beside = QDir::cleanPath(executableFolder) + '/';
    if (holds.settings || (holds.data && holds.writable)) return {beside, beside + settingsFileName};
    const QString config = QDir::isAbsolutePath(configHome) ? configHome : home + QStringLiteral("/.config");
    const QString installed = QDir::cleanPath(beside + QStringLiteral("../share/vantorel")) + '/';
    return {holds.data ? beside : installed,
            QDir::cleanPath(config + QStringLiteral("/vantorel/config.ini"))};
}

ProgramPaths findPaths(const QString& executableFolder, DataFileNames dataFiles, const QString& configHome,
                       const QString& home) {
    const QDir folder(executableFolder);
    FolderHolds holds;
    for (const char* name : dataFiles)
        holds.data = holds.data || QFile::exists(folder.filePath(QString::fromUtf8(name)));
    holds.settings = QFile::exists(folder.filePath(settingsFileName));
    // Asked of the system rather than read from the permission bits, which say nothing of a read-only disk.
    holds.writable =
        ::faccessat(AT_FDCWD, QFile::encodeName(executableFolder).constData(), W_OK | X_OK, AT_EACCESS) == 0;
    return choosePaths(executableFolder, holds, configHome, home);
}

DiskProgramFolder::DiskProgramFolder(DataFileNames dataFiles) {
    const QByteArray file = executablePath();
    const std::optional<QString> folder = reachableFolder(file);
    if (!folder) {
        missing =
            QStringLiteral("impossible de trouver le dossier du programme %1").arg(QFile::decodeName(file));
        return;
    }
    paths = findPaths(*folder, dataFiles, qEnvironmentVariable("XDG_CONFIG_HOME"), QDir::homePath());
    executableFile = *folder + u'/' + QFile::decodeName(file.mid(file.lastIndexOf('/') + 1));
    // An installed copy's data files lie beside its folder, which only a name Qt can spell reaches.
    if (*folder == workingFolder && !paths.dataFolder.startsWith(*folder))
        missing = QStringLiteral("les fichiers de données de %1 sont introuvables : le nom de son dossier "
                                 "n'est pas en UTF-8 ou dépasse la longueur permise")
                      .arg(QFile::decodeName(file));
}

} // namespace vt
