#pragma once

#include <QString>

// A number as the windows write their time fields: one "0" before it below 10 (a negative one too), in
// full above, so hours may take three digits or more.
QString twoDigitText(qint64 value);
