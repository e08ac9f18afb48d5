#pragma once

#include "framework/services/Clock.h"

#include <optional>

namespace vt {

class SystemClock : public Clock {
public:
    QDateTime localNow() const override;
    qint64 programStartMs() const override;
    qint64 utcMsOfDay() const override;
    qint64 elapsedMs() const override;
    QString longTimeFormat() const override;
    QString shortDateFormat() const override;
    std::unique_ptr<TimerBackend> makeTimer(std::function<void()> onTimeout) override;

private:
    mutable std::optional<QString> timeFormat, dateFormat;
};

// The locale's long time format without its time zone name ("HH:mm:ss t" gives "HH:mm:ss").
QString withoutZoneName(const QString& timeFormat);

} // namespace vt
