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

} // namespace vt
