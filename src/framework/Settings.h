#pragma once

#include "FileStore.h"
#include "IniFile.h"
#include "ProgramFolder.h"

namespace vt {

// The program's settings file, "config.ini" in the program folder. Each event that touches it opens it,
// reads or writes its keys, and commits.
class Settings : private FileStore {
public:
    Settings(ProgramFolder& folder, FileStore& disk) : folder(folder), disk(disk) {}

    QString path() const { return folder.file(QStringLiteral("config.ini")); }
    IniFile open() { return IniFile(path(), *this); }

    // After a reset this copy of the program writes nothing more: the next one starts from nothing.
    void stopWriting() { writing = false; }

private:
    std::optional<QByteArray> read(const QString& file) const override { return disk.read(file); }
    void replace(const QString& file, const QByteArray& contents) override {
        if (writing) disk.replace(file, contents);
    }

    ProgramFolder& folder;
    FileStore& disk;
    bool writing = true;
};

} // namespace vt
