#include "SleepWatcher.h"

#include <QDBusConnection>

namespace vt {

SleepWatcher::SleepWatcher(std::function<void()> beforeSleep, std::function<void()> afterWake)
    : beforeSleep(std::move(beforeSleep)), afterWake(std::move(afterWake)) {
    QDBusConnection bus = QDBusConnection::systemBus();
    if (!bus.isConnected()) return;
    bus.connect(QStringLiteral("org.freedesktop.login1"), QStringLiteral("/org/freedesktop/login1"),
                QStringLiteral("org.freedesktop.login1.Manager"), QStringLiteral("PrepareForSleep"), this,
                SLOT(prepareForSleep(bool)));
}

void SleepWatcher::prepareForSleep(bool sleeping) { sleeping ? beforeSleep() : afterWake(); }

} // namespace vt
