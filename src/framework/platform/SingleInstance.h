#pragma once

#include <QObject>
#include <QString>

#include <functional>
#include <memory>

class QLocalServer;

namespace vt {

// One running copy per settings file: a later copy on the same file asks the running one to come to
// the front and goes. The guard is a lock the system lets go of however the process ends.
class SingleInstance : public QObject {
    Q_OBJECT

public:
    explicit SingleInstance(const QString& settingsFile);
    ~SingleInstance() override;

    // Whether another copy runs on the same settings file (it was asked to come to the front).
    bool anotherRuns() const { return other; }
    // What this copy does when a later one asks it to come to the front.
    void onRaiseRequest(std::function<void()> handler) { raise = std::move(handler); }
    // Lets a new copy start.
    void release();

private:
    void askTheRunningCopy(const QString& socketPath);
    void listen(const QString& socketPath);

    int lockFd = -1;
    bool other = false;
    std::unique_ptr<QLocalServer> server;
    std::function<void()> raise;
};

} // namespace vt
