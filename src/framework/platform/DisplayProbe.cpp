#include "DisplayProbe.h"

#include <QDir>
#include <QFile>
#include <QLibraryInfo>

#include <xcb/xcb.h>

#include <cstring>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace vt {

namespace {

// Qt aborts when it can't load the platform it is told to use: look for its plugin first.
bool hasPlatformPlugin(const QString& name) {
    const QDir platforms(QLibraryInfo::path(QLibraryInfo::PluginsPath) + QStringLiteral("/platforms"));
    return !platforms.entryList({QStringLiteral("libq%1*.so").arg(name)}, QDir::Files).isEmpty();
}

// A compositor listens on the socket named as libwayland finds it: a full path, or a name in the user's
// runtime folder. A stale name (left in tmux or ssh, or set before the compositor started) finds nobody.
bool compositorAnswers(const QString& display) {
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!QDir::isAbsolutePath(display) && runtime.isEmpty()) return false;
    const QByteArray path =
        QFile::encodeName(QDir::isAbsolutePath(display) ? display : runtime + '/' + display);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (std::size_t(path.size()) >= sizeof address.sun_path) return false;
    std::memcpy(address.sun_path, path.constData(), path.size());
    const int socket = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (socket < 0) return false;
    const bool answered = ::connect(socket, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
    ::close(socket);
    return answered;
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
    const QString wayland = qEnvironmentVariable("WAYLAND_DISPLAY");
    if (wayland.isEmpty())
        missing = QStringLiteral("aucun écran disponible (ni DISPLAY ni WAYLAND_DISPLAY n'est défini)");
    else if (!compositorAnswers(wayland))
        missing = QStringLiteral("impossible de joindre l'écran Wayland %1").arg(wayland);
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
