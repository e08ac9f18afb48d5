#include "ExecutableFolder.h"

#include <QCoreApplication>

namespace vt {

QString ExecutableFolder::path() const {
    return QCoreApplication::applicationDirPath() + '/';
}
QString ExecutableFolder::executable() const {
    return QCoreApplication::applicationFilePath();
}

} // namespace vt
