#pragma once

#include "framework/core/RegularFile.h"

#include <QImage>
#include <QWidget>

namespace vt {

// A picture drawn unscaled from the top-left corner, which the program can load, clear and draw on.
class Image : public QWidget {
    Q_OBJECT

public:
    explicit Image(QWidget* parent = nullptr);

    // Fails with "Impossible d'ouvrir le fichier <path>" when the file can't be read as a picture, or is
    // no ordinary file of a picture's size. A file loaded before and unchanged since (the same file, not
    // written nor given other permissions) isn't decoded again.
    void loadFromFile(const QString& path);
    void setPicture(const QImage& image);
    void clear();
    const QImage& picture() const { return image; }

    // Draws a line in the picture's default pen (solid black, one pixel) from `from` up to, not
    // including, `to`.
    void drawLine(QPoint from, QPoint to);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    static constexpr qint64 maxPictureBytes = 64 << 20;

    struct Loaded {
        QString path;
        FileStamp stamp;
        QImage picture;
    };

    QImage image;
    Loaded loaded;
};

} // namespace vt
