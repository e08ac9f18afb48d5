#include "framework/controls/Image.h"
#include "support/Fakes.h"

#include <gtest/gtest.h>

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <sys/stat.h>

namespace {
TEST(Image, DrawsLinesUpToButNotIncludingTheEndPoint) {
    vt::Image image;
    QImage white(10, 10, QImage::Format_RGB32);
    white.fill(Qt::white);
    image.setPicture(white);
    image.drawLine({2, 2}, {2, 6});
    image.drawLine({4, 4}, {7, 1});
    auto black = [&](int x, int y) { return image.picture().pixel(x, y) == qRgb(0, 0, 0); };
    for (int y = 2; y < 6; ++y)
        EXPECT_TRUE(black(2, y)) << y;
    EXPECT_FALSE(black(2, 6));
    EXPECT_TRUE(black(4, 4));
    EXPECT_TRUE(black(6, 2));
    EXPECT_FALSE(black(7, 1));
}

TEST(Image, AMissingFileFailsAndKeepsThePicture) {
    vt::Image image;
    QImage red(3, 3, QImage::Format_RGB32);
    red.fill(Qt::red);
    image.setPicture(red);
    try {
        image.loadFromFile("/nulle/part/Horloge.bmp");
        FAIL();
    } catch (const vt::Failure& failure) {
        EXPECT_EQ(failure.message(), "Impossible d'ouvrir le fichier /nulle/part/Horloge.bmp");
    }
    EXPECT_EQ(image.picture().pixel(1, 1), qRgb(255, 0, 0));
}

TEST(Image, ReloadingErasesWhatWasDrawnAndFollowsAChangedFile) {
    QTemporaryDir dir;
    const QString path = dir.filePath("face.bmp");
    QImage white(8, 8, QImage::Format_RGB32);
    white.fill(Qt::white);
    ASSERT_TRUE(white.save(path, "BMP"));
    vt::Image image;
    image.loadFromFile(path);
    image.drawLine({0, 0}, {0, 5});
    image.loadFromFile(path);
    EXPECT_EQ(image.picture().pixel(0, 2), qRgb(255, 255, 255));

    QImage bigger(9, 9, QImage::Format_RGB32);
    bigger.fill(Qt::blue);
    ASSERT_TRUE(bigger.save(path, "BMP"));
    image.loadFromFile(path);
    EXPECT_EQ(image.picture().size(), QSize(9, 9));
    QFile::remove(path);
    EXPECT_THROW(image.loadFromFile(path), vt::Failure);
}

TEST(Image, AFileReplacedBySameSizeAndTimeIsNoticedAndOnlyOrdinaryFilesAreRead) {
    QTemporaryDir dir;
    const QString path = dir.filePath("face.bmp");
    QImage colour(8, 8, QImage::Format_RGB32);
    colour.fill(Qt::white);
    ASSERT_TRUE(colour.save(path, "BMP"));
    const QDateTime modified = QFileInfo(path).lastModified();
    vt::Image image;
    image.loadFromFile(path);
    colour.fill(Qt::blue);
    ASSERT_TRUE(colour.save(dir.filePath("other.bmp"), "BMP"));
    ASSERT_TRUE(QFile::remove(path));
    ASSERT_TRUE(QFile::rename(dir.filePath("other.bmp"), path));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    ASSERT_TRUE(file.setFileTime(modified, QFileDevice::FileModificationTime));
    file.close();
    image.loadFromFile(path);
    EXPECT_EQ(image.picture().pixel(1, 1), qRgb(0, 0, 255));

    // A pipe or a device in its place is a file that can't be opened, at once.
    ASSERT_EQ(::mkfifo(QFile::encodeName(dir.filePath("pipe.bmp")).constData(), 0600), 0);
    for (const QString& unusual : {dir.filePath("pipe.bmp"), QString("/dev/zero"), dir.path()})
        EXPECT_THROW(image.loadFromFile(unusual), vt::Failure) << unusual.toStdString();
    EXPECT_EQ(image.picture().pixel(1, 1), qRgb(0, 0, 255));
}

} // namespace
