#pragma once

#include <QObject>

#include <functional>

namespace vt {

// The machine going to sleep and waking up, as logind announces it on the system bus; nothing where
// there is no system bus. The work given must not throw: it runs under Qt's bus code.
class SleepWatcher : public QObject {
    Q_OBJECT

public:
    SleepWatcher(std::function<void()> beforeSleep, std::function<void()> afterWake);

private slots:
    void prepareForSleep(bool sleeping);

private:
    std::function<void()> beforeSleep, afterWake;
};

} // namespace vt
