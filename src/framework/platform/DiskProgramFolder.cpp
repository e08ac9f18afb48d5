#include "DiskProgramFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include <fcntl.h>
#include <unistd.h>

namespace vt {

ProgramPaths choosePaths(const QString& executableFolder, bool dataBeside, bool writable,
                         const QString& configHome, const QString& home) {
    const QString beside = QDir::cleanPath(executableFolder) + '/';
    if (dataBeside && writable) return {beside, beside + QStringLiteral("config.ini")};
    const QString config = QDir::isAbsolutePath(configHome) ? configHome : home + QStringLiteral("/.config");
    const QString installed = QDir::cleanPath(beside + QStringLiteral("../share/vantorel")) + '/';
    return {dataBeside ? beside : installed,
            QDir::cleanPath(config + QStringLiteral("/vantorel/config.ini"))};
}

ProgramPaths findPaths(const QString& executableFolder, DataFileNames dataFiles, const QString& configHome,
                       const QString& home) {
    const QDir folder(executableFolder);
    bool dataBeside = false;
    for (const char* name : dataFiles)
        dataBeside = dataBeside || QFile::exists(folder.filePath(QString::fromUtf8(name)));
    // Asked of the system rather than read from the permission bits, which say nothing of a read-only disk.
    const bool writable =
        ::faccessat(AT_FDCWD, QFile::encodeName(executableFolder).constData(), W_OK | X_OK, AT_EACCESS) == 0;
    return choosePaths(executableFolder, dataBeside, writable, configHome, home);
}

DiskProgramFolder::DiskProgramFolder(DataFileNames dataFiles)
    : paths(findPaths(QCoreApplication::applicationDirPath(), dataFiles,
                      qEnvironmentVariable("XDG_CONFIG_HOME"), QDir::homePath())) {}

QString DiskProgramFolder::executable() const { return QCoreApplication::applicationFilePath(); }

} // namespace vt
