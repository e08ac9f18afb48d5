#include "PendingReports.h"

#include "framework/core/Failure.h"

#include <utility>

namespace vt {

bool PendingReports::collect(const std::function<void()>& work) {
    try {
        work();
        return true;
    } catch (const std::exception& failure) {
        add(messageOf(failure));
        return false;
    }
}

void PendingReports::flush() {
    for (const QString& message : std::exchange(held, {}))
        report.show(message);
}

} // namespace vt
