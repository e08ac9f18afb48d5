#include "RegularFile.h"

#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vt {

namespace {

qint64 nanoseconds(const timespec& time) { return qint64(time.tv_sec) * 1'000'000'000 + time.tv_nsec; }

bool isRegularOfSize(const struct stat& status, qint64 maxBytes) {
    return S_ISREG(status.st_mode) && status.st_size <= maxBytes;
}

} // namespace

std::optional<FileStamp> stampOf(const QString& path) {
    struct stat status {};
    if (::stat(QFile::encodeName(path).constData(), &status) != 0) return std::nullopt;
    return FileStamp{quint64(status.st_dev), quint64(status.st_ino), qint64(status.st_size),
                     nanoseconds(status.st_mtim), nanoseconds(status.st_ctim)};
}

std::optional<QByteArray> readRegularFile(const QString& path, qint64 maxBytes) {
    // Non-blocking: opening a pipe for reading would otherwise wait for a writer.
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) return std::nullopt;
    struct stat status {};
    std::optional<QByteArray> contents;
    if (::fstat(fd, &status) == 0 && isRegularOfSize(status, maxBytes)) {
        contents.emplace();
        char buffer[65536];
        for (;;) {
            const ssize_t got = ::read(fd, buffer, sizeof buffer);
            if (got < 0 && errno == EINTR) continue;
            if (got < 0 || contents->size() + got > maxBytes) contents.reset();
            if (got <= 0 || !contents) break;
            contents->append(buffer, got);
        }
    }
    ::close(fd);
    return contents;
}

bool isUnusualFile(const QString& path, qint64 maxBytes) {
    struct stat status {};
    return ::stat(QFile::encodeName(path).constData(), &status) == 0 && !isRegularOfSize(status, maxBytes);
}

} // namespace vt
