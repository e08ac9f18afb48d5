#pragma once

#include <QByteArray>
#include <QString>

namespace vt {

// The text of a settings file: UTF-8, or Windows-1252 when the bytes are not valid UTF-8 (files from
// older copies of the program).
struct IniText {
    QString text;
    bool bom = false;
};

IniText decodeIniText(const QByteArray& bytes);
// Always UTF-8, so a rewritten Windows-1252 file is converted as a whole.
QByteArray encodeIniText(const IniText& text);

} // namespace vt
