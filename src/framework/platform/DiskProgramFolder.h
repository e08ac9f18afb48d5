#pragma once

#include "framework/services/ProgramFolder.h"

#include <optional>
#include <span>

namespace vt {

// Where the data files and the settings file of one copy of the program are.
struct ProgramPaths {
    QString dataFolder; // ends with a path separator
    QString settingsFile;
    bool operator==(const ProgramPaths&) const = default;
};

// What the executable's folder holds: data files, a settings file, and whether it can be written.
struct FolderHolds {
    bool data = false;
    bool settings = false;
    bool writable = false;
};

// The paths of a copy whose executable is in `executableFolder`. A portable program folder keeps its
// settings beside the executable: one that holds a settings file (readable even when the folder can't
// be written, which is then said at the first write), or one that holds data files and can be written.
// Otherwise the settings go in the user's config folder (`configHome`, $XDG_CONFIG_HOME, or
// `home`/.config when that is empty or relative), and the data files are the ones beside the executable
// if there are some, else those of an installed copy, <prefix>/share/vantorel beside <prefix>/bin.
ProgramPaths choosePaths(const QString& executableFolder, const FolderHolds& holds, const QString& configHome,
                         const QString& home);

// The names of the data files a program folder holds.
using DataFileNames = std::span<const char* const>;

// The same, with what the disk says of the executable's folder: whether it holds any of `dataFiles`.
ProgramPaths findPaths(const QString& executableFolder, DataFileNames dataFiles, const QString& configHome,
                       const QString& home);

// The system's own name for the working folder. Qt 6 spells every file name in UTF-8 and loses any other
// byte, so a folder whose name holds such bytes (a Latin-1 "déjà" from an old archive), or that lies
// deeper than the system's path limit, is named through it once the program has moved into the folder.
inline const QString workingFolder = QStringLiteral("/proc/self/cwd");

// Qt's name for the folder of `executable`, a path as the system gives it, any bytes: the folder's own
// name when Qt can spell it and the system take it whole, else `workingFolder` once the program has moved
// there, one name at a time; nothing when the folder can't be reached.
std::optional<QString> reachableFolder(const QByteArray& executable);

// The paths of the running executable, found once at start-up, when the program may still move into its
// folder.
class DiskProgramFolder : public ProgramFolder {
public:
    explicit DiskProgramFolder(DataFileNames dataFiles);
    QString path() const override { return paths.dataFolder; }
    QString settingsFile() const override { return paths.settingsFile; }
    QString executable() const override { return executableFile; }
    // Why the program's files can't be found, or nothing when they can.
    const QString& problem() const { return missing; }

private:
    ProgramPaths paths;
    QString executableFile;
    QString missing;
};

} // namespace vt
