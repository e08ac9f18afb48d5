#pragma once

#include <QString>

struct xcb_connection_t;

namespace vt {

// Looks, before the application is made, for a display to show the windows on: Qt would abort with a
// core dump on one it can't reach. X11 is chosen when it is there, since a Wayland client can't move its
// own window (the shake and the designed positions).
class DisplayProbe {
public:
    DisplayProbe();
    ~DisplayProbe();
    DisplayProbe(const DisplayProbe&) = delete;
    DisplayProbe& operator=(const DisplayProbe&) = delete;

    // Why there is no display, or nothing when there is one.
    const QString& problem() const { return missing; }

    // Once Qt has its own connection: until then the probe's keeps a server whose last client leaves
    // from resetting and refusing connections meanwhile.
    void release();

private:
    QString missing;
    xcb_connection_t* connection = nullptr;
};

} // namespace vt
