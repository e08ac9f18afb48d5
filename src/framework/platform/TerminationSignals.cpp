#include "TerminationSignals.h"

#include <QSocketNotifier>

#include <csignal>
#include <sys/socket.h>
#include <unistd.h>
#include <utility>

namespace vt {

namespace {

int signalPipe[2] = {-1, -1};

void writeSignalByte(int) {
    const char byte = 1;
    [[maybe_unused]] const auto written = ::write(signalPipe[0], &byte, 1);
}

} // namespace

TerminationSignals::TerminationSignals() {
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, signalPipe) != 0) return;
    notifier = std::make_unique<QSocketNotifier>(signalPipe[1], QSocketNotifier::Read);
    connect(notifier.get(), &QSocketNotifier::activated, this, &TerminationSignals::received);
    struct sigaction action = {};
    action.sa_handler = writeSignalByte;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int signal : {SIGTERM, SIGINT, SIGHUP})
        sigaction(signal, &action, nullptr);
}

TerminationSignals::~TerminationSignals() = default;

void TerminationSignals::onSignal(std::function<void()> action) {
    handler = std::move(action);
    if (std::exchange(pending, false)) handler();
}

void TerminationSignals::received() {
    char byte;
    [[maybe_unused]] const auto read = ::read(signalPipe[1], &byte, 1);
    if (handler)
        handler();
    else
        pending = true;
}

} // namespace vt
