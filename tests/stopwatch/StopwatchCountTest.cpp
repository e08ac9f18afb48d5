#include "stopwatch/StopwatchCount.h"

#include "support/Printers.h"

#include <gtest/gtest.h>

#include <limits>

static void PrintTo(const StopwatchCount& count, std::ostream* out) {
    *out << '{' << count.hours << ", " << count.minutes << ", " << count.seconds << ", " << count.tenths
         << '}';
}

namespace {

constexpr qint32 maxInt = std::numeric_limits<qint32>::max();
constexpr qint32 minInt = std::numeric_limits<qint32>::min();
constexpr qint64 tenthsPerHour = 36000;

TEST(StopwatchText, HoursMinutesAndSecondsHaveAZeroBeforeThemBelowTen) {
    const std::pair<StopwatchCount, const char*> texts[] = {
        {{0, 0, 0, 0}, "00:00:00:0"},
        {{1, 2, 3, 4}, "01:02:03:4"},
        {{123, 45, 6, 7}, "123:45:06:7"},
        {{10, 10, 10, 9}, "10:10:10:9"},
        {{-1, 0, 0, 0}, "0-1:00:00:0"},
        {{0, 75, 60, 15}, "00:75:60:15"},
        {{maxInt, 0, 0, 0}, "2147483647:00:00:0"},
    };
    for (const auto& [count, text] : texts)
        EXPECT_EQ(stopwatchText(count), text);
}

TEST(StopwatchCount, CarriesOnlyWhenACounterEqualsItsLimit) {
    struct Carry {
        StopwatchCount from;
        qint64 tenths;
        StopwatchCount to;
    };
    const Carry carries[] = {
        {{0, 0, 0, 0}, 10, {0, 0, 1, 0}},
        {{0, 59, 59, 9}, 1, {1, 0, 0, 0}},
        {{99, 59, 59, 9}, 1, {100, 0, 0, 0}},
        {{0, 0, 60, 0}, 1, {0, 1, 0, 1}}, // a stored 60 carries at the first step
        {{0, 60, 0, 0}, 1, {1, 0, 0, 1}},
        {{0, 60, 60, 9}, 1, {1, 0, 61, 0}},  // the seconds pass 60 in the step that tests them
        {{0, 0, 75, 0}, 100, {0, 0, 85, 0}}, // above the limit: counts on, never carries
        {{0, 0, 0, 15}, 5, {0, 0, 0, 20}},
        {{0, 0, 59, 15}, 1000, {0, 0, 59, 1015}},
        {{0, 0, 0, -3}, 13, {0, 0, 1, 0}}, // below zero: counts up to the limit
        {{maxInt, 59, 59, 9}, 1, {minInt, 0, 0, 0}},
        {{0, 0, 0, maxInt}, 1, {0, 0, 0, minInt}},
        {{0, 0, 0, maxInt}, (qint64(1) << 31) + 11, {0, 0, 1, 0}}, // round through the wrap to 10
        {{0, 0, 0, 0}, 100 * tenthsPerHour, {100, 0, 0, 0}},
        {{0, 0, 0, 0}, 3652 * 24 * tenthsPerHour + 1, {87648, 0, 0, 1}}, // ten years in one step
    };
    for (const Carry& carry : carries) {
        StopwatchCount count = carry.from;
        addTenths(count, carry.tenths);
        EXPECT_EQ(count, carry.to) << stopwatchText(carry.from).toStdString() << " + " << carry.tenths;
    }
}

TEST(StopwatchCount, ManyTenthsAtOnceAreAsManySingleSteps) {
    const StopwatchCount starts[] = {
        {0, 0, 0, 0},
        {0, 59, 59, 9},
        {3, 0, 60, 0},
        {0, 60, 0, 5},
        {0, 60, 60, 9},
        {0, 0, 75, 0},
        {0, 0, 0, 15},
        {0, 0, 0, 10},
        {-1, -5, -1, -7},
        {maxInt, 59, 59, 9},
        {0, 59, maxInt, 9},
        {0, maxInt, maxInt, maxInt - 20},
        {minInt, minInt, minInt, minInt},
    };
    for (const StopwatchCount& start : starts) {
        StopwatchCount stepped = start;
        for (qint64 tenths = 0; tenths <= 2 * tenthsPerHour; ++tenths) {
            StopwatchCount bulk = start;
            addTenths(bulk, tenths);
            ASSERT_EQ(bulk, stepped) << stopwatchText(start).toStdString() << " + " << tenths;
            addTenth(stepped);
        }
    }
}

} // namespace
