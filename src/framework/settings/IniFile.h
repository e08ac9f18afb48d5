#pragma once

#include "FileStore.h"
#include "IniLines.h"

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
