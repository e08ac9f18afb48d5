#include "framework/controls/Timer.h"
#include "support/Fakes.h"

#include <gtest/gtest.h>

#include <QSignalSpy>

namespace {
struct TimerOnFakeClock : ::testing::Test {
    FakeClock clock;
    vt::Timer timer;
    int fired = 0;
    QList<QTime> firedAt;
    void SetUp() override {
        QObject::connect(&timer, &vt::Timer::timeout, [this] {
            ++fired;
            firedAt << clock.localNow().time();
        });
        timer.attach(clock);
    }
};

TEST_F(TimerOnFakeClock, FiresEveryIntervalWhileActive) {
    timer.setInterval(100);
    timer.setActive(true);
    clock.advance(1000);
    EXPECT_EQ(fired, 10);
    timer.setActive(false);
    clock.advance(1000);
    EXPECT_EQ(fired, 10);
}

TEST_F(TimerOnFakeClock, AnAlignedTimerFiresJustAfterEachWholeSecond) {
    clock.setLocal(QDateTime(QDate(2026, 12, 8), QTime(14, 5, 9, 250)));
    timer.setInterval(1000);
    timer.setAlignToSecond(true);
    timer.setActive(true);
    clock.advance(3000);
    ASSERT_EQ(fired, 3);
    EXPECT_EQ(firedAt[0], QTime(14, 5, 10, 3));
    EXPECT_EQ(firedAt[2], QTime(14, 5, 12, 3));

    clock.stall(1500); // a busy program: the late event realigns
    clock.advance(0);
    clock.advance(1000);
    EXPECT_EQ(firedAt.last(), QTime(14, 5, 14, 3));
}

TEST_F(TimerOnFakeClock, HaltStopsTheEventsButKeepsTheSetting) {
    timer.setInterval(100);
    timer.setActive(true);
    timer.halt();
    clock.advance(1000);
    EXPECT_EQ(fired, 0);
    EXPECT_TRUE(timer.isActive());
}

} // namespace
