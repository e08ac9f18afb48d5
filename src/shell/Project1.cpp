#include "WindowSet.h"
#include "common/DataFiles.h"
#include "framework/app/Application.h"
#include "framework/platform/DisplayLoss.h"
#include "framework/platform/DisplayProbe.h"
#include "framework/platform/RealServices.h"
#include "framework/platform/SingleInstance.h"
#include "framework/platform/SleepWatcher.h"
#include "framework/platform/TerminationSignals.h"

#include <QSessionManager>

namespace {

// Why the program can't start, in one line on standard error.
int cannotStart(const QString& problem) {
    vt::ErrorReport::tell(problem);
    return 1;
}

} // namespace

int main(int argc, char** argv) {
    vt::DisplayProbe display;
    if (!display.problem().isEmpty()) return cannotStart(display.problem());
    vt::Application application(argc, argv);
    display.release();
    // Ties the windows to the installed desktop entry (its icon and name in the desktop's task list).
    QGuiApplication::setDesktopFileName(QStringLiteral(VANTOREL_DESKTOP_ID));
    application.useFrenchInterface();
    vt::TerminationSignals termination;

    vt::RealServices real(DataFile::all, vt::Application::applicationName());
    if (!real.folder.problem().isEmpty()) return cannotStart(real.folder.problem());
    application.setErrorReport(&real.report);
    vt::SingleInstance instance(real.settings.path());
    if (instance.anotherRuns()) return 0;
    vt::DiskFileStore::removeLeftovers(real.settings.path());

    WindowSet windows(real.services);
    instance.onRaiseRequest([&] { windows.bringMainWindowToFront(); });
    // What the user set or counted is written before anything that needs the display: at the end of a
    // session the display may be gone already.
    termination.onSignal([&] { windows.endSession(); });
    application.onQuitRequest([&] { windows.endSession(); });
    QObject::connect(&application, &QGuiApplication::commitDataRequest, &application,
                     [&](QSessionManager&) { windows.saveSettingsQuietly(); });
    vt::SleepWatcher sleep([&] { windows.saveSettingsQuietly(); },
                           [&] { real.report.guard([&] { windows.tickNow(); }); });
    windows.showMainWindow();
    // A missing icon is reported over the shown window; the program goes on without it.
    real.report.guard([&] { windows.loadApplicationIcon(); });
    {
        // Qt ends the process itself when the connection to the display breaks.
        const vt::DisplayLoss displayLost([&] { windows.saveSettingsQuietly(); });
        // The loop may already have been asked to end while that report was open (a signal, say).
        if (!windows.forms().loopEndRequested()) vt::Application::exec();
    }
    windows.tearDown();
    // The reset's new copy starts once this one has let go.
    instance.release();
    windows.restartIfAsked();
    return 0;
}
