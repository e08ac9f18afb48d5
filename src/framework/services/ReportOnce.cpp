#include "ReportOnce.h"

#include "framework/core/Failure.h"

#include <utility>

namespace vt {

bool ReportOnce::collect(PendingReports& reports, const std::function<void()>& work) {
    try {
        work();
        said = false;
        return true;
    } catch (const std::exception& failure) {
        if (!std::exchange(said, true)) reports.add(messageOf(failure));
        return false;
    }
}

} // namespace vt
