# Sourced by the end-to-end tests: a private X server and a private copy of the program folder.
# Sets DISPLAY and PROGRAM (the copied executable); cleans up on exit.
set -euo pipefail

program_dir=$(dirname "$1")
work=$(mktemp -d)
cp -r "$program_dir" "$work/vantorel"
PROGRAM="$work/vantorel/$(basename "$1")"

# Alive and not a zombie (a server that finds its display number taken exits at once).
xvfb_alive() { local state; state=$(ps -o stat= -p "$xvfb_pid" 2>/dev/null) && [[ $state != Z* ]]; }

# Tests started at the same moment take turns (a lock) to pick a free display number and start their
# server, so that no two share a display; a number another server took meanwhile is skipped. Ready means
# a client got through. -noreset: by default the server resets when its last client leaves and refuses
# connections meanwhile, so a program started just after another one ended would not get through.
exec {display_lock}>"${TMPDIR:-/tmp}/vantorel-e2e-xvfb.lock"
flock -w 60 $display_lock
xvfb_pid=
trap 'kill $xvfb_pid 2>/dev/null || true; wait $xvfb_pid 2>/dev/null || true; rm -rf "$work"' EXIT
for n in $(seq 120 400); do
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
xvfb_alive || { echo "no X server could be started"; exit 1; }
export DISPLAY=:$n SDL_AUDIODRIVER=dummy
unset QT_QPA_PLATFORM
