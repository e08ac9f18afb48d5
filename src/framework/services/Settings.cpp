#include "Settings.h"

namespace vt {

namespace {

Failure tooBigFailure(const QString& path) {
    return Failure(QStringLiteral("Le fichier %1 dépasse %2 Mo : Vantorel ne le lit pas et ne l'écrit pas, "
                                  "il garde ses réglages par défaut")
                       .arg(path)
                       .arg(largestSettingsFile >> 20));
}

} // namespace

const IniFile& Settings::read() {
    const std::optional<FileStamp> stamp = stampOf(filePath);
    if (!current || stamp != currentStamp) {
        currentStamp = stamp;
        tooBig = stamp && stamp->size > largestSettingsFile;
        // A file too big to hold reads as an unreadable one: as the defaults, and never replaced.
        current.emplace(filePath, disk);
    }
    return *current;
}

std::optional<QString> Settings::commit(const std::function<void(IniFile&)>& writes) {
    if (!writing) return std::nullopt;
    IniFile ini = read();
    writes(ini);
    const std::optional<QString> failure = failureIn([&] {
        if (tooBig) throw tooBigFailure(filePath);
        ini.commit();
    });
    if (!failure) {
        said.clear();
        current.emplace(std::move(ini));
        currentStamp = stampOf(filePath);
        return std::nullopt;
    }
    // The file may hold the writes or not: the next use reads it again.
    current.reset();
    return isNews(*failure) ? failure : std::nullopt;
}

bool Settings::isNews(const QString& failure) {
    if (said.contains(failure)) return false;
    said.insert(failure);
    return true;
}

void Settings::write(const std::function<void(IniFile&)>& writes, PendingReports& reports) {
    if (const auto news = commit(writes)) reports.add(*news);
}

void Settings::writeQuietly(const std::function<void(IniFile&)>& writes) noexcept {
    try {
        if (const auto news = commit(writes)) ErrorReport::tell(*news);
    } catch (...) {
        // Nothing can be said any more: the memory or the process is at its end.
    }
}

void Settings::sayWhyUnread() {
    read();
    if (!tooBig) return;
    if (const QString failure = tooBigFailure(filePath).message(); isNews(failure)) report.show(failure);
}

} // namespace vt
