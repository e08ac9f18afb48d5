#pragma once

#include <QByteArray>
#include <QString>

namespace vt {

// The text of a settings file, line by line: UTF-8, or Windows-1252 for a line whose bytes are not valid
// UTF-8 (files from older copies of the program, a comment typed in an old editor).
struct IniText {
    QString text;
    bool bom = false;
};

IniText decodeIniText(const QByteArray& bytes);
// Always UTF-8, so a rewritten Windows-1252 file is converted as a whole.
QByteArray encodeIniText(const IniText& text);

} // namespace vt
