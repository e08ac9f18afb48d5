# Sourced by the end-to-end tests and the measuring scripts: a private X server and a private copy of the
# program folder, so that config.ini is never written into the build. Usage: source xvfb-session.sh PROGRAM
# Sets DISPLAY, WORK (the temporary folder) and PROGRAM (the copied executable). On exit it ends what is
# listed in STARTED, then the server, and removes the copy.
set -euo pipefail

WORK=$(mktemp -d)
cp -r "$(dirname "$1")" "$WORK/vantorel"
PROGRAM="$WORK/vantorel/$(basename "$1")"
STARTED=()

# Alive and not a zombie (a server that finds its display number taken exits at once).
xvfb_alive() { local state; state=$(ps -o stat= -p "$xvfb_pid" 2>/dev/null) && [[ $state != Z* ]]; }

# Sessions started at the same moment take turns (a lock) to pick a free display number and start their
# server, so that no two share a display; a number another server took meanwhile is skipped. Ready means
# a client got through. -noreset: by default the server resets when its last client leaves and refuses
# connections meanwhile, so a program started just after another one ended would not get through.
exec {display_lock}>"${TMPDIR:-/tmp}/vantorel-xvfb.lock"
flock -w 60 $display_lock
xvfb_pid=
trap 'for p in "${STARTED[@]}"; do kill -TERM "$p" 2>/dev/null || true; done
      kill $xvfb_pid 2>/dev/null || true; wait 2>/dev/null || true; rm -rf "$WORK"' EXIT
for n in $(seq 120 800); do
    [ -e /tmp/.X11-unix/X$n ] || [ -e /tmp/.X$n-lock ] && continue
    Xvfb :$n -screen 0 1280x800x24 -nolisten tcp -noreset >/dev/null 2>&1 &
    xvfb_pid=$!
    for _ in $(seq 100); do
        [ -e /tmp/.X11-unix/X$n ] && DISPLAY=:$n xdotool getdisplaygeometry >/dev/null 2>&1 && xvfb_alive && break 2
        xvfb_alive || break
        sleep 0.05
    done
    kill $xvfb_pid 2>/dev/null || true
    wait $xvfb_pid 2>/dev/null || true
done
flock -u $display_lock
exec {display_lock}>&-
xvfb_alive || { echo "no X server could be started" >&2; exit 1; }
export DISPLAY=:$n SDL_AUDIODRIVER=dummy
unset QT_QPA_PLATFORM
# As in a desktop session, where Qt finds it set.
if [ -z "${XDG_RUNTIME_DIR:-}" ]; then
    export XDG_RUNTIME_DIR="$WORK/runtime"
    mkdir -m 700 "$XDG_RUNTIME_DIR"
fi
