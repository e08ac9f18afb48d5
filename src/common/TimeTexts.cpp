#include "TimeTexts.h"

QString twoDigitText(qint64 value) {
    return (value < 10 ? QStringLiteral("0") : QString()) + QString::number(value);
}

QString alarmTimeText(qint32 hour, qint32 minute) {
    return twoDigitText(hour) + " : " + twoDigitText(minute);
}

QString countdownText(qint64 hours, qint64 minutes, qint64 seconds) {
    return twoDigitText(hours) + ':' + twoDigitText(minutes) + ':' + twoDigitText(seconds);
}

QString stopwatchText(qint64 hours, qint64 minutes, qint64 seconds, qint64 tenths) {
    return countdownText(hours, minutes, seconds) + ':' + QString::number(tenths);
}
