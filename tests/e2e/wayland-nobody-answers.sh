#!/usr/bin/env bash
# Without DISPLAY, a WAYLAND_DISPLAY where no compositor answers (no such socket; a socket whose compositor
# is gone) ends the real program with one line and exit code 1. Usage: wayland-nobody-answers.sh PROGRAM
set -euo pipefail
runtime=$(mktemp -d)
trap 'rm -rf "$runtime"' EXIT
python3 -c 'import socket, sys; socket.socket(socket.AF_UNIX).bind(sys.argv[1])' "$runtime/wayland-gone"
for name in nowhere wayland-gone; do
    rc=0
    said=$(env -u DISPLAY -u QT_QPA_PLATFORM XDG_RUNTIME_DIR="$runtime" WAYLAND_DISPLAY=$name timeout 10 "$1" 2>&1) ||
        rc=$?
    echo "WAYLAND_DISPLAY=$name: exit code $rc: $said"
    [ $rc -eq 1 ] && [ "$said" = "vantorel : impossible de joindre l'écran Wayland $name." ] || exit 1
done
