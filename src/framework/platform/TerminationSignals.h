#pragma once

#include <QObject>

#include <functional>
#include <memory>

class QSocketNotifier;

namespace vt {

// SIGTERM, SIGINT and SIGHUP, caught from the moment this is made and handled on the interface thread
// (through a pipe, since a signal handler may do almost nothing).
class TerminationSignals : public QObject {
    Q_OBJECT

public:
    TerminationSignals();
    ~TerminationSignals() override;

    // What a signal does; one that came before is handled now.
    void onSignal(std::function<void()> handler);

private:
    void received();

    std::unique_ptr<QSocketNotifier> notifier;
    std::function<void()> handler;
    bool pending = false;
};

} // namespace vt
