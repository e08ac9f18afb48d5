# Sourced by the measuring scripts: a private X server and a private copy of the program folder, so that
# config.ini is never written into the build. Sets DISPLAY, WORK (the temporary folder) and PROGRAM (the
# copied executable). On exit it ends what is listed in STARTED, then the server, and removes the copy.
set -euo pipefail

WORK=$(mktemp -d)
cp -r "$(dirname "$1")" "$WORK/vantorel"
PROGRAM="$WORK/vantorel/$(basename "$1")"
STARTED=()

# Displays above those of the end-to-end tests, which may run at the same time.
for n in $(seq 500 800); do [ -e /tmp/.X11-unix/X$n ] || [ -e /tmp/.X$n-lock ] || break; done
# -noreset: the server would otherwise reset when its last client leaves, and a program started then fails.
Xvfb :$n -screen 0 1280x800x24 -nolisten tcp -noreset >/dev/null 2>&1 &
xvfb_pid=$!
trap 'for p in "${STARTED[@]}"; do kill -TERM "$p" 2>/dev/null || true; done
      kill $xvfb_pid 2>/dev/null; wait 2>/dev/null; rm -rf "$WORK"' EXIT
for _ in $(seq 100); do [ -e /tmp/.X11-unix/X$n ] && break; sleep 0.05; done
kill -0 $xvfb_pid 2>/dev/null || { echo "Xvfb :$n did not start" >&2; exit 1; }
export DISPLAY=:$n SDL_AUDIODRIVER=dummy LANG=fr_FR.UTF-8
unset QT_QPA_PLATFORM
# As in a desktop session, where Qt finds it set.
if [ -z "${XDG_RUNTIME_DIR:-}" ]; then
    export XDG_RUNTIME_DIR="$WORK/runtime"
    mkdir -m 700 "$XDG_RUNTIME_DIR"
fi
