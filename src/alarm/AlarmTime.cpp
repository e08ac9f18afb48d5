#include "AlarmTime.h"

#include "shell/TwoDigitText.h"

QString alarmTimeText(qint32 hour, qint32 minute) {
    return twoDigitText(hour) + " : " + twoDigitText(minute);
}
