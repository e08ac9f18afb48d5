#include "DisplayLoss.h"

#include <QCoreApplication>
#include <QSemaphore>
#include <QThread>

#include <array>
#include <utility>

namespace vt {

namespace {

// What Qt 6.4 says right before it ends the process (qxcbconnection.cpp, qwaylanddisplay.cpp).
constexpr std::array lastWords{"The X11 connection broke", "The Wayland connection "};
constexpr int interfaceThreadMs = 2000;

QtMessageHandler previous = nullptr;
std::function<void()> pending;
QSemaphore done;

// On the interface thread only.
void runPending() {
    if (auto work = std::exchange(pending, nullptr)) work();
    done.release();
}

bool areLastWords(const QString& message) {
    for (const char* words : lastWords)
        if (message.startsWith(QLatin1String(words))) return true;
    return false;
}

void onMessage(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    previous(type, context, message);
    if (type != QtWarningMsg || !areLastWords(message)) return;
    QCoreApplication* application = QCoreApplication::instance();
    if (QThread::currentThread() == application->thread()) {
        runPending();
        return;
    }
    QMetaObject::invokeMethod(application, runPending, Qt::QueuedConnection);
    done.tryAcquire(1, interfaceThreadMs);
}

} // namespace

DisplayLoss::DisplayLoss(std::function<void()> work) {
    pending = std::move(work);
    previous = qInstallMessageHandler(onMessage);
}

DisplayLoss::~DisplayLoss() {
    qInstallMessageHandler(previous);
    pending = nullptr;
}

} // namespace vt
