#include "FakeClock.h"

#include <algorithm>

class FakeTimerBackend : public vt::TimerBackend {
public:
    FakeTimerBackend(FakeClock& clock, std::function<void()> fire) : clock(clock) {
        scheduled.fire = std::move(fire);
        clock.timers.push_back(&scheduled);
    }
    ~FakeTimerBackend() override { std::erase(clock.timers, &scheduled); }
    void start(int intervalMs, bool repeat) override {
        scheduled.interval = intervalMs;
        scheduled.repeat = repeat;
        scheduled.due = clock.elapsed + intervalMs;
        scheduled.active = true;
    }
    void stop() override { scheduled.active = false; }

private:
    FakeClock& clock;
    FakeClock::Scheduled scheduled;
};

FakeClock::FakeClock() { setLocal(QDateTime(QDate(2026, 12, 8), QTime(14, 5, 9, 250))); }

QDateTime FakeClock::localNow() const { return QDateTime::fromMSecsSinceEpoch(wallMs); }

qint64 FakeClock::utcMsOfDay() const { return ((wallMs % 86'400'000) + 86'400'000) % 86'400'000; }

std::unique_ptr<vt::TimerBackend> FakeClock::makeTimer(std::function<void()> onTimeout) {
    return std::make_unique<FakeTimerBackend>(*this, std::move(onTimeout));
}

void FakeClock::setLocal(const QDateTime& local) { startMs = wallMs = local.toMSecsSinceEpoch(); }

FakeClock::Scheduled* FakeClock::nextDue(qint64 until) {
    Scheduled* next = nullptr;
    for (Scheduled* timer : timers)
        if (timer->active && timer->due <= until && (!next || timer->due < next->due)) next = timer;
    return next;
}

void FakeClock::advance(qint64 ms) {
    const qint64 until = elapsed + ms;
    while (Scheduled* timer = nextDue(until)) {
        const qint64 at = std::max(elapsed, timer->due);
        wallMs += at - elapsed;
        elapsed = at;
        if (timer->repeat)
            timer->due = at + timer->interval;
        else
            timer->active = false;
        timer->fire();
    }
    if (until > elapsed) {
        wallMs += until - elapsed;
        elapsed = until;
    }
}

void FakeClock::stall(qint64 ms) {
    elapsed += ms;
    wallMs += ms;
}

void FakeClock::shiftWall(qint64 ms) { wallMs += ms; }
