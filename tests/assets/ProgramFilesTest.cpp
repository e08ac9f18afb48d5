#include "assets/ProgramFiles.h"
#include "artwork/ClockArt.h"
#include "common/DataFiles.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QTemporaryDir>
#include <QtEndian>

#include <gtest/gtest.h>

namespace vt {
namespace {

TEST(ClockFace, BitmapIn256ColoursKeepsEveryPixel) {
    const QImage face = drawClockFace();
    const QByteArray bmp = bmpFile256(face);
    ASSERT_GT(bmp.size(), 54);
    EXPECT_TRUE(bmp.startsWith("BM"));
    EXPECT_EQ(qFromLittleEndian<quint16>(bmp.constData() + 28), 8); // bits per pixel
    const QImage loaded = QImage::fromData(bmp, "BMP");
    ASSERT_EQ(loaded.size(), face.size());
    for (int y = 0; y < face.height(); ++y)
        for (int x = 0; x < face.width(); ++x)
            ASSERT_EQ(loaded.pixelColor(x, y), face.pixelColor(x, y)) << x << ", " << y;
}

TEST(ClockIcon, IcoFileHoldsEachSizePixelForPixel) {
    const QList<QImage> icons = {drawClockIcon(16), drawClockIcon(32), drawClockIcon(48)};
    QByteArray ico = icoFile(icons);
    QBuffer buffer(&ico);
    QImageReader reader(&buffer, "ico");
    ASSERT_EQ(reader.imageCount(), 3);
    for (int i = 0; i < 3; ++i) {
        ASSERT_TRUE(reader.jumpToImage(i));
        const QImage loaded = reader.read().convertToFormat(QImage::Format_ARGB32);
        EXPECT_EQ(loaded, icons[i].convertToFormat(QImage::Format_ARGB32)) << "picture " << i;
    }
}

TEST(ProgramFiles, WritesEveryFileTheProgramReads) {
    QTemporaryDir temporary;
    const QString folder = temporary.filePath("vantorel");
    ASSERT_EQ(writeProgramFiles(folder), QString());
    const QDir dir(folder);
    for (const char* name :
         {"horloge.ico", "Horloge.bmp", "CLOCHE.BMP", "ding.wav", "alarme1.wav", "Aidez-moi.doc"})
        EXPECT_GT(QFileInfo(dir.filePath(name)).size(), 0) << name;
    EXPECT_EQ(QImage(dir.filePath("Horloge.bmp")).size(), QSize(58, 56));
    EXPECT_EQ(QImage(dir.filePath("CLOCHE.BMP")).size(), QSize(17, 17));
    EXPECT_EQ(QImage(dir.filePath("horloge.ico")).size(), QSize(16, 16));
}

TEST(ProgramFiles, NamesWhatItCouldNotWrite) {
    QTemporaryDir temporary;
    QFile blocker(temporary.filePath("blocker"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    EXPECT_FALSE(writeProgramFiles(temporary.filePath("blocker/vantorel")).isEmpty());
}

} // namespace
} // namespace vt
