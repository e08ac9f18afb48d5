#include "Image.h"

#include "framework/core/Failure.h"

#include <QPainter>

#include <cstdlib>

namespace vt {

Image::Image(QWidget* parent) : QWidget(parent) {}

void Image::loadFromFile(const QString& path) {
    const std::optional<FileStamp> stamp = stampOf(path);
    if (stamp && path == loaded.path && *stamp == loaded.stamp) {
        image = loaded.picture;
        update();
        return;
    }
    // Only an ordinary file: a pipe or a device in its place would hold the program for good.
    const std::optional<QByteArray> bytes = readRegularFile(path, maxPictureBytes);
    QImage picture;
    if (!stamp || !bytes || !picture.loadFromData(*bytes))
        throw Failure(QStringLiteral("Impossible d'ouvrir le fichier %1").arg(path));
    setPicture(picture);
    loaded = {path, *stamp, image};
}

void Image::setPicture(const QImage& picture) {
    image = picture.convertToFormat(QImage::Format_RGB32);
    update();
}

void Image::clear() {
    image = QImage();
    loaded = {};
    update();
}

void Image::drawLine(QPoint from, QPoint to) {
    if (image.isNull() || from == to) return;
    // Bresenham, stopping before the end point as the classic GDI line does.
    int x = from.x(), y = from.y();
    const int dx = std::abs(to.x() - x), dy = -std::abs(to.y() - y);
    const int sx = x < to.x() ? 1 : -1, sy = y < to.y() ? 1 : -1;
    int error = dx + dy;
    // The pixels written straight into the picture: setPixel's checks cost more than the line.
    uchar* const bits = image.bits();
    const qsizetype stride = image.bytesPerLine();
    while (x != to.x() || y != to.y()) {
        if (image.rect().contains(x, y)) reinterpret_cast<QRgb*>(bits + y * stride)[x] = qRgb(0, 0, 0);
        const int twice = 2 * error;
        if (twice >= dy) {
            error += dy;
            x += sx;
        }
        if (twice <= dx) {
            error += dx;
            y += sy;
        }
    }
    update();
}

void Image::paintEvent(QPaintEvent*) {
    if (image.isNull()) return;
    QPainter painter(this);
    painter.drawImage(0, 0, image);
}

} // namespace vt
