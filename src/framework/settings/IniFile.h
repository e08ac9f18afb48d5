#pragma once

#include "FileStore.h"
#include "IniLines.h"
#include "Setting.h"

#include <QHash>
#include <QString>

#include <optional>
#include <vector>

namespace vt {

// One use of the settings file: reads it once, collects the writes and applies them all in one
// atomic replacement on commit(). Nothing it does not write changes; an object destroyed without
// commit() writes nothing.
class IniFile {
public:
    // Reading never creates or changes the file; a missing or unreadable one reads as empty.
    IniFile(QString path, FileStore& store);

    // Reads see the writes not yet committed.
    QString readString(const QString& section, const QString& key, const QString& fallback) const;
    qint32 readInteger(const QString& section, const QString& key, qint32 fallback) const;
    bool readBool(const QString& section, const QString& key, bool fallback) const;

    void writeString(const QString& section, const QString& key, const QString& value);
    void writeInteger(const QString& section, const QString& key, qint32 value);
    void writeBool(const QString& section, const QString& key, bool value);

    // The same by a key of a table; a path's default file is in `dataFolder`.
    qint32 read(const IntegerSetting& s) const { return readInteger(s.section, s.key, s.fallback); }
    bool read(const BoolSetting& s) const { return readBool(s.section, s.key, s.fallback); }
    QString read(const TextSetting& s) const { return readString(s.section, s.key, s.fallback); }
    QString read(const PathSetting& s, const QString& dataFolder) const {
        return readString(s.section, s.key, dataFolder + s.dataFile);
    }
    void write(const IntegerSetting& s, qint32 value) { writeInteger(s.section, s.key, value); }
    void write(const BoolSetting& s, bool value) { writeBool(s.section, s.key, value); }
    void write(const TextSetting& s, const QString& value) { writeString(s.section, s.key, value); }
    void write(const PathSetting& s, const QString& value) { writeString(s.section, s.key, value); }

    // Writes the collected values, if any. Throws cannotWrite(path) and writes none of them when the
    // file cannot be replaced; throws after writing the others when a write was refused because its
    // name or value would break the file.
    void commit();

private:
    void load(const QByteArray& bytes);
    std::optional<QString> find(const QString& section, const QString& key) const;

    QString path;
    FileStore& store;
    bool readable = true;
    bool bom = false;
    IniLines lines;
    std::vector<IniLines::Entry> writes;
    QHash<QString, size_t> writeByName;
    QString refusal;
};

} // namespace vt
