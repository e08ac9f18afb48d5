#include "framework/controls/RadioButtons.h"

#include <gtest/gtest.h>

#include <QRadioButton>
#include <QWidget>

namespace {
TEST(RadioPair, TheProgramCanLeaveBothUnchecked) {
    QWidget window;
    QRadioButton yes(&window), no(&window);
    vt::setRadioChecked(no, true);
    vt::setRadioChecked(yes, true);
    EXPECT_TRUE(yes.isChecked());
    EXPECT_FALSE(no.isChecked());

    vt::setRadioChecked(yes, false);
    EXPECT_FALSE(yes.isChecked());
    EXPECT_FALSE(no.isChecked());

    vt::setRadioChecked(no, true);
    vt::setRadioChecked(yes, true); // still one group after the uncheck
    EXPECT_FALSE(no.isChecked());
}

} // namespace
