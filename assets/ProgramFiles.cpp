#include "ProgramFiles.h"

#include "HelpDocument.h"
#include "Sounds.h"
#include "artwork/ClockArt.h"
#include "common/DataFiles.h"

#include <QBuffer>
#include <QDataStream>
#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <utility>

namespace vt {

QByteArray icoFile(const QList<QImage>& images) {
    // Each picture is a 32-bit bottom-up bitmap followed by its transparency mask, one bit a pixel.
    // Written here rather than by Qt's writer, which leaves the mask's row padding uninitialised.
    constexpr quint32 HeaderSize = 6;
    constexpr quint32 EntrySize = 16;
    constexpr quint32 InfoSize = 40;
    QByteArray directory;
    QByteArray pictures;
    QDataStream entries(&directory, QIODevice::WriteOnly);
    QDataStream data(&pictures, QIODevice::WriteOnly);
    entries.setByteOrder(QDataStream::LittleEndian);
    data.setByteOrder(QDataStream::LittleEndian);
    entries << quint16(0) << quint16(1) << quint16(images.size());
    for (const QImage& original : images) {
        const QImage image = original.convertToFormat(QImage::Format_ARGB32);
        const int w = image.width();
        const int h = image.height();
        const int maskRowBytes = (w + 31) / 32 * 4;
        const quint32 size = InfoSize + quint32(w * h * 4 + maskRowBytes * h);
        const quint32 offset = HeaderSize + EntrySize * quint32(images.size()) + quint32(pictures.size());
        entries << quint8(w % 256) << quint8(h % 256) << quint8(0) << quint8(0) << quint16(1) << quint16(32)
                << size << offset;
        data << InfoSize << qint32(w) << qint32(2 * h) << quint16(1) << quint16(32) << quint32(0)
             << quint32(size - InfoSize) << qint32(0) << qint32(0) << quint32(0) << quint32(0);
        for (int y = h - 1; y >= 0; --y)
            for (int x = 0; x < w; ++x)
                data << quint32(image.pixel(x, y)); // little-endian ARGB is the file's BGRA
        for (int y = h - 1; y >= 0; --y) {
            QByteArray row(maskRowBytes, 0);
            for (int x = 0; x < w; ++x)
                if (qAlpha(image.pixel(x, y)) == 0) row[x / 8] = char(row[x / 8] | (0x80 >> (x % 8)));
            data.writeRawData(row.constData(), row.size());
        }
    }
    return directory + pictures;
}

QByteArray bmpFile256(const QImage& image) {
    QList<QRgb> palette;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (const QRgb colour = image.pixel(x, y) | 0xFF000000;
                !palette.contains(colour) && palette.size() < 256)
                palette.append(colour);
    palette.resize(256, qRgb(0, 0, 0)); // a full table, or the writer drops to 16 colours
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    const QImage indexed = image.convertToFormat(QImage::Format_Indexed8, palette, Qt::ThresholdDither);
    return indexed.save(&buffer, "BMP") ? bytes : QByteArray();
}

QString writeProgramFiles(const QString& folder) {
    const QDir dir(folder);
    if (!dir.mkpath(".")) return folder;
    const std::pair<QString, QByteArray> files[] = {
        {DataFile::icon, icoFile(drawClockIcons())},
        {DataFile::clockFace, bmpFile256(drawClockFace())},
        {DataFile::alarmBell, bmpFile256(drawBell())},
        {DataFile::chime, wavFile(synthesiseChime())},
        {DataFile::alarmSound, wavFile(synthesiseAlarm())},
        {DataFile::help, helpDocument()},
    };
    for (const auto& [name, contents] : files) {
        QSaveFile file(dir.filePath(name));
        if (contents.isEmpty() || !file.open(QIODevice::WriteOnly) ||
            file.write(contents) != contents.size() || !file.commit())
            return name;
    }
    return {};
}

QString writeThemeIcons(const QString& folder, const QString& name) {
    for (const int size : ThemeIconSizes) {
        const QString path = QStringLiteral("%1/%2x%2/apps/%3.png").arg(folder).arg(size).arg(name);
        QSaveFile file(path);
        if (!QDir().mkpath(QFileInfo(path).absolutePath()) || !file.open(QIODevice::WriteOnly) ||
            !drawClockIcon(size).save(&file, "PNG") || !file.commit())
            return path;
    }
    return {};
}

} // namespace vt
