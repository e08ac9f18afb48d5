#include "assets/HelpDocument.h"

#include <gtest/gtest.h>

namespace vt {
namespace {

TEST(HelpDocument, IsRtfInFrench) {
    const QByteArray rtf = helpDocument();
    EXPECT_TRUE(rtf.startsWith("{\\rtf1"));
    int depth = 0;
    for (qsizetype i = 0; i < rtf.size(); ++i) {
        ASSERT_LT(static_cast<unsigned char>(rtf[i]), 0x80) << "at " << i;
        if (rtf[i] == '\\')
            ++i; // an escaped brace or backslash
        else
            depth += rtf[i] == '{' ? 1 : rtf[i] == '}' ? -1 : 0;
        ASSERT_GE(depth, 0);
    }
    EXPECT_EQ(depth, 0);
    for (const char* heading :
         {"La fen\\'eatre principale", "Les menus", "Le chronom\\'e8tre", "Le compte \\'e0 rebours",
          "L'alarme", "Param\\'e9trer l'alarme", "Les options", "config.ini"})
        EXPECT_TRUE(rtf.contains(heading)) << heading;
}

} // namespace
} // namespace vt
