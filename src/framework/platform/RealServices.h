#pragma once

#include "DiskFileStore.h"
#include "DiskProgramFolder.h"
#include "QtCommonDialogs.h"
#include "QtDesktopOpen.h"
#include "QtMessageBoxes.h"
#include "SdlMediaPlayer.h"
#include "SystemClock.h"
#include "framework/services/Services.h"

namespace vt {

// The services of the running program.
struct RealServices {
    explicit RealServices(DataFileNames dataFiles) : folder(dataFiles) {}

    QtMessageBoxes boxes;
    QtCommonDialogs dialogs;
    SdlMediaPlayer player;
    QtDesktopOpen desktop;
    SystemClock clock;
    LinearRandom random;
    DiskProgramFolder folder;
    DiskFileStore disk;
    Settings settings{folder.settingsFile(), disk};
    Services services{boxes, dialogs, player, desktop, clock, random, folder, settings};
};

} // namespace vt
