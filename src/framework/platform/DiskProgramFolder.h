#pragma once

#include "framework/services/ProgramFolder.h"

#include <span>

namespace vt {

// Where the data files and the settings file of one copy of the program are.
struct ProgramPaths {
    QString dataFolder; // ends with a path separator
    QString settingsFile;
    bool operator==(const ProgramPaths&) const = default;
};

// The paths of a copy whose executable is in `executableFolder`. A portable program folder holds the
// data files beside the executable and can be written: the settings go there too. Otherwise the settings
// go in the user's config folder (`configHome`, $XDG_CONFIG_HOME, or `home`/.config when that is empty or
// relative), and the data files are the ones beside the executable if there are some, else those of an
// installed copy, <prefix>/share/vantorel beside <prefix>/bin.
ProgramPaths choosePaths(const QString& executableFolder, bool dataBeside, bool writable,
                         const QString& configHome, const QString& home);

// The names of the data files a program folder holds.
using DataFileNames = std::span<const char* const>;

// The same, with what the disk says of the executable's folder: whether it holds any of `dataFiles`.
ProgramPaths findPaths(const QString& executableFolder, DataFileNames dataFiles, const QString& configHome,
                       const QString& home);

// The paths of the running executable, found once at start-up.
class DiskProgramFolder : public ProgramFolder {
public:
    explicit DiskProgramFolder(DataFileNames dataFiles);
    QString path() const override { return paths.dataFolder; }
    QString settingsFile() const override { return paths.settingsFile; }
    QString executable() const override;

private:
    ProgramPaths paths;
};

} // namespace vt
