#include "common/TimeTexts.h"

#include "support/Printers.h"

#include <gtest/gtest.h>

namespace {

TEST(AlarmTime, EachNumberHasAZeroBeforeItBelowTen) {
    EXPECT_EQ(alarmTimeText(7, 5), "07 : 05");
    EXPECT_EQ(alarmTimeText(0, 0), "00 : 00");
    EXPECT_EQ(alarmTimeText(23, 59), "23 : 59");
    EXPECT_EQ(alarmTimeText(10, 10), "10 : 10");
}

TEST(CountdownText, HoursTakeTheDigitsTheyNeedMinutesAndSecondsTwo) {
    struct Row {
        qint64 hours, minutes, seconds;
        const char* text;
    };
    const Row rows[] = {{0, 4, 7, "00:04:07"}, {36, 0, 0, "36:00:00"},           {123, 0, 0, "123:00:00"},
                        {5, 0, 0, "05:00:00"}, {9, 59, 59, "09:59:59"},          {10, 10, 10, "10:10:10"},
                        {0, 0, 0, "00:00:00"}, {786431, 59, 59, "786431:59:59"}, {-1, 59, 59, "0-1:59:59"}};
    for (const Row& row : rows)
        EXPECT_EQ(countdownText(row.hours, row.minutes, row.seconds), row.text);
}

} // namespace
