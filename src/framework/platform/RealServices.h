#pragma once

#include "DiskFileStore.h"
#include "DiskProgramFolder.h"
#include "QtCommonDialogs.h"
#include "QtDesktopOpen.h"
#include "QtMessageBoxes.h"
#include "SdlMediaPlayer.h"
#include "SystemClock.h"
#include "X11WindowSystem.h"
#include "framework/services/Services.h"

namespace vt {

// The services of the running program.
struct RealServices {
    // The failure report's boxes are titled `title`.
    RealServices(DataFileNames dataFiles, const QString& title) : folder(dataFiles), report(boxes, title) {}

    QtMessageBoxes boxes;
    QtCommonDialogs dialogs;
    SdlMediaPlayer player;
    QtDesktopOpen desktop;
    SystemClock clock;
    LinearRandom random;
    DiskProgramFolder folder;
    DiskFileStore disk;
    X11WindowSystem windowSystem;
    ErrorReport report;
    Settings settings{folder.settingsFile(), disk, report};
    Services services{boxes, dialogs, player, desktop, clock, random, windowSystem, folder, settings, report};
};

} // namespace vt
