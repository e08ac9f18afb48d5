#include "common/WindowShake.h"
#include "support/Fakes.h"

#include <gtest/gtest.h>

#include <QScreen>
#include <QWidget>

namespace {

// A window's walk: where it stands at each step.
std::vector<QPoint> shake(Fakes& fakes, QWidget& window, QPoint from, int steps) {
    window.move(from);
    std::vector<QPoint> walk;
    fakes.windowSystem.whenFlushed = [&] { walk.push_back(window.pos()); };
    shakeWindow(window, steps, fakes.services);
    fakes.windowSystem.whenFlushed = nullptr;
    return walk;
}

TEST(WindowShake, AWalkOfAtMostAThousandStepsThatStaysOnTheScreenAndRepeatsWithinAMillisecond) {
    Fakes fakes;
    QWidget window;
    window.resize(200, 80);
    window.show();
    const QRect area = window.screen()->availableGeometry();

    EXPECT_TRUE(shake(fakes, window, {100, 100}, -5).empty());
    EXPECT_TRUE(shake(fakes, window, {100, 100}, 0).empty());

    // The same millisecond seeds the same walk: each step a jump of -9 to +9 down and across.
    const std::vector<QPoint> first = shake(fakes, window, {300, 300}, 50);
    EXPECT_EQ(shake(fakes, window, {300, 300}, 50), first);
    ASSERT_EQ(first.size(), 50u);
    QPoint last(300, 300);
    for (const QPoint& p : first) {
        EXPECT_LE(std::abs(p.x() - last.x()), 9);
        EXPECT_LE(std::abs(p.y() - last.y()), 9);
        last = p;
    }
    EXPECT_NE(last, QPoint(300, 300));

    // In a corner, capped: the window never leaves the screen's available area.
    const std::vector<QPoint> capped = shake(fakes, window, area.topLeft(), 100000);
    EXPECT_EQ(capped.size(), 1000u);
    for (const QPoint& p : capped)
        ASSERT_TRUE(area.contains(QRect(p, window.frameGeometry().size()))) << p.x() << ", " << p.y();
}

} // namespace
