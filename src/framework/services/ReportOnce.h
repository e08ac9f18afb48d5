#pragma once

#include "PendingReports.h"

namespace vt {

// A failure that lasts until something outside mends it (a missing file, say) is said once, and again
// only after it went away and came back.
class ReportOnce {
public:
    // Runs `work` as PendingReports::collect does, holding its failure only when it is news.
    bool collect(PendingReports& reports, const std::function<void()>& work);

private:
    bool said = false;
};

} // namespace vt
