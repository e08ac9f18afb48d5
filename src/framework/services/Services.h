#pragma once

#include "Clock.h"
#include "CommonDialogs.h"
#include "DesktopOpen.h"
#include "ErrorReport.h"
#include "MediaPlayer.h"
#include "MessageBoxes.h"
#include "ProgramFolder.h"
#include "Random.h"
#include "Settings.h"
#include "WindowSystem.h"

namespace vt {

// The platform services the windows use: the real ones in the program, fakes in the tests.
struct Services {
    MessageBoxes& boxes;
    CommonDialogs& dialogs;
    MediaPlayer& player;
    DesktopOpen& desktop;
    Clock& clock;
    Random& random;
    WindowSystem& windowSystem;
    ProgramFolder& folder;
    Settings& settings;
    ErrorReport& report;
};

} // namespace vt
