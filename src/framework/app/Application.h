#pragma once

#include <QApplication>
#include <QList>

#include <exception>
#include <functional>
#include <memory>
#include <vector>

class QSocketNotifier;

namespace vt {

class ErrorReport;
class Form;

// The application object: the default error report for failures that escape a handler, the activation
// rules the windows rely on, the French interface and a clean end on a termination signal.
class Application : public QApplication {
    Q_OBJECT

public:
    Application(int& argc, char** argv);
    ~Application() override;

    static Application* instance() { return static_cast<Application*>(QCoreApplication::instance()); }

    // Before the application is made: why there is no display to show windows on, or nothing when there is
    // one. X11 is preferred when it is there, since a Wayland client can't move its own window (the shake
    // and the designed positions).
    static QString missingDisplay();

    // Qt's own texts (message box buttons, common dialogs) in French, whatever the user's locale.
    void useFrenchInterface();

    bool notify(QObject* receiver, QEvent* event) override;

    void setErrorReport(ErrorReport* report) { errorReport = report; }
    // Shows a failure through the default report (the program goes on).
    void report(const std::exception& failure);
    void report(const QString& message);

    // Asks the message loop to end; remembered, so that a handler can tell it was asked.
    void endLoop();
    bool loopEndRequested() const { return endRequested; }
    // Ends the loop; a new copy of the program starts once this one is torn down.
    void endLoopAndRestart();
    bool restartRequested() const { return restart; }
    // A new run of the loop starts (the test suite runs many).
    void clearLoopEndRequest() { endRequested = restart = false; }

    // SIGTERM, SIGINT and SIGHUP end the loop as "Quitter" does.
    void endLoopOnTerminationSignals();

    // Windows register in the order they are made; the first one is the main window.
    void registerForm(Form* form);
    void unregisterForm(Form* form);
    Form* mainForm() const { return forms.isEmpty() ? nullptr : forms.first(); }

    void formActivated(Form* form);
    // When the active window is hidden, the most recently active remaining visible and enabled window
    // becomes active.
    void formHidden(Form* form, bool wasActive);
    void activate(Form* form);

    // After the loop: stops the timers and the activation handling; then, from the last window made to the
    // first, hides it if it is shown (its hide handler runs) and runs its destroy handler; only then frees
    // them all, so the main window's destroy handler still reads every other window.
    void tearDown(std::vector<std::unique_ptr<Form>>& formsInCreationOrder);

private:
    void onTerminationSignal();

    ErrorReport* errorReport = nullptr;
    QList<Form*> forms;
    QList<Form*> recentlyActive;
    bool activationHandling = true;
    bool endRequested = false;
    bool restart = false;
    std::unique_ptr<QSocketNotifier> signalNotifier;
};

// Runs a handler; a failure it throws ends it and is shown by the default report.
void guard(const std::function<void()>& handler);

} // namespace vt
