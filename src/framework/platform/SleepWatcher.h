#pragma once

#include <QObject>

#include <functional>

namespace vt {

// The machine going to sleep and waking up, as logind announces it on the system bus; nothing where
// there is no system bus. logind's delay lock, held while the program is awake, makes the machine wait
// until the work before the sleep is done. The work given must not throw: it runs under Qt's bus code.
class SleepWatcher : public QObject {
    Q_OBJECT

public:
    SleepWatcher(std::function<void()> beforeSleep, std::function<void()> afterWake);
    ~SleepWatcher() override;

private slots:
    void prepareForSleep(bool sleeping);

private:
    void takeDelayLock();
    void releaseDelayLock();

    std::function<void()> beforeSleep, afterWake;
    bool asleep = false;
    int delayLock = -1; // logind waits until this file is closed
};

} // namespace vt
