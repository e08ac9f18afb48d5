#include "SleepWatcher.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusUnixFileDescriptor>

#include <unistd.h>

#include <utility>

namespace vt {

namespace {

const QString login1 = QStringLiteral("org.freedesktop.login1");
const QString managerPath = QStringLiteral("/org/freedesktop/login1");
const QString manager = QStringLiteral("org.freedesktop.login1.Manager");

} // namespace

SleepWatcher::SleepWatcher(std::function<void()> beforeSleep, std::function<void()> afterWake)
    : beforeSleep(std::move(beforeSleep)), afterWake(std::move(afterWake)) {
    QDBusConnection bus = QDBusConnection::systemBus();
    if (!bus.isConnected()) return;
    bus.connect(login1, managerPath, manager, QStringLiteral("PrepareForSleep"), this,
                SLOT(prepareForSleep(bool)));
    takeDelayLock();
}

SleepWatcher::~SleepWatcher() { releaseDelayLock(); }

void SleepWatcher::prepareForSleep(bool sleeping) {
    asleep = sleeping;
    if (sleeping) {
        beforeSleep();
        releaseDelayLock();
    } else {
        takeDelayLock();
        afterWake();
    }
}

void SleepWatcher::takeDelayLock() {
    QDBusMessage inhibit =
        QDBusMessage::createMethodCall(login1, managerPath, manager, QStringLiteral("Inhibit"));
    inhibit << QStringLiteral("sleep") << QStringLiteral("Vantorel")
            << QStringLiteral("Enregistrer les réglages, l'alarme et les compteurs avant la mise en veille")
            << QStringLiteral("delay");
    // Answered later: a slow logind holds neither the start nor the wake-up; without one the answer is an
    // error, and nothing is held.
    auto* answer = new QDBusPendingCallWatcher(QDBusConnection::systemBus().asyncCall(inhibit), this);
    connect(answer, &QDBusPendingCallWatcher::finished, this, [this](QDBusPendingCallWatcher* answer) {
        answer->deleteLater();
        QDBusPendingReply<QDBusUnixFileDescriptor> reply = *answer;
        // A lock that comes once the machine is going to sleep would only hold it back.
        if (reply.isError() || asleep) return;
        releaseDelayLock();
        delayLock = reply.value().takeFileDescriptor();
    });
}

void SleepWatcher::releaseDelayLock() {
    if (delayLock >= 0) ::close(std::exchange(delayLock, -1));
}

} // namespace vt
