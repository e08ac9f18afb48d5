#include "TimeText.h"

QString twoDigitText(qint64 value) {
    return (value < 10 ? QStringLiteral("0") : QString()) + QString::number(value);
}

QString countdownText(qint64 hours, qint64 minutes, qint64 seconds) {
    return twoDigitText(hours) + ':' + twoDigitText(minutes) + ':' + twoDigitText(seconds);
}
