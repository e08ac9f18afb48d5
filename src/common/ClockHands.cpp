#include "ClockHands.h"

#include "framework/controls/Image.h"

#include <cmath>

namespace {

const QPoint centre(28, 28);
// The full turn the hands are drawn with; the hour hand's end points at 1 and 11 o'clock depend on it.
constexpr double fullTurn = 6.2831853072;

} // namespace

QPoint handEnd(int position, int stepsPerTurn, int length) {
    const double angle = position * fullTurn / stepsPerTurn;
    // Rounding to nearest with ties to even, the default rounding mode.
    return centre + QPoint(int(std::nearbyint(length * std::sin(angle))),
                           -int(std::nearbyint(length * std::cos(angle))));
}

void drawHands(vt::Image& face, QTime time) {
    face.drawLine(centre, handEnd(time.hour() % 12, 12, 9));
    face.drawLine(centre, handEnd(time.minute(), 60, 12));
    face.drawLine(centre, handEnd(time.second(), 60, 12));
}
