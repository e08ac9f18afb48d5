#include "framework/windows/ControlEvents.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QPushButton>

namespace {

TEST(ControlEvents, ACheckBoxsClickComesWithEveryChangeOfItsStateByTheProgramToo) {
    QCheckBox box;
    int clicks = 0;
    ASSERT_TRUE(vt::connectControlEvent(box, "OnClick", box, [&] { ++clicks; }));
    box.setChecked(true);
    box.setChecked(true); // the state it already has: nothing runs
    box.setChecked(false);
    EXPECT_EQ(clicks, 2);
}

TEST(ControlEvents, AControlWithoutTheEventIsNotBound) {
    QPushButton button;
    EXPECT_FALSE(vt::connectControlEvent(button, "OnTimer", button, [] {}));
    EXPECT_FALSE(vt::connectControlEvent(button, "OnChange", button, [] {}));
}

} // namespace
