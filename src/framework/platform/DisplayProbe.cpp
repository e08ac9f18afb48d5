#include "DisplayProbe.h"

#include <xcb/xcb.h>

namespace vt {

DisplayProbe::DisplayProbe() {
    if (qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) return;
    if (!qEnvironmentVariableIsEmpty("DISPLAY")) {
        connection = xcb_connect(nullptr, nullptr);
        if (xcb_connection_has_error(connection) != 0)
            missing = QStringLiteral("impossible de joindre l'écran %1").arg(qEnvironmentVariable("DISPLAY"));
        else
            qputenv("QT_QPA_PLATFORM", "xcb");
        return;
    }
    if (qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        missing = QStringLiteral("aucun écran disponible (ni DISPLAY ni WAYLAND_DISPLAY n'est défini)");
}

DisplayProbe::~DisplayProbe() { release(); }

void DisplayProbe::release() {
    if (connection) xcb_disconnect(connection);
    connection = nullptr;
}

} // namespace vt
