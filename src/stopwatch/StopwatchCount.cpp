#include "StopwatchCount.h"

#include "common/TimeTexts.h"

namespace {

// Conversion to a narrower signed type is modular since C++20: the 32-bit wrap, without overflow.
qint32 wrapped(qint64 value) { return static_cast<qint32>(value); }

// Moves one counter on by `steps`, knowing it doesn't stand at its limit, and returns how many times it
// reached the limit (and restarted from 0). Off its range it runs on, through the 32-bit wrap if need be,
// until it comes round to the limit; from then on it turns through 0..limit-1.
qint64 turn(qint32& counter, qint32 limit, qint64 steps) {
    const qint64 toLimit = static_cast<quint32>(qint64(limit) - counter);
    if (steps < toLimit) {
        counter = wrapped(counter + steps);
        return 0;
    }
    steps -= toLimit;
    counter = wrapped(steps % limit);
    return 1 + steps / limit;
}

} // namespace

void addTenth(StopwatchCount& count) {
    count.tenths = wrapped(qint64(count.tenths) + 1);
    if (count.tenths == 10) {
        count.seconds = wrapped(qint64(count.seconds) + 1);
        count.tenths = 0;
    }
    if (count.seconds == 60) {
        count.minutes = wrapped(qint64(count.minutes) + 1);
        count.seconds = 0;
    }
    if (count.minutes == 60) {
        count.hours = wrapped(qint64(count.hours) + 1);
        count.minutes = 0;
    }
}

void addTenths(StopwatchCount& count, qint64 tenths) {
    if (tenths <= 0) return;
    // The first step carries a stored 60 even without a carry into it; after it no counter stands at its
    // limit, so each carries only when the one below it comes round.
    addTenth(count);
    const qint64 seconds = turn(count.tenths, 10, tenths - 1);
    const qint64 minutes = turn(count.seconds, 60, seconds);
    const qint64 hours = turn(count.minutes, 60, minutes);
    count.hours = wrapped(count.hours + hours);
}

QString stopwatchText(const StopwatchCount& count) {
    return stopwatchText(count.hours, count.minutes, count.seconds, count.tenths);
}
