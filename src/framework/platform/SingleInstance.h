#pragma once

#include <QObject>
#include <QString>

#include <functional>

namespace vt {

// One running copy per settings file: a later copy on the same file asks the running one to come to the
// front and goes. The exclusion is a lock on a file beside the one the settings are written to, the end of
// its symbolic links ("." + its name + ".lock"), so any two names of one settings file meet there; the
// system lets go of it however the process ends, and it needs neither a bus nor a runtime folder. The
// running copy answers on the user's session bus, under a name made from the lock file's identity.
class SingleInstance : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.vantorel.Vantorel.Copy")

public:
    explicit SingleInstance(const QString& settingsFile);
    ~SingleInstance() override;

    // Whether another copy runs on the same settings file (it was asked to come to the front).
    bool anotherRuns() const { return other; }
    // What this copy does when a later one asks it to come to the front.
    void onRaiseRequest(std::function<void()> handler) { raiseRequest = std::move(handler); }
    // Lets a new copy start.
    void release();

public slots:
    // Called by a later copy, over the session bus.
    Q_SCRIPTABLE void Raise();

private:
    void answer(const QString& name);
    void askTheRunningCopy(const QString& name, const QString& settingsFile);

    int lockFd = -1;
    bool other = false;
    QString busName;
    std::function<void()> raiseRequest;
};

} // namespace vt
