#pragma once

#include "framework/services/Services.h"

class QWidget;

// Shakes a window by a random walk of `steps` jumps of -9 to +9 pixels down, then across, back to back.
// The generator is reseeded from the time of day, so two shakes in the same millisecond walk alike. At
// most 1000 steps, and the window stays within the screen's available area.
void shakeWindow(QWidget& window, int steps, vt::Services& services);
