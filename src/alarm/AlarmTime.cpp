#include "AlarmTime.h"

namespace {

QString twoDigits(qint32 value) {
    return (value < 10 ? QStringLiteral("0") : QString()) + QString::number(value);
}

} // namespace

QString alarmTimeText(qint32 hour, qint32 minute) { return twoDigits(hour) + " : " + twoDigits(minute); }
