#include "Timer.h"

#include "framework/services/Clock.h"

namespace vt {

namespace {
// How far past the whole second an aligned timer fires, so that the second has surely begun.
constexpr int alignMarginMs = 3;
} // namespace

Timer::Timer(QWidget* parent) : QWidget(parent) { setVisible(false); }

Timer::~Timer() = default;

void Timer::attach(Clock& source) {
    clock = &source;
    backend = clock->makeTimer([this] { fire(); });
    arm();
}

void Timer::setInterval(int ms) {
    intervalMs = ms;
    arm();
}

void Timer::setActive(bool on) {
    if (on == active) return;
    active = on;
    arm();
}

void Timer::setAlignToSecond(bool on) {
    aligned = on;
    arm();
}

void Timer::halt() {
    halted = true;
    arm();
}

void Timer::arm() {
    if (!backend) return;
    if (!active || halted || intervalMs <= 0) {
        backend->stop();
        return;
    }
    if (!aligned) {
        backend->start(intervalMs, true);
        return;
    }
    const int intoSecond = clock->localNow().time().msec();
    backend->start(intervalMs - intoSecond + alignMarginMs, false);
}

void Timer::fire() {
    if (aligned) arm();
    emit timeout();
}

} // namespace vt
