#include "TwoDigitText.h"

QString twoDigitText(qint64 value) {
    return (value < 10 ? QStringLiteral("0") : QString()) + QString::number(value);
}
