#pragma once

namespace vt {

// What the windows ask of the window system beyond Qt's widgets.
class WindowSystem {
public:
    virtual ~WindowSystem() = default;
    // Sends the window moves made so far to the screen at once, so that each of them is seen.
    virtual void flush() = 0;
};

} // namespace vt
