#pragma once

#include <QIcon>
#include <QImage>
#include <QList>

namespace vt {

// The application icon: a round analogue clock on a transparent background, size × size pixels.
QImage drawClockIcon(int size);
// The icon in every size its file holds: 16, 32 and 48 pixels.
QList<QImage> drawClockIcons();
// The same, as a window's icon.
QIcon clockIcon();

// The main window's clock face without hands, 58 × 56 pixels, dial centre at (28, 28).
QImage drawClockFace();

// The bell shown beside the time while the alarm is armed, 17 × 17 pixels, opaque.
QImage drawBell();

} // namespace vt
