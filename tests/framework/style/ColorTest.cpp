#include "framework/style/Color.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QColor>
#include <QPalette>

namespace {
TEST(Colors, KeepTheirValueAndDrawFromThePalette) {
    EXPECT_EQ(vt::clBtnFace, -2147483633);
    EXPECT_EQ(vt::clWindowText, -2147483640);
    const QPalette palette = QApplication::palette();
    EXPECT_EQ(vt::toQColor(vt::clBtnFace, palette), palette.color(QPalette::Window));
    EXPECT_EQ(vt::toQColor(vt::clWindowText, palette), palette.color(QPalette::WindowText));
    EXPECT_EQ(vt::toQColor(vt::systemColor(99), palette), palette.color(QPalette::Window));
    EXPECT_EQ(vt::toQColor(0x0000FF, palette), QColor(255, 0, 0)); // 0x00BBGGRR
    EXPECT_EQ(vt::fromQColor(QColor(0x12, 0x34, 0x56)), 0x563412);
}

} // namespace
