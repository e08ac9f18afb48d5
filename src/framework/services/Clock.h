#pragma once

#include <QDateTime>
#include <QString>

#include <functional>
#include <memory>

namespace vt {

// One scheduled callback of the clock: fires once, or at every interval, until stopped.
class TimerBackend {
public:
    virtual ~TimerBackend() = default;
    virtual void start(int intervalMs, bool repeat) = 0;
    virtual void stop() = 0;
};

// Time as the windows read it, and the timers that fire by it.
class Clock {
public:
    virtual ~Clock() = default;
    virtual QDateTime localNow() const = 0;
    // When the program started, in milliseconds since the epoch.
    virtual qint64 programStartMs() const = 0;
    // Milliseconds since midnight, in universal time.
    virtual qint64 utcMsOfDay() const = 0;
    // Milliseconds on a clock that setting the wall clock doesn't move and that runs on during a suspend.
    virtual qint64 elapsedMs() const = 0;
    // The user's locale formats (QDateTime::toString patterns).
    virtual QString longTimeFormat() const = 0;
    virtual QString shortDateFormat() const = 0;

    virtual std::unique_ptr<TimerBackend> makeTimer(std::function<void()> onTimeout) = 0;
};

} // namespace vt
