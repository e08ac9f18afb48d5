#include "PendingReports.h"

#include "framework/core/Failure.h"

#include <utility>

namespace vt {

bool PendingReports::collect(const std::function<void()>& work) {
    const std::optional<QString> failure = failureIn(work);
    if (failure) add(*failure);
    return !failure;
}

void PendingReports::flush() {
    for (const QString& message : std::exchange(held, {}))
        report.show(message);
}

} // namespace vt
