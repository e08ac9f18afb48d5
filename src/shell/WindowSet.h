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
    void showMainWindow();
    void tearDown();

    vt::FormRegistry& forms() { return registry; }

private:
    // Makes a window, sets the program-wide reference the others reach it by, and runs its creation.
    template <class Window> void make(Window*& reference);

    vt::Services& services;
    vt::FormRegistry registry;
    std::vector<std::function<void()>> clearReferences;
};
