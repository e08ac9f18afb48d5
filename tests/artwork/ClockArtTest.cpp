#include "artwork/ClockArt.h"
#include "assets/ProgramFiles.h"

#include <QImage>

#include <gtest/gtest.h>

#include <cmath>

namespace vt {
namespace {
constexpr QPoint FaceCentre(28, 28);

bool isWhite(QColor c) { return c == Qt::white; }

bool isRed(QColor c) { return c.red() > 90 && c.green() < 110 && c.blue() < 110 && c.red() > 2 * c.green(); }

bool isDark(QColor c) { return c.lightness() < 80; }

double distance(QPoint a, QPoint b) { return std::hypot(a.x() - b.x(), a.y() - b.y()); }

int darkPixelsAround(const QImage& image, QPoint centre, int reach) {
    int count = 0;
    for (int y = centre.y() - reach; y <= centre.y() + reach; ++y)
        for (int x = centre.x() - reach; x <= centre.x() + reach; ++x)
            count += isDark(image.pixelColor(x, y));
    return count;
}

TEST(ClockFace, Is58By56) { EXPECT_EQ(drawClockFace().size(), QSize(58, 56)); }

TEST(ClockFace, LeavesTheHandsAWhiteDialWithAGreyCentreDot) {
    const QImage face = drawClockFace();
    for (int y = 0; y < face.height(); ++y) {
        for (int x = 0; x < face.width(); ++x) {
            const QPoint p(x, y);
            if (distance(p, FaceCentre) <= 14 && distance(p, FaceCentre) > 1.5) {
                EXPECT_TRUE(isWhite(face.pixelColor(p))) << x << ", " << y;
            }
        }
    }
    const QColor dot = face.pixelColor(FaceCentre);
    EXPECT_EQ(dot.red(), dot.green());
    EXPECT_EQ(dot.green(), dot.blue());
    EXPECT_GT(dot.lightness(), 60);
    EXPECT_LT(dot.lightness(), 200);
}

TEST(ClockFace, HasARedFrameRoundTheDialInEveryDirection) {
    const QImage face = drawClockFace();
    const QPoint directions[] = {{0, -1}, {1, -1}, {1, 0}, {1, 1}, {0, 1}, {-1, 1}, {-1, 0}, {-1, -1}};
    for (QPoint step : directions) {
        QPoint p = FaceCentre;
        while (face.valid(p + step) && !isRed(face.pixelColor(p)))
            p += step;
        EXPECT_TRUE(isRed(face.pixelColor(p))) << "towards " << step.x() << ", " << step.y();
        EXPECT_GT(distance(p, FaceCentre), 20) << "towards " << step.x() << ", " << step.y();
    }
}

TEST(ClockFace, IsOctagonalNotSquare) {
    const QImage face = drawClockFace();
    for (QPoint corner : {QPoint(2, 2), QPoint(54, 2), QPoint(2, 54), QPoint(54, 54)})
        EXPECT_FALSE(isRed(face.pixelColor(corner)));
    for (QPoint edge : {QPoint(28, 2), QPoint(54, 28), QPoint(28, 54), QPoint(2, 28)})
        EXPECT_TRUE(isRed(face.pixelColor(edge)));
}

TEST(ClockFace, MarksTwelveHoursOutsideTheHandsReach) {
    const QImage face = drawClockFace();
    for (int hour = 0; hour < 12; ++hour) {
        const double angle = hour * std::numbers::pi / 6;
        const QPoint mark(28 + int(std::lround(19 * std::sin(angle))),
                          28 - int(std::lround(19 * std::cos(angle))));
        EXPECT_GE(darkPixelsAround(face, mark, 2), hour % 3 == 0 ? 5 : 3) << "hour " << hour;
    }
    // The minute hand's tips at the quarters end on white, not on a numeral.
    for (QPoint tip : {QPoint(28, 16), QPoint(40, 28), QPoint(28, 40), QPoint(16, 28)})
        EXPECT_EQ(darkPixelsAround(face, tip, 1), 0);
}

TEST(Bell, IsAGoldenPictureOnAPlainBackground) {
    const QImage bell = drawBell();
    ASSERT_EQ(bell.size(), QSize(17, 17));
    int golden = 0;
    int dark = 0;
    for (int y = 0; y < 17; ++y) {
        for (int x = 0; x < 17; ++x) {
            const QColor c = bell.pixelColor(x, y);
            golden += c.red() > 200 && c.green() > 150 && c.blue() < 100;
            dark += isDark(c);
        }
    }
    EXPECT_GT(golden, 60);
    EXPECT_GT(dark, 20);
    const QColor background = bell.pixelColor(0, 0);
    EXPECT_GT(background.lightness(), 200);
    EXPECT_EQ(bell.pixelColor(16, 0), background);
    EXPECT_EQ(bell.pixelColor(16, 16), background);
}

TEST(ClockIcon, IsARoundPictureAtEveryThemeSize) {
    for (int size : {16, 32, 48, 64, 128, 256}) {
        const QImage icon = drawClockIcon(size);
        ASSERT_EQ(icon.size(), QSize(size, size));
        EXPECT_TRUE(icon.hasAlphaChannel());
        EXPECT_EQ(qAlpha(icon.pixel(0, 0)), 0) << size;
        EXPECT_EQ(qAlpha(icon.pixel(size - 1, size - 1)), 0) << size;
        EXPECT_EQ(qAlpha(icon.pixel(size / 2, size / 10)), 255) << size;
        EXPECT_TRUE(isRed(icon.pixelColor(size / 2, size / 20 + 1))) << size;
    }
}

} // namespace
} // namespace vt
