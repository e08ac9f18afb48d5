#include "IniFile.h"

#include "IniEncoding.h"
#include "IniValue.h"

#include <utility>

namespace vt {

namespace {

// Unique for names that pass validName(), since those hold no ']'.
QString writeName(const QString& section, const QString& key) {
    return foldIniName(section) + u']' + foldIniName(key);
}

bool validName(const QString& name, bool isKey) {
    if (name.isEmpty() || isIniBlank(name.front()) || isIniBlank(name.back())) return false;
    // A key starting like a comment would read back as one.
    if (isKey && (name.front() == u';' || name.front() == u'#')) return false;
    for (const QChar c : name)
        if (c == u']' || c == u'=' || c == u'\n' || c == u'\r' || c == QChar::Null) return false;
    return true;
}

QString refusalReason(const QString& section, const QString& key, const QString& value) {
    if (!validName(section, false) || !validName(key, true))
        return QStringLiteral("le nom de la section ou de la clé n'est pas valable");
    if (value.contains(u'\n') || value.contains(u'\r'))
        return QStringLiteral("la valeur contient un saut de ligne");
    if (value.contains(QChar::Null)) return QStringLiteral("la valeur contient un caractère nul");
    return QString();
}

} // namespace

IniFile::IniFile(QString path, FileStore& store) : path(std::move(path)), store(store) {
    const std::optional<QByteArray> bytes = store.read(this->path);
    readable = bytes.has_value();
    load(bytes.value_or(QByteArray()));
}

void IniFile::load(const QByteArray& bytes) {
    IniText text = decodeIniText(bytes);
    bom = text.bom;
    lines = IniLines(text.text);
}

std::optional<QString> IniFile::find(const QString& section, const QString& key) const {
    const auto written = writeByName.constFind(writeName(section, key));
    if (written != writeByName.constEnd()) return writes[*written].value;
    if (const auto raw = lines.rawValue(section, key)) return decodeIniString(*raw);
    return std::nullopt;
}

QString IniFile::readString(const QString& section, const QString& key, const QString& fallback) const {
    const auto value = find(section, key);
    return value ? cutIniString(*value) : fallback;
}

qint32 IniFile::readInteger(const QString& section, const QString& key, qint32 fallback) const {
    const auto value = find(section, key);
    return value ? parseIniInteger(*value).value_or(fallback) : fallback;
}

bool IniFile::readBool(const QString& section, const QString& key, bool fallback) const {
    const auto value = find(section, key);
    const auto number = value ? parseIniInteger(*value) : std::nullopt;
    return number ? *number != 0 : fallback;
}

void IniFile::writeString(const QString& section, const QString& key, const QString& value) {
    const QString reason = refusalReason(section, key, value);
    if (!reason.isEmpty()) {
        if (refusal.isEmpty())
            refusal = QStringLiteral("Impossible d'écrire la clé %1/%2 dans %3 : %4")
                          .arg(section, key, path, reason);
        return;
    }
    const QString name = writeName(section, key);
    const auto written = writeByName.constFind(name);
    if (written != writeByName.constEnd()) {
        writes[*written].value = value;
        return;
    }
    writeByName.insert(name, writes.size());
    writes.push_back({section, key, value});
}

void IniFile::writeInteger(const QString& section, const QString& key, qint32 value) {
    writeString(section, key, QString::number(value));
}

void IniFile::writeBool(const QString& section, const QString& key, bool value) {
    writeString(section, key, value ? QStringLiteral("1") : QStringLiteral("0"));
}

void IniFile::commit() {
    if (!writes.empty()) {
        // Replacing a file we could not read would lose what it holds.
        if (!readable) throw cannotWrite(path);
        const QByteArray bytes = encodeIniText({lines.withEntries(writes), bom});
        store.replace(path, bytes);
        load(bytes);
        writes.clear();
        writeByName.clear();
    }
    if (!refusal.isEmpty()) throw Failure(std::exchange(refusal, QString()));
}

} // namespace vt
