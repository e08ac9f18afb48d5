#pragma once

#include <QString>

namespace vt {

// The desktop's "open" action: a document goes to its default application, a program is started.
// The result is never examined.
class DesktopOpen {
public:
    virtual ~DesktopOpen() = default;
    virtual void open(const QString& path) = 0;
};

} // namespace vt
