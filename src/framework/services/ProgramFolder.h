#pragma once

#include <QString>

namespace vt {

// Where a copy of the program keeps its files: the data files it reads and its settings file.
class ProgramFolder {
public:
    virtual ~ProgramFolder() = default;
    // The folder of the data files, ending with a path separator.
    virtual QString path() const = 0;
    // A portable program folder keeps its settings beside its data files.
    virtual QString settingsFile() const { return file(QStringLiteral("config.ini")); }
    // The running program's executable, which the reset starts again.
    virtual QString executable() const = 0;
    QString file(const QString& name) const { return path() + name; }
};

} // namespace vt
