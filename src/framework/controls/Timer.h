#pragma once

#include <QWidget>

#include <memory>

namespace vt {

class Clock;
class TimerBackend;

// An interval timer placed in a window's description: an invisible component whose `timeout` fires every
// `interval` ms while it is active. With `alignToSecond` each event comes just after a whole second of the
// wall clock, so that a clock display changes with the real second.
class Timer : public QWidget {
    Q_OBJECT
    Q_PROPERTY(int interval READ interval WRITE setInterval)
    Q_PROPERTY(bool active READ isActive WRITE setActive)
    Q_PROPERTY(bool alignToSecond READ alignsToSecond WRITE setAlignToSecond)

public:
    explicit Timer(QWidget* parent = nullptr);
    ~Timer() override;

    // Connects the timer to the clock that drives it; until then it only remembers its settings.
    void attach(Clock& clock);

    int interval() const { return intervalMs; }
    void setInterval(int ms);
    bool isActive() const { return active; }
    void setActive(bool on);
    bool alignsToSecond() const { return aligned; }
    void setAlignToSecond(bool on);
    // Stops the events for good, keeping the settings (the program is ending).
    void halt();

signals:
    void timeout();

private:
    void arm();
    void fire();

    Clock* clock = nullptr;
    std::unique_ptr<TimerBackend> backend;
    int intervalMs = 1000;
    bool active = false;
    bool aligned = false;
    bool halted = false;
};

} // namespace vt
