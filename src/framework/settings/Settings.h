#pragma once

#include "FileStore.h"
#include "IniFile.h"

#include <QDir>
#include <QFileInfo>

namespace vt {

// The program's settings file, "config.ini" in the program folder or in the user's config folder. Each
// event that touches it opens it, reads or writes its keys, and commits.
class Settings : private FileStore {
public:
    Settings(QString path, FileStore& disk) : filePath(std::move(path)), disk(disk) {}

    const QString& path() const { return filePath; }
    IniFile open() { return IniFile(filePath, *this); }

    // After a reset this copy of the program writes nothing more: the next one starts from nothing.
    void stopWriting() { writing = false; }

    // The user's config folder may not hold ours yet. Folders made there are the user's alone, as the
    // desktop's convention asks; one that can't be made shows as the file that can't be written.
    static void makeFolder(const QString& path) {
        if (QFileInfo::exists(path)) return;
        makeFolder(QFileInfo(path).absolutePath());
        QDir().mkdir(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    }

private:
    std::optional<QByteArray> read(const QString& file) const override { return disk.read(file); }
    bool takesWrites() const override { return writing; }
    void replace(const QString& file, const QByteArray& contents) override {
        makeFolder(QFileInfo(file).absolutePath());
        disk.replace(file, contents);
    }

    QString filePath;
    FileStore& disk;
    bool writing = true;
};

} // namespace vt
