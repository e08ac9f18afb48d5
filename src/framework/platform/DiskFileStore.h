#pragma once

#include "framework/settings/FileStore.h"

namespace vt {

// The settings file on disk. replace() writes a temporary file beside the target, flushes it to disk
// and renames it over the target, so a crash or a full disk leaves the old file or the new one. It
// writes through symbolic links to their target and keeps the target's permissions.
class DiskFileStore : public FileStore {
public:
    // A step that tests make fail, as file permissions don't stop root.
    enum class Fault { None, Read, TargetCheck, CreateTemp, Write, Sync, Rename };

    explicit DiskFileStore(Fault fault = Fault::None) : fault(fault) {}
    void setFault(Fault step) { fault = step; }

    std::optional<QByteArray> read(const QString& path) const override;
    void replace(const QString& path, const QByteArray& contents) override;
    // Removes the temporary files a write that was killed left beside the file, and only those.
    static void removeLeftovers(const QString& path);

private:
    Fault fault;
};

} // namespace vt
