#pragma once

#include <QDate>
#include <QTime>

// When a time of day on the local wall clock comes, in milliseconds since the epoch: its first occurrence
// when the clock shows it twice (the hour repeated at the end of daylight saving), the instant of the
// jump when the clock skips it (the start of daylight saving).
qint64 firstInstantOf(QDate date, QTime time);

// Whether `time` of any date comes in the span (previous, now]. Nothing comes when the clock went back.
bool comesBetween(qint64 previous, qint64 now, QTime time);

// Whether a full hour of the local clock comes in the span (previous, now].
bool fullHourComesBetween(qint64 previous, qint64 now);
