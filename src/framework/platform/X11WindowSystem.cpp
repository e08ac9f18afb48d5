#include "X11WindowSystem.h"

#include <QGuiApplication>

#include <xcb/xcb.h>

namespace vt {

void X11WindowSystem::flush() {
    auto* x11 = qApp->nativeInterface<QNativeInterface::QX11Application>();
    if (x11 && x11->connection()) xcb_flush(x11->connection());
}

} // namespace vt
