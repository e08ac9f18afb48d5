#!/usr/bin/env bash
# Without DISPLAY, a WAYLAND_DISPLAY where no compositor answers (a name left over in tmux or ssh, or set
# before the compositor started) ends the real program at once with one line and exit code 1, before it
# makes anything: no name at all, and a socket whose compositor is gone.
# Usage: wayland-nobody-answers.sh PROGRAM
set -euo pipefail
runtime=$(mktemp -d)
trap 'rm -rf "$runtime"' EXIT
python3 -c 'import socket, sys; socket.socket(socket.AF_UNIX).bind(sys.argv[1])' "$runtime/wayland-gone"

for name in nowhere wayland-gone; do
    rc=0
    output=$(env -u DISPLAY -u QT_QPA_PLATFORM XDG_RUNTIME_DIR="$runtime" WAYLAND_DISPLAY=$name \
        timeout 10 "$1" 2>&1) || rc=$?
    [ $rc -eq 1 ] || { echo "WAYLAND_DISPLAY=$name: exit code $rc, output: $output"; exit 1; }
    [ "$output" = "vantorel : impossible de joindre l'écran Wayland $name." ] ||
        { echo "WAYLAND_DISPLAY=$name: said \"$output\""; exit 1; }
    echo "WAYLAND_DISPLAY=$name: exit code 1, \"$output\""
done
