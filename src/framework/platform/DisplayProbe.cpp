#include "DisplayProbe.h"

#include <QDir>
#include <QLibraryInfo>

#include <xcb/xcb.h>

namespace vt {

namespace {

// Qt aborts when it can't load the platform it is told to use: look for its plugin first.
bool hasPlatformPlugin(const QString& name) {
    const QDir platforms(QLibraryInfo::path(QLibraryInfo::PluginsPath) + QStringLiteral("/platforms"));
    return !platforms.entryList({QStringLiteral("libq%1*.so").arg(name)}, QDir::Files).isEmpty();
}

} // namespace

DisplayProbe::DisplayProbe() {
    if (qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) return;
    if (!qEnvironmentVariableIsEmpty("DISPLAY")) {
        connection = xcb_connect(nullptr, nullptr);
        if (xcb_connection_has_error(connection) != 0)
            missing = QStringLiteral("impossible de joindre l'écran %1").arg(qEnvironmentVariable("DISPLAY"));
        else if (!hasPlatformPlugin(QStringLiteral("xcb")))
            missing = QStringLiteral("le module X11 de Qt manque (paquet libqt6gui6)");
        else
            qputenv("QT_QPA_PLATFORM", "xcb");
        return;
    }
    if (qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        missing = QStringLiteral("aucun écran disponible (ni DISPLAY ni WAYLAND_DISPLAY n'est défini)");
    else if (!hasPlatformPlugin(QStringLiteral("wayland")))
        missing = QStringLiteral("le module Wayland de Qt manque (paquet qt6-wayland)");
    else
        qputenv("QT_QPA_PLATFORM", "wayland");
}

DisplayProbe::~DisplayProbe() { release(); }

void DisplayProbe::release() {
    if (connection) xcb_disconnect(connection);
    connection = nullptr;
}

} // namespace vt
