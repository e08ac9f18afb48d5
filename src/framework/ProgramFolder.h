#pragma once

#include <QString>

namespace vt {

// The folder of the program's data files and its settings, ending with a path separator.
class ProgramFolder {
public:
    virtual ~ProgramFolder() = default;
    virtual QString path() const = 0;
    // The running program's executable, which the reset starts again.
    virtual QString executable() const = 0;
    QString file(const QString& name) const { return path() + name; }
};

} // namespace vt
