#include "TimeCrossing.h"

#include <QDateTime>

#include <algorithm>
#include <optional>

namespace {

constexpr qint64 hourMs = 3'600'000;
constexpr qint64 dayMs = 24 * hourMs;

qint64 offsetMsAt(qint64 instant) { return QDateTime::fromMSecsSinceEpoch(instant).offsetFromUtc() * 1000LL; }

} // namespace

qint64 firstInstantOf(QDate date, QTime time) {
    // The wall time read as if it were universal time; the real instant is that less the zone's offset.
    const qint64 naive = QDateTime(date, time, Qt::UTC).toMSecsSinceEpoch();
    // At most one change of offset lies within a day of it, so these are all the offsets around it.
    qint64 offsets[] = {offsetMsAt(naive - dayMs), offsetMsAt(naive), offsetMsAt(naive + dayMs)};
    std::optional<qint64> first;
    for (qint64 offset : offsets) {
        const qint64 instant = naive - offset;
        if (offsetMsAt(instant) == offset && (!first || instant < *first)) first = instant;
    }
    if (first) return *first;
    // Skipped: the clock jumps over it at the change of offset between these two instants.
    std::sort(std::begin(offsets), std::end(offsets));
    qint64 before = naive - offsets[2], after = naive - offsets[0];
    const qint64 newOffset = offsetMsAt(after);
    while (after - before > 1) {
        const qint64 middle = before + (after - before) / 2;
        (offsetMsAt(middle) == newOffset ? after : before) = middle;
    }
    return after;
}

namespace {

// Within an hour, with the same offset at both ends and three hours before, the local clock ran straight
// from one to the other and showed none of those times before (changes of offset are months apart, and
// none turns the clock back by more than two hours).
bool ranStraight(const QDateTime& from, const QDateTime& to) {
    return from.msecsTo(to) < hourMs && from.offsetFromUtc() == to.offsetFromUtc() &&
           from.addMSecs(-3 * hourMs).offsetFromUtc() == from.offsetFromUtc();
}

std::optional<qint64> lastAtSomeDate(qint64 previous, qint64 now, QTime time) {
    const QDate first = QDateTime::fromMSecsSinceEpoch(previous).date().addDays(-1);
    const QDate last = QDateTime::fromMSecsSinceEpoch(now).date().addDays(1);
    std::optional<qint64> latest;
    for (QDate date = first; date <= last; date = date.addDays(1)) {
        const qint64 instant = firstInstantOf(date, time);
        if (instant > previous && instant <= now) latest = std::max(instant, latest.value_or(instant));
    }
    return latest;
}

} // namespace

std::optional<qint64> lastComingBetween(qint64 previous, qint64 now, QTime time) {
    if (now <= previous) return {};
    const QDateTime from = QDateTime::fromMSecsSinceEpoch(previous), to = QDateTime::fromMSecsSinceEpoch(now);
    if (ranStraight(from, to)) {
        const QTime start = from.time(), end = to.time();
        const bool sameDate = from.date() == to.date();
        if (time <= end && (!sameDate || start < time)) return now - time.msecsTo(end);
        if (!sameDate && start < time) return previous + start.msecsTo(time);
        return {};
    }
    return lastAtSomeDate(previous, now, time);
}

std::optional<qint64> lastFullHourBetween(qint64 previous, qint64 now) {
    if (now <= previous) return {};
    const QDateTime from = QDateTime::fromMSecsSinceEpoch(previous), to = QDateTime::fromMSecsSinceEpoch(now);
    if (ranStraight(from, to)) {
        const QTime end = to.time();
        if (from.date() == to.date() && from.time().hour() == end.hour()) return {};
        return now - QTime(end.hour(), 0).msecsTo(end);
    }
    std::optional<qint64> latest;
    for (int hour = 0; hour < 24; ++hour)
        if (const auto instant = lastAtSomeDate(previous, now, QTime(hour, 0)))
            latest = std::max(*instant, latest.value_or(*instant));
    return latest;
}
