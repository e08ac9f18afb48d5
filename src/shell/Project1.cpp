#include "WindowSet.h"
#include "common/DataFiles.h"
#include "framework/app/Application.h"
#include "framework/platform/DisplayProbe.h"
#include "framework/platform/RealServices.h"
#include "framework/platform/TerminationSignals.h"

#include <cstdio>

int main(int argc, char** argv) {
    vt::DisplayProbe display;
    if (!display.problem().isEmpty()) {
        std::fprintf(stderr, "vantorel : %s.\n", qPrintable(display.problem()));
        return 1;
    }
    vt::Application application(argc, argv);
    display.release();
    // Ties the windows to the installed desktop entry (its icon and name in the desktop's task list).
    QGuiApplication::setDesktopFileName(QStringLiteral(VANTOREL_DESKTOP_ID));
    application.useFrenchInterface();
    vt::TerminationSignals termination;

    vt::RealServices real(DataFile::all, vt::Application::applicationName());
    application.setErrorReport(&real.report);

    WindowSet windows(real.services);
    // SIGTERM, SIGINT and SIGHUP end the loop as "Quitter" does.
    termination.onSignal([&] { windows.forms().endLoop(); });
    windows.showMainWindow();
    // A missing icon is reported over the shown window; the program goes on without it.
    real.report.guard([&] { windows.loadApplicationIcon(); });
    // The loop may already have been asked to end while that report was open (a signal, say).
    if (!windows.forms().loopEndRequested()) vt::Application::exec();
    windows.tearDown();
    return 0;
}
