#include "WindowSet.h"
#include "common/DataFiles.h"
#include "framework/app/Application.h"
#include "framework/app/ErrorReport.h"
#include "framework/platform/RealServices.h"

#include <cstdio>

int main(int argc, char** argv) {
    if (const QString missing = vt::Application::missingDisplay(); !missing.isEmpty()) {
        std::fprintf(stderr, "vantorel : %s.\n", qPrintable(missing));
        return 1;
    }
    vt::Application application(argc, argv);
    // Ties the windows to the installed desktop entry (its icon and name in the desktop's task list).
    QGuiApplication::setDesktopFileName(QStringLiteral(VANTOREL_DESKTOP_ID));
    application.useFrenchInterface();
    application.endLoopOnTerminationSignals();

    vt::RealServices real(DataFile::all);
    vt::ErrorReport report(real.boxes, vt::Application::applicationName());
    application.setErrorReport(&report);

    WindowSet windows(real.services);
    windows.showMainWindow();
    // A missing icon is reported over the shown window; the program goes on without it.
    vt::guard([&] { windows.loadApplicationIcon(); });
    // The loop may already have been asked to end while that report was open (a signal, say).
    if (!application.loopEndRequested()) vt::Application::exec();
    windows.tearDown();
    return 0;
}
