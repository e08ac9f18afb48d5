#pragma once

#include <QApplication>

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

private:
    ErrorReport* errorReport = nullptr;
};

} // namespace vt
