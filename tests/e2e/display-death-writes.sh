#!/usr/bin/env bash
# The display's death writes config.ini at that moment, on X11 and on Wayland: a stopwatch runs 8 s, the X
# server or the compositor is killed, and config.ini holds 6 s or more, which the write every 9 s can't
# give (its first one comes at the first tick). Usage: display-death-writes.sh PROGRAM SCREENSHOT_FOLDER
source "$(dirname "$0")/../../scripts/xvfb-session.sh" "$1"
source "$(dirname "$0")/desktop.sh" "${2:-}"

# run_then_kill DISPLAY_PID: SIGKILL, as in a crash, 8 s after the start; the program ends by itself
# within 5 s with Qt's exit code 1.
run_then_kill() {
    while [ $((SECONDS - started_at)) -lt 8 ]; do sleep 0.1; done
    kill -KILL "$1"
    for _ in $(seq 100); do program_running || break; sleep 0.05; done
    program_running && fail "still running 5 s after its display was killed"
    local rc=0 counted
    wait "$PROGRAM_PID" 2>/dev/null || rc=$?
    PROGRAM_PID=
    [ $rc -eq 1 ] || fail "exit code $rc after the display's death"
    counted=$(($(ini_value chrono minpass) * 60 + $(ini_value chrono secpass)))
    [ "$counted" -ge 6 ] || fail "$counted s on the stopwatch after 8 s"
    say "config.ini holds $counted s of the stopwatch"
}

say "X11: a running stopwatch, the X server killed"
printf '[chrono]\nstart=1\n' >"$SETTINGS"
started_at=$SECONDS
start_program
run_then_kill "$xvfb_pid"

say "Wayland: the same under weston's headless back end, the compositor killed"
printf '[chrono]\nstart=1\n' >"$SETTINGS"
weston --backend=headless-backend.so --no-config --socket=vantorel-$$ >"$WORK/weston.log" 2>&1 &
STARTED+=($!)
wait_file "$XDG_RUNTIME_DIR/vantorel-$$" 10 || fail "weston did not start: $(cat "$WORK/weston.log")"
started_at=$SECONDS
env -u DISPLAY WAYLAND_DISPLAY=vantorel-$$ "$PROGRAM" >>"$WORK/program.log" 2>&1 &
PROGRAM_PID=$!
# Connected once Qt's Wayland plugin reads the compositor's events on threads of its own.
for _ in $(seq 100); do program_thread WaylandEvent && break; sleep 0.05; done
run_then_kill "${STARTED[-1]}"
