#pragma once

#include <QString>

// The countdown's time left: 00:04:07, 36:00:00, 123:00:00.
QString countdownText(qint64 hours, qint64 minutes, qint64 seconds);
