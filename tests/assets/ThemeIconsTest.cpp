#include "artwork/ClockArt.h"
#include "assets/ProgramFiles.h"

#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace vt {
namespace {

TEST(ThemeIcons, TheIconAtEachSizeWhereTheDesktopLooksForIt) {
    QTemporaryDir theme;
    EXPECT_EQ(std::vector(std::begin(ThemeIconSizes), std::end(ThemeIconSizes)),
              std::vector({16, 32, 48, 64, 128, 256}));
    ASSERT_EQ(writeThemeIcons(theme.path(), "org.example.Clock"), QString());
    for (const int size : ThemeIconSizes) {
        const QString path = theme.filePath(QString("%1x%1/apps/org.example.Clock.png").arg(size));
        const QImage icon(path);
        EXPECT_EQ(icon.size(), QSize(size, size)) << path.toStdString();
        EXPECT_EQ(icon.pixelColor(0, 0).alpha(), 0) << path.toStdString(); // round, on a transparent square
        EXPECT_EQ(icon.convertToFormat(QImage::Format_ARGB32),
                  drawClockIcon(size).convertToFormat(QImage::Format_ARGB32));
    }
}

TEST(ThemeIcons, NamesWhatItCouldNotWrite) {
    QTemporaryDir temporary;
    QFile blocker(temporary.filePath("blocker"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    EXPECT_FALSE(writeThemeIcons(temporary.filePath("blocker/hicolor"), "org.example.Clock").isEmpty());
}

} // namespace
} // namespace vt
