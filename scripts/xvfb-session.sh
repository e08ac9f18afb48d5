# Sourced by the end-to-end tests and the measuring scripts: a private X server and a private copy of the
# program folder, so that config.ini is never written into the build. Usage: source xvfb-session.sh PROGRAM
# Sets DISPLAY, WORK (the temporary folder) and PROGRAM (the copied executable). On exit it ends what is
# listed in STARTED, then the server, and removes the copy.
set -euo pipefail

WORK=$(mktemp -d)
cp -r "$(dirname "$1")" "$WORK/vantorel"
PROGRAM="$WORK/vantorel/$(basename "$1")"
STARTED=()

# The server takes a free display number itself and writes it on the pipe once it accepts connections, so
# no two sessions share a display. -noreset: by default the server resets when its last client leaves and
# refuses connections meanwhile, so a program started just after another one ended would not get through.
xvfb_pid=
trap 'for p in "${STARTED[@]}"; do kill -TERM "$p" 2>/dev/null || true; done
      kill $xvfb_pid 2>/dev/null || true; wait 2>/dev/null || true; rm -rf "$WORK"' EXIT
exec {display_fd}< <(exec Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp -noreset 3>&1 >/dev/null 2>&1)
xvfb_pid=$!
read -r -t 20 n <&$display_fd || { echo "no X server could be started" >&2; exit 1; }
exec {display_fd}<&-
export DISPLAY=:$n SDL_AUDIODRIVER=dummy
unset QT_QPA_PLATFORM
# As in a desktop session, where Qt finds it set.
if [ -z "${XDG_RUNTIME_DIR:-}" ]; then
    export XDG_RUNTIME_DIR="$WORK/runtime"
    mkdir -m 700 "$XDG_RUNTIME_DIR"
fi
