#pragma once

#include <QPoint>
#include <QTime>

namespace vt {
class Image;
}

// The end of a hand of `length` pixels from the face's centre, `position` steps of `stepsPerTurn` round
// from twelve o'clock.
QPoint handEnd(int position, int stepsPerTurn, int length);

// Draws the hour, minute and second hands of `time` on the face picture.
void drawHands(vt::Image& face, QTime time);
