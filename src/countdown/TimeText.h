#pragma once

#include <QString>

// A number as the tools write their time fields: one "0" before it below 10 (a negative one too), in
// full above, so hours may take three digits or more. The stopwatch writes its fields the same way.
QString twoDigitText(qint64 value);

// The countdown's time left: 00:04:07, 36:00:00, 123:00:00.
QString countdownText(qint64 hours, qint64 minutes, qint64 seconds);
