#pragma once

#include "framework/services/Services.h"
#include "framework/windows/FormRegistry.h"

#include <functional>
#include <vector>

// The program's eight windows, made at start-up in a fixed order (each creation handler may use only the
// windows made before it) and torn down in the reverse order at the end.
class WindowSet {
public:
    explicit WindowSet(vt::Services& services);
    ~WindowSet();

    // Gives the application the icon from "horloge.ico"; fails when the file can't be read.
    void loadApplicationIcon();
    // Shows the main window, then says why the settings file was not read, if it wasn't.
    void showMainWindow();
    // Brings the main window to the front, out of the task bar if need be, under the dialog it waits for.
    void bringMainWindowToFront();
    // The clock tick now, as after the machine woke up.
    void tickNow();
    // What a restart must find, written where nothing can be shown any more (the display is gone, the
    // machine goes to sleep).
    void saveSettingsQuietly() noexcept;
    // The session ends (a termination signal, the session manager): nothing asks the user anything any
    // more, what a restart must find is written, and the loop ends, a nested one too.
    void endSession() noexcept;
    void tearDown();
    // After the teardown of a reset: starts the program again, from nothing.
    void restartIfAsked();

    vt::FormRegistry& forms() { return registry; }

private:
    // Makes a window, sets the program-wide reference the others reach it by, and runs its creation.
    template <class Window> void make(Window*& reference);

    vt::Services& services;
    vt::FormRegistry registry;
    std::vector<std::function<void()>> clearReferences;
};
