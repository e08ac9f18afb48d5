#include "TimeText.h"

#include "shell/TwoDigitText.h"

QString countdownText(qint64 hours, qint64 minutes, qint64 seconds) {
    return twoDigitText(hours) + ':' + twoDigitText(minutes) + ':' + twoDigitText(seconds);
}
