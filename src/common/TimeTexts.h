#pragma once

#include <QString>

// The texts the windows write times with.

// A number as the windows write their time fields: one "0" before it below 10 (a negative one too), in
// full above, so hours may take three digits or more.
QString twoDigitText(qint64 value);

// The alarm time as the alarm windows show it: "07 : 05".
QString alarmTimeText(qint32 hour, qint32 minute);

// The countdown's time left: 00:04:07, 36:00:00, 123:00:00.
QString countdownText(qint64 hours, qint64 minutes, qint64 seconds);

// The stopwatch's count, "01:02:03:4": the tenths as they are.
QString stopwatchText(qint64 hours, qint64 minutes, qint64 seconds, qint64 tenths);
