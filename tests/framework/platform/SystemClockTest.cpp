#include "framework/platform/SystemClock.h"
#include "support/Printers.h"

#include <gtest/gtest.h>

namespace {
TEST(LocaleFormats, TheTimeLeavesOutTheZoneName) {
    EXPECT_EQ(vt::withoutZoneName("HH:mm:ss t"), "HH:mm:ss");
    EXPECT_EQ(vt::withoutZoneName("h:mm:ss AP t"), "h:mm:ss AP");
    EXPECT_EQ(vt::withoutZoneName("HH:mm:ss"), "HH:mm:ss");
    EXPECT_EQ(QTime(14, 5, 9).toString(vt::SystemClock().longTimeFormat()), "14:05:09");
    EXPECT_EQ(QDate(2026, 12, 8).toString(vt::SystemClock().shortDateFormat()), "08/12/2026");
}

} // namespace
