#pragma once

#include "ErrorReport.h"

#include <QStringList>

#include <functional>

namespace vt {

// Failures held back until the work at hand is done, so that no report's box holds it halfway.
class PendingReports {
public:
    explicit PendingReports(ErrorReport& report) : report(report) {}
    ~PendingReports() { flush(); }
    PendingReports(const PendingReports&) = delete;
    PendingReports& operator=(const PendingReports&) = delete;

    // Runs `work`; a failure it throws is held. Whether it went through.
    bool collect(const std::function<void()>& work);
    void add(const QString& message) { held << message; }
    // Shows what is held, in order.
    void flush();

private:
    ErrorReport& report;
    QStringList held;
};

} // namespace vt
