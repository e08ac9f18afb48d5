#include "ExecutableFolder.h"

#include <QCoreApplication>

namespace vt {

QString ExecutableFolder::path() const { return QCoreApplication::applicationDirPath() + '/'; }

} // namespace vt
