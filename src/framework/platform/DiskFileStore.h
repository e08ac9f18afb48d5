#pragma once

#include "framework/settings/FileStore.h"

namespace vt {

// The settings file on disk. replace() goes through QSaveFile (a temporary file beside the target,
// flushed to disk, renamed over it), so a crash or a full disk leaves the old file or the new one; it
// writes through symbolic links to their target, keeps the target's permissions, and makes the missing
// folders, for the user alone.
class DiskFileStore : public FileStore {
public:
    std::optional<QByteArray> read(const QString& path) const override;
    void replace(const QString& path, const QByteArray& contents) override;
    // Removes the temporary files a write of an earlier version that was killed left beside the file,
    // and only those.
    static void removeLeftovers(const QString& path);
    // The user's config folder may not hold ours yet. Folders made there are the user's alone, as the
    // desktop's convention asks; one that can't be made shows as the file that can't be written.
    static void makeFolder(const QString& path);
    // The file a chain of symbolic links ends at, which may not exist yet; empty for a loop.
    static QString linkTarget(const QString& path);
};

} // namespace vt
