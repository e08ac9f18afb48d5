#pragma once

#include <QString>

// The alarm time as the alarm windows show it: "07 : 05", each number with a "0" before it below 10.
QString alarmTimeText(qint32 hour, qint32 minute);
