#pragma once

#include <QByteArray>

namespace vt {

// The help document "Aidez-moi.doc": RTF, which word processors open whatever the file's extension.
QByteArray helpDocument();

} // namespace vt
