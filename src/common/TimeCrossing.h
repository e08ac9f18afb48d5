#pragma once

#include <QDate>
#include <QTime>

#include <optional>

// When a time of day on the local wall clock comes, in milliseconds since the epoch: its first occurrence
// when the clock shows it twice (the hour repeated at the end of daylight saving), the instant of the
// jump when the clock skips it (the start of daylight saving).
qint64 firstInstantOf(QDate date, QTime time);

// The latest instant in the span (previous, now] at which `time` of some date comes, if any. Nothing
// comes when the clock went back.
std::optional<qint64> lastComingBetween(qint64 previous, qint64 now, QTime time);

// The latest full hour of the local clock in the span (previous, now], if any.
std::optional<qint64> lastFullHourBetween(qint64 previous, qint64 now);
