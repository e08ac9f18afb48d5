# Sourced by the end-to-end tests: a private X server and a private copy of the program folder.
# Sets DISPLAY and PROGRAM (the copied executable); cleans up on exit.
set -euo pipefail

program_dir=$(dirname "$1")
work=$(mktemp -d)
cp -r "$program_dir" "$work/vantorel"
PROGRAM="$work/vantorel/$(basename "$1")"

for n in $(seq 120 400); do [ -e /tmp/.X11-unix/X$n ] || [ -e /tmp/.X$n-lock ] || break; done
Xvfb :$n -screen 0 1280x800x24 -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
trap 'kill $xvfb_pid 2>/dev/null; wait $xvfb_pid 2>/dev/null; rm -rf "$work"' EXIT
for _ in $(seq 100); do [ -e /tmp/.X11-unix/X$n ] && break; sleep 0.05; done
export DISPLAY=:$n SDL_AUDIODRIVER=dummy
unset QT_QPA_PLATFORM
