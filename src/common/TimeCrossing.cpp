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

bool comesAtSomeDate(qint64 previous, qint64 now, QTime time) {
    const QDate first = QDateTime::fromMSecsSinceEpoch(previous).date().addDays(-1);
    const QDate last = QDateTime::fromMSecsSinceEpoch(now).date().addDays(1);
    for (QDate date = first; date <= last; date = date.addDays(1)) {
        const qint64 instant = firstInstantOf(date, time);
        if (instant > previous && instant <= now) return true;
    }
    return false;
}

} // namespace

bool comesBetween(qint64 previous, qint64 now, QTime time) {
    if (now <= previous) return false;
    const QDateTime from = QDateTime::fromMSecsSinceEpoch(previous), to = QDateTime::fromMSecsSinceEpoch(now);
    if (ranStraight(from, to)) {
        const QTime start = from.time(), end = to.time();
        return from.date() == to.date() ? start < time && time <= end : start < time || time <= end;
    }
    return comesAtSomeDate(previous, now, time);
}

bool fullHourComesBetween(qint64 previous, qint64 now) {
    if (now <= previous) return false;
    const QDateTime from = QDateTime::fromMSecsSinceEpoch(previous), to = QDateTime::fromMSecsSinceEpoch(now);
    if (ranStraight(from, to)) return from.date() != to.date() || from.time().hour() != to.time().hour();
    for (int hour = 0; hour < 24; ++hour)
        if (comesAtSomeDate(previous, now, QTime(hour, 0))) return true;
    return false;
}
