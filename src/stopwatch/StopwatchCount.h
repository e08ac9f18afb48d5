#pragma once

#include <QString>

// The stopwatch's four counters. Values from a hand-edited settings file are kept as they come, so any
// of them may be out of its range.
struct StopwatchCount {
    qint32 hours = 0;
    qint32 minutes = 0;
    qint32 seconds = 0;
    qint32 tenths = 0;

    bool operator==(const StopwatchCount&) const = default;
};

// One tenth more. Each counter carries only when it equals its limit, tested at every step in the order
// tenths, seconds, minutes, so a stored 60 carries at the next step while a 75 or a 15 just counts on.
// Arithmetic wraps at 32 bits.
void addTenth(StopwatchCount& count);

// The same as `tenths` calls of addTenth, in constant time.
void addTenths(StopwatchCount& count, qint64 tenths);

// "01:02:03:4".
QString stopwatchText(const StopwatchCount& count);
