#pragma once

#include "framework/ProgramFolder.h"

namespace vt {

// The folder of the running executable.
class ExecutableFolder : public ProgramFolder {
public:
    QString path() const override;
    QString executable() const override;
};

} // namespace vt
