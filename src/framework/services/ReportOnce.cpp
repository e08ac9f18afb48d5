#include "ReportOnce.h"

#include "framework/core/Failure.h"

#include <utility>

namespace vt {

bool ReportOnce::collect(PendingReports& reports, const std::function<void()>& work) {
    const std::optional<QString> failure = failureIn(work);
    if (!failure)
        said = false;
    else if (!std::exchange(said, true))
        reports.add(*failure);
    return !failure;
}

} // namespace vt
