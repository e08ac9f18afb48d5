#include "DiskProgramFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include <fcntl.h>
#include <unistd.h>

namespace vt {

namespace {
const QString settingsFileName = QStringLiteral("config.ini");
} // namespace

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

DiskProgramFolder::DiskProgramFolder(DataFileNames dataFiles)
    : paths(findPaths(QCoreApplication::applicationDirPath(), dataFiles,
                      qEnvironmentVariable("XDG_CONFIG_HOME"), QDir::homePath())) {}

QString DiskProgramFolder::executable() const { return QCoreApplication::applicationFilePath(); }

} // namespace vt
