#include "SystemClock.h"

#include <QLocale>
#include <QRegularExpression>
#include <QTimer>

#include <ctime>

namespace vt {

namespace {

class QtTimerBackend : public TimerBackend {
public:
    explicit QtTimerBackend(std::function<void()> onTimeout) {
        timer.setTimerType(Qt::PreciseTimer);
        QObject::connect(&timer, &QTimer::timeout, &timer, std::move(onTimeout));
    }
    void start(int intervalMs, bool repeat) override {
        timer.setSingleShot(!repeat);
        timer.start(intervalMs);
    }
    void stop() override { timer.stop(); }

private:
    QTimer timer;
};

// Read as the program is loaded, before any of its work.
const qint64 startMs = QDateTime::currentMSecsSinceEpoch();

} // namespace

QDateTime SystemClock::localNow() const { return QDateTime::currentDateTime(); }

qint64 SystemClock::programStartMs() const { return startMs; }

qint64 SystemClock::utcMsOfDay() const {
    return QDateTime::currentDateTimeUtc().time().msecsSinceStartOfDay();
}

qint64 SystemClock::elapsedMs() const {
    timespec now{};
    clock_gettime(CLOCK_BOOTTIME, &now);
    return qint64(now.tv_sec) * 1000 + now.tv_nsec / 1000000;
}

// Read at the first tick, once the application has set its locale up; asking the locale costs more
// than formatting the time.
QString SystemClock::longTimeFormat() const {
    if (!timeFormat) timeFormat = withoutZoneName(QLocale().timeFormat(QLocale::LongFormat));
    return *timeFormat;
}

QString SystemClock::shortDateFormat() const {
    if (!dateFormat) dateFormat = QLocale().dateFormat(QLocale::ShortFormat);
    return *dateFormat;
}

std::unique_ptr<TimerBackend> SystemClock::makeTimer(std::function<void()> onTimeout) {
    return std::make_unique<QtTimerBackend>(std::move(onTimeout));
}

QString withoutZoneName(const QString& timeFormat) {
    static const QRegularExpression zone(QStringLiteral("\\s*\\(?t+\\)?"));
    return timeFormat.contains('t') ? QString(timeFormat).remove(zone).trimmed() : timeFormat;
}

} // namespace vt
