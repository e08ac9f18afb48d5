#include "common/ClockHands.h"
#include "framework/controls/Image.h"
#include "support/Printers.h"

#include <gtest/gtest.h>

namespace {

TEST(ClockFace, HourHandEndsAsTheFullTurnConstantDecides) {
    const QPoint table[12] = {{28, 19}, {33, 20}, {36, 24}, {37, 28}, {36, 33}, {32, 36},
                              {28, 37}, {23, 36}, {20, 32}, {19, 28}, {20, 23}, {24, 20}};
    for (int hour = 0; hour < 12; ++hour)
        EXPECT_EQ(handEnd(hour, 12, 9), table[hour]) << hour;
}

TEST(ClockFace, MinuteAndSecondHandEnds) {
    const std::pair<int, QPoint> ends[] = {{0, {28, 16}},  {5, {34, 18}},  {15, {40, 28}},
                                           {30, {28, 40}}, {45, {16, 28}}, {59, {27, 16}}};
    for (const auto& [position, end] : ends)
        EXPECT_EQ(handEnd(position, 60, 12), end) << position;
}

TEST(ClockFace, HandsAreDrawnFromTheCentreUpToButNotIncludingTheirEnds) {
    struct Case {
        QTime time;
        QPoint hourEnd, minuteEnd, secondEnd;
    };
    const Case cases[] = {
        {QTime(3, 30, 45), {37, 28}, {28, 40}, {16, 28}},  {QTime(18, 15, 0), {28, 37}, {40, 28}, {28, 16}},
        {QTime(7, 0, 30), {23, 36}, {28, 16}, {28, 40}},   {QTime(23, 5, 45), {24, 20}, {34, 18}, {16, 28}},
        {QTime(13, 45, 20), {33, 20}, {16, 28}, {38, 34}}, {QTime(9, 59, 15), {19, 28}, {27, 16}, {40, 28}},
    };
    for (const Case& c : cases) {
        vt::Image face;
        QImage white(57, 57, QImage::Format_RGB32);
        white.fill(Qt::white);
        face.setPicture(white);
        drawHands(face, c.time);
        auto black = [&](QPoint p) { return face.picture().pixel(p) == qRgb(0, 0, 0); };
        EXPECT_TRUE(black({28, 28}));
        for (QPoint end : {c.hourEnd, c.minuteEnd, c.secondEnd}) {
            const QString where = c.time.toString() + QString(" (%1, %2)").arg(end.x()).arg(end.y());
            EXPECT_FALSE(black(end)) << qPrintable(where);
            // The line reaches the pixel next to its end, on the centre's side.
            bool reached = false;
            for (int dx = -1; dx <= 1; ++dx)
                for (int dy = -1; dy <= 1; ++dy) {
                    const QPoint next = end + QPoint(dx, dy);
                    const auto distance = [](QPoint p) { return (p - QPoint(28, 28)).manhattanLength(); };
                    reached = reached || (distance(next) < distance(end) && black(next));
                }
            EXPECT_TRUE(reached) << qPrintable(where);
        }
    }
}

} // namespace
