#pragma once

#include <QImage>

namespace vt {

// The application icon: a round analogue clock on a transparent background, size × size pixels.
QImage drawClockIcon(int size);

// The main window's clock face without hands, 58 × 56 pixels, dial centre at (28, 28).
QImage drawClockFace();

// The bell shown beside the time while the alarm is armed, 17 × 17 pixels, opaque.
QImage drawBell();

} // namespace vt
