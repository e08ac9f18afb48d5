#pragma once

#include "framework/services/WindowSystem.h"

namespace vt {

// The window system through Qt, with X11's own requests where Qt has none.
class X11WindowSystem : public WindowSystem {
public:
    void flush() override;
};

} // namespace vt
