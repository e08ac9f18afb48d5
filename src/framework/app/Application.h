#pragma once

#include <QApplication>

#include <functional>

namespace vt {

class ErrorReport;

// The application object: Qt's own texts in French, and the last resort for a failure that escapes
// everything else (the windows' handlers report their own failures).
class Application : public QApplication {
    Q_OBJECT

public:
    Application(int& argc, char** argv);

    // Qt's own texts (message box buttons, common dialogs) in French, whatever the user's locale.
    void useFrenchInterface();

    void setErrorReport(ErrorReport* report) { errorReport = report; }
    bool notify(QObject* receiver, QEvent* event) override;

    // What the end of the session does when the system asks the application to quit (the session
    // manager does at logout), instead of simply ending the loop.
    void onQuitRequest(std::function<void()> handler) { quitRequest = std::move(handler); }

protected:
    bool event(QEvent* event) override;

private:
    ErrorReport* errorReport = nullptr;
    std::function<void()> quitRequest;
};

} // namespace vt
