#!/usr/bin/env bash
# Takes the screenshot the AppStream metadata shows: the real program's main window, from a copy of its
# program folder with the default settings, under a private X server, its wall clock started at a fixed
# time so that a new screenshot shows the same clock. Builds nothing: give it a built executable.
# Usage: packaging/take-screenshot.sh EXECUTABLE OUTPUT.png
#   e.g. packaging/take-screenshot.sh build/vantorel/vantorel packaging/screenshots/main-window.png
set -euo pipefail
[ $# -eq 2 ] || { echo "usage: $0 EXECUTABLE OUTPUT.png" >&2; exit 2; }
output=$(realpath -m "$2")
# A private X server and a copy of the program folder, both gone on exit; sets PROGRAM and DISPLAY.
source "$(dirname "$0")/../tests/e2e/xvfb-session.sh" "$1"
# The defaults, not the settings of whoever ran the build's copy.
rm -f "$(dirname "$PROGRAM")/config.ini"

lib=
for candidate in /usr/lib/*/faketime/libfaketimeMT.so.1 /usr/lib/faketime/libfaketimeMT.so.1; do
    [ -e "$candidate" ] && { lib=$candidate; break; }
done
[ -n "$lib" ] || { echo "libfaketime not found (package faketime)" >&2; exit 1; }
# Only the wall clock is moved: the event loop's timers keep the monotonic clock.
LD_PRELOAD=$lib FAKETIME="@2026-12-08 10:08:36" FAKETIME_DONT_FAKE_MONOTONIC=1 LANG=fr_FR.UTF-8 \
    "$PROGRAM" >"$work/program.log" 2>&1 &
pid=$!
# The program ends first, then the session's own clean-up runs.
third_word() { echo "${3:-}"; }
session_cleanup=$(eval "third_word $(trap -p EXIT)")
trap 'kill $pid 2>/dev/null || true; wait $pid 2>/dev/null || true; '"$session_cleanup" EXIT
window=$(timeout 20 xdotool search --sync --onlyvisible --name '^Vantorel$' | head -1) ||
    { echo "no window titled Vantorel appeared" >&2; cat "$work/program.log" >&2; exit 1; }
# Time for the first ticks to draw the face, the hands and the text.
sleep 2
mkdir -p "$(dirname "$output")"
import -window "$window" "$work/shot.png"
# Without the time stamps ImageMagick writes, the same picture gives the same file.
convert "$work/shot.png" -strip -define png:exclude-chunk=date,time "$output"
echo "$output: $(identify -format '%wx%h' "$output")"
