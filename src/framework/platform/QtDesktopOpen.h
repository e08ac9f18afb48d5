#pragma once

#include "framework/services/DesktopOpen.h"

namespace vt {

class QtDesktopOpen : public DesktopOpen {
public:
    void open(const QString& path) override;
};

// A program is an executable ELF file or an executable script starting with "#!"; anything else is a
// document, even with its execute bit set (as every file on a FAT or NTFS mount has).
bool isProgram(const QString& path);

} // namespace vt
