#pragma once

#include <QString>
#include <QStringView>

#include <optional>

namespace vt {

// How one value is spelled in the settings file.

constexpr qsizetype iniMaxStringLength = 2047;

inline bool isIniBlank(QChar c) { return c == u' ' || c == u'\t'; }
QStringView trimIniBlanks(QStringView text);
// Section and key names compare without regard to case.
inline QString foldIniName(QStringView name) { return name.toString().toCaseFolded(); }

// A string as read: blanks around it dropped, then one pair of surrounding double quotes.
QString decodeIniString(QStringView raw);
// Quoted when blanks or quotes at its ends would be lost on reading it back.
QString encodeIniString(const QString& value);
// At most iniMaxStringLength characters, without splitting a surrogate pair.
QString cutIniString(QString value);

// A signed 32-bit decimal with an optional sign, or a 32-bit pattern of 1 to 8 hexadecimal digits
// after "$", "0x" or "0X"; nullopt for anything else.
std::optional<qint32> parseIniInteger(QStringView text);

} // namespace vt
