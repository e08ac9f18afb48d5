#include "Application.h"

#include "ErrorReport.h"
#include "framework/core/Failure.h"
#include "framework/windows/Form.h"

#include <QLibraryInfo>
#include <QSocketNotifier>
#include <QTranslator>

#include <csignal>
#include <cstdio>
#include <sys/socket.h>
#include <unistd.h>
#include <xcb/xcb.h>

namespace vt {

namespace {

int signalPipe[2] = {-1, -1};

// The connection that found the display, kept until Qt has its own: a server whose last client leaves
// resets and refuses connections meanwhile.
xcb_connection_t* displayProbe = nullptr;

void writeSignalByte(int) {
    const char byte = 1;
    [[maybe_unused]] const auto written = ::write(signalPipe[0], &byte, 1);
}

} // namespace

Application::Application(int& argc, char** argv) : QApplication(argc, argv) {
    if (displayProbe) {
        xcb_disconnect(displayProbe);
        displayProbe = nullptr;
    }
    setApplicationName(QStringLiteral("Vantorel"));
    setQuitOnLastWindowClosed(false);
}

Application::~Application() = default;

QString Application::missingDisplay() {
    if (qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) return {};
    if (!qEnvironmentVariableIsEmpty("DISPLAY")) {
        // Qt would abort with a core dump on a display it can't reach: ask first.
        displayProbe = xcb_connect(nullptr, nullptr);
        const bool reached = xcb_connection_has_error(displayProbe) == 0;
        if (!reached)
            return QStringLiteral("impossible de joindre l'écran %1").arg(qEnvironmentVariable("DISPLAY"));
        qputenv("QT_QPA_PLATFORM", "xcb");
        return {};
    }
    if (qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        return QStringLiteral("aucun écran disponible (ni DISPLAY ni WAYLAND_DISPLAY n'est défini)");
    return {};
}

void Application::useFrenchInterface() {
    auto* translator = new QTranslator(this);
    if (translator->load(QStringLiteral("qtbase_fr"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        installTranslator(translator);
}

bool Application::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& failure) {
        report(failure);
        return true;
    }
}

void Application::report(const std::exception& failure) { report(messageOf(failure)); }

void Application::report(const QString& message) {
    if (errorReport)
        errorReport->show(message);
    else
        std::fprintf(stderr, "vantorel: %s\n", qPrintable(message));
}

void guard(const std::function<void()>& handler) {
    try {
        handler();
    } catch (const std::exception& failure) {
        Application::instance()->report(failure);
    }
}

void Application::endLoop() {
    endRequested = true;
    exit(0); // also ends a nested loop (a message box) that runs before the main loop starts
}

void Application::endLoopAndRestart() {
    restart = true;
    endLoop();
}

void Application::endLoopOnTerminationSignals() {
    if (::socketpair(AF_UNIX, SOCK_STREAM, 0, signalPipe) != 0) return;
    signalNotifier = std::make_unique<QSocketNotifier>(signalPipe[1], QSocketNotifier::Read);
    connect(signalNotifier.get(), &QSocketNotifier::activated, this, &Application::onTerminationSignal);
    struct sigaction action = {};
    action.sa_handler = writeSignalByte;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int signal : {SIGTERM, SIGINT, SIGHUP})
        sigaction(signal, &action, nullptr);
}

void Application::onTerminationSignal() {
    char byte;
    [[maybe_unused]] const auto read = ::read(signalPipe[1], &byte, 1);
    endLoop();
}

void Application::registerForm(Form* form) {
    if (forms.isEmpty()) activationHandling = true; // a new set of windows (the test suite makes many)
    forms.append(form);
}

void Application::unregisterForm(Form* form) {
    forms.removeAll(form);
    recentlyActive.removeAll(form);
}

void Application::formActivated(Form* form) {
    recentlyActive.removeAll(form);
    recentlyActive.prepend(form);
}

void Application::formHidden(Form* form, bool wasActive) {
    if (!activationHandling || !wasActive) return;
    for (Form* candidate : recentlyActive)
        if (candidate != form && candidate->isVisible() && candidate->isEnabled()) {
            activate(candidate);
            return;
        }
}

void Application::activate(Form* form) {
    if (!activationHandling) return;
    form->raise();
    form->activateWindow();
}

void Application::tearDown(std::vector<std::unique_ptr<Form>>& made) {
    for (auto& form : made)
        form->haltTimers();
    activationHandling = false;
    for (auto it = made.rbegin(); it != made.rend(); ++it) {
        if ((*it)->isVisible()) (*it)->hide();
        (*it)->runDestroyHandler();
    }
    for (auto it = made.rbegin(); it != made.rend(); ++it)
        it->reset();
    made.clear();
}

} // namespace vt
