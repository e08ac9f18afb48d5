#pragma once

#include "framework/services/Clock.h"

#include <vector>

// A clock that moves only when the test moves it, and fires the timers that fall due on the way.
// Local time follows the process time zone (the tests run in Europe/Paris, with its daylight saving).
class FakeClock : public vt::Clock {
public:
    FakeClock();

    QDateTime localNow() const override;
    qint64 programStartMs() const override { return startMs; }
    qint64 utcMsOfDay() const override;
    qint64 elapsedMs() const override { return elapsed; }
    QString longTimeFormat() const override { return timeFormat; }
    QString shortDateFormat() const override { return dateFormat; }
    // French ones, unless a test speaks another language.
    QString timeFormat = QStringLiteral("HH:mm:ss");
    QString dateFormat = QStringLiteral("dd/MM/yyyy");
    std::unique_ptr<vt::TimerBackend> makeTimer(std::function<void()> onTimeout) override;

    // Sets the wall clock, as it stands when a program starts.
    void setLocal(const QDateTime& local);
    // A program starts now.
    void startProgram() { startMs = wallMs; }
    // Lets time pass, firing each timer when it falls due, in order.
    void advance(qint64 ms);
    // Time passes with no timer firing (a suspend or a stalled program); the overdue timers fire once
    // at the next advance.
    void stall(qint64 ms);
    // Sets the wall clock forward or back; elapsed time doesn't move.
    void shiftWall(qint64 ms);

    struct Scheduled {
        std::function<void()> fire;
        qint64 due = 0;
        int interval = 0;
        bool repeat = false;
        bool active = false;
    };

private:
    Scheduled* nextDue(qint64 until);

    qint64 wallMs = 0;
    qint64 startMs = 0;
    qint64 elapsed = 1'000'000;
    std::vector<Scheduled*> timers;
    friend class FakeTimerBackend;
};
