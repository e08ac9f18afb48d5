#include "QtDesktopOpen.h"

#include <QDesktopServices>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QUrl>

namespace vt {

bool isProgram(const QString& path) {
    const QFileInfo info(path);
    if (!info.isFile() || !info.isExecutable())
        return false;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray start = file.read(4);
    return start == QByteArray("\x7f" "ELF") || start.startsWith("#!");
}

void QtDesktopOpen::open(const QString& path) {
    if (isProgram(path))
        QProcess::startDetached(path, {});
    else
        QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

} // namespace vt
