#pragma once

#include <QByteArray>
#include <QImage>
#include <QList>
#include <QString>

namespace vt {

// The same picture at several sizes in one Windows icon file.
QByteArray icoFile(const QList<QImage>& images);

// A BMP file in 256 colours, the form the clock's bitmaps always had.
QByteArray bmpFile256(const QImage& image);

// Writes the data files the program reads from its folder, creating the folder when needed.
// Returns the name of the first file that couldn't be written, or an empty string.
QString writeProgramFiles(const QString& folder);

// The sizes of the application icon in the desktop's icon theme.
inline constexpr int ThemeIconSizes[] = {16, 32, 48, 64, 128, 256};

// Writes the application icon as `name`.png at each of those sizes into an icon theme folder laid out
// as the desktop looks it up (<folder>/<size>x<size>/apps/). Returns the first file that couldn't be
// written, or an empty string.
QString writeThemeIcons(const QString& folder, const QString& name);

} // namespace vt
