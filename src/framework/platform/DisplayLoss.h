#pragma once

#include <functional>

namespace vt {

// Work for the moment Qt ends the process because its connection to the display broke, while this object
// lives. Qt 6.4 never returns to the loop then: its X11 plugin says "The X11 connection broke (error N).
// Did the X11 server die?" and calls exit(1) on the interface thread; its Wayland plugin says "The Wayland
// connection broke. Did the Wayland compositor die?" (or "… experienced a fatal error: …") and calls
// _exit(1), which runs no atexit handler, on whichever thread dispatched the display's events: the
// interface thread or the one of the frame events. Both say it through Qt's message handler first, so the
// work runs there, once, and always on the interface thread: at once when that is where Qt said it; from
// another thread it is asked of the interface thread, which is waited for two seconds at most.
class DisplayLoss {
public:
    explicit DisplayLoss(std::function<void()> work);
    ~DisplayLoss();
    DisplayLoss(const DisplayLoss&) = delete;
    DisplayLoss& operator=(const DisplayLoss&) = delete;
};

} // namespace vt
