#pragma once

#include "ErrorReport.h"
#include "PendingReports.h"
#include "framework/core/RegularFile.h"
#include "framework/settings/FileStore.h"
#include "framework/settings/IniFile.h"

#include <QSet>

#include <functional>
#include <optional>

namespace vt {

// The program's settings file, "config.ini" in the program folder or in the user's config folder, and
// the one way to it. Reads share one parse of the file until it changes on disk; each write puts what an
// event changed in one commit. A failure to write is said once, and again only after a write went
// through since: a different failure is news, the same one is not.
class Settings {
public:
    Settings(QString path, FileStore& disk, ErrorReport& report)
        : filePath(std::move(path)), disk(disk), report(report) {}

    const QString& path() const { return filePath; }
    // The file as it is now. The reference holds until the next read or write.
    const IniFile& read();

    // Commits what `writes` puts in the file; news of a failure is held in `reports`.
    void write(const std::function<void(IniFile&)>& writes, PendingReports& reports);
    // The same where nothing may be shown (the session or the display is ending, the machine goes to
    // sleep): news of a failure is one line on standard error.
    void writeQuietly(const std::function<void(IniFile&)>& writes) noexcept;

    // Says, once, when the file is too big to be read: the program then keeps its defaults and leaves
    // the file as it is.
    void sayWhyUnread();

    // After a reset this copy of the program writes nothing more: the next one starts from nothing.
    void stopWriting() { writing = false; }

private:
    // The failure of the commit when it is news.
    std::optional<QString> commit(const std::function<void(IniFile&)>& writes);
    // Whether a failure is news; from now on it is not.
    bool isNews(const QString& failure);

    QString filePath;
    FileStore& disk;
    ErrorReport& report;
    std::optional<IniFile> current;
    std::optional<FileStamp> currentStamp;
    bool tooBig = false;
    QSet<QString> said;
    bool writing = true;
};

} // namespace vt
