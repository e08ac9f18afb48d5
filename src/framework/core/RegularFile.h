#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

namespace vt {

// What a file on disk is now: its identity and its last change, so that a file replaced, rewritten or
// given other permissions is told from the one seen before, whatever its size and modification time.
struct FileStamp {
    quint64 device = 0, inode = 0;
    qint64 size = 0;
    qint64 modifiedNs = 0, changedNs = 0;
    bool operator==(const FileStamp&) const = default;
};

// Nothing when there is no file.
std::optional<FileStamp> stampOf(const QString& path);

// The contents of an ordinary file of at most `maxBytes`; nothing for anything else (missing, unreadable,
// a folder, a pipe, a device), which is never waited for.
std::optional<QByteArray> readRegularFile(const QString& path, qint64 maxBytes);

// Whether `path` is something other than an ordinary file of at most `maxBytes`: a folder, a pipe, a
// device, or a file too big to be what it should be. A missing file is not.
bool isUnusualFile(const QString& path, qint64 maxBytes);

} // namespace vt
