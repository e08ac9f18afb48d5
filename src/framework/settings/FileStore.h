#pragma once

#include "framework/core/Failure.h"

#include <QByteArray>
#include <QString>

#include <optional>

namespace vt {

// Where the settings file lives: the disk in the program, memory or a faulty disk in the tests.
class FileStore {
public:
    virtual ~FileStore() = default;
    // The whole file; empty when there is none, nullopt when there is one that cannot be read.
    virtual std::optional<QByteArray> read(const QString& path) const = 0;
    // Replaces the file with `contents` in one step: afterwards it holds either the old or the new
    // bytes, never a mix. Throws cannotWrite(path) on any problem.
    virtual void replace(const QString& path, const QByteArray& contents) = 0;
};

// A settings file is a few kilobytes; one far bigger is not read at all, so that it can't exhaust the
// memory of the program.
inline constexpr qint64 largestSettingsFile = qint64(4) << 20;

// The one failure of writing the settings file the user is shown, whatever went wrong.
inline Failure cannotWrite(const QString& path) {
    return Failure(QStringLiteral("Impossible d'écrire dans ") + path);
}

} // namespace vt
