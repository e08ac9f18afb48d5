#include "framework/controls/UpDown.h"

#include <gtest/gtest.h>

#include <QSignalSpy>

namespace {
TEST(UpDown, StopsAtTheEndsOfItsRangeWithoutWrapping) {
    vt::UpDown upDown;
    upDown.setMinimum(0);
    upDown.setMaximum(23);
    upDown.setPosition(22);
    QSignalSpy changing(&upDown, &vt::UpDown::changing), clicked(&upDown, &vt::UpDown::clicked);

    upDown.step(+1);
    upDown.step(+1);
    EXPECT_EQ(upDown.position(), 23);
    EXPECT_EQ(changing.count(), 1); // the second step moved nothing
    EXPECT_EQ(clicked.count(), 2);

    upDown.setPosition(0);
    upDown.step(-1);
    EXPECT_EQ(upDown.position(), 0);
    EXPECT_EQ(changing.count(), 1); // neither the program's setting nor the blocked step

    upDown.setPosition(99);
    EXPECT_EQ(upDown.position(), 23);
}

} // namespace
