#include "framework/platform/QtCommonDialogs.h"
#include "support/Printers.h"

#include <gtest/gtest.h>

namespace {
TEST(OpenFileDialog, TakesTheWindowsFiltersAsTheyAreSpelled) {
    EXPECT_EQ(vt::toQtNameFilters("Son (*.wav)|*.wav"), QStringList({"Son (*.wav) (*.wav)"}));
    EXPECT_EQ(vt::toQtNameFilters("*.*|*.*"), QStringList({"*.* (*)"}));
    EXPECT_EQ(vt::toQtNameFilters("Sons (*.wav, *.mp3, *.mid); |*.wav; *.mp3;*.mid"),
              QStringList({"Sons (*.wav, *.mp3, *.mid);  (*.wav *.mp3 *.mid)"}));
}

} // namespace
