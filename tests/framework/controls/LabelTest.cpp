#include "framework/controls/Label.h"
#include "support/Printers.h"

#include <gtest/gtest.h>

namespace {
TEST(Label, SizesItselfToItsText) {
    vt::Label label;
    label.setCaption("00:00:00");
    const int narrow = label.width();
    label.setCaption("123:00:00:0");
    EXPECT_GT(label.width(), narrow);
    EXPECT_EQ(label.width(), label.sizeHint().width());

    vt::FontValue big = label.fontValue();
    big.pointSize = 30;
    big.color = vt::clNavy;
    label.setFontValue(big);
    EXPECT_EQ(label.height(), label.sizeHint().height());
    // Other digits, as each second brings: the size still matches the text, in the new font too.
    for (const char* text : {"123:11:11:1", "123:10:47:9", "123:88:88:8"}) {
        label.setCaption(text);
        EXPECT_EQ(label.size(), label.sizeHint()) << text;
    }
    EXPECT_EQ(label.fontValue().color, vt::clNavy);
    EXPECT_EQ(label.palette().color(QPalette::WindowText), QColor(0, 0, 0x80));
}

} // namespace
